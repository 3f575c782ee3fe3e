#pragma once
// The command line of the batch command:
//   listgen [--design FILE] [--suite-dir DIR] [--settings FILE] <command> [arguments...]

#include <QString>
#include <QStringList>

namespace vxw {

struct BatchArguments {
    QString designFile;
    QString suiteDir;
    QString settingsFile;
    QString command;       // empty when only --help was asked
    QStringList arguments; // the command's own arguments, in order
    bool help = false;
};

struct BatchArgumentsResult {
    BatchArguments arguments;
    QString error; // a usage error, empty when the line parsed
};

BatchArgumentsResult ParseBatchArguments(const QStringList& argv);

} // namespace vxw
