#include "suite/TextRules.h"

#include <gtest/gtest.h>

namespace vxw {

TEST(TrimBlanks, RemovesOnlyBlanksAtBothEnds) {
    EXPECT_EQ(TrimBlanks(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("\ta\r\n")), QStringLiteral("\ta\r\n"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("   ")), QString());
}

} // namespace vxw
