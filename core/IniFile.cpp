#include "core/IniFile.h"
