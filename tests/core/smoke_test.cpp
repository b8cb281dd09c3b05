#include "core/GameTypes.h"
#include <gtest/gtest.h>
TEST(Smoke, DrawRecordSize) { EXPECT_EQ(sizeof(core::TDrawRec), 24u); }
