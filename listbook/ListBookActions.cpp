#include "listbook/ListBookActions.h"

#include "listbook/ListBook.h"
#include "listgen/CurrentList.h"
#include "listgen/ListDocument.h"
#include "shell/MessageBox.h"
#include "shell/UserInterface.h"
#include "suite/SuiteServices.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vxw {
namespace {

QString Message(const char* defaultText, const char* id) {
    return Suite().GetMessageText(QString::fromLatin1(defaultText), QString::fromLatin1(id));
}

// A name the user entered; blanks alone count as no answer.
QString AskName(UserInterface& ui, const char* defaultPrompt, const char* id, const QString& proposal = {}) {
    const QString answer = ui.AskText(Message(defaultPrompt, id), AppTitle(), AskLine, QStringList{proposal});
    return answer.trimmed().isEmpty() ? QString() : answer;
}

QString Tell(UserInterface& ui, const QString& reason) {
    ui.ShowMessage(reason, MbOk | MbExclamation, AppTitle());
    return reason;
}

} // namespace

int SendToListBook(ListBook& book, const CurrentList& list, UserInterface& ui) {
    if (list.Source().ObjectName.isEmpty()) {
        return -1;
    }
    const QString name = AskName(ui, "Enter List Name:", "3187", list.ProposedName());
    return name.isEmpty() ? -1 : book.File(list.Source(), name);
}

int DeleteLists(ListBook& book, const std::vector<int>& entries, UserInterface& ui) {
    const QString question =
        Message("Are yot sure you want to delete the selected item(s) from List Book?", "31125");
    if (ui.ShowMessage(question, MbYesNo | MbQuestion, AppTitle()) == AnswerNo) {
        return 0;
    }
    std::vector<int> removed;
    for (const int entry : entries) {
        const BookEntry* found = book.Entry(entry);
        if (!found) {
            continue;
        }
        const QString& file = found->FileName;
        if (!file.isEmpty() && QFileInfo::exists(file) && !QFile::remove(file)) {
            Tell(ui, QStringLiteral("%1: the file could not be deleted; the list stays in the List Book.")
                         .arg(file));
            break;
        }
        removed.push_back(entry);
    }
    book.Remove(removed);
    return static_cast<int>(removed.size());
}

int MergeLists(ListBook& book, const std::vector<int>& entries, UserInterface& ui) {
    const QString name = AskName(ui, "Enter Merge Name:", "31126");
    return name.isEmpty() ? -1 : book.Merge(entries, name);
}

bool SearchLists(const ListBook& book, UserInterface& ui, std::vector<int>& found) {
    const QString pattern = AskName(ui, "Enter List Name:", "3187");
    if (pattern.isEmpty()) {
        return false;
    }
    found = book.Matching(pattern);
    return true;
}

QString SaveList(ListBook& book, int entry, const QString& path, UserInterface& ui) {
    const BookEntry* found = book.Entry(entry);
    if (!found) {
        return QString();
    }
    if (const QString error = WriteListFile(path, found->Text); !error.isEmpty()) {
        return Tell(ui, error);
    }
    book.SetFileName(entry, path);
    return QString();
}

QString ViewListPath(const ListBook& book, int entry, int row, const QString& jobDir, UserInterface& ui) {
    const BookEntry* found = book.Entry(entry);
    if (!found) {
        return QString();
    }
    if (!found->FileName.isEmpty()) {
        return found->FileName;
    }
    const QString path = BookScratchPath(jobDir, row);
    if (const QString error = WriteListFile(path, found->Text); !error.isEmpty()) {
        Tell(ui, error);
        return QString();
    }
    return path;
}

QString WriteCurrentList(const QString& jobDir, const QString& path, UserInterface& ui) {
    QFile scratch(ScratchListPath(jobDir));
    if (!scratch.open(QIODevice::ReadOnly)) {
        return Tell(ui, QStringLiteral("%1: %2").arg(scratch.fileName(), scratch.errorString()));
    }
    // Copied in pieces, so a list of any length costs no more memory than one piece.
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    QByteArray piece;
    while (ok && !scratch.atEnd()) {
        piece = scratch.read(1 << 20);
        ok = !piece.isEmpty() && file.write(piece) == piece.size();
    }
    if (!ok && scratch.error() != QFileDevice::NoError) {
        return Tell(ui, QStringLiteral("%1: %2").arg(scratch.fileName(), scratch.errorString()));
    }
    if (!ok || !file.commit()) {
        return Tell(ui, QStringLiteral("%1: %2").arg(path, file.errorString()));
    }
    return QString();
}

QString SaveDialogTitle(const QString& listName) {
    return Message("Save ", "991128") + listName;
}

QStringList BookStatusTexts(int rows, int selected) {
    return {QString::number(rows) + Message(" List(s)  ", "31124"),
            QString::number(selected) + Message(" object(s) selected  ", "3195")};
}

} // namespace vxw
