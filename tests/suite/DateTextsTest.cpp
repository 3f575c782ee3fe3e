#include "suite/DateTexts.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace vxw {
namespace {

class EpochVariable {
public:
    explicit EpochVariable(const QByteArray& value)
        : wasSet_(qEnvironmentVariableIsSet("SOURCE_DATE_EPOCH")), previous_(qgetenv("SOURCE_DATE_EPOCH")) {
        qputenv("SOURCE_DATE_EPOCH", value);
    }
    ~EpochVariable() { wasSet_ ? qputenv("SOURCE_DATE_EPOCH", previous_) : qunsetenv("SOURCE_DATE_EPOCH"); }

private:
    bool wasSet_;
    QByteArray previous_;
};

TEST(DateTexts, SourceDateEpochFixesNowInUtcAndTheCLocale) {
    const EpochVariable epoch("1700000000");
    EXPECT_EQ(ShortDate(), QStringLiteral("14 Nov 2023"));
    EXPECT_EQ(GeneralDate(), QStringLiteral("14 Nov 2023 22:13:20"));
}

TEST(DateTexts, InvalidSourceDateEpochIsIgnored) {
    for (const char* bad : {"", "abc", "12x", " 5", "-", "99999999999999999999", "1e9", "+5"}) {
        EXPECT_FALSE(ParseSourceDateEpoch(QByteArray(bad))) << bad;
        const EpochVariable epoch(bad);
        EXPECT_FALSE(ShortDate().isEmpty()) << bad; // the real clock instead, no crash
    }
    EXPECT_TRUE(ParseSourceDateEpoch("0"));
    EXPECT_TRUE(ParseSourceDateEpoch("-86400"));
    EXPECT_FALSE(ParseSourceDateEpoch("253402300800")); // past the year 9999
}

TEST(DateTexts, GeneralDateDropsTheTimeZoneName) {
    const QDateTime when(QDate(2024, 3, 5), QTime(7, 8, 9), QTimeZone::utc());
    EXPECT_EQ(GeneralDateText(when, QLocale::c()), QStringLiteral("5 Mar 2024 07:08:09"));
    const QString us = GeneralDateText(when, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_FALSE(us.contains(QStringLiteral("UTC")));
    EXPECT_TRUE(us.startsWith(QStringLiteral("3/5/24 7:08:09")));
}

} // namespace
} // namespace vxw
