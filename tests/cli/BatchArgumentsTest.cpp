#include "cli/BatchArguments.h"

#include <gtest/gtest.h>

namespace vxw {

TEST(BatchArguments, OptionsBeforeTheCommandAndEverythingAfterIt) {
    const BatchArgumentsResult r = ParseBatchArguments(
        {"--suite-dir", "S", "--design", "d.vxd", "--settings", "u.ini", "list", "VX4_1", "--format"});
    ASSERT_TRUE(r.error.isEmpty());
    EXPECT_EQ(r.arguments.suiteDir, "S");
    EXPECT_EQ(r.arguments.designFile, "d.vxd");
    EXPECT_EQ(r.arguments.settingsFile, "u.ini");
    EXPECT_EQ(r.arguments.command, "list");
    // Options after the command belong to the command, even ones the batch command also knows.
    EXPECT_EQ(r.arguments.arguments, QStringList({"VX4_1", "--format"}));
}

TEST(BatchArguments, UsageErrors) {
    EXPECT_FALSE(ParseBatchArguments({}).error.isEmpty());
    EXPECT_FALSE(ParseBatchArguments({"--design"}).error.isEmpty());
    EXPECT_FALSE(ParseBatchArguments({"--bogus", "info"}).error.isEmpty());
    const BatchArgumentsResult help = ParseBatchArguments({"--help"});
    EXPECT_TRUE(help.error.isEmpty());
    EXPECT_TRUE(help.arguments.help);
}

} // namespace vxw
