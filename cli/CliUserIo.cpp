#include "cli/CliUserIo.h"
