#include "tests/windows/SampleProject.h"
#include "tests/windows/WindowTestSupport.h"

#include "kernel/Kernel.h"
#include "libreports/LibraryCatalog.h"
#include "libreports/LibraryItems.h"
#include "libreports/LibrarySearch.h"
#include "windows/explorer/Selection.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace vxw {
namespace {

// The sample symbol files: [PROJECT LIBRARY], analog.SYMBOL, logic.SYMBOL, misc.SYMBOL; NAND2
// is in the project library, logic.SYMBOL and misc.SYMBOL.
class SelectionDialogTest : public SampleProjectTest {
protected:
    void SetUp() override {
        SampleProjectTest::SetUp();
        catalog_ = std::make_unique<LibraryCatalog>(TheKernel());
        catalog_->SetPaths(paths_);
        items_ = std::make_unique<LibraryItems>(TheKernel(), *catalog_, state_.Levels().LibraryProfiles,
                                                Suite(), ui_);
        items_->ShowLibraryFiles(KindSymbol);
    }

    void Tick(const QStringList& files) {
        for (LibraryFileEntry& entry : items_->Entries()) {
            entry.checked = files.contains(entry.text);
        }
    }
    static QStringList Files(const QString& report) {
        QStringList files;
        for (const QRegularExpressionMatch& match :
             QRegularExpression(QStringLiteral("^FILE: (.*)\r$"), QRegularExpression::MultilineOption)
                 .globalMatch(report)) {
            files.append(match.captured(1));
        }
        return files;
    }
    QStringList Messages() const {
        QStringList prompts;
        for (const auto& message : ui_.messages) {
            prompts.append(message.prompt);
        }
        return prompts;
    }

    std::unique_ptr<LibraryCatalog> catalog_;
    std::unique_ptr<LibraryItems> items_;
};

TEST_F(SelectionDialogTest, OkSearchesTheFilesOfTheScope) {
    const QString slow = QStringLiteral("Current operation takes time, Accept?");
    struct Case {
        int scope;
        QStringList ticked;
        QString pattern;
        QStringList files;
        QStringList messages;
    };
    const Case cases[] = {
        {SearchAll, {}, " nand2 ", {"[PROJECT LIBRARY]", "logic.SYMBOL", "misc.SYMBOL"}, {slow}},
        {SearchChecked, {}, "NAND2", {}, {"Search Not Found"}},
        {SearchChecked, {"misc.SYMBOL"}, "NAND*", {"misc.SYMBOL"}, {}},
        {SearchUnchecked, {"misc.SYMBOL", "[PROJECT LIBRARY]"}, "nand2", {"logic.SYMBOL"}, {}},
        {SearchChecked, {"analog.SYMBOL", "misc.SYMBOL"}, "?P*", {"analog.SYMBOL", "misc.SYMBOL"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern.toStdString() + " scope " + std::to_string(c.scope));
        Tick(c.ticked);
        ui_.messages.clear();
        ui_.messageAnswers = {AnswerYes};
        Selection dialog(*items_);
        dialog.show();
        dialog.findChild<QLineEdit*>(QStringLiteral("txtFindStr"))->setText(c.pattern);
        dialog.findChild<QRadioButton*>(QStringLiteral("optSelection%1").arg(c.scope))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        EXPECT_FALSE(dialog.isVisible()); // accepted
        EXPECT_EQ(dialog.Scope(), c.scope);
        EXPECT_EQ(dialog.Pattern(), c.pattern.trimmed());
        const LibrarySearchResult result =
            SearchLibraries(*items_, dialog.Pattern(), dialog.Scope(), paths_.JobDir);
        EXPECT_EQ(result.found, !c.files.isEmpty());
        EXPECT_EQ(Files(result.text), c.files);
        EXPECT_EQ(Messages(), c.messages);
    }
}

TEST_F(SelectionDialogTest, AnEmptyPatternOrARefusedSearchOfAllKeepsTheDialogOpen) {
    Selection dialog(*items_);
    dialog.SetNodeText(QStringLiteral("Symbols"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblSearch"))->text(), "&Search Symbols like");
    EXPECT_EQ(dialog.windowTitle(), "Search library");
    dialog.show();
    auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("txtFindStr"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOk"));
    text->setText(QStringLiteral("   "));
    ok->click();
    ui_.messageAnswers = {AnswerNo};
    text->setText(QStringLiteral("NAND2"));
    ok->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Messages(),
              (QStringList{"Search String cannot be empty", "Current operation takes time, Accept?"}));
    dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(SelectionDialogTest, AskSearchDialogAnswersTheAcceptedRequest) {
    WhenOpen<Selection>([](Selection& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("txtFindStr"))->setText(QStringLiteral(" GND "));
        dialog.SetScope(SearchUnchecked);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
    const std::optional<SearchRequest> request = AskSearchDialog(nullptr, *items_, QStringLiteral("Symbols"));
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->pattern, "GND");
    EXPECT_EQ(request->scope, SearchUnchecked);

    WhenOpen<Selection>([](Selection& dialog) { dialog.reject(); });
    EXPECT_FALSE(AskSearchDialog(nullptr, *items_, QStringLiteral("Symbols")).has_value());
}

} // namespace
} // namespace vxw
