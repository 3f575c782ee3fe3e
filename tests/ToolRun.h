#pragma once
// Runs one of the project's executables as a user would and keeps its exit status and output.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace vxw {

struct ToolRun {
    int status = -1; // -1 when the program did not end normally
    std::string out;
    std::string err;
};

// `program` is the file name in the build's bin folder.
// `input` is what the program reads on its standard input.
inline ToolRun RunTool(const QString& program, const QStringList& arguments,
                       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                       const QByteArray& input = QByteArray()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LG_BINARY_DIR "/bin/") + program, arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    ToolRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

} // namespace vxw
