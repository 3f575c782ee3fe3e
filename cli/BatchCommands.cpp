#include "cli/BatchCommand.h"

namespace vxw {

const std::vector<BatchCommand>& BatchCommands() {
    static const std::vector<BatchCommand> commands = {
        {"info", "info                      what the design holds: circuits, pages, counts, project library",
         true, RunInfoCommand},
    };
    return commands;
}

} // namespace vxw
