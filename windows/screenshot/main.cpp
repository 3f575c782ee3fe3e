// lgscreenshot [--suite-dir DIR] [--design FILE] [--out DIR] [--list] [NAME...]
//
// Renders the component's windows to OUT/NAME.png (all of them when no NAME is given). Every
// window is opened through the same entry point the component uses; a modal one is captured from
// inside its own event loop and then closed. Windows get a plain title bar drawn above them, since
// a window manager's frame is not part of what a widget renders. The main window shows the design
// of --design (an empty one without it) and is closed without storing its settings.

#include "explorer/ExplorerModel.h"
#include "kernel/KernelAccess.h"
#include "shell/HostEnvironment.h"
#include "shell/MessageBox.h"
#include "shell/SharedStrings.h"
#include "shell/UserInterface.h"
#include "suite/AppSettings.h"
#include "suite/SuiteServices.h"
#include "windows/explorer/ExplorerTree.h"
#include "windows/explorer/ItemList.h"
#include "windows/explorer/LibraryFilesView.h"
#include "windows/shell/Dialogs.h"
#include "windows/shell/LGMAIN.h"
#include "windows/shell/MainPanes.h"
#include "windows/shell/frmSplash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace vxw {
namespace {

struct Scene {
    QString name;
    std::function<void()> open; // opens the window; returns when it is closed again
};

QImage WithTitleBar(const QWidget& window, const QPixmap& content) {
    QFont font = window.font();
    font.setBold(true);
    const int titleHeight = QFontMetrics(font).height() + 12;
    const QSize size = content.deviceIndependentSize().toSize() + QSize(2, titleHeight + 1);
    const qreal ratio = content.devicePixelRatio();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0x5b, 0x6b, 0x80));

    QPainter painter(&image);
    painter.fillRect(QRect(1, 1, size.width() - 2, titleHeight - 1), QColor(0x3b, 0x4d, 0x66));
    painter.setPen(Qt::white);
    painter.setFont(font);
    painter.drawText(QRect(10, 1, size.width() - 40, titleHeight - 1), Qt::AlignVCenter | Qt::AlignLeft,
                     window.windowTitle());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.5));
    const QPointF close(size.width() - 16, titleHeight / 2.0 + 0.5);
    painter.drawLine(close + QPointF(-4, -4), close + QPointF(4, 4));
    painter.drawLine(close + QPointF(-4, 4), close + QPointF(4, -4));
    painter.drawPixmap(QPoint(1, titleHeight), content);
    return image;
}

bool Save(QWidget& window, const QString& path, bool titleBar) {
    const QPixmap content = window.grab();
    const QImage image = titleBar ? WithTitleBar(window, content) : content.toImage();
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "lgscreenshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

std::vector<Scene> Scenes() {
    const QString product = ProductName();
    const QString exit = Suite().GetMessageText(QStringLiteral("Cancel job and exit List Generator?"),
                                                QStringLiteral("31162"));
    const QString listName =
        Suite().GetMessageText(QStringLiteral("Enter List Name:"), QStringLiteral("3187"));
    const QStringList names{QStringLiteral("List of MAIN"), QStringLiteral("Parts used in MAIN"),
                            QStringLiteral("Nets of POWER")};
    auto message = [](const QString& prompt, int style, const QString& title) {
        return [=] { ShowMessageDialog(nullptr, prompt, style, title); };
    };
    auto ask = [](const QString& prompt, int mode, const QStringList& proposals) {
        return [=] { AskTextDialog(nullptr, prompt, AppTitle(), mode, proposals); };
    };
    return {
        {QStringLiteral("main-window"), {}},
        {QStringLiteral("library-items"), {}},
        {QStringLiteral("hierarchy"), {}},
        {QStringLiteral("splash"), {}},
        {QStringLiteral("about"), [] { ShowAboutDialog(nullptr); }},
        {QStringLiteral("message-error"), message(QStringLiteral("Can't find Part: 74HC00 (ic.PART)"),
                                                  MbExclamation | MbOk, ErrorBoxTitle(product, AppTitle()))},
        {QStringLiteral("message-exit"), message(exit, MbYesNo | MbExclamation | MbSystemModal, AppTitle())},
        {QStringLiteral("message-four-buttons"),
         message(QStringLiteral("The list \"Parts used in MAIN\" is already in the List Book.\nReplace it?"),
                 MbYesNoAllCancel | MbQuestion | MbDefaultButton2, product)},
        {QStringLiteral("message-ok-cancel"),
         message(QStringLiteral("The list is longer than the preview can show.\nOpen it in the text viewer?"),
                 MbOkCancel | MbInformation, product)},
        {QStringLiteral("message-yes-no-cancel"),
         message(QStringLiteral("Save the changed field profile?"), MbYesNoCancel | MbQuestion, product)},
        {QStringLiteral("message-abort-retry-ignore"),
         message(QStringLiteral("Can't read the library file\n/home/user/VexilXP/LIB/passive.PART"),
                 MbAbortRetryIgnore | MbCritical, product)},
        {QStringLiteral("message-retry-cancel"),
         message(QStringLiteral("The list file is in use."), MbRetryCancel | MbExclamation, product)},
        {QStringLiteral("query-line"), ask(listName, AskLine, {names.front()})},
        {QStringLiteral("query-combo"), ask(listName, AskCombo, names)},
        {QStringLiteral("query-dropdown"), ask(listName, AskDropdown, names)},
        {QStringLiteral("query-block"), ask(QStringLiteral("Comment:"), AskBlock,
                                            {QStringLiteral("First line of the comment\nSecond line")})},
        {QStringLiteral("query-list"), ask(listName, AskList, names)},
    };
}

void Settle() {
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
    }
}

