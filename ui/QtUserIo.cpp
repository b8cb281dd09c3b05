#include "ui/QtUserIo.h"
