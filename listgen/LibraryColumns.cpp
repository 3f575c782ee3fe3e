#include "listgen/LibraryColumns.h"

#include "shell/SettingsKeys.h"
#include "suite/SuiteServices.h"
#include "suite/TextRules.h"

namespace vxw {

namespace {

bool ValidClass(int libraryClass) {
    return libraryClass >= 1 && libraryClass <= kColumnClassCount;
}

ColumnSpec ParseEntry(QStringView entry) {
    ColumnSpec spec;
    const qsizetype first = entry.indexOf(QLatin1Char(','));
    if (first < 0) {
        spec.name = entry.toString();
        return spec;
    }
    spec.name = entry.left(first).toString();
    qsizetype second = entry.indexOf(QLatin1Char(','), first + 1);
    if (second < 0) {
        second = entry.size();
    }
    spec.shown = RoundToInt16(LeadingNumber(entry.mid(first + 1, second - first - 1)));
    if (second < entry.size()) {
        qsizetype third = entry.indexOf(QLatin1Char(','), second + 1);
        if (third < 0) {
            third = entry.size();
        }
        spec.captionId = entry.mid(second + 1, third - second - 1).toString();
    }
    return spec;
}

} // namespace

ColumnSpecList ParseColumnSpecs(QStringView text) {
    ColumnSpecList specs;
    if (text.isEmpty()) {
        return specs;
    }
    qsizetype start = 0;
    while (true) {
        qsizetype end = text.indexOf(QLatin1Char(';'), start);
        if (end < 0) {
            end = text.size();
        }
        specs.push_back(ParseEntry(text.mid(start, end - start)));
        if (end >= text.size()) {
            break;
        }
        start = end + 1;
    }
    return specs;
}

QString ColumnSpecString(const ColumnSpecList& specs) {
    QString text;
    bool first = true;
    for (const ColumnSpec& spec : specs) {
        if (!first) {
            text += QLatin1Char(';');
        }
        first = false;
        text += spec.name;
        text += QLatin1Char(',');
        text += QString::number(spec.shown);
        text += QLatin1Char(',');
        text += spec.captionId;
    }
    return text;
}

QString ColumnSpecKey(int libraryClass) {
    switch (libraryClass) {
    case kPartColumns:
        return kPartColumnsKey;
    case kSymbolColumns:
        return kSymbolColumnsKey;
    case kPackageColumns:
        return kPackageColumnsKey;
    case kPadstackColumns:
        return kPadstackColumnsKey;
    default:
        return QString();
    }
}

QString DefaultColumnSpecString(int libraryClass) {
    switch (libraryClass) {
    case kPartColumns:
        return QLatin1String(kDefaultPartColumns);
    case kSymbolColumns:
        return QLatin1String(kDefaultSymbolColumns);
    case kPackageColumns:
        return QLatin1String(kDefaultPackageColumns);
    case kPadstackColumns:
        return QLatin1String(kDefaultPadstackColumns);
    default:
        return QString();
    }
}

ColumnSpecLists& ColumnSpecs() {
    static ColumnSpecLists lists;
    return lists;
}

void LoadColumnSpecs() {
    for (int libraryClass = 1; libraryClass <= kColumnClassCount; ++libraryClass) {
        const QString fallback = DefaultColumnSpecString(libraryClass);
        QString text = Suite().GetSuiteSetting(kListSection, ColumnSpecKey(libraryClass), fallback);
        if (text.isEmpty()) {
            text = fallback;
        }
        ColumnSpecs()[libraryClass - 1] = ParseColumnSpecs(text);
    }
}

QString ColumnSpecString(int libraryClass) {
    return ValidClass(libraryClass) ? ColumnSpecString(ColumnSpecs()[libraryClass - 1]) : QString();
}

bool SaveColumnSpecs() {
    bool saved = true;
    for (int libraryClass = 1; libraryClass <= kColumnClassCount; ++libraryClass) {
        saved = Suite().SaveSuiteSetting(kListSection, ColumnSpecKey(libraryClass),
                                         ColumnSpecString(libraryClass)) &&
                saved;
    }
    return saved;
}

std::vector<ItemColumn> ItemColumns(int libraryClass, const ColumnSpecList& specs,
                                    const SuiteServices& suite) {
    static const char* const names[] = {"Part", "Symbol", "Package", "Padstack"};
    std::vector<ItemColumn> columns;
    if (!ValidClass(libraryClass)) {
        return columns;
    }
    columns.reserve(specs.size() + 1);
    columns.push_back({QLatin1String(names[libraryClass - 1]), kNameColumnTwips});
    for (const ColumnSpec& spec : specs) {
        columns.push_back(
            {suite.GetMessageText(spec.name, spec.captionId), spec.shown != 0 ? kItemColumnTwips : 0});
    }
    return columns;
}

} // namespace vxw
