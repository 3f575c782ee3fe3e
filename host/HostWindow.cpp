#include "host/HostWindow.h"

#include "host/ComponentClient.h"
#include "host/HostDecisions.h"
#include "host/TextViewer.h"
#include "kernel/KernelAccess.h"
#include "shell/HostCommand.h"
#include "shell/HostEnvironment.h"
#include "shell/HostLink.h"
#include "shell/SharedStrings.h"
#include "shell/WindowPlacement.h"
#include "suite/SuiteServices.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace vxw {

namespace {

// Strings other programs keep in the kernel; a design opened later keeps them.
const char* const kCarriedKeys[] = {kServerPathKey, kStateLineKey};

struct HostCommandButton {
    const char* action;
    const char* caption;
    const char* objectName;
};

constexpr HostCommandButton kCommandButtons[] = {
    {"MN", "&Minimise", "cmdMinimise"},
    {"DF", "&Restore", "cmdRestore"},
    {"UP", "Re&fresh", "cmdRefresh"},
    {"EX", "&Close", "cmdExit"},
};

QString AppKey(const char* appId) {
    return AppRunningKey(QLatin1String(appId));
}

// MAINWIDTH: the host window's outer width in twips.
int WidthInTwips(const QWidget& window) {
    const int dpi = std::max(1, window.logicalDpiX());
    return static_cast<int>(qint64{window.frameGeometry().width()} * kTwipsPerInch / dpi);
}

} // namespace

HostWindow::HostWindow(const QString& registryFile, QWidget* parent)
    : QMainWindow(parent), registryFile_(registryFile) {
    setObjectName(QStringLiteral("vexilxp"));
    setWindowTitle(QStringLiteral("VexilXP"));

    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    auto* designLabel = new QLabel(QStringLiteral("Design:"), central);
    design_ = new QLabel(QStringLiteral("(none)"), central);
    design_->setObjectName(QStringLiteral("lblDesign"));
    design_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    design_->setWordWrap(true);
    grid->addWidget(designLabel, 0, 0);
    grid->addWidget(design_, 0, 1, 1, 2);

    auto* commandLabel = new QLabel(QStringLiteral("Co&mmand:"), central);
    command_ = new QLineEdit(central);
    command_->setObjectName(QStringLiteral("txtCommand"));
    command_->setPlaceholderText(QStringLiteral("MN, DF, UP, EX or a whole command"));
    commandLabel->setBuddy(command_);
    auto* send = new QPushButton(QStringLiteral("&Send"), central);
    send->setObjectName(QStringLiteral("cmdSend"));
    grid->addWidget(commandLabel, 1, 0);
    grid->addWidget(command_, 1, 1);
    grid->addWidget(send, 1, 2);
    const auto sendTyped = [this] {
        SendCommand(command_->text());
        command_->clear();
    };
    connect(send, &QPushButton::clicked, this, sendTyped);
    connect(command_, &QLineEdit::returnPressed, this, sendTyped);

    auto* buttons = new QHBoxLayout();
    for (const HostCommandButton& button : kCommandButtons) {
        auto* push = new QPushButton(QString::fromLatin1(button.caption), central);
        push->setObjectName(QLatin1String(button.objectName));
        push->setToolTip(QLatin1String(kComponentId) + QLatin1Char(',') + QLatin1String(button.action));
        const QString action = QLatin1String(button.action);
        connect(push, &QPushButton::clicked, this, [this, action] { SendCommand(action); });
        buttons->addWidget(push);
    }
    grid->addLayout(buttons, 2, 0, 1, 3);

    log_ = new QPlainTextEdit(central);
    log_->setObjectName(QStringLiteral("txtLog"));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    grid->addWidget(log_, 3, 0, 1, 3);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    setCentralWidget(central);

    BuildMenus();
    statusBar()->showMessage(QStringLiteral("Ready"));

    // The component opens its window to the right of the host's (MAINWIDTH): stay narrow, at
    // the left of the screen.
    resize(440, 520);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().topLeft());
    }
}

HostWindow::~HostWindow() {
    ReleaseComponent();
    delete viewer_.data();
}

void HostWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open Design..."));
    open->setObjectName(QStringLiteral("mnuOpen"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, QStringLiteral("Open Design"), QFileInfo(designFile_).absolutePath(),
            QStringLiteral("Designs (*.vxd *.kicad_pro *.kicad_pcb *.kicad_sch);;All files (*)"));
        if (!path.isEmpty()) {
            OpenDesignFile(path);
        }
    });
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* component = menuBar()->addMenu(QStringLiteral("&List Generator"));
    QAction* load = component->addAction(QStringLiteral("&Open List Generator"));
    load->setObjectName(QStringLiteral("mnuLoad"));
    connect(load, &QAction::triggered, this, [this] { StartComponent(); });
    component->addSeparator();
    for (const HostCommandButton& button : kCommandButtons) {
        QAction* action = component->addAction(QString::fromLatin1(button.caption) + QLatin1Char('\t') +
                                               QLatin1String(button.action));
        const QString text = QLatin1String(button.action);
        connect(action, &QAction::triggered, this, [this, text] { SendCommand(text); });
    }
}

void HostWindow::PublishStrings() {
    PublishHostStrings(TheKernel(), Suite(), WidthInTwips(*this));
    WriteSharedString(TheKernel(), AppKey(kHostApplicationId), QStringLiteral("1"));
    WriteSharedString(TheKernel(), AppKey(kTextViewerId),
                      viewer_ ? QStringLiteral("1") : QStringLiteral("0"));
}

