#pragma once
// The list preview "txtNet": shows the current list in a fixed-pitch font, read-only. An explorer
// node dropped on it is listed.

#include <QPlainTextEdit>

namespace vxw {

// The drag format of an explorer node: its index in decimal.
inline constexpr char kNodeMimeType[] = "application/x-vxlstgn-node";

class ListPreview : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ListPreview(QWidget* parent = nullptr);

    // Shows a list; its CR LF line ends are lines of the box.
    void ShowList(const QString& text);
    // The font "Courier" (or the platform's fixed-pitch font standing in for it).
    void UseListFont();

signals:
    // An explorer node was dropped on the preview.
    void NodeDropped(int index);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace vxw
