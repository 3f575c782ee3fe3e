// The library commands of the batch command:
//   `library KIND FILE|--project [PATTERN] [--unit inch|mm]`: the file (or the project library)
//   opened as a click on its entry would, the rows matching PATTERN selected (all without one),
//   and the details report of the selected rows as the preview shows it;
//   `search KIND PATTERN [--scope all|checked|unchecked] [--checked NAME,...]`: the search report;
//   `files KIND`: the library file list, one entry a line.
// KIND is part, symbol, package or padstack; FILE a file name of that kind's folder.

#include "cli/BatchCommand.h"
#include "component/ComponentState.h"
#include "explorer/NodeActions.h"
#include "kernel/KernelAccess.h"
#include "libreports/LibraryCatalog.h"
#include "libreports/LibraryItems.h"
#include "libreports/LibrarySearch.h"
#include "libreports/StoredLibraryPaths.h"
#include "listgen/ListDocument.h"
#include "shell/SharedStrings.h"
#include "shell/SuitePaths.h"
#include "shell/Units.h"
#include "suite/SuiteServices.h"
#include "suite/TextRules.h"

#include <memory>

namespace vxw {

namespace {

// The kind of a KIND word, 0 for none.
int LibraryKindOfWord(const QString& word) {
    static const char* const words[] = {"part", "symbol", "package", "padstack"};
    for (int kind = KindPart; kind <= KindPadstack; ++kind) {
        if (word == QLatin1String(words[kind - 1])) {
            return kind;
        }
    }
    return 0;
}

// The explorer node key of a library kind.
QString LibraryNodeKey(int kind) {
    static const char* const keys[] = {"PART", "SYMBOL", "PACKAGE", "PAD"};
    return QString::fromLatin1(keys[kind - 1]);
}

// What every library command starts with: the component started on the design, the library
// paths as the window would have them, and the file list of the kind shown.
class LibrarySession {
public:
    LibrarySession(BatchContext& context) : context_(context) {}

    bool Start(int kind) {
        Kernel& kernel = TheKernel();
        const SuiteServices& suite = Suite();
        if (!state_.Start(kernel, suite, context_.ui)) {
            return false;
        }
        ReadSuitePaths(paths_, suite, ProductName(kernel));
        RestoreLibraryPaths(paths_, ReadListSettings(suite));
        catalog_ = std::make_unique<LibraryCatalog>(kernel);
        catalog_->SetPaths(paths_);
        items_ = std::make_unique<LibraryItems>(kernel, *catalog_, state_.Levels().LibraryProfiles, suite,
                                                context_.ui);
        items_->ShowLibraryFiles(kind);
        kind_ = kind;
        return true;
    }

    // The position of the entry named `name`: its exact text, else the one entry whose text
    // differs only in case (file names are matched without regard to case). 0 when none.
    int FindEntry(const QString& name) const {
        const auto& entries = items_->Entries();
        int caseless = 0;
        int caselessCount = 0;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].text == name) {
                return static_cast<int>(i) + 1;
            }
            if (entries[i].text.compare(name, Qt::CaseInsensitive) == 0) {
                caseless = static_cast<int>(i) + 1;
                ++caselessCount;
            }
        }
        return caselessCount == 1 ? caseless : 0;
    }

    // The list title the click on the kind's explorer node gives.
    QString NodeTitle() const {
        const ExplorerModel& model = state_.Model();
        NodeClickContext click;
        click.ProjectName = state_.Levels().ProjectName;
        return PlanNodeClick(model, model.IndexOf(LibraryNodeKey(kind_)), click, Suite()).Title;
    }

    LibraryItems& Items() { return *items_; }
    const SuitePaths& Paths() const { return paths_; }
    QString Folder() const { return catalog_->Directory(kind_); }

private:
    BatchContext& context_;
    ComponentState state_;
    SuitePaths paths_;
    std::unique_ptr<LibraryCatalog> catalog_;
    std::unique_ptr<LibraryItems> items_;
    int kind_ = 0;
};

int Usage(BatchContext& context, const QString& message) {
    context.err << "listgen: " << message << "\n";
    return BatchUsage;
}

} // namespace

