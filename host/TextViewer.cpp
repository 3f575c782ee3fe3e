#include "host/TextViewer.h"

#include "kernel/BoundedFileRead.h"
#include "shell/HostLink.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>

namespace vxw {

TextViewer::TextViewer(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QLatin1String(kTextViewerId));
    setWindowTitle(QLatin1String(kTextViewerId));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtView"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCentralWidget(text_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblFile"));
    statusBar()->addWidget(status_, 1);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open..."));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, QStringLiteral("Open"), QFileInfo(file_).absolutePath(),
                                         QStringLiteral("Lists (*.LIST *.list *.txt);;All files (*)"));
        if (!path.isEmpty()) {
            OpenFile(path);
        }
    });
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("&Close"));
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);
    resize(760, 560);
}

bool TextViewer::OpenFile(const QString& path) {
    QByteArray bytes;
    const FileReadResult read = ReadFileBounded(path, kMaxViewedFileSize, bytes);
    if (!read.Ok()) {
        status_->setText(QDir::toNativeSeparators(path) + QStringLiteral(": ") + read.error);
        return false;
    }
    // Lists are 8-bit text with CR LF line ends.
    QString text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(text);
    file_ = path;
    status_->setText(QDir::toNativeSeparators(path));
    return true;
}

QString TextViewer::Text() const {
    return text_->toPlainText();
}

} // namespace vxw
