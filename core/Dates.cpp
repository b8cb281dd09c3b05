#include "core/Dates.h"
