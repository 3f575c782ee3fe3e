#pragma once
// Prompt labels of the dialogs: plain text (a "<" in a name is never markup), sized to the text.

#include <QString>

class QLabel;
class QWidget;

namespace vxw {

// A label named `objectName` showing `text` as plain text. It is as wide as the text's longest
// line up to a width that reads comfortably (about sixty characters, at most two thirds of the
// screen); longer lines wrap at word boundaries, and the label is exactly as high as the wrapped
// text.
QLabel* MakePromptLabel(const QString& text, const QString& objectName, QWidget* parent);

} // namespace vxw
