#pragma once
// The project's own library: its parts (the devices), schematic symbols, packages and
// padstack symbols as {name, attribute text} lists, each name once, in the kernel's order.

#include <QString>

#include <vector>

namespace vxw {

class Kernel;

struct ProjectItem {
    QString name;
    QString attributes; // same form as the attribute text of a library file entry
};

// Every readable item of its kind; an unreadable one is skipped, and so is a name already
// listed (exact, case-sensitive comparison), so each name stands once.
std::vector<ProjectItem> ProjectParts(Kernel& kernel);
std::vector<ProjectItem> ProjectSymbols(Kernel& kernel);
std::vector<ProjectItem> ProjectPackages(Kernel& kernel);
std::vector<ProjectItem> ProjectPadstacks(Kernel& kernel);

// True at the first readable item of the kind whose name matches the item-name pattern.
bool ProjectHasPart(Kernel& kernel, const QString& pattern);
bool ProjectHasSymbol(Kernel& kernel, const QString& pattern);
bool ProjectHasPackage(Kernel& kernel, const QString& pattern);
bool ProjectHasPadstack(Kernel& kernel, const QString& pattern);

// The symbol id of the project's padstack symbol of exactly that name, 0 when there is none.
int32_t FindProjectPadstack(Kernel& kernel, const QString& name);

} // namespace vxw
