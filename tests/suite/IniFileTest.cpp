#include "suite/IniFile.h"

#include <gtest/gtest.h>

#include <iterator>

namespace vxw {
namespace {

TEST(IniFile, FindsSectionsAndKeysWithoutRegardToCase) {
    const IniFile file = IniFile::FromText("top=ignored\r\n"
                                           "; comment=no\r\n"
                                           "[LIST GENERATOR]\r\n"
                                           "  VIEW = 3  \r\n"
                                           "PROPERTY=1,0,1\r\n"
                                           "PART=a,1,2;b,0,3\r\n"
                                           "QUOTED=\"  x  \"\r\n"
                                           "VIEW=2\r\n"
                                           "junk line\r\n"
                                           "[Vexil2K]\r\n"
                                           "JobDir=/jobs/\r\n"
                                           "[list generator]\r\n"
                                           "TREE=5\r\n");
    EXPECT_EQ(file.Find(QStringLiteral("list generator"), QStringLiteral("view")), QStringLiteral("3"));
    EXPECT_EQ(file.Value(QStringLiteral("LIST GENERATOR"), QStringLiteral("PROPERTY")),
              QStringLiteral("1,0,1"));
    EXPECT_EQ(file.Value(QStringLiteral("LIST GENERATOR"), QStringLiteral("PART")),
              QStringLiteral("a,1,2;b,0,3"));
    EXPECT_EQ(file.Value(QStringLiteral("LIST GENERATOR"), QStringLiteral("QUOTED")),
              QStringLiteral("  x  "));
    EXPECT_EQ(file.Value(QStringLiteral("VEXIL2K"), QStringLiteral("JOBDIR")), QStringLiteral("/jobs/"));
    // Only the first section of a name counts, and nothing before the first header.
    EXPECT_FALSE(file.Find(QStringLiteral("LIST GENERATOR"), QStringLiteral("TREE")));
    EXPECT_FALSE(file.Find(QString(), QStringLiteral("top")));
    EXPECT_FALSE(file.Find(QStringLiteral("LIST GENERATOR"), QStringLiteral("; comment")));
    EXPECT_EQ(file.Value(QStringLiteral("none"), QStringLiteral("x"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST(IniFile, SettingKeepsTheRestOfTheFile) {
    IniFile file = IniFile::FromText("; kept\n[A]\nx=1\n\n[B]\ny=2\n");
    file.SetValue(QStringLiteral("a"), QStringLiteral("X"), QStringLiteral("10"));
    file.SetValue(QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("3"));
    file.SetValue(QStringLiteral("C"), QStringLiteral("w"), QStringLiteral("4"));
    EXPECT_EQ(file.ToText(), QByteArray("; kept\n[A]\nX=10\nz=3\n\n[B]\ny=2\n\n[C]\nw=4\n"));
}

TEST(IniFile, ValuesRoundTripThroughText) {
    IniFile file;
    const QString values[] = {QStringLiteral(" lead"),
                              QStringLiteral("trail "),
                              QStringLiteral("\"quoted\""),
                              QStringLiteral("\"half"),
                              QStringLiteral("a=b;c,d"),
                              QStringLiteral("Größe €"),
                              QString()};
    for (int i = 0; i < int(std::size(values)); ++i) {
        file.SetValue(QStringLiteral("S"), QStringLiteral("k%1").arg(i), values[i]);
    }
    const IniFile reread = IniFile::FromText(file.ToText());
    for (int i = 0; i < int(std::size(values)); ++i) {
        EXPECT_EQ(reread.Value(QStringLiteral("S"), QStringLiteral("k%1").arg(i)), values[i]);
    }
    // A value is one line.
    file.SetValue(QStringLiteral("S"), QStringLiteral("lines"), QStringLiteral("a\r\nb"));
    EXPECT_EQ(IniFile::FromText(file.ToText()).Value(QStringLiteral("S"), QStringLiteral("lines")),
              QStringLiteral("a  b"));
}

TEST(IniFile, Latin1FileKeepsItsCharacters) {
    IniFile file = IniFile::FromText("[S]\nname=M\xE9tal\n");
    EXPECT_EQ(file.Value(QStringLiteral("S"), QStringLiteral("name")), QStringLiteral("Métal"));
    file.SetValue(QStringLiteral("S"), QStringLiteral("other"), QStringLiteral("1"));
    EXPECT_EQ(IniFile::FromText(file.ToText()).Value(QStringLiteral("S"), QStringLiteral("name")),
              QStringLiteral("Métal"));
}

// A saved file reads back to the lines it was saved from, so a save never changes what the rest
// of the file says.
TEST(IniFile, SavedTextReadsBackToTheSameLines) {
    const struct {
        const char* name;
        QByteArray text;
    } cases[] = {
        // "[S]" with a CR left in the line was no header; saved without it, it would become one.
        {"CR CR LF ends", "[A]\r\r\nk=1\r\r\n[S] \r\r\n"},
        {"lone CR at the end", "[A]\nk=v\r"},
        {"two byte order marks", "\xEF\xBB\xBF\xEF\xBB\xBF[S]\nk=1\n"},
        {"one byte order mark", "\xEF\xBB\xBF[S]\nk=1\n"},
        {"Latin-1", "[S]\r\nk=\xE9\r\r\n"},
    };
    for (const auto& c : cases) {
        const IniFile file = IniFile::FromText(c.text);
        EXPECT_EQ(IniFile::FromText(file.ToText()).Lines(), file.Lines()) << c.name;
    }
    // The section the user wrote with a doubled line end counts before the one a save appends.
    IniFile file = IniFile::FromText("[S]\r\r\nk=old\r\r\n");
    EXPECT_EQ(file.Value(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("old"));
    file.SetValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new"));
    EXPECT_EQ(IniFile::FromText(file.ToText()).Value(QStringLiteral("S"), QStringLiteral("k")),
              QStringLiteral("new"));
}

} // namespace
} // namespace vxw
