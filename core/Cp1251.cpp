#include "core/Cp1251.h"
