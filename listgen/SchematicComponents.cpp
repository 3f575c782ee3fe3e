#include "listgen/SchematicComponents.h"

#include "kernel/Kernel.h"
#include "kernel/KernelRecords.h"
#include "kernel/KernelText.h"
#include "listgen/ComponentLookup.h"
#include "shell/UserInterface.h"

namespace vxw {
namespace {

constexpr int16_t kFieldTotal = 6;
constexpr int16_t kFieldPacked = 31;
constexpr int16_t kFieldUnpacked = 48;
constexpr int16_t kFieldTable = 7;

const QLatin1String kLineEnd(kCrLf);

// Packing and part name of one component, found by its name as the lists show it. A name
// that finds nothing is reported once for each of the two answers, so a reader of the log sees
// which answers are missing.
struct ComponentFacts {
    bool packed = false;
    QLatin1String partName; // in the kernel: copied out before the kernel changes
};

QString DeviceName(Kernel& kernel, const SchCompRecord& record) {
    return FromAnsi(kernel.O_GetName(kernel.D_Device(record.device)));
}

// The same, seen in place in the kernel.
QLatin1String DeviceText(Kernel& kernel, const SchCompRecord& record) {
    return KernelText(kernel.O_GetName(kernel.D_Device(record.device)));
}

ComponentFacts LookUpFacts(const ReportContext& context, const char* rawName) {
    ComponentFacts facts;
    const ComponentLookup lookup = FindComponent(context.kernel, kSchematicComponent, rawName);
    if (!lookup.Found()) {
        const QString name = FromAnsi(rawName);
        context.ui.ReportError(lookup.errorCode, name);
        context.ui.ReportError(lookup.errorCode, name);
        return facts;
    }
    SchCompRecord record;
    if (context.kernel.C_ReadComponent(lookup.id, &record) > 0) {
        facts.packed = record.packed != 0;
        facts.partName = DeviceText(context.kernel, record);
    }
    return facts;
}

// The text in a cell of the table's width: cut, or filled with blanks.
void AppendCell(QString& out, QLatin1String marker, QLatin1String text) {
    const qsizetype start = out.size();
    out += marker;
    out += text;
    out.resize(start + kComponentCellWidth, QLatin1Char(' '));
}

} // namespace

PageComponents ComponentsByPage(Kernel& kernel) {
    PageComponents pages;
    WalkMap(kernel, kernel.DB_SchCompMap(), [&](int32_t id) {
        SchCompRecord record;
        if (kernel.C_ReadComponent(id, &record) > 0) {
            pages[record.page].push_back(id);
        }
    });
    return pages;
}

QString SchematicComponents(const ReportContext& context, int32_t pageId) {
    Kernel& kernel = context.kernel;
    std::vector<int32_t> onPage;
    const int32_t map = kernel.DB_SchCompMap();
    WalkMap(kernel, map, [&](int32_t id) {
        if (kernel.O_TestPage(kernel.OM_Object(map, id), pageId) != 0) {
            onPage.push_back(id);
        }
    });
    return SchematicComponentList(context, onPage);
}

QString SchematicComponentList(const ReportContext& context, const std::vector<int32_t>& components) {
    Kernel& kernel = context.kernel;
    const bool markPacked = context.Shown(kFieldPacked);
    // A row is about 60 characters with a short value.
    QString packedRows;
    QString unpackedRows;
    unpackedRows.reserve(static_cast<qsizetype>(components.size()) * 64);
    qint64 packedCount = 0;
    qint64 unpackedCount = 0;
    for (const int32_t id : components) {
        SchCompRecord record;
        if (kernel.C_ReadComponent(id, &record) <= 0) {
            continue;
        }
        const QLatin1String name = KernelText(record.name);
        const ComponentFacts facts = LookUpFacts(context, record.name);
        QString& rows = facts.packed ? packedRows : unpackedRows;
        const QLatin1String marker(facts.packed && markPacked ? "* " : "  ");
        rows += kLineEnd;
        AppendCell(rows, marker, name);
        rows += QLatin1Char('\t');
        AppendCell(rows, QLatin1String(), facts.partName);
        rows += QLatin1Char('\t');
        rows += ComponentValue(kernel, id).text;
        ++(facts.packed ? packedCount : unpackedCount);
    }

    QString out;
    out.reserve(packedRows.size() + unpackedRows.size() + 160);
    if (context.Shown(kFieldTotal)) {
        out += QStringLiteral("Total Schematic Components : ") + QString::number(packedCount + unpackedCount);
    }
    if (markPacked) {
        out += QStringLiteral("   (Packed(*) : ") + QString::number(packedCount);
    }
    if (context.Shown(kFieldUnpacked)) {
        out += QStringLiteral("  Unpacked: ") + QString::number(unpackedCount) + QLatin1Char(')') + kLineEnd +
               kLineEnd;
    }
    if (context.Shown(kFieldTable)) {
        out += QStringLiteral("Comp. Name\t\tPart Name\t\tComp.Value") + kLineEnd;
        out += packedRows;
        out += unpackedRows;
        out += kLineEnd + kLineEnd;
    }
    return out;
}

bool IsPacked(const ReportContext& context, const QString& name) {
    const ComponentLookup lookup = FindComponent(context.kernel, kSchematicComponent, name);
    if (!lookup.Found()) {
        context.ui.ReportError(lookup.errorCode, name);
        return false;
    }
    SchCompRecord record;
    return context.kernel.C_ReadComponent(lookup.id, &record) > 0 && record.packed != 0;
}

QString ComponentPartName(const ReportContext& context, const QString& name) {
    const ComponentLookup lookup = FindComponent(context.kernel, kSchematicComponent, name);
    if (!lookup.Found()) {
        context.ui.ReportError(lookup.errorCode, name);
        return QString();
    }
    SchCompRecord record;
    if (context.kernel.C_ReadComponent(lookup.id, &record) <= 0) {
        return QString();
    }
    return DeviceName(context.kernel, record);
}

ComponentValueText ComponentValue(Kernel& kernel, int32_t componentId) {
    ComponentValueText value;
    const int32_t texts = kernel.C_CompTextArray(componentId);
    if (texts <= 0) {
        return value;
    }
    const int32_t index = kernel.OA_SearchMask(texts, 1, MaskValueText);
    if (index <= 0) {
        return value;
    }
    ItemRecord item;
    const int32_t kind = kernel.I_ReadItem(kernel.C_CompText(texts, index), &item);
    if (kind == ItemText || kind == ItemValueText) {
        value.text = FromAnsi(item.text);
        value.found = true;
    }
    return value;
}

} // namespace vxw
