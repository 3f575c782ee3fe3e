#pragma once
// One small handler per subcommand of the batch command.

#include "cli/BatchArguments.h"

#include <QTextStream>

#include <functional>
#include <vector>

namespace vxw {

class UserInterface;

// What a handler works with: the parsed line and the two output streams. The design named by
// --design is already installed as the process-wide kernel when the handler runs.
struct BatchContext {
    const BatchArguments& arguments;
    QTextStream& out;
    QTextStream& err;
    UserInterface& ui; // messages as one line each on standard error, questions answered by default
};

// Exit status of a run: 0 success, 1 a failed run, 2 bad usage.
enum BatchStatus { BatchOk = 0, BatchFailed = 1, BatchUsage = 2 };

struct BatchCommand {
    const char* name;
    const char* synopsis; // one line for --help
    bool needsDesign;
    std::function<int(BatchContext&)> run;
};

const std::vector<BatchCommand>& BatchCommands();

// Writes a list of any length in pieces: a stream handed a whole text at once copies it and
// converts the copy in one go, which can triple the memory a large list takes.
void WriteText(QTextStream& out, const QString& text);

int RunInfoCommand(BatchContext& context);
int RunTreeCommand(BatchContext& context);
int RunListCommand(BatchContext& context);
int RunHierarchyCommand(BatchContext& context);
int RunLibraryCommand(BatchContext& context);
int RunSearchCommand(BatchContext& context);
int RunFilesCommand(BatchContext& context);
int RunBookCommand(BatchContext& context);
int RunPropertiesCommand(BatchContext& context);

} // namespace vxw
