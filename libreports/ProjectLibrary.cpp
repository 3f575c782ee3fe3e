#include "libreports/ProjectLibrary.h"

#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "suite/NamePattern.h"

#include <QSet>

namespace vxw {
namespace {

enum class ProjectKind { Part, Symbol, Package, Padstack };

// Calls visit(name, attributes) for every readable item of the kind, in the kernel's order,
// until visit answers false. The walk is bounded by the map's size, so a cursor that never
// reaches its end cannot hang us.
template <typename Visit> void WalkProject(Kernel& kernel, ProjectKind kind, Visit visit) {
    const bool devices = kind == ProjectKind::Part;
    const int32_t map = devices ? kernel.DB_DeviceMap() : kernel.DB_SymbMap();
    if (map <= 0) {
        return;
    }
    int32_t values = 0;
    int32_t bits = 0;
    if (kind == ProjectKind::Symbol) {
        values = MaskSchematicSymbol;
        bits = 3;
    } else if (kind == ProjectKind::Package) {
        values = MaskPackage;
        bits = MaskPackage;
    }
    int32_t cursor = kernel.OM_GetFirst(map);
    const int32_t count = kernel.OM_GetCount(map);
    for (int32_t visited = 0; visited < count; ++visited) {
        const int32_t id = kernel.OM_SearchMask(map, &cursor, values, bits);
        if (id <= 0) {
            return;
        }
        QString name;
        QString attributes;
        if (devices) {
            DeviceRecord record;
            if (kernel.D_ReadDevice(id, &record) <= 0) {
                continue;
            }
            name = FromAnsi(record.name);
            attributes = FromAnsi(record.attributes);
        } else {
            SymbolRecord record;
            if (kernel.S_ReadSymbol(id, &record) <= 0) {
                continue;
            }
            if (kind == ProjectKind::Padstack && record.kind != SymbolPadstack) {
                continue;
            }
            name = FromAnsi(record.name);
            attributes = FromAnsi(record.attributes);
        }
        if (!visit(name, attributes)) {
            return;
        }
    }
}

std::vector<ProjectItem> ListProject(Kernel& kernel, ProjectKind kind) {
    std::vector<ProjectItem> items;
    QSet<QString> seen;
    WalkProject(kernel, kind, [&](const QString& name, const QString& attributes) {
        if (!seen.contains(name)) {
            seen.insert(name);
            items.push_back({name, attributes});
        }
        return true;
    });
    return items;
}

bool ProjectHas(Kernel& kernel, ProjectKind kind, const QString& pattern) {
    const NamePattern compiled(pattern);
    if (!compiled.IsValid()) {
        return false;
    }
    bool found = false;
    WalkProject(kernel, kind, [&](const QString& name, const QString&) {
        found = compiled.Matches(name);
        return !found;
    });
    return found;
}

} // namespace

std::vector<ProjectItem> ProjectParts(Kernel& kernel) {
    return ListProject(kernel, ProjectKind::Part);
}
std::vector<ProjectItem> ProjectSymbols(Kernel& kernel) {
    return ListProject(kernel, ProjectKind::Symbol);
}
std::vector<ProjectItem> ProjectPackages(Kernel& kernel) {
    return ListProject(kernel, ProjectKind::Package);
}
std::vector<ProjectItem> ProjectPadstacks(Kernel& kernel) {
    return ListProject(kernel, ProjectKind::Padstack);
}

bool ProjectHasPart(Kernel& kernel, const QString& pattern) {
    return ProjectHas(kernel, ProjectKind::Part, pattern);
}
bool ProjectHasSymbol(Kernel& kernel, const QString& pattern) {
    return ProjectHas(kernel, ProjectKind::Symbol, pattern);
}
bool ProjectHasPackage(Kernel& kernel, const QString& pattern) {
    return ProjectHas(kernel, ProjectKind::Package, pattern);
}
bool ProjectHasPadstack(Kernel& kernel, const QString& pattern) {
    return ProjectHas(kernel, ProjectKind::Padstack, pattern);
}

int32_t FindProjectPadstack(Kernel& kernel, const QString& name) {
    const int32_t map = kernel.DB_SymbMap();
    if (map <= 0) {
        return 0;
    }
    const QByteArray ansi = ToAnsi(name);
    int32_t cursor = kernel.OM_GetFirst(map);
    const int32_t count = kernel.OM_GetCount(map);
    for (int32_t visited = 0; visited < count; ++visited) {
        const int32_t id = kernel.OM_SearchNameMask(map, &cursor, ansi.constData(), MaskPadstackSymbol);
        if (id <= 0) {
            return 0;
        }
        SymbolRecord record;
        if (kernel.S_ReadSymbol(id, &record) > 0 && record.kind == SymbolPadstack &&
            FromAnsi(record.name) == name) {
            return id;
        }
    }
    return 0;
}

} // namespace vxw
