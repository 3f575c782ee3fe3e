#include "component/ComponentState.h"

#include "listgen/FieldProfile.h"

namespace vxw {

bool ComponentState::Start(Kernel& kernel, const SuiteServices& suite, UserInterface& ui) {
    if (!LoadFieldProfile(profile_, ui)) {
        return false;
    }
    templates_ = LoadLevelTemplates(suite);
    RebuildExplorer(kernel, suite);
    return true;
}

void ComponentState::RebuildExplorer(Kernel& kernel, const SuiteServices& suite) {
    levels_ = {};
    DistributeLevels(levels_, templates_, profile_);
    ReadDesignLevels(kernel, levels_, templates_, profile_);
    model_ = BuildExplorerModel(kernel, levels_, suite);
}

} // namespace vxw
