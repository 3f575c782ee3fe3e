#pragma once
// Selection, the library search dialog: a pattern (txtFindStr), which files of the list to search
// (optSelection: all, ticked, unticked) and OK / Cancel. OK checks the pattern (and asks before a
// search of all files) through the core; an empty pattern or a refused search keeps the dialog
// open. The search itself runs after the dialog has closed, under the main window's progress
// and Cancel.

#include "libreports/LibrarySearch.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vxw {

class LibraryItems;

class Selection : public QDialog {
    Q_OBJECT

public:
    explicit Selection(LibraryItems& items, QWidget* parent = nullptr);
    ~Selection() override;

    // The label above the pattern: "&Search <node text> like".
    void SetNodeText(const QString& nodeText);
    // The scope the option buttons show (SearchScope).
    int Scope() const;
    void SetScope(int scope);
    // Opens the help topic (Ctrl+F1).
    void SetHelp(std::function<void()> showHelp) { showHelp_ = std::move(showHelp); }

    // The pattern as OK accepted it (trimmed of blanks).
    QString Pattern() const;

private:
    void Ok();

    LibraryItems& items_;
    QLabel* lblSearch_;
    QLineEdit* txtFindStr_;
    QRadioButton* optSelection_[3];
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
    std::function<void()> showHelp_;
};

// What the user asked to search for.
struct SearchRequest {
    QString pattern;
    int scope = SearchAll;
};

// mnuLibraryOutAll: shows the dialog modally over `parent` for the node and answers the accepted
// request, or nothing when the user cancelled. The caller runs SearchLibraries with it.
std::optional<SearchRequest> AskSearchDialog(QWidget* parent, LibraryItems& items, const QString& nodeText,
                                             std::function<void()> showHelp = {});

} // namespace vxw
