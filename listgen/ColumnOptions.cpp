#include "listgen/ColumnOptions.h"

#include "shell/SettingsKeys.h"
#include "suite/SuiteServices.h"

namespace vxw {

ColumnOptions::ColumnOptions(ColumnSpecLists& lists) : lists_(lists), copies_(lists) {}

void ColumnOptions::SelectTab(int libraryClass) {
    if (libraryClass >= kPartColumns && libraryClass <= kPadstackColumns) {
        tab_ = libraryClass;
    }
}

std::vector<ColumnOptions::Line> ColumnOptions::Lines() const {
    std::vector<Line> lines;
    for (const ColumnSpec& spec : lists_[static_cast<size_t>(tab_ - 1)]) {
        lines.push_back({Suite().GetMessageText(spec.name, spec.captionId), spec.shown != 0});
    }
    return lines;
}

void ColumnOptions::SetLine(int line, bool ticked) {
    ColumnSpecList& list = lists_[static_cast<size_t>(tab_ - 1)];
    if (line >= 0 && static_cast<size_t>(line) < list.size()) {
        list[static_cast<size_t>(line)].shown = ticked ? 1 : 0;
    }
}

bool ColumnOptions::Accept() {
    copies_ = lists_;
    bool saved = true;
    for (int libraryClass = 1; libraryClass <= kColumnClassCount; ++libraryClass) {
        saved = Suite().SaveSuiteSetting(kListSection, ColumnSpecKey(libraryClass),
                                         ColumnSpecString(lists_[static_cast<size_t>(libraryClass - 1)])) &&
                saved;
    }
    return saved;
}

void ColumnOptions::Cancel() {
    lists_ = copies_;
}

int OptionsTabForKind(const QString& kind) {
    if (kind == QLatin1String("T")) {
        return kPartColumns;
    }
    if (kind == QLatin1String("S")) {
        return kSymbolColumns;
    }
    if (kind == QLatin1String("K")) {
        return kPackageColumns;
    }
    return kind == QLatin1String("V") ? kPadstackColumns : 0;
}

} // namespace vxw
