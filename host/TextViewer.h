#pragma once
// The suite's text viewer as the host plays it: a read-only window on one text file.

#include <QMainWindow>

class QLabel;
class QPlainTextEdit;

namespace vxw {

inline constexpr qint64 kMaxViewedFileSize = qint64{256} << 20;

class TextViewer : public QMainWindow {
public:
    explicit TextViewer(QWidget* parent = nullptr);

    // Shows the file (8-bit text, CR LF or LF line ends). False, with the reason in the status
    // line and the old text kept, when it cannot be read.
    bool OpenFile(const QString& path);
    QString FileName() const { return file_; }
    QString Text() const;

private:
    QPlainTextEdit* text_;
    QLabel* status_;
    QString file_;
};

} // namespace vxw
