#include "listgen/CurrentList.h"

#include "listgen/ListDocument.h"
#include "shell/MessageBox.h"
#include "shell/UserInterface.h"
#include "suite/SuiteServices.h"

#include <QDir>

namespace vxw {

QString ScratchListPath(const QString& jobDir) {
    return QDir(jobDir).filePath(QLatin1String(kScratchListName));
}

void CurrentList::ShowPreview(const QString& text, const QString& jobDir, UserInterface& ui,
                              const std::function<void(const QString& path)>& openViewer) {
    const QString path = ScratchListPath(jobDir);
    // A failed scratch file is not the preview's concern; the list is still shown.
    const bool written = WriteListFile(path, text).isEmpty();
    preview_ = text.left(kPreviewLimit);
    if (!ExceedsPreview(text)) {
        return;
    }
    const QString prompt = Suite().GetMessageText(
        QStringLiteral("List is too long to be displayed in Preview. Open list in Text Viewer?"),
        QStringLiteral("31142"));
    const int answer = ui.ShowMessage(prompt, MbYesNo | MbInformation | MbSystemModal, AppTitle());
    if (answer == AnswerYes && written && openViewer) {
        openViewer(path);
    }
}

void CurrentList::RecordListSource(const QString& text, const ListOrigin& origin, bool nameFlag) {
    if (text.isEmpty()) {
        commandsEnabled_ = false;
        return;
    }
    source_ =
        ListSource{origin.Image, origin.ObjectName, origin.ClassText, origin.ItemCount, QString(), text};
    proposedName_ = MakeListName(origin.ClassText, origin.ObjectName, nameFlag);
    if (nameFlag) {
        source_.ClassText.clear();
        source_.ItemCount.clear();
    }
    commandsEnabled_ = true;
}

} // namespace vxw
