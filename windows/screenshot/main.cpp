// lgscreenshot [--suite-dir DIR] [--design FILE] [--out DIR] [--list] [NAME...]
//
// Renders the component's windows to OUT/NAME.png (all of them when no NAME is given). Every
// window is opened through the same entry point the component uses; a modal one is captured from
// inside its own event loop and then closed, a modeless one once it has painted. Windows get a
// plain title bar drawn above them, since a window manager's frame is not part of what a widget
// renders. The main window shows the design of --design (an empty one without it) and is closed
// without storing its settings; the List Book, property, Options and search windows show the
// design of --design (the sample project without it), and what they store goes to a scratch
// settings file, never the user's.

#include "component/ComponentState.h"
#include "explorer/ExplorerModel.h"
#include "kernel/DesignFile.h"
#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "libreports/LibraryCatalog.h"
#include "libreports/LibraryItems.h"
#include "listgen/CurrentList.h"
#include "listgen/LibraryColumns.h"
#include "properties/PropertyTarget.h"
#include "shell/HostEnvironment.h"
#include "shell/MessageBox.h"
#include "shell/RecordingInterface.h"
#include "shell/SharedStrings.h"
#include "shell/SuitePaths.h"
#include "shell/UserInterface.h"
#include "suite/AppSettings.h"
#include "suite/SuiteServices.h"
#include "windows/explorer/ExplorerTree.h"
#include "windows/explorer/ItemList.h"
#include "windows/explorer/LibraryFilesView.h"
#include "windows/explorer/Selection.h"
#include "windows/listbook/OpenListBook.h"
#include "windows/listgen/Options.h"
#include "windows/properties/Properties.h"
#include "windows/shell/Dialogs.h"
#include "windows/shell/LGMAIN.h"
#include "windows/shell/MainPanes.h"
#include "windows/shell/frmSplash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace vxw {
namespace {

struct Scene {
    QString name;
    std::function<void()> open; // opens a modal window; returns when it is closed again
    // Or: makes a modeless window, which is shown, captured and deleted.
    std::function<QWidget*()> window = {};
};

// The design the windows of the List Book, the properties and the search show, with the
// component's state started on it; loaded on first use.
class Project {
public:
    static void SetDesign(const QString& path) { DesignPath() = path; }

    static Project* Get() {
        static std::unique_ptr<Project> project;
        static bool tried = false;
        if (!tried) {
            tried = true;
            auto loaded = std::make_unique<Project>();
            project = loaded->Load() ? std::move(loaded) : nullptr;
        }
        return project.get();
    }

    bool Load() {
        DesignFileResult loaded = LoadDesignFile(DesignPath());
        if (!loaded.Ok()) {
            std::fprintf(stderr, "lgscreenshot: %s\n", qPrintable(loaded.error));
            return false;
        }
        InstallKernel(MemoryKernel::FromData(std::move(*loaded.design)));
        PublishHostStrings(TheKernel(), Suite());
        ReadSuitePaths(paths, Suite(), ProductName());
        LoadColumnSpecs();
        if (!state.Start(TheKernel(), Suite(), ui)) {
            std::fprintf(stderr, "lgscreenshot: the field profile of the suite folder could not be read\n");
            return false;
        }
        catalog = std::make_unique<LibraryCatalog>(TheKernel());
        catalog->SetPaths(paths);
        items = std::make_unique<LibraryItems>(TheKernel(), *catalog, state.Levels().LibraryProfiles, Suite(),
                                               ui);
        return true;
    }

    int Node(const QString& key) const { return state.Model().IndexOf(key); }

