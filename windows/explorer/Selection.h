#pragma once
// Selection, the library search dialog: a pattern (txtFindStr), which files of the list to search
// (optSelection: all, ticked, unticked) and OK / Cancel. OK runs the core's search over the
// library file list of the selected kind; an empty pattern, or a refused search of all files,
// keeps the dialog open.

#include "libreports/LibrarySearch.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vxw {

class LibraryItems;

class Selection : public QDialog {
    Q_OBJECT

public:
    Selection(LibraryItems& items, QString jobDir, QWidget* parent = nullptr);
    ~Selection() override;

    // The label above the pattern: "&Search <node text> like".
    void SetNodeText(const QString& nodeText);
    // The scope the option buttons show (SearchScope).
    int Scope() const;
    void SetScope(int scope);
    // Opens the help topic (Ctrl+F1).
    void SetHelp(std::function<void()> showHelp) { showHelp_ = std::move(showHelp); }

    // The search the dialog ran (ran is false when it was cancelled).
    const LibrarySearchResult& Result() const { return result_; }

private:
    void Ok();

    LibraryItems& items_;
    QString jobDir_;
    QLabel* lblSearch_;
    QLineEdit* txtFindStr_;
    QRadioButton* optSelection_[3];
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
    std::function<void()> showHelp_;
    LibrarySearchResult result_;
};

// mnuLibraryOutAll: shows the dialog modally over `parent` for the node and answers the search
// it ran. When `found`, the caller shows the report as the current list; the core has already
// emptied the item list and set the status bar.
LibrarySearchResult RunSearchDialog(QWidget* parent, LibraryItems& items, const QString& jobDir,
                                    const QString& nodeText, std::function<void()> showHelp = {});

} // namespace vxw
