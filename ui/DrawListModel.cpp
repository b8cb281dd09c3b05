#include "ui/DrawListModel.h"
