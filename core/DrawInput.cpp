#include "core/DrawInput.h"
