// listgen: produces, without a window, exactly the text the List Generator would preview.

#include "cli/BatchArguments.h"
#include "cli/BatchCommand.h"
#include "kernel/KernelAccess.h"
#include "shell/HostEnvironment.h"
#include "shell/TerminalInterface.h"
#include "suite/AppSettings.h"
#include "suite/SuiteServices.h"

#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <exception>
#include <memory>
#include <new>

namespace {

void WriteHelp(QTextStream& out) {
    out << "Usage: listgen [--design FILE] [--suite-dir DIR] [--settings FILE] COMMAND [ARGUMENTS]\n"
           "\n"
           "Prints lists of a design and its libraries, exactly as the List Generator previews them.\n"
           "\n"
           "Options:\n"
           "  --design FILE     the design to open: a design file (.vxd), or a KiCad 6 project\n"
           "                    (.kicad_pro), board (.kicad_pcb) or schematic (.kicad_sch)\n"
           "  --suite-dir DIR   the suite folder (language folder, libraries, job folder, settings)\n"
           "  --settings FILE   the per-user settings file to use instead of the default one\n"
           "  -h, --help        this text\n"
           "\n"
           "Commands:\n";
    for (const vxw::BatchCommand& command : vxw::BatchCommands()) {
        out << "  " << command.synopsis << "\n";
    }
    out << "\nExit status: 0 success, 1 the run failed, 2 bad usage.\n";
}

int Run(const QStringList& argv, QTextStream& out, QTextStream& err) {
    const vxw::BatchArgumentsResult parsed = vxw::ParseBatchArguments(argv);
    if (!parsed.error.isEmpty()) {
        err << "listgen: " << parsed.error << "\nTry 'listgen --help'.\n";
        return vxw::BatchUsage;
    }
    const vxw::BatchArguments& arguments = parsed.arguments;
    if (arguments.help) {
        WriteHelp(out);
        return vxw::BatchOk;
    }
    const vxw::BatchCommand* command = nullptr;
    for (const vxw::BatchCommand& candidate : vxw::BatchCommands()) {
        if (arguments.command == QLatin1String(candidate.name)) {
            command = &candidate;
        }
    }
    if (command == nullptr) {
        err << "listgen: unknown command: " << arguments.command << "\nTry 'listgen --help'.\n";
        return vxw::BatchUsage;
    }
    // The suite folder and the per-user settings are the ones named on the line; without them
    // the defaults of the environment apply, as for the window.
    vxw::ScopedSuite suite(std::make_unique<vxw::SuiteServices>(
        arguments.suiteDir.isEmpty() ? vxw::SuiteLocation::FromEnvironment()
                                     : vxw::SuiteLocation::InFolder(arguments.suiteDir)));
    std::unique_ptr<vxw::ScopedUserSettings> settings;
    if (!arguments.settingsFile.isEmpty()) {
        settings = std::make_unique<vxw::ScopedUserSettings>(arguments.settingsFile);
    }
    if (command->needsDesign) {
        if (arguments.designFile.isEmpty()) {
            err << "listgen: " << command->name << " needs --design FILE\n";
            return vxw::BatchUsage;
        }
        const QString error = vxw::OpenDesign(arguments.designFile);
        if (!error.isEmpty()) {
            err << "listgen: " << error << "\n";
            return vxw::BatchFailed;
        }
    }
    vxw::PublishHostStrings(vxw::TheKernel(), vxw::Suite());
    vxw::TerminalInterface terminal([&err](const QString& line) { err << line << "\n"; });
    vxw::BatchContext context{arguments, out, err, terminal};
    return command->run(context);
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    int status = vxw::BatchFailed;
    try {
        status = Run(arguments, out, err);
    } catch (const std::bad_alloc&) {
        // Written without the stream: it may need memory to format the line.
        out.flush();
        err.flush();
        std::fputs("listgen: not enough memory\n", stderr);
        status = vxw::BatchFailed;
    } catch (const std::exception& e) {
        err << "listgen: " << e.what() << "\n";
        status = vxw::BatchFailed;
    }
    out.flush();
    err.flush();
    return status;
}
