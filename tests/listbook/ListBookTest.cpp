#include "listbook/ListBook.h"
#include "listbook/ListBookActions.h"
#include "listgen/CurrentList.h"
#include "shell/RecordingInterface.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace vxw {
namespace {

ListSource Source(const QString& object, const QString& text, const QString& count = QStringLiteral("3")) {
    return ListSource{7, object, QStringLiteral("Circuit"), count, QString(), text};
}

// A row as its columns separated by "|".
QString RowText(const BookRow& row) {
    return QStringList{row.Key, row.Name, QString::number(row.Image), row.Class, row.Items, row.FileName}
        .join('|');
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(ListBook, FilesIntoEntryZeroFirstThenAppendsAndCompactsOnRemoval) {
    ListBook book;
    EXPECT_TRUE(book.IsEmpty());
    EXPECT_TRUE(book.Rows().empty());
    EXPECT_EQ(book.File(Source(QStringLiteral("C1"), QStringLiteral("one")), QStringLiteral(" A ")), 0);
    EXPECT_EQ(book.File(Source(QStringLiteral("C2"), QStringLiteral("two"), QStringLiteral("012")),
                        QStringLiteral("B")),
              1);
    EXPECT_EQ(
        book.File(Source(QStringLiteral("C3"), QStringLiteral("three"), QString()), QStringLiteral("C")), 2);

    const std::vector<BookRow> rows = book.Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(RowText(rows[0]), "L0| A |7|Circuit|3 item(s)|"); // the name kept as typed
    EXPECT_EQ(RowText(rows[1]), "L1|B|7|Circuit|12 item(s)|");  // the count shown as a number
    EXPECT_EQ(RowText(rows[2]), "L2|C|7|Circuit||");

    book.Remove({1});
    ASSERT_EQ(book.Count(), 2);
    EXPECT_EQ(book.Entries()[1].Name, "C");
    EXPECT_EQ(book.Rows()[1].Key, "L1");

    book.Remove({0, 1});
    EXPECT_TRUE(book.IsEmpty());
    EXPECT_EQ(book.Entries().size(), 1u);
    EXPECT_EQ(book.File(Source(QStringLiteral("C4"), QStringLiteral("four")), QStringLiteral("D")), 0);
}

TEST(ListBook, MergeBeginsWithThreeLineBreaksAndIsClassedMerged) {
    ListBook book;
    book.File(Source(QStringLiteral("C1"), QStringLiteral("a\r\n")), QStringLiteral("A"));
    book.File(Source(QStringLiteral("C2"), QStringLiteral("b\r\n")), QStringLiteral("B"));
    const int merged = book.Merge({0, 1}, QStringLiteral("AB"));
    ASSERT_EQ(merged, 2);
    EXPECT_EQ(book.Entries()[2].Text, "\r\n\r\n\r\na\r\n\r\n\r\n\r\nb\r\n");
    EXPECT_EQ(RowText(book.Rows()[2]), "L2|AB|" + QString::number(MergedImage) + "|MERGED||");
}

TEST(ListBook, RowKeysAndPatterns) {
    struct KeyCase {
        const char* key;
        int entry;
    };
    for (const KeyCase& c : {KeyCase{"L0", 0}, KeyCase{"L12", 12}, KeyCase{"L", -1}, KeyCase{"Lx", -1},
                             KeyCase{"L-1", -1}, KeyCase{"", -1}}) {
        EXPECT_EQ(BookEntryOfKey(QString::fromLatin1(c.key)), c.entry) << c.key;
    }
    ListBook book;
    for (const char* name : {"Alpha", " alpine ", "Beta", "al9"}) {
        book.File(Source(QStringLiteral("C"), QStringLiteral("t")), QString::fromLatin1(name));
    }
    EXPECT_EQ(book.Matching(QStringLiteral("al*")), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(book.Matching(QStringLiteral(" al# ")), (std::vector<int>{3}));
    EXPECT_EQ(book.Matching(QStringLiteral("[ab]eta")), (std::vector<int>{2}));
    EXPECT_EQ(BookStatusTexts(3, 2), (QStringList{"3 List(s)  ", "2 object(s) selected  "}));
}

TEST(ListBookActions, AskBeforeFilingMergingSearchingAndDeleting) {
    ListBook book;
    RecordingInterface ui;
    CurrentList list;
    EXPECT_EQ(SendToListBook(book, list, ui), -1); // no list yet: nothing asked
    EXPECT_TRUE(ui.questions.empty());

    list.RecordListSource(QStringLiteral("text"),
                          ListOrigin{5, QStringLiteral("Page 1"), QStringLiteral("Page"), {}});
    ui.textAnswers = {QStringLiteral("   "), QStringLiteral("First")};
    EXPECT_EQ(SendToListBook(book, list, ui), -1); // blanks are no name
    EXPECT_EQ(SendToListBook(book, list, ui), 0);
    ASSERT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(ui.questions[0].prompt, "Enter List Name:");
    EXPECT_EQ(ui.questions[0].proposals, QStringList{list.ProposedName()});
    EXPECT_EQ(book.Entries()[0].Text, "text");

    ui.textAnswers = {QStringLiteral("M")};
    EXPECT_EQ(MergeLists(book, {0}, ui), 1);
    std::vector<int> found;
    EXPECT_FALSE(SearchLists(book, ui, found)); // no answer left: cancelled
    ui.textAnswers = {QStringLiteral("f*")};
    ASSERT_TRUE(SearchLists(book, ui, found));
    EXPECT_EQ(found, std::vector<int>{0});

    ui.messageAnswers = {AnswerNo};
    EXPECT_EQ(DeleteLists(book, {0, 1}, ui), 0);
    EXPECT_EQ(book.Count(), 2);
    EXPECT_EQ(ui.messages.back().prompt,
              "Are yot sure you want to delete the selected item(s) from List Book?");
    ui.messageAnswers = {AnswerYes};
    EXPECT_EQ(DeleteLists(book, {0, 1}, ui), 2);
    EXPECT_TRUE(book.IsEmpty());
}

TEST(ListBookActions, FilesAreWrittenWholeAndRecordedOnlyWhenWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ListBook book;
    RecordingInterface ui;
    book.File(Source(QStringLiteral("C1"), QStringLiteral("one\r\n")), QStringLiteral("A"));
    book.File(Source(QStringLiteral("C2"), QStringLiteral("two\r\n")), QStringLiteral("B"));

    // An unsaved list is shown from its row's scratch file; a saved one from its file.
    const QString scratch = ViewListPath(book, 1, 2, dir.path(), ui);
    EXPECT_EQ(scratch, dir.filePath(QStringLiteral("UNTITLED2.LIST")));
    EXPECT_EQ(FileBytes(scratch), "two\r\n\r\n");

    const QString saved = dir.filePath(QStringLiteral("a.lst"));
    EXPECT_EQ(SaveList(book, 0, saved, ui), "");
    EXPECT_EQ(book.Entries()[0].FileName, saved);
    EXPECT_EQ(FileBytes(saved), "one\r\n\r\n");
    EXPECT_EQ(ViewListPath(book, 0, 1, dir.path(), ui), saved);

    // A failed save tells the user and records nothing.
    const QString nowhere = dir.filePath(QStringLiteral("missing/b.lst"));
    EXPECT_NE(SaveList(book, 1, nowhere, ui), "");
    EXPECT_EQ(book.Entries()[1].FileName, "");
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_TRUE(ui.messages.back().prompt.startsWith(nowhere));

    // A row that is not in the book writes nothing and says so.
    EXPECT_NE(SaveList(book, 7, dir.filePath(QStringLiteral("c.lst")), ui), "");
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("c.lst"))));

