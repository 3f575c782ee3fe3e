#include "listgen/ListDocument.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

std::string S(const QString& text) {
    return text.toStdString();
}

TEST(ListDocument, HeadingIsTheUpperCasedTitleAndNameAColonAndThreeLineEnds) {
    EXPECT_EQ(S(AddListHeading("List of all Circuit(s)", "body\r\n")),
              "LIST OF ALL CIRCUIT(S):\r\n\r\n\r\nbody\r\n");
    // An empty body gives the heading alone, and the legend is only put before a body.
    EXPECT_EQ(S(AddListHeading("List of Nets", QString(), "LEGEND")), "LIST OF NETS:\r\n\r\n\r\n");
    EXPECT_EQ(S(AddListHeading("List of Nets", "B", "LEGEND")), "LIST OF NETS:\r\n\r\n\r\nLEGENDB");
    // Upper-casing never changes a length: the German sharp s stays one character.
    EXPECT_EQ(AddListHeading(QString::fromUtf8("Stra\u00dfe"), QString()).size(), 6 + 1 + 6);
    // A named heading puts the name between the title and the colon.
    EXPECT_EQ(S(AddListHeadingWithName("Output of hierarchy in ", "Circuit[ MAIN ]", "x")),
              "OUTPUT OF HIERARCHY IN CIRCUIT[ MAIN ]:\r\n\r\n\r\nx");
}

TEST(ListDocument, ProposedNameTakesTheDescriptionUpToItsFirstPoint) {
    EXPECT_EQ(S(MakeListName("Circuit list. More", "MAIN", false)), "Circuit list MAIN");
    EXPECT_EQ(S(MakeListName("No point", "X", false)), "No point X");
    EXPECT_EQ(S(MakeListName("Circuit list. More", "MAIN", true)), "MAIN");
}

TEST(ListDocument, PreviewLimitIsSixtyFourKiloCharacters) {
    EXPECT_FALSE(ExceedsPreview(QString(65535, QLatin1Char('a'))));
    EXPECT_TRUE(ExceedsPreview(QString(65536, QLatin1Char('a'))));
}

TEST(ListDocument, ListFileEndsWithOneMoreLineEndAndReplacesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("UNTITLED.LIST");
    ASSERT_EQ(S(WriteListFile(path, "old text, rather longer than the new one")), "");
    ASSERT_EQ(S(WriteListFile(path, QString::fromUtf8("A\r\nB\u00e9\u20ac"))), "");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("A\r\nB\xe9?\r\n"));
    // A folder that does not exist: a message naming the path, nothing written.
    const QString bad = dir.filePath("missing/UNTITLED.LIST");
    EXPECT_TRUE(WriteListFile(bad, "x").contains(bad));
    EXPECT_FALSE(QFile::exists(bad));
}

} // namespace
} // namespace vxw
