#include <gtest/gtest.h>

#include "shell/text_tables.h"

TEST(TextTables, Sizes)
{
    EXPECT_EQ(app::CommonTexts.rows(), 33);
}
