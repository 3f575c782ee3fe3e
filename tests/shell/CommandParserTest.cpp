#include "shell/CommandParser.h"
#include "shell/HostCommand.h"

#include <gtest/gtest.h>

namespace vxw {
namespace {

QStringList Fields(const char* text) {
    return ParseCommandText(QString::fromLatin1(text)).fields;
}

TEST(ParseCommand, SplitsAtCommasOutsideQuotes) {
    EXPECT_EQ(Fields("All,MN"), (QStringList{"All", "MN"}));
    EXPECT_EQ(Fields("VXLLSTGN,EX,"), (QStringList{"VXLLSTGN", "EX", ""}));
    EXPECT_EQ(Fields("a,\"b,c\""), (QStringList{"a", "b,c"}));
    EXPECT_EQ(Fields("a,\"b,c\",d"), (QStringList{"a", "b,c", "d"}));
    EXPECT_EQ(Fields(""), (QStringList{""}));
    EXPECT_EQ(Fields(","), (QStringList{"", ""}));
    EXPECT_EQ(Fields("a,,b"), (QStringList{"a", "", "b"}));
    // After a quoted field the text may end with its comma: no empty field follows.
    EXPECT_EQ(Fields("a,\"b\","), (QStringList{"a", "b"}));
    EXPECT_EQ(Fields("\"\",x"), (QStringList{"", "x"}));
    // A lone quote as the last character is an ordinary character.
    EXPECT_EQ(Fields("a,\""), (QStringList{"a", "\""}));
    // The character after a closing quote is skipped whatever it is.
    EXPECT_EQ(Fields("\"ab\"cd,e"), (QStringList{"ab", "d", "e"}));
    // An unclosed quote takes the rest of the text.
    EXPECT_EQ(Fields("a,\"b,c"), (QStringList{"a", "b,c"}));
    EXPECT_EQ(Fields("x\"y,z"), (QStringList{"x\"y", "z"}));
}

TEST(ParseCommand, ValuesFollowTheFields) {
    const ParsedCommand& command = ParseCommand(QStringLiteral("SHELL, 12,5x,\"3,25\",abc"));
    EXPECT_EQ(&command, &LastCommand());
    ASSERT_EQ(command.Count(), 5);
    EXPECT_EQ(command.Value(0), 5.0);
    EXPECT_EQ(command.Value(1), 0.0);
    EXPECT_EQ(command.Value(2), 12.0); // the comma already split " 12" from "5x"
    EXPECT_EQ(command.Value(3), 5.0);
    EXPECT_EQ(command.Value(4), 3.25);
    EXPECT_EQ(command.Value(5), 0.0);
    EXPECT_EQ(command.Value(6), 0.0);
    EXPECT_EQ(command.Field(6), QString());
    EXPECT_EQ(command.Field(0), QString());
}

TEST(FieldValue, FirstCommaIsThePoint) {
    EXPECT_EQ(FieldValue(QStringLiteral(" 12,5x")), 12.5);
    EXPECT_EQ(FieldValue(QStringLiteral("1,5,7")), 1.5);
    EXPECT_EQ(FieldValue(QStringLiteral("-0,25")), -0.25);
    EXPECT_EQ(FieldValue(QString()), 0.0);
    EXPECT_EQ(FieldValue(QStringLiteral("x1")), 0.0);
    EXPECT_EQ(FieldValue(QStringLiteral("2e3")), 2000.0);
}

TEST(HostCommand, DecidesByExactFields) {
    const struct {
        const char* text;
        HostCommand decision;
    } cases[] = {
        {"", HostCommand::None},
        {"Other,MN", HostCommand::None},
        {"all,MN", HostCommand::None},
        {"All,MN", HostCommand::Minimise},
        {"VXLLSTGN,MN", HostCommand::Minimise},
        {"All,DF", HostCommand::Restore},
        {"VXLLSTGN,UP", HostCommand::Refresh},
        {"VXLLSTGN,EX", HostCommand::Exit},
        {"VXLLSTGN,EX,", HostCommand::Exit},
        {"VXLLSTGN,ex", HostCommand::None},
        {"VXLLSTGN, EX", HostCommand::None},
        {"VXLLSTGN,XX", HostCommand::None},
        {"VXLLSTGN", HostCommand::IndexOutOfRange},
        {"All", HostCommand::IndexOutOfRange},
        {"VXLLSTGN,", HostCommand::None},
        {"Other", HostCommand::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideHostCommand(QString::fromLatin1(c.text)), c.decision) << c.text;
    }
}

} // namespace
} // namespace vxw
