#include "app/Session.h"
