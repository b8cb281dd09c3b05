#include "ui/DrawDialog.h"