// The main window in one of its states: a circuit's list ("main-window"), a part file's items
// with the report of them ("library-items"), a circuit's hierarchy view with its list
// ("hierarchy"). Nodes the design lacks are left out.
bool RenderMainWindow(const QString& name, const QString& path) {
    // Per-user settings of its own, holding a placement 1100 by 720 pixels at 96 dots per inch:
    // nothing of the user's is read or written.
    QTemporaryDir settings;
    ScopedUserSettings user(settings.filePath(QStringLiteral("user.ini")));
    UserSettings().SetValue(QStringLiteral("LGMAIN_TOP"), QStringLiteral("0"));
    UserSettings().SetValue(QStringLiteral("LGMAIN_LEFT"), QStringLiteral("0"));
    UserSettings().SetValue(QStringLiteral("LGMAIN_WIDTH"), QStringLiteral("16500"));
    UserSettings().SetValue(QStringLiteral("LGMAIN_HEIGHT"), QStringLiteral("10800"));
    LGMAIN window;
    window.ShowWindow();
    if (!window.IsWindowShown()) {
        std::fprintf(stderr, "lgscreenshot: the main window did not start\n");
        return false;
    }
    // The tool bar shown, as most users keep it.
    window.RunCommand(QStringLiteral("toolbar"));
    Settle();
    const auto click = [&window](const char* key) {
        const int index = window.Model()->IndexOf(QLatin1String(key));
        if (index < 1) {
            return false;
        }
        window.Panes()->Explorer()->SelectNode(index);
        window.NodeClick(index);
        return true;
    };
    if (name == QLatin1String("main-window") && click("VX4_1")) {
        window.GenerateForSelectedNode();
    } else if (name == QLatin1String("library-items") && click("PART")) {
        // The first file of the folder in the details view, all its items chosen and listed.
        window.RunCommand(QStringLiteral("details"));
        window.Panes()->FileList()->SelectPosition(2);
        window.LibraryEntryClick(2);
        window.Panes()->Items()->CurrentView()->selectAll();
        window.RunCommand(QStringLiteral("mnuLibraryItemPreview"));
    } else if (name == QLatin1String("hierarchy") && click("VX7_1HIERARCHY")) {
        window.GenerateForSelectedNode();
    }
    Settle();
    return Save(window, path, true);
}

// Opens the scene's window and writes it to `path`; answers whether the file was written.
bool Render(const Scene& scene, const QString& path) {
    if (!scene.open) {
        if (scene.name != QLatin1String("splash")) {
            return RenderMainWindow(scene.name, path);
        }
    }
    if (scene.name == QLatin1String("splash")) {
        frmSplash splash;
        splash.ShowAsSplash();
        return Save(splash, path, false);
    }
    bool written = false;
    bool captured = false;
    // The modal window is captured from inside its own event loop, then closed without an answer.
    QTimer::singleShot(50, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            captured = true;
            written = Save(*dialog, path, true);
            dialog->done(QDialog::Rejected);
        }
    });
    scene.open();
    if (!captured) {
        std::fprintf(stderr, "lgscreenshot: %s opened no modal window\n", qPrintable(scene.name));
    }
    return written;
}

} // namespace
} // namespace vxw

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lgscreenshot"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the List Generator's windows to PNG files."));
    parser.addHelpOption();
    const QCommandLineOption suiteOption(QStringLiteral("suite-dir"), QStringLiteral("The suite folder."),
                                         QStringLiteral("DIR"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Where the PNG files go."),
                                       QStringLiteral("DIR"), QStringLiteral("."));
    const QCommandLineOption listOption(QStringLiteral("list"),
                                        QStringLiteral("Names the windows and stops."));
    const QCommandLineOption designOption(QStringLiteral("design"),
                                          QStringLiteral("The design the main window shows."),
                                          QStringLiteral("FILE"));
    parser.addOptions({suiteOption, designOption, outOption, listOption});
    parser.addPositionalArgument(QStringLiteral("NAME"),
                                 QStringLiteral("The windows to render (all by default)."),
                                 QStringLiteral("[NAME...]"));
    parser.process(app);

    using namespace vxw;
    if (parser.isSet(suiteOption)) {
        InstallSuite(std::make_unique<SuiteServices>(SuiteLocation::InFolder(parser.value(suiteOption))));
    }
    if (parser.isSet(designOption)) {
        const QString error = OpenDesign(parser.value(designOption));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "lgscreenshot: %s\n", qPrintable(error));
            return 1;
        }
    }
    PublishHostStrings(TheKernel(), Suite());

    const std::vector<Scene> scenes = Scenes();
    if (parser.isSet(listOption)) {
        for (const Scene& scene : scenes) {
            std::printf("%s\n", qPrintable(scene.name));
        }
        return 0;
    }
    QStringList wanted = parser.positionalArguments();
    for (const QString& name : std::as_const(wanted)) {
        if (std::none_of(scenes.begin(), scenes.end(),
                         [&](const Scene& scene) { return scene.name == name; })) {
            std::fprintf(stderr, "lgscreenshot: no window named %s (see --list)\n", qPrintable(name));
            return 2;
        }
    }
    const QDir out(parser.value(outOption));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "lgscreenshot: cannot make %s\n", qPrintable(out.path()));
        return 1;
    }
    bool ok = true;
    for (const Scene& scene : scenes) {
        if (wanted.isEmpty() || wanted.contains(scene.name)) {
            ok = Render(scene, out.filePath(scene.name + QStringLiteral(".png"))) && ok;
        }
    }
    return ok ? 0 : 1;
}
