#include "libreports/LibraryItems.h"

#include "kernel/Kernel.h"
#include "libreports/PadstackDetail.h"
#include "libreports/ProjectLibrary.h"
#include "libreports/SymbolDetail.h"
#include "shell/UserInterface.h"
#include "suite/DateTexts.h"
#include "suite/NamePattern.h"
#include "suite/SuiteServices.h"

#include <algorithm>

namespace vxw {
namespace {

const QLatin1String kCrLf("\r\n");
const QString kRule(50, QLatin1Char('-'));

using NamedItems = std::vector<std::pair<QString, QString>>;

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Info> NamedItems FromInfos(const std::vector<Info>& infos) {
    NamedItems items;
    items.reserve(infos.size());
    for (const Info& info : infos) {
        items.emplace_back(Latin1(info.name), Latin1(info.attributes));
    }
    return items;
}

NamedItems FromProject(const std::vector<ProjectItem>& project) {
    NamedItems items;
    items.reserve(project.size());
    for (const ProjectItem& item : project) {
        items.emplace_back(item.name, item.attributes);
    }
    return items;
}

void AppendNew(QStringList& totals, const QStringList& names) {
    for (const QString& name : names) {
        if (!totals.contains(name)) {
            totals.append(name);
        }
    }
}

void AppendTotalsBlock(QString& text, const char* foundLabel, const QStringList& found,
                       const char* missingLabel, const QStringList& missing) {
    text += kRule + kCrLf;
    text += QLatin1String(foundLabel) + QString::number(found.size()) + kCrLf + kCrLf;
    for (const QString& name : found) {
        text += kCrLf + name;
    }
    text += kCrLf + kCrLf;
    text += QLatin1String(missingLabel) + QString::number(missing.size());
    for (const QString& name : missing) {
        text += kCrLf + name;
    }
    text += kCrLf + kCrLf;
    text += kRule + kCrLf + kCrLf;
}

// The status text of the rows of a kind (panel 3), after the count.
QString RowsText(const SuiteServices& suite, int kind) {
    switch (kind) {
    case KindPart:
        return suite.GetMessageText(QStringLiteral(" part(s)"), QStringLiteral("4590"));
    case KindSymbol:
        return suite.GetMessageText(QStringLiteral(" symbol(s)"), QStringLiteral("12198"));
    case KindPackage:
        return suite.GetMessageText(QStringLiteral(" package(s)"), QStringLiteral("3191"));
    default:
        return suite.GetMessageText(QStringLiteral(" padstack(s)"), QStringLiteral("3193"));
    }
}

QString GeneratingText(const SuiteServices& suite, int kind) {
    switch (kind) {
    case KindPart:
        return suite.GetMessageText(QStringLiteral("Generating part items..."), QStringLiteral("3188"));
    case KindSymbol:
        return suite.GetMessageText(QStringLiteral("Generating symbol items..."), QStringLiteral("3189"));
    case KindPackage:
        return suite.GetMessageText(QStringLiteral("Generating package items..."), QStringLiteral("3190"));
    default:
        return suite.GetMessageText(QStringLiteral("Generating padstack items..."), QStringLiteral("3192"));
    }
}

} // namespace

QChar LibraryRowLetter(int kind) {
    static const char letters[] = {'P', 'S', 'K', 'V'};
    return kind >= KindPart && kind <= KindPadstack ? QChar::fromLatin1(letters[kind - 1]) : QChar();
}

LibraryItems::LibraryItems(Kernel& kernel, LibraryCatalog& catalog,
                           const std::array<FieldGroups, 4>& profiles, const SuiteServices& suite,
                           UserInterface& ui)
    : kernel_(kernel), catalog_(catalog), profiles_(profiles), suite_(suite), ui_(ui) {}

void LibraryItems::ShowLibraryFiles(int kind) {
    kind_ = kind >= KindPart && kind <= KindPadstack ? kind : 0;
    entries_ = kind_ ? catalog_.FileList(kind_) : std::vector<LibraryFileEntry>();
    lastEntryKey_.clear();
    opened_ = 0;
    findPosition_ = 1;
    ResetItems();
}

QString LibraryItems::OpenedLibraryName() const {
    return opened_ >= 1 && opened_ <= static_cast<int>(entries_.size())
               ? entries_[static_cast<std::size_t>(opened_ - 1)].text
               : QString();
}

bool LibraryItems::ClickEntry(int position) {
    if (position < 1 || position > static_cast<int>(entries_.size())) {
        return false;
    }
    const QString& key = entries_[static_cast<std::size_t>(position - 1)].key;
    if (key == lastEntryKey_) {
        return false;
    }
    lastEntryKey_ = key;
    return GetLibraryItems(position);
}

void LibraryItems::ResetItems() {
    rows_.clear();
    details_.clear();
    records_.assign(1, CrossReferenceRecord());
    totals_ = LibraryTotals();
}

bool LibraryItems::GetLibraryItems(int position) {
    if (position < 1 || position > static_cast<int>(entries_.size())) {
        return false;
    }
    ResetItems();
    cancelled_ = false;
    catalog_.BeginLoad();
    LibraryFileEntry& entry = entries_[static_cast<std::size_t>(position - 1)];
    ui_.SetStatus(2, suite_.GetMessageText(QStringLiteral("File: "), QStringLiteral("99686")) + entry.text +
                         QStringLiteral("  "));
    const int kind = LibraryKindOfIcon(entry.icon);
    if (kind == 0) {
        return false;
    }
    ui_.SetStatus(5, GeneratingText(suite_, kind));
    fields_.Prepare(profiles_[static_cast<std::size_t>(kind - 1)]);
    const int iconBefore = entry.icon;
    entry.icon = OpenLibraryIcon(kind);
    // The entry's text is the name the progress panel shows while it loads.
    const int previous = opened_;
    opened_ = position;

    if (position == 1) {
        switch (kind) {
        case KindPart:
            LoadProjectPartItems();
            break;
        case KindSymbol:
            LoadProjectSymbolItems();
            break;
        case KindPackage:
            LoadProjectPackageItems();
            break;
        default:
            LoadProjectPadstackItems();
            break;
        }
    } else {
        const QString path = catalog_.Directory(kind) + entry.text;
        switch (kind) {
        case KindPart:
            LoadPartFileItems(path);
            break;
        case KindSymbol:
            LoadSymbolFileItems(path);
            break;
        case KindPackage:
            LoadPackageFileItems(path);
            break;
        default:
            LoadPadstackFileItems(path);
            break;
        }
    }
    ui_.SetStatus(3, QString::number(rows_.size()) + RowsText(suite_, kind));
    if (cancelled_) {
        // A stopped load leaves no half-filled list and nothing counted as open, so the next
        // click on the entry loads it again.
        entries_[static_cast<std::size_t>(position - 1)].icon = iconBefore;
        opened_ = 0;
        lastEntryKey_.clear();
        ShowSelectionCount();
        ui_.SetStatus(5, QString());
        return true;
    }
    if (previous != position && previous >= 1 && previous <= static_cast<int>(entries_.size())) {
        entries_[static_cast<std::size_t>(previous - 1)].icon = iconBefore;
    }
    if (sorted_) {
        SortRows();
    }
    findPosition_ = position + 1;
    ShowSelectionCount();
    ui_.SetStatus(5, QString());
    return true;
}

LibraryReportContext LibraryItems::Context() {
    return LibraryReportContext{kernel_, fields_, ui_, catalog_};
}

void LibraryItems::StartRows(int count) {
    rows_.clear();
    rows_.reserve(static_cast<std::size_t>(count));
    details_ = QStringList();
    details_.resize(count + 1);
    ui_.StartProgress(100);
    ui_.SetProgressMaximum(count - 1);
}

bool LibraryItems::StepRow(int n) {
    ui_.StepProgress(n);
    // The window paints and answers its Cancel button between two items.
    ui_.ProcessEvents();
    if (ui_.CancelRequested()) {
        cancelled_ = true;
        ResetItems();
        return false;
    }
    return true;
}

void LibraryItems::FinishRows() {
    ui_.StopProgress();
}

void LibraryItems::AddRow(QChar letter, int n, const QString& name, int icon, QStringList subItems) {
    LibraryItemRow row;
    row.key = QString(letter) + QString::number(n);
    row.text = name;
    row.icon = icon;
    row.subItems = std::move(subItems);
    rows_.push_back(std::move(row));
}

void LibraryItems::LoadParts(const NamedItems& items, const QString& libraryText, const QString& subItem) {
    const int count = static_cast<int>(items.size());
    if (count == 0) {
        FinishRows();
        return;
    }
    StartRows(count);
    const LibraryReportContext context = Context();
    for (int n = 0; n < count; ++n) {
        const auto& [name, attributes] = items[static_cast<std::size_t>(n)];
        const PartAttributes split = SplitPartAttributes(attributes);
        const TokenList& t = split.tokens;
        AddRow(QLatin1Char('P'), n, name, 7,
               {subItem, t.Token(4), t.Token(5), t.Token(1), t.Token(6), t.Token(10), split.package,
                t.Token(7), t.Token(8), t.Token(9), t.Token(2), t.Token(3)});
        // One record per part row, whatever fields are shown, so record n + 1 is row n's.
        records_.emplace_back();
        details_[n] = BuildPartDetail(context, name, libraryText, split, records_.back());
        if (!StepRow(n)) {
            break;
        }
    }
    FinishRows();
}

void LibraryItems::LoadSymbolLike(int kind, const NamedItems& items, const QString& libraryText,
                                  const QString& subItem, const QString& padstackPath) {
    const int count = static_cast<int>(items.size());
    if (count == 0) {
        FinishRows();
        return;
    }
    StartRows(count);
    const LibraryReportContext context = Context();
    const QChar letter = LibraryRowLetter(kind);
    for (int n = 0; n < count; ++n) {
        const auto& [name, attributes] = items[static_cast<std::size_t>(n)];
        const TokenList tokens = SplitAttributes(attributes);
        switch (kind) {
        case KindSymbol:
            AddRow(letter, n, name, 8,
                   {subItem, tokens.Token(2), tokens.Token(1), tokens.Token(3), tokens.Token(4)});
            details_[n] = BuildSymbolDetail(context, usage_, name, libraryText, tokens);
            break;
        case KindPackage:
            AddRow(letter, n, name, 9,
                   {subItem, tokens.Token(2), tokens.Token(1), tokens.Token(3), tokens.Token(5)});
            details_[n] = BuildPackageDetail(context, usage_, name, libraryText, tokens);
            break;
        default:
            AddRow(letter, n, name, 10, {subItem, tokens.Token(2), tokens.Token(1), tokens.Token(3)});
            details_[n] = BuildPadstackDetail(context, name, libraryText, tokens, padstackPath);
            break;
        }
        if (!StepRow(n)) {
            break;
        }
    }
    FinishRows();
}

void LibraryItems::LoadPartFileItems(const QString& path) {
    LoadParts(FromInfos(ReadPartEntries(kernel_, path)), path, path);
}

void LibraryItems::LoadSymbolFileItems(const QString& path) {
    LoadSymbolLike(KindSymbol, FromInfos(ReadSymbolEntries(kernel_, path)), path, path, path);
}

void LibraryItems::LoadPackageFileItems(const QString& path) {
    LoadSymbolLike(KindPackage, FromInfos(ReadSymbolEntries(kernel_, path)), path, path, path);
}

void LibraryItems::LoadPadstackFileItems(const QString& path) {
    LoadSymbolLike(KindPadstack, FromInfos(ReadSymbolEntries(kernel_, path)), path, path, path);
}

void LibraryItems::LoadProjectPartItems() {
    const QString project = QString::fromLatin1(kProjectLibraryText);
    LoadParts(FromProject(ProjectParts(kernel_)), project, project);
}

void LibraryItems::LoadProjectSymbolItems() {
    const QString project = QString::fromLatin1(kProjectLibraryText);
    LoadSymbolLike(KindSymbol, FromProject(ProjectSymbols(kernel_)), project, project, QString());
}

void LibraryItems::LoadProjectPackageItems() {
    const QString project = QString::fromLatin1(kProjectLibraryText);
    LoadSymbolLike(KindPackage, FromProject(ProjectPackages(kernel_)), project, project, QString());
}

void LibraryItems::LoadProjectPadstackItems() {
    const QString project = QString::fromLatin1(kProjectLibraryText);
    LoadSymbolLike(KindPadstack, FromProject(ProjectPadstacks(kernel_)), project, project, QString());
}

void LibraryItems::ClickColumn(int column) {
    // The first click on a list never sorted sorts descending; each click then flips the order.
    descending_ = !(sorted_ && descending_);
    sorted_ = true;
    sortColumn_ = std::max(0, column);
    SortRows();
}

void LibraryItems::SortRows() {
    const auto cell = [column = sortColumn_](const LibraryItemRow& row) -> const QString& {
        static const QString empty;
        if (column == 0) {
            return row.text;
        }
        return column <= row.subItems.size() ? row.subItems[column - 1] : empty;
    };
    const bool descending = descending_;
    std::stable_sort(rows_.begin(), rows_.end(), [&](const LibraryItemRow& a, const LibraryItemRow& b) {
        const int order = QString::compare(cell(a), cell(b), Qt::CaseInsensitive);
        return descending ? order > 0 : order < 0;
    });
}

void LibraryItems::SetSelected(int row, bool selected) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) {
        rows_[static_cast<std::size_t>(row)].selected = selected;
    }
}

