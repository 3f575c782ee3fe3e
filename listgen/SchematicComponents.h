#pragma once
// The schematic component table of a page: totals (packed and unpacked), then one row per
// component with its name, part and value, packed components first.

#include "listgen/ReportContext.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <vector>

namespace vxw {

class Kernel;

// Width of the name and part cells of a row.
inline constexpr int kComponentCellWidth = 16;

// The schematic components of the current circuit by page id, each page's list in map order.
using PageComponents = QHash<int32_t, std::vector<int32_t>>;
PageComponents ComponentsByPage(Kernel& kernel);

// The table of the components of the current circuit that lie on `pageId`.
QString SchematicComponents(const ReportContext& context, int32_t pageId);
// The table of the given components (ids of the current circuit's schematic map), in order.
QString SchematicComponentList(const ReportContext& context, const std::vector<int32_t>& components);

// Whether the schematic component of that name is packed; false, with error 23 reported, when
// there is no such component.
bool IsPacked(const ReportContext& context, const QString& name);
// The name of the device of the schematic component of that name; empty, with error 23
// reported, when there is no such component.
QString ComponentPartName(const ReportContext& context, const QString& name);

struct ComponentValueText {
    QString text;
    bool found = false;
};
// The component's first value-marked text when it is a text or value item.
ComponentValueText ComponentValue(Kernel& kernel, int32_t componentId);

} // namespace vxw
