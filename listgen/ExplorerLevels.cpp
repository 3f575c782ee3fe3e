#include "listgen/ExplorerLevels.h"
#include "kernel/KernelWalk.h"

#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "suite/SuiteServices.h"

#include <QLatin1String>

namespace vxw {

namespace {

struct TemplateText {
    const char* kind;
    const char* messageId;
    const char* defaultCaption;
};

constexpr std::array<TemplateText, kLevelTemplateCount> kTemplateTexts{{
    {kSystemLevelKind, "991743", "System"},
    {kLibraryLevelKind, "99825", "Library"},
    {kProjectLevelKind, "10116", "Project"},
    {kCircuitLevelKind, "99748", "Circuit"},
    {kDiagramLevelKind, "10451", "Diagram"},
    {kPageLevelKind, "991009", "Page"},
    {kLayoutLevelKind, "10452", "PCB Layout"},
}};

constexpr std::array<ObjectClass, kLibraryClassCount> kLibraryClasses{ClassPart, ClassSymbol, ClassPackage,
                                                                      ClassPadstack};

LevelRecord CopyOf(const LevelRecord& level, const FieldProfile& profile, int objectClass) {
    LevelRecord copy = level;
    copy.Profiles = SectionGroups(profile, objectClass);
    return copy;
}

QString Keyed(const char* kind, int position) {
    return QLatin1String(kind) + QLatin1Char('_') + QString::number(position);
}

} // namespace

FieldGroups SectionGroups(const FieldProfile& profile, int objectClass) {
    if (objectClass < 1 || objectClass > kSectionCount) {
        return {};
    }
    return profile.sections[static_cast<std::size_t>(objectClass - 1)].groups;
}

LevelTemplates LoadLevelTemplates(const SuiteServices& suite) {
    LevelTemplates templates;
    for (std::size_t i = 0; i < templates.size(); ++i) {
        templates[i].Kind = QLatin1String(kTemplateTexts[i].kind);
        templates[i].Caption = suite.GetMessageText(QLatin1String(kTemplateTexts[i].defaultCaption),
                                                    QLatin1String(kTemplateTexts[i].messageId));
    }
    return templates;
}

void DistributeLevels(ExplorerLevels& levels, const LevelTemplates& templates, const FieldProfile& profile) {
    for (const LevelRecord& level : templates) {
        const QString& kind = level.Kind;
        if (kind == QLatin1String(kSystemLevelKind)) {
            levels.SystemLevel = level;
        } else if (kind == QLatin1String(kLibraryLevelKind)) {
            levels.LibraryLevel = level;
            for (std::size_t i = 0; i < kLibraryClasses.size(); ++i) {
                levels.LibraryProfiles[i] = SectionGroups(profile, kLibraryClasses[i]);
            }
        } else if (kind == QLatin1String(kProjectLevelKind)) {
            levels.ProjectLevel = CopyOf(level, profile, ClassProject);
        } else if (kind == QLatin1String(kCircuitLevelKind)) {
            CircuitEntry entry;
            entry.Circuit = CopyOf(level, profile, ClassCircuit);
            levels.Circuits.push_back(std::move(entry));
        } else if (levels.Circuits.empty()) {
            continue;
        } else if (kind == QLatin1String(kDiagramLevelKind)) {
            levels.Circuits.back().Diagram = CopyOf(level, profile, ClassDiagram);
        } else if (kind == QLatin1String(kPageLevelKind)) {
            levels.Circuits.back().Pages.push_back(CopyOf(level, profile, ClassPage));
        } else if (kind == QLatin1String(kLayoutLevelKind)) {
            levels.Circuits.back().Layout = CopyOf(level, profile, ClassPcb);
        }
    }
}

void ReadDesignLevels(Kernel& kernel, ExplorerLevels& levels, const LevelTemplates& templates,
                      const FieldProfile& profile) {
    const int32_t rememberedHierarchy = kernel.DB_CurHier();
    const int32_t hierarchyMap = kernel.DB_HierarchyMap();
    levels.Circuits.clear();

    WalkMap(kernel, hierarchyMap, [&](int32_t hierarchy) {
        kernel.DB_SetCurHier(hierarchy);
        const int position = static_cast<int>(levels.Circuits.size()) + 1;

        CircuitEntry entry;
        entry.Circuit = CopyOf(templates[3], profile, ClassCircuit);
        entry.Circuit.Name = ObjectName(kernel, kernel.OM_Object(hierarchyMap, hierarchy));
        entry.Circuit.Kind = Keyed(kCircuitLevelKind, position);
        entry.Diagram = CopyOf(templates[4], profile, ClassDiagram);
        entry.Diagram.Kind = Keyed(kDiagramLevelKind, position);
        entry.Layout = CopyOf(templates[6], profile, ClassPcb);
        entry.Layout.Kind = Keyed(kLayoutLevelKind, position);
        entry.Nets = CopyOf(templates[6], profile, ClassNets);
        entry.Nets.Kind = entry.Layout.Kind;
        entry.Hierarchy = CopyOf(templates[6], profile, ClassPcb);
        entry.Hierarchy.Kind = entry.Layout.Kind;

        // Walking the pages moves this hierarchy's current page; put it back afterwards, so the
        // design looks the same to every later reader.
        const int32_t rememberedPage = kernel.DB_CurPage();
        const int32_t pageMap = kernel.DB_PageMap();
        const QString pagePrefix = Keyed(kPageLevelKind, position) + QLatin1Char('_');
        WalkMap(kernel, pageMap, [&](int32_t page) {
            kernel.DB_SetCurPage(page);
            LevelRecord record = CopyOf(templates[5], profile, ClassPage);
            record.Name = ObjectName(kernel, kernel.OM_Object(pageMap, page));
            record.Kind = pagePrefix + QString::number(entry.Pages.size() + 1);
            entry.Pages.push_back(std::move(record));
        });
        kernel.DB_SetCurPage(rememberedPage);
        levels.Circuits.push_back(std::move(entry));
    });

    kernel.DB_SetCurHier(rememberedHierarchy);
}

int FindCircuit(const ExplorerLevels& levels, const QString& key) {
    for (std::size_t i = 0; i < levels.Circuits.size(); ++i) {
        if (levels.Circuits[i].Circuit.Kind == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int FindPage(const ExplorerLevels& levels, int circuit, const QString& key) {
    if (circuit < 0 || static_cast<std::size_t>(circuit) >= levels.Circuits.size()) {
        return -1;
    }
    const std::vector<LevelRecord>& pages = levels.Circuits[static_cast<std::size_t>(circuit)].Pages;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].Kind == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace vxw
