#include "core/DataFolder.h"