QString HostWindow::OpenDesignFile(const QString& path) {
    std::vector<std::pair<QString, QString>> carried;
    for (const char* key : kCarriedKeys) {
        carried.emplace_back(QLatin1String(key), ReadSharedString(TheKernel(), QLatin1String(key)));
    }
    const QString error = OpenDesign(path);
    if (!error.isEmpty()) {
        Log(error);
        statusBar()->showMessage(QStringLiteral("The design was not opened"));
        return error;
    }
    for (const auto& [key, value] : carried) {
        WriteSharedString(TheKernel(), key, value);
    }
    PublishStrings();
    designFile_ = path;
    design_->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    Log(QStringLiteral("Opened ") + QDir::toNativeSeparators(path));
    statusBar()->showMessage(QStringLiteral("Design opened"));
    if (client_) {
        SendCommand(QStringLiteral("UP"));
    }
    return QString();
}

bool HostWindow::StartComponent() {
    PublishStrings();
    if (!client_) {
        QString error;
        client_ = ComponentClient::Create(
            registryFile_, QLatin1String(kClsVxwlstgnProgId),
            [this](const QString& aname, const QString& command) { HandleNotification(aname, command); },
            error);
        if (!client_) {
            const QString line = QStringLiteral("List Generator: ") + error;
            Log(line);
            std::fprintf(stderr, "vexilxp: %s\n", qPrintable(line));
            statusBar()->showMessage(QStringLiteral("The List Generator is not available"));
            return false;
        }
    }
    bool shown = false;
    const VxlResult result = client_->Load(0, shown);
    if (!Succeeded(result) || !shown) {
        const QString line =
            Succeeded(result)
                ? QStringLiteral("List Generator: its window did not come up (Load answered false)")
                : QStringLiteral("List Generator: Load failed: ") + ResultText(result);
        Log(line);
        std::fprintf(stderr, "vexilxp: %s\n", qPrintable(line));
        statusBar()->showMessage(QStringLiteral("The List Generator window is not available"));
        return false;
    }
    Log(QStringLiteral("List Generator loaded"));
    statusBar()->showMessage(QStringLiteral("List Generator loaded"));
    return true;
}

void HostWindow::SendCommand(const QString& typed) {
    const QString command = ComponentCommandText(typed);
    if (command.isEmpty()) {
        return;
    }
    if (!client_) {
        Log(QStringLiteral("Not sent (no List Generator): ") + command);
        return;
    }
    Log(QStringLiteral("→ ") + command);
    const VxlResult result = client_->NotifyMe(command);
    if (!Succeeded(result)) {
        Log(QStringLiteral("  failed: ") + ResultText(result));
    }
}

void HostWindow::HandleNotification(const QString& aname, const QString& command) {
    Log(QStringLiteral("← ") + aname + QStringLiteral(": ") + command);
    const HostAction action = DecideHostAction(aname, command, !viewer_.isNull());
    switch (action.kind) {
    case HostActionKind::StartViewer:
    case HostActionKind::OpenInViewer:
        ShowInViewer(action.path);
        break;
    case HostActionKind::Quit:
        // Heard inside a call into the component: release it and end once that call is over.
        if (!quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, this, [this] { close(); });
        }
        break;
    case HostActionKind::UnknownApplication:
        Log(QStringLiteral("  no application ") + action.application + QStringLiteral(" in this host"));
        break;
    case HostActionKind::Ignore:
        break;
    }
}

void HostWindow::ShowInViewer(const QString& path) {
    if (!viewer_) {
        viewer_ = new TextViewer();
        viewer_->setAttribute(Qt::WA_DeleteOnClose);
        // The component asks this flag whether to start the viewer or send it the file.
        connect(viewer_.data(), &QObject::destroyed, this,
                [] { WriteSharedString(TheKernel(), AppKey(kTextViewerId), QStringLiteral("0")); });
        WriteSharedString(TheKernel(), AppKey(kTextViewerId), QStringLiteral("1"));
        PlaceViewer();
    }
    viewer_->show();
    if (!viewer_->OpenFile(path)) {
        Log(QStringLiteral("  ") + QDir::toNativeSeparators(path) + QStringLiteral(" could not be shown"));
    }
    viewer_->raise();
    viewer_->activateWindow();
}

// Beside the host, a little lower, and kept on the screen, so that it covers neither the
// host's window nor its own title.
void HostWindow::PlaceViewer() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QRect host = frameGeometry();
    const QSize size(std::min(viewer_->width(), area.width()), std::min(viewer_->height(), area.height()));
    QPoint place(host.right() + 1, host.top() + 40);
    place.setX(std::clamp(place.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
    place.setY(std::clamp(place.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    viewer_->resize(size);
    viewer_->move(place);
}

void HostWindow::ReleaseComponent() {
    // Releasing the object ends the class, which unloads the List Generator's window.
    client_.reset();
}

void HostWindow::closeEvent(QCloseEvent* event) {
    ReleaseComponent();
    delete viewer_.data();
    WriteSharedString(TheKernel(), AppKey(kHostApplicationId), QStringLiteral("0"));
    event->accept();
    QCoreApplication::quit();
}

void HostWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    WriteSharedString(TheKernel(), QLatin1String(kMainWidthKey), QString::number(WidthInTwips(*this)));
}

void HostWindow::Log(const QString& line) {
    log_->appendPlainText(line);
}

} // namespace vxw
