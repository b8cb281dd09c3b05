#include "core/DrawArchive.h"
