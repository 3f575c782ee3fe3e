#include "libreports/LibrarySearch.h"

#include "libreports/LibraryItems.h"
#include "shell/UserInterface.h"
#include "suite/SuiteServices.h"
#include "suite/TextRules.h"

#include <QDir>
#include <QFile>

namespace vxw {
namespace {

const QLatin1String kCrLf("\r\n");

QString Message(const LibraryItems& items, const char* defaultText, const char* id) {
    return items.Suite().GetMessageText(QString::fromLatin1(defaultText), QString::fromLatin1(id));
}

bool ScopeTakes(int scope, bool checked) {
    switch (scope) {
    case SearchChecked:
        return checked;
    case SearchUnchecked:
        return !checked;
    default:
        return true;
    }
}

// Appends to the report file; a file that cannot be written does not stop the search, whose
// report is kept in memory as well.
void AppendToFile(const QString& path, const QString& text) {
    QFile file(path);
    if (file.open(QIODevice::Append)) {
        file.write(text.toLatin1());
    }
}

} // namespace

LibrarySearchResult SearchLibraries(LibraryItems& items, const QString& pattern, int scope,
                                    const QString& jobDir) {
    LibrarySearchResult result;
    UserInterface& ui = items.Ui();
    const QString reportPath =
        jobDir.isEmpty() ? QString() : QDir(jobDir).filePath(QString::fromLatin1(kSearchReportName));
    if (!reportPath.isEmpty()) {
        QFile::remove(reportPath);
    }
    // The entries are copied: opening one changes the icons of the live list.
    const int count = static_cast<int>(items.Entries().size());
    for (int position = 1; position <= count; ++position) {
        ui.ProcessEvents();
        if (ui.CancelRequested()) {
            result.cancelled = true;
            return result;
        }
        const LibraryFileEntry entry = items.Entries()[static_cast<std::size_t>(position - 1)];
        if (!ScopeTakes(scope, entry.checked) || !items.ListEntryHasItem(position, pattern)) {
            continue;
        }
        items.GetLibraryItems(position);
        int matched = 0;
        const QString report = items.ReportMatchingItems(pattern, matched);
        if (matched == 0) {
            continue;
        }
        const QString part = QStringLiteral("FILE: ") + entry.text + kCrLf + kCrLf + report;
        result.text += part;
        if (!reportPath.isEmpty()) {
            AppendToFile(reportPath, part);
        }
        result.total += matched;
    }
    const QString end = kCrLf + QStringLiteral("GRAND TOTAL: ") + QString::number(result.total) + kCrLf;
    result.text += end;
    if (!reportPath.isEmpty()) {
        AppendToFile(reportPath, end);
    }
    if (result.total == 0) {
        ui.ShowMessage(Message(items, "Search Not Found", "31112"));
        return result;
    }
    result.found = true;
    ui.SetStatus(3, QString::number(result.total) + QLatin1Char(' ') + Message(items, "item(s)", "99791"));
    items.ClearItems();
    return result;
}

bool SearchDialogAccepts(LibraryItems& items, QString& text, int scope) {
    text = TrimBlanks(text);
    if (text.isEmpty()) {
        items.Ui().ShowMessage(Message(items, "Search String cannot be empty", "31154"));
        return false;
    }
    return scope != SearchAll ||
           items.Ui().ShowMessage(Message(items, "Current operation takes time, Accept?", "31130"),
                                  MbYesNo | MbQuestion) == AnswerYes;
}

int LibraryFinder::FindCommand(const QString& nodeText) {
    const QString prompt = Message(items_, "Find", "99687") + QLatin1Char(' ') + nodeText + QLatin1Char(':');
    const QString answer = items_.Ui().AskText(prompt, QString(), AskLine, {});
    if (answer.isEmpty()) {
        return 0;
    }
    items_.Ui().StopProgress();
    pattern_ = answer;
    return FindNextFile(pattern_, 1);
}

int LibraryFinder::OpenAndSelect(int position, const QString& pattern) {
    // As a click: an entry already open is not loaded again, its rows are there.
    const int next = items_.FindPosition();
    items_.ClickEntry(position);
    items_.SetFindPosition(next);
    return items_.SelectMatchingItems(pattern);
}

int LibraryFinder::FindNextFile(const QString& pattern, int start) {
    pattern_ = pattern;
    items_.Ui().SetStatus(5, Message(items_, "Searching library details...", "3194"));
    const int position = items_.FindNextFileWithItem(pattern, start);
    if (position == 0) {
        items_.Ui().StopProgress();
        items_.Ui().ShowMessage(Message(items_, "Search Not Found", "31112"));
        return 0;
    }
    OpenAndSelect(position, pattern);
    return position;
}

int LibraryFinder::FindNext() {
    const int position = items_.FindNextFileWithItem(pattern_, items_.FindPosition());
    if (position == 0) {
        items_.Ui().StopProgress();
        items_.Ui().ShowMessage(Message(items_, "Search Finished", "31109"));
        items_.SetFindPosition(1);
        return 0;
    }
    if (OpenAndSelect(position, pattern_) < 0) {
        items_.Ui().ShowMessage(Message(items_, "Search Finished", "31109"));
    }
    return position;
}

} // namespace vxw
