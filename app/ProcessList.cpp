#include "app/ProcessList.h"
