#include "tests/libreports/LibraryTestSupport.h"

#include "libreports/LibrarySearch.h"

namespace vxw {
namespace {

using LibrarySearchTest = LibraryFolderTest;

TEST_F(LibrarySearchTest, SearchReportsEveryMatchingFileAndTheGrandTotal) {
    Show(KindSymbol, QString());
    const QString job = folder_ + QStringLiteral("JOB");
    WriteBytes(job + QStringLiteral("/TEMP.OUT"), "old report");
    const LibrarySearchResult result = SearchLibraries(*items_, QStringLiteral(" nand2 "), SearchAll, job);
    ASSERT_TRUE(result.found);
    EXPECT_EQ(result.total, 2);
    EXPECT_TRUE(result.text.startsWith(QStringLiteral("FILE: logic.SYMBOL\r\n\r\nSYMBOL: NAND2\r\n")));
    EXPECT_TRUE(result.text.contains(QStringLiteral("FILE: misc.symbol\r\n\r\nSYMBOL: NAND2\r\n")));
    EXPECT_FALSE(result.text.contains(QStringLiteral("OPAMP")));
    EXPECT_TRUE(result.text.endsWith(QStringLiteral("\r\n\r\n\r\nGRAND TOTAL: 2\r\n")));
    EXPECT_EQ(ReadBytes(job + QStringLiteral("/TEMP.OUT")), result.text.toLatin1());
    EXPECT_EQ(ui_.status.value(3), QStringLiteral("2 item(s)"));
    EXPECT_TRUE(items_->Rows().empty());
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(LibrarySearchTest, ScopesFollowTheCheckBoxesProjectLibraryIncluded) {
    Show(KindSymbol, QString());
    const QString job = folder_ + QStringLiteral("JOB");
    // Nothing ticked: "checked" finds nothing.
    LibrarySearchResult result = SearchLibraries(*items_, QStringLiteral("NAND2"), SearchChecked, job);
    EXPECT_FALSE(result.found);
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].prompt, QStringLiteral("Search Not Found"));

    items_->Entries()[2].checked = true; // misc.symbol
    result = SearchLibraries(*items_, QStringLiteral("NAND2"), SearchChecked, job);
    EXPECT_EQ(result.total, 1);
    EXPECT_TRUE(result.text.startsWith(QStringLiteral("FILE: misc.symbol")));
    result = SearchLibraries(*items_, QStringLiteral("NAND2"), SearchUnchecked, job);
    EXPECT_EQ(result.total, 1);
    EXPECT_TRUE(result.text.startsWith(QStringLiteral("FILE: logic.SYMBOL")));
}

TEST_F(LibrarySearchTest, CancelStopsBetweenEntriesAndShowsNothing) {
    Show(KindSymbol, QString());
    ui_.cancelAfterEvents = 2;
    const LibrarySearchResult result =
        SearchLibraries(*items_, QStringLiteral("*"), SearchAll, folder_ + QStringLiteral("JOB"));
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.found);
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(LibrarySearchTest, DialogChecksTheTextAndAsksBeforeSearchingAll) {
    Show(KindSymbol, QString());
    QString text = QStringLiteral("   ");
    EXPECT_FALSE(SearchDialogAccepts(*items_, text, SearchChecked));
    EXPECT_EQ(ui_.messages.back().prompt, QStringLiteral("Search String cannot be empty"));

    text = QStringLiteral(" opamp ");
    ui_.messageAnswers.push_back(AnswerNo);
    EXPECT_FALSE(SearchDialogAccepts(*items_, text, SearchAll));
    EXPECT_EQ(text, QStringLiteral("opamp"));
    EXPECT_EQ(ui_.messages.back().prompt, QStringLiteral("Current operation takes time, Accept?"));

    ui_.messageAnswers.push_back(AnswerYes);
    EXPECT_TRUE(SearchDialogAccepts(*items_, text, SearchAll));
    const size_t asked = ui_.messages.size();
    EXPECT_TRUE(SearchDialogAccepts(*items_, text, SearchUnchecked)); // asks nothing
    EXPECT_EQ(ui_.messages.size(), asked);
}

TEST_F(LibrarySearchTest, FindNextStepsThroughTheFilesAndStartsAgainAfterTheEnd) {
    Show(KindSymbol, QString());
    LibraryFinder finder(*items_);
    ui_.textAnswers.push_back(QStringLiteral("NAND*"));
    EXPECT_EQ(finder.FindCommand(QStringLiteral("Symbols")), 2);
    ASSERT_EQ(ui_.questions.size(), 1u);
    EXPECT_EQ(ui_.questions[0].prompt, QStringLiteral("Find Symbols:"));
    ASSERT_EQ(items_->Rows().size(), 2u);
    EXPECT_TRUE(items_->Rows()[0].selected);
    EXPECT_FALSE(items_->Rows()[1].selected);

    EXPECT_EQ(finder.FindNext(), 3);
    EXPECT_EQ(items_->OpenedLibraryName(), QStringLiteral("misc.symbol"));
    EXPECT_TRUE(items_->Rows()[0].selected);
    EXPECT_TRUE(ui_.messages.empty());

    EXPECT_EQ(finder.FindNext(), 0);
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].prompt, QStringLiteral("Search Finished"));
    EXPECT_EQ(items_->FindPosition(), 1);
    EXPECT_EQ(finder.FindNext(), 2); // from the top again

    // An empty answer does nothing; a pattern found nowhere says so.
    EXPECT_EQ(finder.FindCommand(QStringLiteral("Symbols")), 0);
    EXPECT_EQ(finder.FindNextFile(QStringLiteral("ZZZ"), 1), 0);
    EXPECT_EQ(ui_.messages.back().prompt, QStringLiteral("Search Not Found"));
}

} // namespace
} // namespace vxw