void LibraryItems::SelectAllItems() {
    for (LibraryItemRow& row : rows_) {
        row.selected = true;
    }
    ShowSelectionCount();
}

void LibraryItems::InvertItemSelection() {
    for (LibraryItemRow& row : rows_) {
        row.selected = !row.selected;
    }
    ShowSelectionCount();
}

int LibraryItems::SelectMatchingItems(const QString& pattern) {
    const NamePattern compiled(pattern);
    int first = -1;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].selected = compiled.Matches(rows_[i].text);
        if (rows_[i].selected && first < 0) {
            first = static_cast<int>(i);
        }
    }
    ShowSelectionCount();
    return first;
}

int LibraryItems::ShowSelectionCount() {
    const auto count =
        std::count_if(rows_.begin(), rows_.end(), [](const LibraryItemRow& row) { return row.selected; });
    ui_.SetStatus(4, QString::number(count) + suite_.GetMessageText(QStringLiteral(" object(s) selected  "),
                                                                    QStringLiteral("3195")));
    return static_cast<int>(count);
}

void LibraryItems::MergeTotals(int entry) {
    // Record 0 is the placeholder; rows without a record (symbols, packages, padstacks) add
    // nothing.
    const std::size_t index = static_cast<std::size_t>(entry) + 1;
    if (entry < 0 || index >= records_.size()) {
        return;
    }
    const CrossReferenceRecord& record = records_[index];
    AppendNew(totals_.packagesFound, record.packagesFound);
    AppendNew(totals_.packagesMissing, record.packagesMissing);
    AppendNew(totals_.symbolsFound, record.symbolsFound);
    AppendNew(totals_.symbolsMissing, record.symbolsMissing);
}

