#include "core/Placement.h"
