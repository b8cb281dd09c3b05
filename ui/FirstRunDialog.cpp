#include "ui/FirstRunDialog.h"
