#include "core/GameMath.h"
