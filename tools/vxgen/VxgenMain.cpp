// vxgen: writes large synthetic designs and libraries, the same for the same options and seed.
// Exit status 0 on success, 1 when a file cannot be written, 2 on bad usage.

#include "kernel/DesignFile.h"
#include "tools/vxgen/DesignGenerator.h"
#include "tools/vxgen/GeneratorOptions.h"
#include "tools/vxgen/LibraryGenerator.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

int UsageError(const std::string& cause) {
    std::fprintf(stderr, "vxgen: %s\n%s", cause.c_str(), vxw::gen::UsageText().c_str());
    return ExitUsage;
}

int Failed(const QString& cause) {
    std::fprintf(stderr, "vxgen: %s\n", cause.toLocal8Bit().constData());
    return ExitFailed;
}

int MakeDesign(const vxw::gen::ParsedCommand& command) {
    const vxw::gen::DesignSizes sizes = vxw::gen::DesignSizes::FromCommand(command);
    if (const std::string problem = vxw::gen::CheckDesignSizes(sizes); !problem.empty()) {
        return UsageError(problem);
    }
    QElapsedTimer timer;
    timer.start();
    const vxw::DesignData design = vxw::gen::GenerateDesign(sizes);
    const qint64 generated = timer.elapsed();
    QString error;
    const QByteArray text = vxw::DesignToJson(design, &error);
    if (text.isEmpty()) {
        return Failed(error);
    }
    const QString path = QString::fromLocal8Bit(command.path.c_str());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        return Failed(path + QStringLiteral(": cannot write the file: ") + file.errorString());
    }
    std::printf("vxgen: wrote %s (%lld bytes): built in %lld ms, written in %lld ms\n", command.path.c_str(),
                static_cast<long long>(text.size()), static_cast<long long>(generated),
                static_cast<long long>(timer.elapsed() - generated));
    return 0;
}

int MakeLibraries(const vxw::gen::ParsedCommand& command) {
    const vxw::gen::LibrarySizes sizes = vxw::gen::LibrarySizes::FromCommand(command);
    if (const std::string problem = vxw::gen::CheckLibrarySizes(sizes); !problem.empty()) {
        return UsageError(problem);
    }
    QElapsedTimer timer;
    timer.start();
    const std::vector<vxw::gen::GeneratedLibrary> libraries = vxw::gen::GenerateLibraries(sizes);
    const QString folder = QString::fromLocal8Bit(command.path.c_str());
    if (const QString error = vxw::gen::WriteLibraries(libraries, folder); !error.isEmpty()) {
        return Failed(error);
    }
    std::printf("vxgen: wrote %zu library files into %s in %lld ms\n", libraries.size(), command.path.c_str(),
                static_cast<long long>(timer.elapsed()));
    return 0;
}

int Run(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const vxw::gen::ParsedCommand command = vxw::gen::ParseCommandLine(args);
    if (command.help) {
        std::fputs(vxw::gen::UsageText().c_str(), stdout);
        return 0;
    }
    if (!command.error.empty()) {
        return UsageError(command.error);
    }
    return command.command == "design" ? MakeDesign(command) : MakeLibraries(command);
}

} // namespace

int main(int argc, char** argv) {
    // A size asked for on the line may be more than the machine has: say so rather than abort.
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fputs("vxgen: not enough memory\n", stderr);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vxgen: %s\n", e.what());
    }
    return 1;
}
