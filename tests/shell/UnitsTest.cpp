#include "shell/Units.h"

#include "suite/SuiteServices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

TEST(Units, UnknownUnitsAreInches) {
    EXPECT_EQ(CurrentUnit(), kUnitInch);
    EXPECT_EQ(&UnitTable(7), &UnitTable(kUnitInch));
    EXPECT_EQ(OtherUnit(kUnitInch), kUnitMillimetre);
    EXPECT_EQ(OtherUnit(kUnitMillimetre), kUnitInch);
}

TEST(Units, FormatLengthDividesScalesFormatsAndMarks) {
    EXPECT_EQ(FormatLength(10000, 10000, kUnitInch), QStringLiteral("0.03937\""));
    EXPECT_EQ(FormatLength(10000, 10000, kUnitMillimetre), QStringLiteral("1.000mm"));
    EXPECT_EQ(FormatLength(254000, 10000, kUnitInch), QStringLiteral("1.0000\""));
    EXPECT_EQ(FormatLength(-12345, 1000, kUnitMillimetre), QStringLiteral("-12.345mm"));
    EXPECT_EQ(FormatShortLength(254000, 10000, kUnitInch), QStringLiteral("1.000\""));
    EXPECT_EQ(FormatShortLength(12345, 1000, kUnitMillimetre), QStringLiteral("12.3mm"));
    EXPECT_EQ(FormatLength(10000, 0, kUnitMillimetre), QStringLiteral("1.000mm")); // bad scale: default
}

TEST(Units, FormatLengthUsesTheSuiteScaleAndTheCurrentUnit) {
    QTemporaryDir dir;
    ScopedSuite suite(SuiteLocation::InFolder(dir.path()));
    ASSERT_TRUE(Suite().SaveSuiteSetting(QStringLiteral("Vexil2K"), QStringLiteral("UnitScale"),
                                         QStringLiteral("100")));
    EXPECT_EQ(FormatLength(2540), QStringLiteral("1.0000\""));
    SetCurrentUnit(kUnitMillimetre);
    EXPECT_EQ(FormatLength(2540), QStringLiteral("25.400mm"));
    SetCurrentUnit(kUnitInch);
}

} // namespace
} // namespace vxw
