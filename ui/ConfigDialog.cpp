#include "ui/ConfigDialog.h"
