#include "ui/WindowLayout.h"
