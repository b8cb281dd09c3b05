#include "app/Languages.h"
