#pragma once
// The list of one explorer node, as the preview shows it after the node is clicked and its list
// action runs. `listgen list` prints it; anything that walks the tree can ask for every node.

#include <QString>

#include <optional>

namespace vxw {

class ComponentState;
class Kernel;
class SuiteServices;
class UserInterface;

struct NodeListOptions {
    bool selectAll = false; // the circuit and page select-all boxes
    bool format = false;
};

// The list text of the node at `index` (1-based, in addition order) of the started state's
// model; nullopt when the node has no list.
std::optional<QString> NodeListText(Kernel& kernel, const ComponentState& state, const SuiteServices& suite,
                                    UserInterface& ui, int index, const NodeListOptions& options);

} // namespace vxw
