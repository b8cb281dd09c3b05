#include "FakeUserIo.h"
