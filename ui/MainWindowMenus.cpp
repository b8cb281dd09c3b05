#include "ui/MainWindow.h"