    RecordingInterface ui;
    ComponentState state;
    SuitePaths paths;
    std::unique_ptr<LibraryCatalog> catalog;
    std::unique_ptr<LibraryItems> items;

private:
    static QString& DesignPath() {
        static QString path = QStringLiteral(LG_SAMPLE_DESIGN);
        return path;
    }
};

QWidget* ListBookWindow() {
    Project* project = Project::Get();
    if (!project) {
        return nullptr;
    }
    ListBook& book = project->state.Book();
    if (book.IsEmpty()) {
        const struct {
            int image;
            const char* name;
            const char* object;
            const char* classText;
            const char* count;
        } lists[] = {{1, "Demo Timer Board", "Demo Timer Board", "Project", ""},
                     {4, "Parts used in MAIN", "MAIN", "Circuit", ""},
                     {19, "Nets of MAIN", "MAIN", "Nets", ""},
                     {8, "Logic symbols", "logic.SYMBOL", "Symbols", "3"},
                     {7, "IC parts", "ic.PART", "Parts", "6"}};
        for (const auto& list : lists) {
            book.File(ListSource{list.image, QLatin1String(list.object), QLatin1String(list.classText),
                                 QLatin1String(list.count), QString(), QStringLiteral("list\r\n")},
                      QLatin1String(list.name));
        }
        book.SetFileName(0, QStringLiteral("/home/user/VexilXP/JOB/timer-board.lst"));
        book.Merge({1, 2}, QStringLiteral("MAIN report"));
    }
    auto* window = new OpenListBook(book, project->ui, ListBookLinks{});
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->resize(620, 260);
    window->RefreshArrayList();
    // The saved list and one more selected: the status bar counts both and marks the saved one.
    QTreeWidget* list = window->List();
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        item->setSelected(item->text(0) == QLatin1String("Demo Timer Board") ||
                          item->text(0) == QLatin1String("IC parts"));
        if (item->text(0) == QLatin1String("Demo Timer Board")) {
            list->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
        }
    }
    window->BarStatus();
    return window;
}

QWidget* PropertiesWindow(const QString& key, bool selectAll, const QString& currentField) {
    Project* project = Project::Get();
    if (!project) {
        return nullptr;
    }
    ExplorerLevels& levels = project->state.Levels();
    if (selectAll && levels.Circuits.size() > 1) {
        // One circuit's own choice differs from the others': its row shows mixed.
        levels.Circuits[1].Circuit.Profiles[0].fields[1].shown = 0;
    }
    auto* window = new Properties(
        CopiesForNode(levels, project->state.Model(), project->Node(key), selectAll, selectAll),
        project->state.Profile(), project->ui, PropertiesLinks{});
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    QTableView* grid = window->Grid();
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        if (grid->model()->index(row, 1).data().toString() == currentField) {
            grid->setCurrentIndex(grid->model()->index(row, 1));
        }
    }
    return window;
}

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
        {QStringLiteral("listbook"), {}, &ListBookWindow},
        {QStringLiteral("properties"),
         {},
         [] { return PropertiesWindow(QStringLiteral("VX4_1"), false, QStringLiteral("Component Table")); }},
        {QStringLiteral("properties-all-circuits"),
         {},
         [] { return PropertiesWindow(QStringLiteral("VX4_1"), true, QStringLiteral("Designer")); }},
        {QStringLiteral("options"),
         {},
         [] {
             LoadColumnSpecs();
             auto* window = new Options(ColumnSpecs(), OptionsLinks{});
             window->setAttribute(Qt::WA_DeleteOnClose, false);
             window->SelectTab(kPartColumns);
             return window;
         }},
        {QStringLiteral("search"),
         [] {
             Project* project = Project::Get();
             if (!project) {
                 return;
             }
             project->items->ShowLibraryFiles(KindPart);
             Selection dialog(*project->items);
             dialog.SetNodeText(QStringLiteral("Parts"));
             dialog.findChild<QLineEdit*>(QStringLiteral("txtFindStr"))->setText(QStringLiteral("74HC*"));
             dialog.exec();
         }},
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
    if (scene.window) {
        const std::unique_ptr<QWidget> window(scene.window());
        if (!window) {
            std::fprintf(stderr, "lgscreenshot: %s has nothing to show\n", qPrintable(scene.name));
            return false;
        }
        window->show();
        Settle();
        const bool written = Save(*window, path, true);
        window->hide(); // deleted without closing: nothing the window keeps at unload is stored
        return written;
    }
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
    const QCommandLineOption designOption(
        QStringLiteral("design"), QStringLiteral("The design the windows show."), QStringLiteral("FILE"));
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
        Project::SetDesign(parser.value(designOption));
    }
    // Whatever a window stores goes to a scratch file, never to the user's settings.
    const QTemporaryDir scratch;
    const ScopedUserSettings userSettings(scratch.filePath(QStringLiteral("user.ini")));
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
