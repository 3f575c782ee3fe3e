#pragma once
// What the List Generator's main window owns, free of any window: the field profile, the
// explorer's levels and node model. The window and the batch command both start it the same way.

#include "explorer/ExplorerModel.h"
#include "listgen/ExplorerLevels.h"
#include "listgen/FieldProfileTypes.h"

namespace vxw {

class Kernel;
class SuiteServices;
class UserInterface;

class ComponentState {
public:
    // The start-up order: the field profile (its failure is reported through `ui` and ends
    // start-up with false), then the level templates, the design levels and the node model.
    bool Start(Kernel& kernel, const SuiteServices& suite, UserInterface& ui);
    // Rebuilds the explorer from the kernel (the refresh sequence); the profile stays.
    void RebuildExplorer(Kernel& kernel, const SuiteServices& suite);

    const FieldProfile& Profile() const { return profile_; }
    const ExplorerLevels& Levels() const { return levels_; }
    // The property window changes the flags of the profile and of the objects' copies.
    FieldProfile& Profile() { return profile_; }
    ExplorerLevels& Levels() { return levels_; }
    const ExplorerModel& Model() const { return model_; }

private:
    FieldProfile profile_;
    LevelTemplates templates_;
    ExplorerLevels levels_;
    ExplorerModel model_;
};

} // namespace vxw
