#include "ui/DrawsPage.h"
