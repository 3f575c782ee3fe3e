// `listgen book`: runs List Book operations read from standard input, one a line, on a book
// that lives for the run, as the List Book window would run them:
//   file NODEKEY [--select-all] NAME   file the node's list under NAME (the rest of the line)
//   merge ROWS NAME                    merge the rows (1-based, comma-separated) under NAME
//   delete ROWS                        delete the rows and the files they were saved to
//   search PATTERN                     print the rows whose names match
//   save ROW PATH                      save a row's list to PATH
//   view ROW                           print the file that viewing the row opens
//   text ROW                           print a row's list text
//   print                              print the rows and the status bar texts
// Blank lines and lines starting with "#" are skipped. The first failing line ends the run.

#include "cli/BatchCommand.h"
#include "cli/NodeList.h"
#include "component/ComponentState.h"
#include "explorer/NodeActions.h"
#include "kernel/KernelAccess.h"
#include "listbook/ListBook.h"
#include "listbook/ListBookActions.h"
#include "listgen/CurrentList.h"
#include "shell/SharedStrings.h"
#include "shell/SuitePaths.h"
#include "suite/SuiteServices.h"

#include <QFile>

#include <optional>

namespace vxw {
namespace {

// Longer script lines are refused rather than held.
constexpr qint64 MaxLine = 1 << 16;

class BookScript {
public:
    BookScript(BatchContext& context, Kernel& kernel, const ComponentState& state, QString jobDir)
        : context_(context), kernel_(kernel), state_(state), jobDir_(std::move(jobDir)) {}

    // Answers an error text, or empty text when the line ran.
    QString Run(const QString& line) {
        const QString command = line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        const QString rest = line.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty);
        if (command == QLatin1String("file")) {
            return File(rest);
        }
        if (command == QLatin1String("merge")) {
            std::vector<int> entries;
            const QString name = rest.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty);
            if (QString error = Rows(rest.section(QLatin1Char(' '), 0, 0), entries); !error.isEmpty()) {
                return error;
            }
            return name.trimmed().isEmpty() || book_.Merge(entries, name) < 0
                       ? QStringLiteral("merge needs a name")
                       : QString();
        }
        if (command == QLatin1String("delete")) {
            std::vector<int> entries;
            if (QString error = Rows(rest, entries); !error.isEmpty()) {
                return error;
            }
            const int removed = DeleteLists(book_, entries, context_.ui);
            return removed == static_cast<int>(entries.size()) ? QString() : QStringLiteral("delete stopped");
        }
        if (command == QLatin1String("search")) {
            QStringList rows;
            for (const int entry : book_.Matching(rest)) {
                rows << QString::number(entry + 1);
            }
            context_.out << "selected: " << rows.join(QLatin1Char(',')) << "\n";
            return QString();
        }
        if (command == QLatin1String("save") || command == QLatin1String("view") ||
            command == QLatin1String("text")) {
            const int entry = Row(rest.section(QLatin1Char(' '), 0, 0));
            if (entry < 0) {
                return QStringLiteral("no such row: ") + rest.section(QLatin1Char(' '), 0, 0);
            }
            if (command == QLatin1String("text")) {
                WriteText(context_.out, book_.Entries()[static_cast<size_t>(entry)].Text);
                return QString();
            }
            if (command == QLatin1String("view")) {
                const QString path = ViewListPath(book_, entry, entry + 1, jobDir_, context_.ui);
                context_.out << path << "\n";
                return path.isEmpty() ? QStringLiteral("the list could not be written") : QString();
            }
            const QString path = rest.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty);
            if (path.isEmpty()) {
                return QStringLiteral("save needs a path");
            }
            return SaveList(book_, entry, path, context_.ui).isEmpty()
                       ? QString()
                       : QStringLiteral("the list was not saved");
        }
        if (command == QLatin1String("print")) {
            Print();
            return QString();
        }
        return QStringLiteral("unknown operation ") + command;
    }

private:
    QString File(const QString& rest) {
        QString key = rest.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        QString name = rest.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty);
        bool selectAll = false;
        if (name.startsWith(QLatin1String("--select-all"))) {
            selectAll = true;
            name = name.mid(12).trimmed();
        }
        const int index = state_.Model().IndexOf(key);
        if (index < 1) {
            return QStringLiteral("the design has no explorer node with the key ") + key;
        }
        if (name.trimmed().isEmpty()) {
            return QStringLiteral("file needs a name");
        }
        const std::optional<QString> text =
            NodeListText(kernel_, state_, Suite(), context_.ui, index, {selectAll, false});
        if (!text || text->isEmpty()) {
            return QStringLiteral("the node ") + key + QStringLiteral(" has no list");
        }
        CurrentList list;
        list.RecordListSource(*text,
                              DesignListOrigin(state_.Model(), state_.Levels(), index, selectAll, selectAll));
        book_.File(list.Source(), name);
        return QString();
    }

    int Row(const QString& text) const {
        bool ok = false;
        const int row = text.toInt(&ok);
        return ok && book_.Entry(row - 1) ? row - 1 : -1;
    }

    QString Rows(const QString& text, std::vector<int>& entries) const {
        for (const QString& row : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const int entry = Row(row.trimmed());
            if (entry < 0) {
                return QStringLiteral("no such row: ") + row.trimmed();
            }
            entries.push_back(entry);
        }
        return entries.empty() ? QStringLiteral("no rows given") : QString();
    }

    void Print() {
        for (const BookRow& row : book_.Rows()) {
            context_.out << row.Key << '\t' << row.Name << '\t' << row.Class << '\t' << row.Items << '\t'
                         << row.FileName << "\n";
        }
        const QStringList status = BookStatusTexts(book_.Count(), 0);
        context_.out << status[0] << "\n";
    }

    BatchContext& context_;
    Kernel& kernel_;
    const ComponentState& state_;
    QString jobDir_;
    ListBook book_;
};

} // namespace

int RunBookCommand(BatchContext& context) {
    if (!context.arguments.arguments.isEmpty()) {
        context.err << "listgen: book takes no arguments; it reads its operations from standard input\n";
        return BatchUsage;
    }
    Kernel& kernel = TheKernel();
    ComponentState state;
    if (!state.Start(kernel, Suite(), context.ui)) {
        return BatchFailed;
    }
    SuitePaths paths;
    ReadSuitePaths(paths, Suite(), ProductName(kernel));
    BookScript script(context, kernel, state, paths.JobDir);

    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        context.err << "listgen: cannot read standard input\n";
        return BatchFailed;
    }
    for (int number = 1; !input.atEnd(); ++number) {
        const QByteArray bytes = input.readLine(MaxLine);
        if (bytes.size() >= MaxLine - 1 && !bytes.endsWith('\n')) {
            context.err << "listgen: book: line " << number << " is longer than " << MaxLine << " bytes\n";
            return BatchFailed;
        }
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (const QString error = script.Run(line); !error.isEmpty()) {
            context.out.flush();
            context.err << "listgen: book: line " << number << ": " << error << "\n";
            return BatchFailed;
        }
    }
    return BatchOk;
}

} // namespace vxw
