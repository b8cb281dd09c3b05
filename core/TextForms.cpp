#include "core/TextForms.h"
