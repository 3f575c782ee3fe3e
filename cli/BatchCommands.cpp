#include "cli/BatchCommand.h"

namespace vxw {

const std::vector<BatchCommand>& BatchCommands() {
    static const std::vector<BatchCommand> commands = {
        {"info", "info                      what the design holds: circuits, pages, counts, project library",
         true, RunInfoCommand},
        {"tree", "tree                      the explorer's nodes: index, key, kind letter, text", true,
         RunTreeCommand},
        {"list", "list NODEKEY [--select-all] [--format]\n"
                 "                            the list of an explorer node, as the preview shows it", true,
         RunListCommand},
    };
    return commands;
}

} // namespace vxw
