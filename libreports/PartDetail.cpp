#include "libreports/PartDetail.h"

#include "listgen/FieldProfile.h"
#include "listgen/ReportContext.h"
#include "shell/UserInterface.h"
#include "suite/TextRules.h"

namespace vxw {
namespace {

const QString kBreak = QString::fromLatin1(kCrLf);

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The key under which usage compares names: trimmed of blanks, lower case.
QString UsageKey(const QString& name) {
    return LowerCase(TrimBlanks(name));
}

void AddOnce(QStringList& list, const QString& name) {
    if (!list.contains(name)) {
        list.append(name);
    }
}

// The symbol names of a part, split at commas, as keys; each key once.
QStringList SymbolKeys(const PartAttributes& split) {
    const TokenList names(split.tokens.Token(10), QLatin1Char(','));
    QStringList keys;
    for (int n = 1; n <= names.Count(); ++n) {
        AddOnce(keys, UsageKey(names.Token(n)));
    }
    return keys;
}

bool PartUses(const PartAttributes& split, const QString& key, int kind) {
    if (kind == kCrossPackage) {
        return UsageKey(split.package) == key;
    }
    return SymbolKeys(split).contains(key);
}

void AppendFileUsage(QString& body, const QString& fileName, const QString& parts) {
    body += kBreak + QLatin1Char('\t') + fileName + kBreak + parts + kBreak + kBreak;
}

QString UsageBlock(const QString& body) {
    if (TrimBlanks(body).isEmpty()) {
        return kBreak + QStringLiteral("[NOT USED BY ANY OF THE PART FILES]") + kBreak;
    }
    return kBreak + kBreak + QStringLiteral("[USED BY PART FILES]") + kBreak + body;
}

void AppendLine(QString& text, const LibraryReportContext& context, int16_t field, const char* label,
                const QString& value) {
    if (context.fields.IsFieldShown(field)) {
        text += QLatin1String(label) + value + kBreak;
    }
}

QString PackageBlock(const LibraryReportContext& context, const QString& package,
                     CrossReferenceRecord& record) {
    QStringList missing;
    if (UpperCase(TrimBlanks(package)) == QLatin1String("NONE")) {
        LookUpInOtherFiles(context.lookup, kCrossPackage, QString(), false, record, missing);
        return QStringLiteral("[NO PACKAGE - SYMBOL ONLY PART]") + kBreak + kBreak;
    }
    const QString found = LookUpInOtherFiles(context.lookup, kCrossPackage, package, true, record, missing);
    if (!TrimBlanks(found).isEmpty()) {
        return QStringLiteral("[PACKAGE FOUND IN OTHER FILES]") + kBreak + kBreak + found;
    }
    return QStringLiteral("[PACKAGE ") + package + QStringLiteral(" NOT FOUND IN OTHER FILES]") + kBreak +
           kBreak;
}

QString SymbolBlock(const LibraryReportContext& context, const QString& symbols,
                    CrossReferenceRecord& record) {
    QStringList missing;
    if (TrimBlanks(symbols).isEmpty()) {
        LookUpInOtherFiles(context.lookup, kCrossSymbol, QString(), false, record, missing);
        return QStringLiteral("[NO SYMBOL - PACKAGE ONLY PART]") + kBreak + kBreak;
    }
    const QString found = LookUpInOtherFiles(context.lookup, kCrossSymbol, symbols, true, record, missing);
    if (!TrimBlanks(found).isEmpty()) {
        return QStringLiteral("[SYMBOLS FOUND IN OTHER FILES]") + kBreak + kBreak + found;
    }
    return QStringLiteral("[SYMBOLS NOT FOUND IN OTHER FILES]") + kBreak + kBreak +
           ListMissingSymbols(missing);
}

} // namespace

QString BuildPartDetail(const LibraryReportContext& context, const QString& name, const QString& libraryText,
                        const PartAttributes& attributes, CrossReferenceRecord& record) {
    const TokenList& tokens = attributes.tokens;
    record = CrossReferenceRecord(); // a list whose block is not shown holds nothing
    QString text = QStringLiteral("PART: ") + name + kBreak;
    AppendLine(text, context, 22, "LIBRARY: ", libraryText);
    AppendLine(text, context, 23, "MANUFACTURER: ", tokens.Token(4));
    AppendLine(text, context, 47, "TYPE: ", tokens.Token(5));
    AppendLine(text, context, 10, "DESCRIPTION: ", tokens.Token(1));
    AppendLine(text, context, 46, "TECHNOLOGY: ", tokens.Token(6));
    AppendLine(text, context, 45, "SYMBOL: ", tokens.Token(10));
    AppendLine(text, context, 29, "PACKAGE: ", attributes.package);
    AppendLine(text, context, 30, "PACKAGE TYPE: ", tokens.Token(7));
    // Each block stands between one line break before and one after, so an empty line
    // separates it from the lines around it.
    if (context.fields.IsFieldShown(61)) {
        text += kBreak + PackageBlock(context, attributes.package, record) + kBreak;
    }
    if (context.fields.IsFieldShown(62)) {
        text += kBreak + SymbolBlock(context, tokens.Token(10), record) + kBreak;
    }
    AppendLine(text, context, 24, "MIXEDMODE SIM. FUNCTION: ", tokens.Token(8));
    AppendLine(text, context, 13, "VXSPICE MODEL: ", tokens.Token(9));
    AppendLine(text, context, 58, "EXTERNAL INDEX CODE: ", tokens.Token(2));
    AppendLine(text, context, 59, "VXSPICE SIMULATION REF.: ", tokens.Token(3));
    return text;
}

QString LookUpInOtherFiles(LibraryLookup& lookup, int kind, const QString& names, bool search,
                           CrossReferenceRecord& record, QStringList& missing) {
    const bool packages = kind == kCrossPackage;
    QStringList& foundList = packages ? record.packagesFound : record.symbolsFound;
    QStringList& missingList = packages ? record.packagesMissing : record.symbolsMissing;
    missing.clear();
    foundList.clear();
    missingList.clear();
    if (!search) {
        return QString();
    }
    const TokenList tokens(names, QLatin1Char(','));
    QString found;
    for (int n = 1; n <= tokens.Count(); ++n) {
        // A list written "A, B" names B, not " B": the files are asked for the trimmed name.
        const QString name = TrimBlanks(tokens.Token(n));
        if (name.isEmpty()) {
            continue;
        }
        // Every mention is shown: a part of four gates that names its gate symbol four times
        // gets four blocks. Only the record lists, which say which names were found, keep a
        // name once.
        const QString files = lookup.FilesHolding(kind, name);
        if (!TrimBlanks(files).isEmpty()) {
            // The line break goes in front of what was found before (so two found names begin
            // with two line breaks).
            found =
                kBreak + found + QStringLiteral("**") + name + QStringLiteral("**") + kBreak + files + kBreak;
            AddOnce(foundList, name);
        } else {
            AddOnce(missingList, name);
            missing.append(name);
        }
    }
    return found;
}

QString ListMissingSymbols(const QStringList& missing) {
    QString text;
    for (const QString& name : missing) {
        text += kBreak + name;
    }
    return text;
}

QString FindPartsUsing(LibraryLookup& lookup, const QString& name, const QString& partFileName, int kind) {
    const QString key = UsageKey(name);
    QString parts;
    for (const PartInfo& entry : lookup.PartEntries(partFileName)) {
        if (PartUses(SplitPartAttributes(Latin1(entry.attributes)), key, kind)) {
            parts += kBreak + QStringLiteral("\t\t") + Latin1(entry.name);
        }
    }
    return parts;
}

QString ScanPartUsage(const LibraryReportContext& context, const QString& name, int kind) {
    QString body;
    for (const QString& fileName : context.lookup.PartFiles()) {
        const QString parts = FindPartsUsing(context.lookup, name, fileName, kind);
        if (!TrimBlanks(parts).isEmpty()) {
            AppendFileUsage(body, fileName, parts);
        }
        context.ui.ProcessEvents();
    }
    return UsageBlock(body);
}

PartUsageIndex::Source PartUsageIndex::Source::Of(const std::vector<PartInfo>& entries) {
    Source source;
    source.entries = entries.data();
    source.count = entries.size();
    if (!entries.empty()) {
        source.first = entries.front().name + '\n' + entries.front().attributes;
        source.last = entries.back().name + '\n' + entries.back().attributes;
    }
    return source;
}

void PartUsageIndex::Refresh(LibraryLookup& lookup) {
    const QString folder = lookup.PartFolder();
    const QStringList& files = lookup.PartFiles();
    bool same = built_ && folder == folder_ && files == files_;
    for (qsizetype i = 0; same && i < files.size(); ++i) {
        same = sources_[static_cast<std::size_t>(i)] == Source::Of(lookup.PartEntries(files[i]));
    }
    if (!same) {
        Build(lookup);
    }
}

void PartUsageIndex::Build(LibraryLookup& lookup) {
    folder_ = lookup.PartFolder();
    files_ = lookup.PartFiles();
    sources_.clear();
    partNames_.clear();
    symbolUses_.clear();
    packageUses_.clear();
    for (qsizetype i = 0; i < files_.size(); ++i) {
        const int file = static_cast<int>(i);
        const std::vector<PartInfo>& entries = lookup.PartEntries(files_[i]);
        sources_.push_back(Source::Of(entries));
        std::vector<QString>& names = partNames_.emplace_back();
        names.reserve(entries.size());
        for (const PartInfo& entry : entries) {
            const int number = static_cast<int>(names.size());
            names.push_back(Latin1(entry.name));
            const PartAttributes split = SplitPartAttributes(Latin1(entry.attributes));
            packageUses_[UsageKey(split.package)].push_back({file, number});
            for (const QString& key : SymbolKeys(split)) {
                symbolUses_[key].push_back({file, number});
            }
        }
    }
    built_ = true;
}

QString PartUsageIndex::Describe(const QString& name, int kind) const {
    const auto& uses = kind == kCrossPackage ? packageUses_ : symbolUses_;
    const auto found = uses.constFind(UsageKey(name));
    QString body;
    if (found != uses.constEnd()) {
        // Uses are in file order and entry order: one group per file.
        QString parts;
        int file = -1;
        for (const Use& use : *found) {
            if (use.file != file) {
                if (file >= 0) {
                    AppendFileUsage(body, files_[file], parts);
                }
                file = use.file;
                parts.clear();
            }
            parts += kBreak + QStringLiteral("\t\t") +
                     partNames_[static_cast<std::size_t>(use.file)][static_cast<std::size_t>(use.entry)];
        }
        if (file >= 0) {
            AppendFileUsage(body, files_[file], parts);
        }
    }
    return UsageBlock(body);
}

QString DescribePartUsage(const LibraryReportContext& context, PartUsageIndex& index, const QString& name,
                          int kind) {
    index.Refresh(context.lookup);
    // The index has done the reading; one turn of events per item keeps the window alive.
    context.ui.ProcessEvents();
    return index.Describe(name, kind);
}

QString DescribePartUsage(const LibraryReportContext& context, const QString& name, int kind) {
    // Reports run on the user-interface thread; one index serves every report of a load.
    thread_local PartUsageIndex index;
    return DescribePartUsage(context, index, name, kind);
}

} // namespace vxw
