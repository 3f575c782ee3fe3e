// `listgen tree`: the explorer's nodes in the order they are added: index, key, kind, text.

#include "cli/BatchCommand.h"
#include "component/ComponentState.h"
#include "kernel/KernelAccess.h"
#include "suite/SuiteServices.h"

namespace vxw {

int RunTreeCommand(BatchContext& context) {
    if (!context.arguments.arguments.isEmpty()) {
        context.err << "listgen: tree takes no arguments\n";
        return BatchUsage;
    }
    ComponentState state;
    if (!state.Start(TheKernel(), Suite(), context.ui)) {
        return BatchFailed; // the profile's failure was reported on standard error
    }
    context.out << state.Model().Dump();
    return BatchOk;
}

} // namespace vxw
