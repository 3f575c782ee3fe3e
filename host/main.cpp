// vexilxp: the suite's host application as far as the List Generator needs one. It opens a
// design into the kernel, publishes the shared strings, creates VXLlstgn.clsVxwlstgn through the
// registration record, calls Load, forwards commands and plays the text viewer.

#include "host/ComponentClient.h"
#include "host/HostWindow.h"
#include "host/TextViewer.h"
#include "shell/AutomationAbi.h"
#include "shell/ComponentRegistry.h"
#include "shell/HostLink.h"
#include "suite/AppSettings.h"
#include "suite/SuiteLocation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <memory>

namespace {

struct HostOptions {
    QString design;
    QString library;
    QString screenshotDir;
    QString viewFile;
    QStringList send;
    bool registerLibrary = false;
    bool unregisterLibrary = false;
    bool noComponent = false;
};

void Print(std::FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", qPrintable(line));
}

// Parses the line; answers -1 to go on, else the exit status.
int ParseOptions(const QStringList& arguments, HostOptions& options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The VexilXP host: opens a design and the List Generator."));
    parser.addHelpOption();
    const QCommandLineOption suiteDir(QStringLiteral("suite-dir"),
                                      QStringLiteral("The suite folder (the component sees the same one)."),
                                      QStringLiteral("DIR"));
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("The per-user settings file."), QStringLiteral("FILE"));
    const QCommandLineOption registerOption(
        QStringLiteral("register"), QStringLiteral("Register the List Generator for this user and exit."));
    const QCommandLineOption unregisterOption(QStringLiteral("unregister"),
                                              QStringLiteral("Remove its registration and exit."));
    const QCommandLineOption library(
        QStringLiteral("library"),
        QStringLiteral("The library to (un)register (default: ../lib/libVXLlstgn.so "
                       "beside this program)."),
        QStringLiteral("FILE"));
    const QCommandLineOption noComponent(QStringLiteral("no-component"),
                                         QStringLiteral("Open the host without the List Generator."));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the windows to PNG files in DIR and exit."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption view(
        QStringLiteral("view"), QStringLiteral("Show FILE in the text viewer, as the component asks for it."),
        QStringLiteral("FILE"));
    const QCommandLineOption send(
        QStringLiteral("send"),
        QStringLiteral("Send COMMAND to the List Generator once it is up (repeatable)."),
        QStringLiteral("COMMAND"));
    parser.addOptions(
        {suiteDir, settings, registerOption, unregisterOption, library, noComponent, screenshot, view, send});
    parser.addPositionalArgument(
        QStringLiteral("design"),
        QStringLiteral("The design to open: a design file (.vxd) or a KiCad 6 project, board or schematic."),
        QStringLiteral("[DESIGN]"));
    if (!parser.parse(arguments)) {
        Print(stderr, QStringLiteral("vexilxp: ") + parser.errorText());
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (parser.positionalArguments().size() > 1) {
        Print(stderr, QStringLiteral("vexilxp: one design file at most"));
        return 2;
    }
    // The component reads the suite folder and the settings from the environment: hand it the
    // same ones as the host.
    if (parser.isSet(suiteDir)) {
        qputenv(vxw::kSuiteDirVariable,
                QFile::encodeName(QFileInfo(parser.value(suiteDir)).absoluteFilePath()));
    }
    if (parser.isSet(settings)) {
        qputenv(vxw::kAppSettingsVariable,
                QFile::encodeName(QFileInfo(parser.value(settings)).absoluteFilePath()));
    }
    options.design = parser.positionalArguments().value(0);
    options.library = parser.value(library);
    options.screenshotDir = parser.value(screenshot);
    options.viewFile = parser.value(view);
    options.send = parser.values(send);
    options.registerLibrary = parser.isSet(registerOption);
    options.unregisterLibrary = parser.isSet(unregisterOption);
    options.noComponent = parser.isSet(noComponent);
    return -1;
}

int Register(int argc, char** argv, const HostOptions& options) {
    QCoreApplication app(argc, argv);
    const QString library =
        options.library.isEmpty()
            ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../lib/libVXLlstgn.so"))
            : options.library;
    const QString path = QFileInfo(library).absoluteFilePath();
    QString error;
    const vxw::VxlResult result = vxw::RegisterLibrary(path, options.unregisterLibrary, error);
    if (!vxw::Succeeded(result)) {
        Print(stderr, QStringLiteral("vexilxp: ") + error);
        return 1;
    }
    const QString progId = QLatin1String(vxw::kClsVxwlstgnProgId);
    Print(stdout, options.unregisterLibrary
                      ? QStringLiteral("Unregistered %1 from %2").arg(progId, vxw::RegistryFile())
                      : QStringLiteral("Registered %1 (%2) in %3")
                            .arg(progId, QDir::cleanPath(path), vxw::RegistryFile()));
    return 0;
}

bool Grab(QWidget& window, const QString& dir, const QString& name) {
    const QString file = QDir(dir).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(file)) {
        Print(stderr, QStringLiteral("vexilxp: cannot write ") + file);
        return false;
    }
    Print(stdout, file);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    HostOptions options;
    if (const int status = ParseOptions(arguments, options); status >= 0) {
        return status;
    }
    if (options.registerLibrary || options.unregisterLibrary) {
        return Register(argc, argv, options);
    }

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the host ends with its own window
    auto window = std::make_unique<vxw::HostWindow>(vxw::RegistryFile());
    window->show();
    if (!options.design.isEmpty()) {
        if (const QString error = window->OpenDesignFile(options.design); !error.isEmpty()) {
            Print(stderr, QStringLiteral("vexilxp: ") + error);
        }
    }
    if (!options.noComponent) {
        window->StartComponent();
    }
    if (!options.viewFile.isEmpty()) {
        window->HandleNotification(QLatin1String(vxw::kTextViewerId),
                                   QStringLiteral("SHELL,0,") +
                                       QFileInfo(options.viewFile).absoluteFilePath());
    }
    for (const QString& command : options.send) {
        window->SendCommand(command);
    }
    if (!options.screenshotDir.isEmpty()) {
        QDir().mkpath(options.screenshotDir);
        QApplication::processEvents();
        bool saved = Grab(*window, options.screenshotDir, QStringLiteral("vexilxp"));
        if (vxw::TextViewer* viewer = window->Viewer()) {
            saved = Grab(*viewer, options.screenshotDir, QStringLiteral("VXLSPCVR")) && saved;
        }
        // On a real (or virtual) display, the whole screen shows how the windows are placed.
        if (QScreen* screen = QGuiApplication::primaryScreen();
            screen && QGuiApplication::platformName() == "xcb") {
            const QString file = QDir(options.screenshotDir).filePath(QStringLiteral("screen.png"));
            saved = screen->grabWindow(0).save(file) && saved;
        }
        window.reset();
        return saved ? 0 : 1;
    }
    const int status = QApplication::exec();
    window.reset(); // releases the component before the application ends
    return status;
}
