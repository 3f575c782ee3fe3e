#pragma once
// The one list the main window holds between previews: its title, the text the preview shows,
// the scratch file every preview rewrites, and the record of where the list came from that the
// List Book files with a copy.

#include <QString>

#include <functional>

namespace vxw {

class UserInterface;

// Where a list came from, as the List Book files it.
struct ListSource {
    int Image = 0;      // image number of the explorer node the list was made from
    QString ObjectName; // the object, or "All Page(s)" / "All Circuit(s)"
    QString ClassText;  // the list's class text
    QString ItemCount;  // number of items, as text; may be empty
    QString FileName;   // filled by the List Book when it saves the entry
    QString Text;       // the list's whole text
};

// What the window knows of the list's origin when it records it.
struct ListOrigin {
    int Image = 0;
    QString ObjectName;
    QString ClassText;
    QString ItemCount;
};

// The name of the list scratch file inside the job folder.
inline constexpr char kScratchListName[] = "UNTITLED.LIST";
QString ScratchListPath(const QString& jobDir);

class CurrentList {
public:
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

    // The text the preview shows: the list up to the preview's limit.
    const QString& PreviewText() const { return preview_; }
    const ListSource& Source() const { return source_; }
    const QString& ProposedName() const { return proposedName_; }
    // The list commands ("save", "write") are enabled.
    bool CommandsEnabled() const { return commandsEnabled_; }
    int NodeIndex() const { return nodeIndex_; }
    void SetNodeIndex(int index) { nodeIndex_ = index; }

    // Makes `text` the list: rewrites the scratch file in `jobDir`, keeps what the preview can
    // hold and, for a longer list, asks whether to open the scratch file in the text viewer,
    // calling `openViewer` with its path on Yes. A scratch file that cannot be written does not
    // stop the preview.
    void ShowPreview(const QString& text, const QString& jobDir, UserInterface& ui,
                     const std::function<void(const QString& path)>& openViewer);

    // After a preview: an empty text disables the list commands; any other fills the source
    // record and the proposed name and enables them. With `nameFlag` the proposed name is the
    // object name alone and the class text and item count are left empty.
    void RecordListSource(const QString& text, const ListOrigin& origin, bool nameFlag = false);

private:
    QString title_;
    QString preview_;
    ListSource source_;
    QString proposedName_;
    bool commandsEnabled_ = false;
    int nodeIndex_ = 0;
};

} // namespace vxw
