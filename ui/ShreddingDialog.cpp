#include "ui/ShreddingDialog.h"
