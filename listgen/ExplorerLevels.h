#pragma once
// The levels the explorer shows: the level templates with their captions, the fixed System,
// Library and Project levels, and one entry per circuit of the open design with its diagram,
// pages, layout, nets and hierarchy records. Each record carries its own copy of the field
// groups of its object class, so the property window can switch fields per object.

#include "listgen/FieldProfileTypes.h"

#include <QString>

#include <array>
#include <vector>

namespace vxw {

class Kernel;
class SuiteServices;

struct LevelRecord {
    QString Kind;    // level code, also the node key
    QString Caption; // localized level caption
    QString Name;    // project, circuit or page name; empty for other levels
    FieldGroups Profiles;
};

struct CircuitEntry {
    LevelRecord Circuit;
    LevelRecord Diagram;
    std::vector<LevelRecord> Pages;
    LevelRecord Layout;
    // Two further copies of the layout level with the layout's key: the Nets node (which takes
    // the nets profile) and the Hierarchy node (which takes the layout profile; no list reads it).
    LevelRecord Nets;
    LevelRecord Hierarchy;
};

inline constexpr int kLevelTemplateCount = 7;
using LevelTemplates = std::array<LevelRecord, kLevelTemplateCount>;

// Level codes, in template order.
inline constexpr char kSystemLevelKind[] = "VX1";
inline constexpr char kLibraryLevelKind[] = "VX2";
inline constexpr char kProjectLevelKind[] = "VX3";
inline constexpr char kCircuitLevelKind[] = "VX4";
inline constexpr char kDiagramLevelKind[] = "VX5";
inline constexpr char kPageLevelKind[] = "VX6";
inline constexpr char kLayoutLevelKind[] = "VX7";

// The four library classes, in the order part, symbol, package, padstack.
inline constexpr int kLibraryClassCount = 4;

struct ExplorerLevels {
    LevelRecord SystemLevel;
    LevelRecord LibraryLevel;
    LevelRecord ProjectLevel;
    std::array<FieldGroups, kLibraryClassCount> LibraryProfiles;
    QString ProjectName;
    std::vector<CircuitEntry> Circuits;
};

// The seven level templates with their captions from the message catalogue.
LevelTemplates LoadLevelTemplates(const SuiteServices& suite);

// Copies each template to the level of its code. A circuit code starts a new circuit entry,
// which the following diagram, page and layout codes fill; codes before any circuit code that
// need one are skipped.
void DistributeLevels(ExplorerLevels& levels, const LevelTemplates& templates, const FieldProfile& profile);

// Rebuilds levels.Circuits from the hierarchy and page maps of the kernel. The kernel's current
// hierarchy, and the current page of every hierarchy visited, are the same afterwards.
void ReadDesignLevels(Kernel& kernel, ExplorerLevels& levels, const LevelTemplates& templates,
                      const FieldProfile& profile);

// The index of the first circuit (page of the circuit) whose key equals `key`; -1 when none does
// or the circuit index is out of range.
int FindCircuit(const ExplorerLevels& levels, const QString& key);
int FindPage(const ExplorerLevels& levels, int circuit, const QString& key);

// The groups of one profile section (ObjectClass); empty for a number outside 1..10.
FieldGroups SectionGroups(const FieldProfile& profile, int objectClass);

} // namespace vxw
