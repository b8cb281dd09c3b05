#include "app/ExclusiveFile.h"
