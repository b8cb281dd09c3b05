#include "core/StatAccum.h"