QString LibraryItems::TotalsText() const {
    QString text;
    if (fields_.IsFieldShown(61)) {
        AppendTotalsBlock(text, "TOTAL PACKAGES FOUND: ", totals_.packagesFound,
                          "TOTAL PACKAGES MISSING : ", totals_.packagesMissing);
    }
    if (fields_.IsFieldShown(62)) {
        AppendTotalsBlock(text, "TOTAL SYMBOLS FOUND: ", totals_.symbolsFound,
                          "TOTAL SYMBOLS MISSING : ", totals_.symbolsMissing);
    }
    return text;
}

QString LibraryItems::Report(const std::vector<int>& rows, bool countAlways) {
    ui_.SetStatus(
        5, suite_.GetMessageText(QStringLiteral("Generating item details..."), QStringLiteral("3196")));
    QString text;
    for (const int row : rows) {
        // The entry number is the key without its letter.
        bool ok = false;
        const int entry = rows_[static_cast<std::size_t>(row)].key.mid(1).toInt(&ok);
        if (ok && entry >= 0 && entry < details_.size()) {
            text += details_[entry];
        }
        text += kCrLf;
        text += kCrLf;
        if (ok) {
            MergeTotals(entry);
        }
    }
    if (!rows.empty() || countAlways) {
        text += TotalsText();
        text += kRule + kCrLf + QStringLiteral("Total Count: ") + QString::number(rows.size()) + kCrLf +
                kRule + kCrLf + kCrLf;
    }
    ui_.SetStatus(5, QString());
    return text;
}

