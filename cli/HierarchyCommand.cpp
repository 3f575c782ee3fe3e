// `listgen hierarchy CIRCUIT`: the hierarchy view of a circuit as an indented outline, one node a
// line with its type, text, picture and colour.

#include "cli/BatchCommand.h"
#include "explorer/HierarchyText.h"
#include "explorer/HierarchyView.h"
#include "kernel/KernelAccess.h"
#include "kernel/KernelText.h"
#include "suite/SuiteServices.h"
#include "suite/TextRules.h"

namespace vxw {

int RunHierarchyCommand(BatchContext& context) {
    const QStringList& arguments = context.arguments.arguments;
    if (arguments.size() != 1) {
        context.err << "listgen: hierarchy takes one circuit name\n";
        return BatchUsage;
    }
    Kernel& kernel = TheKernel();
    const QString& circuit = arguments.front();
    // The view looks the name up with its blanks trimmed; so does this check.
    const QString name = TrimBlanks(circuit);
    if (name.isEmpty() || kernel.OM_FindNameMask(kernel.DB_HierarchyMap(), ToAnsi(name).constData()) <= 0) {
        context.err << "listgen: the design has no circuit named \"" << circuit
                    << "\" (see 'listgen info')\n";
        return BatchFailed;
    }
    context.out << HierarchyOutline(ShowHierarchyFor(kernel, Suite(), circuit));
    return BatchOk;
}

} // namespace vxw