int RunLibraryCommand(BatchContext& context) {
    QStringList words;
    bool project = false;
    int unit = kUnitInch;
    const QStringList& arguments = context.arguments.arguments;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--project")) {
            project = true;
        } else if (argument == QLatin1String("--unit")) {
            const QString value = i + 1 < arguments.size() ? arguments[++i] : QString();
            if (value != QLatin1String("inch") && value != QLatin1String("mm")) {
                return Usage(context, QStringLiteral("library: --unit takes inch or mm"));
            }
            unit = value == QLatin1String("mm") ? kUnitMillimetre : kUnitInch;
        } else if (argument.startsWith(QLatin1String("--"))) {
            return Usage(context, QStringLiteral("library: unknown option ") + argument);
        } else {
            words.append(argument);
        }
    }
    const qsizetype needed = project ? 1 : 2;
    if (words.size() < needed || words.size() > needed + 1) {
        return Usage(context, QStringLiteral("library takes KIND FILE|--project [PATTERN]"));
    }
    const int kind = LibraryKindOfWord(words[0]);
    if (kind == 0) {
        context.err << "listgen: unknown library kind " << words[0] << " (part, symbol, package, padstack)\n";
        return BatchFailed;
    }
    SetCurrentUnit(unit);
    LibrarySession session(context);
    if (!session.Start(kind)) {
        return BatchFailed;
    }
    const int position = project ? 1 : session.FindEntry(words[1]);
    if (position < (project ? 1 : 2)) {
        context.err << "listgen: no " << words[0] << " file " << words[1] << " in " << session.Folder()
                    << "\n";
        return BatchFailed;
    }
    LibraryItems& items = session.Items();
    items.ClickEntry(position);
    if (words.size() > needed) {
        items.SelectMatchingItems(words[needed]);
    } else {
        items.SelectAllItems();
    }
    const LibraryItemReport report = items.ReportSelectedItems(session.NodeTitle());
    WriteText(context.out, AddListHeading(report.title, report.body));
    return BatchOk;
}

int RunSearchCommand(BatchContext& context) {
    QStringList words;
    int scope = SearchAll;
    QStringList checked;
    const QStringList& arguments = context.arguments.arguments;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--scope")) {
            const QString value = i + 1 < arguments.size() ? arguments[++i] : QString();
            if (value == QLatin1String("all")) {
                scope = SearchAll;
            } else if (value == QLatin1String("checked")) {
                scope = SearchChecked;
            } else if (value == QLatin1String("unchecked")) {
                scope = SearchUnchecked;
            } else {
                return Usage(context, QStringLiteral("search: --scope takes all, checked or unchecked"));
            }
        } else if (argument == QLatin1String("--checked")) {
            if (i + 1 >= arguments.size()) {
                return Usage(context,
                             QStringLiteral("search: --checked takes file names separated by commas"));
            }
            checked += arguments[++i].split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (argument.startsWith(QLatin1String("--"))) {
            return Usage(context, QStringLiteral("search: unknown option ") + argument);
        } else {
            words.append(argument);
        }
    }
    if (words.size() != 2 || TrimBlanks(words[1]).isEmpty()) {
        return Usage(context, QStringLiteral("search takes KIND PATTERN (a pattern that is not empty)"));
    }
    const int kind = LibraryKindOfWord(words[0]);
    if (kind == 0) {
        context.err << "listgen: unknown library kind " << words[0] << " (part, symbol, package, padstack)\n";
        return BatchFailed;
    }
    LibrarySession session(context);
    if (!session.Start(kind)) {
        return BatchFailed;
    }
    for (const QString& name : checked) {
        const int position = session.FindEntry(name);
        if (position < 1) {
            context.err << "listgen: no " << words[0] << " file " << name << " in " << session.Folder()
                        << "\n";
            return BatchFailed;
        }
        session.Items().Entries()[static_cast<std::size_t>(position - 1)].checked = true;
    }
    const LibrarySearchResult result =
        SearchLibraries(session.Items(), TrimBlanks(words[1]), scope, session.Paths().JobDir);
    if (result.found) {
        WriteText(context.out, result.text);
    }
    return BatchOk;
}

int RunFilesCommand(BatchContext& context) {
    const QStringList& arguments = context.arguments.arguments;
    if (arguments.size() != 1) {
        return Usage(context, QStringLiteral("files takes KIND"));
    }
    const int kind = LibraryKindOfWord(arguments[0]);
    if (kind == 0) {
        context.err << "listgen: unknown library kind " << arguments[0]
                    << " (part, symbol, package, padstack)\n";
        return BatchFailed;
    }
    LibrarySession session(context);
    if (!session.Start(kind)) {
        return BatchFailed;
    }
    for (const LibraryFileEntry& entry : session.Items().Entries()) {
        context.out << entry.text << "\n";
    }
    return BatchOk;
}

} // namespace vxw
