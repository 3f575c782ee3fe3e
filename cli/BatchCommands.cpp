#include "cli/BatchCommand.h"

namespace vxw {

const std::vector<BatchCommand>& BatchCommands() {
    static const std::vector<BatchCommand> commands = {
        {"info", "info                      what the design holds: circuits, pages, counts, project library",
         true, RunInfoCommand},
        {"tree", "tree                      the explorer's nodes: index, key, kind letter, text", true,
         RunTreeCommand},
        {"list",
         "list NODEKEY [--select-all] [--format] [--unit inch|mm]\n"
         "                            the list of an explorer node, as the preview shows it",
         true, RunListCommand},
        {"hierarchy",
         "hierarchy CIRCUIT         the hierarchy view of a circuit: type, text, picture and colour of each "
         "node",
         true, RunHierarchyCommand},
    };
    return commands;
}

} // namespace vxw