LibraryItemReport LibraryItems::ReportSelectedItems(const QString& nodeTitle) {
    std::vector<int> selected;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].selected) {
            selected.push_back(static_cast<int>(i));
        }
    }
    LibraryItemReport report;
    report.body = Report(selected, true);
    report.count = static_cast<int>(selected.size());
    report.title = GeneralDate() + kCrLf + kCrLf + nodeTitle + OpenedLibraryName();
    return report;
}

QString LibraryItems::ReportMatchingItems(const QString& pattern, int& count) {
    const NamePattern compiled(pattern);
    std::vector<int> matching;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (compiled.Matches(rows_[i].text)) {
            matching.push_back(static_cast<int>(i));
        }
    }
    count = static_cast<int>(matching.size());
    if (matching.empty()) {
        return QString();
    }
    return Report(matching, false);
}

bool LibraryItems::LibraryFileHasItem(int kind, const QString& path, const QString& pattern) {
    const NamePattern compiled(pattern);
    if (kind == KindPart) {
        const std::vector<PartInfo> entries = ReadPartEntries(kernel_, path);
        return std::any_of(entries.begin(), entries.end(),
                           [&](const PartInfo& info) { return compiled.Matches(Latin1(info.name)); });
    }
    const std::vector<SymbolInfo> entries = ReadSymbolEntries(kernel_, path);
    return std::any_of(entries.begin(), entries.end(),
                       [&](const SymbolInfo& info) { return compiled.Matches(Latin1(info.name)); });
}

bool LibraryItems::ListEntryHasItem(int position, const QString& pattern) {
    if (position < 1 || position > static_cast<int>(entries_.size())) {
        return false;
    }
    const LibraryFileEntry& entry = entries_[static_cast<std::size_t>(position - 1)];
    const int kind = LibraryKindOfIcon(entry.icon);
    if (position == 1) {
        switch (kind) {
        case KindPart:
            return ProjectHasPart(kernel_, pattern);
        case KindSymbol:
            return ProjectHasSymbol(kernel_, pattern);
        case KindPackage:
            return ProjectHasPackage(kernel_, pattern);
        case KindPadstack:
            return ProjectHasPadstack(kernel_, pattern);
        default:
            return false;
        }
    }
    return kind != 0 && LibraryFileHasItem(kind, catalog_.Directory(kind) + entry.text, pattern);
}

int LibraryItems::FindNextFileWithItem(const QString& pattern, int start) {
    const int last = static_cast<int>(entries_.size());
    for (int position = std::max(start, 1); position <= last; ++position) {
        if (ListEntryHasItem(position, pattern)) {
            findPosition_ = position + 1;
            return position;
        }
    }
    findPosition_ = 1;
    return 0;
}

} // namespace vxw
