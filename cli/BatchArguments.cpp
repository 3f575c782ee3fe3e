#include "cli/BatchArguments.h"

namespace vxw {

BatchArgumentsResult ParseBatchArguments(const QStringList& argv) {
    BatchArgumentsResult result;
    BatchArguments& out = result.arguments;
    for (qsizetype i = 0; i < argv.size(); ++i) {
        const QString& arg = argv.at(i);
        if (!out.command.isEmpty()) {
            out.arguments << arg;
            continue;
        }
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            out.help = true;
            continue;
        }
        QString* target = nullptr;
        if (arg == QLatin1String("--design")) {
            target = &out.designFile;
        } else if (arg == QLatin1String("--suite-dir")) {
            target = &out.suiteDir;
        } else if (arg == QLatin1String("--settings")) {
            target = &out.settingsFile;
        }
        if (target != nullptr) {
            if (i + 1 >= argv.size()) {
                result.error = QStringLiteral("option %1 needs a value").arg(arg);
                return result;
            }
            *target = argv.at(++i);
            continue;
        }
        if (arg.startsWith(QLatin1String("--"))) {
            result.error = QStringLiteral("unknown option: %1").arg(arg);
            return result;
        }
        out.command = arg;
    }
    if (out.command.isEmpty() && !out.help) {
        result.error = QStringLiteral("no command given");
    }
    return result;
}

} // namespace vxw