    // Deleting removes the saved file; one that cannot be removed keeps its list.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("stuck")));
    QFile(dir.filePath(QStringLiteral("stuck/x"))).open(QIODevice::WriteOnly);
    book.SetFileName(1, dir.filePath(QStringLiteral("stuck")));
    ui.messageAnswers = {AnswerYes};
    EXPECT_EQ(DeleteLists(book, {0, 1}, ui), 1);
    EXPECT_FALSE(QFile::exists(saved));
    ASSERT_EQ(book.Count(), 1);
    EXPECT_EQ(book.Entries()[0].Name, "B");

    // "write" copies the current list's scratch file.
    EXPECT_NE(WriteCurrentList(dir.path(), dir.filePath(QStringLiteral("w.lst")), ui), "");
    QFile current(ScratchListPath(dir.path()));
    ASSERT_TRUE(current.open(QIODevice::WriteOnly));
    current.write("list\r\n");
    current.close();
    EXPECT_EQ(WriteCurrentList(dir.path(), dir.filePath(QStringLiteral("w.lst")), ui), "");
    EXPECT_EQ(FileBytes(dir.filePath(QStringLiteral("w.lst"))), "list\r\n");
}

TEST(ListBookActions, SaveDialogProposesTheSavedFileOrTheListNameInTheJobFolder) {
    ListBook book;
    for (const char* name : {"  Parts of MAIN ", "a/b\\c", "..", "Saved"}) {
        book.File(Source(QStringLiteral("C"), QStringLiteral("t")), QString::fromLatin1(name));
    }
    book.SetFileName(3, QStringLiteral("/lists/saved.lst"));
    const QString job = QStringLiteral("/job");
    EXPECT_EQ(ProposedSavePath(book, 0, job), "/job/Parts of MAIN");
    EXPECT_EQ(ProposedSavePath(book, 1, job), "/job/a_b_c");
    EXPECT_EQ(ProposedSavePath(book, 2, job), "/job/__");
    EXPECT_EQ(ProposedSavePath(book, 3, job), "/lists/saved.lst");
    EXPECT_EQ(ProposedSavePath(book, 4, job), "");
    EXPECT_EQ(SaveDialogTitle(QStringLiteral("Saved")), "Save Saved");
}

} // namespace
} // namespace vxw
