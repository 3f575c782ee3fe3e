#pragma once
// What the window benchmarks share: a suite folder of the benchmark's own with the sample
// language folder and libraries, the sample design, and a main that runs the benchmarks in an
// application of their own, offscreen without a display.

#include "kernel/DesignFile.h"
#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "suite/AppSettings.h"
#include "suite/SuiteServices.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <utility>

namespace vxw::bench {

// The suite folder, in use (with user settings of its own) while the object lives.
struct BenchSuite {
    QTemporaryDir dir;
    std::unique_ptr<ScopedSuite> suite;
    std::unique_ptr<ScopedUserSettings> user;

    BenchSuite() {
        const QDir sample(QStringLiteral(LG_BINARY_DIR "/suite"));
        QDir().mkpath(dir.filePath("language"));
        QDir().mkpath(dir.filePath("JOB"));
        for (const QString& name : QDir(sample.filePath("language")).entryList(QDir::Files)) {
            QFile::copy(sample.filePath("language/" + name), dir.filePath("language/" + name));
        }
        QFile ini(dir.filePath("suite.ini"));
        if (ini.open(QIODevice::WriteOnly)) {
            ini.write(
                ("[Vexil2K]\nJobDir=" + dir.filePath("JOB") + "/\nLibDir=" + sample.filePath("LIB") + "/\n")
                    .toUtf8());
        }
        ini.close(); // written out before the suite reads it
        suite = std::make_unique<ScopedSuite>(SuiteLocation::InFolder(dir.path()));
        user = std::make_unique<ScopedUserSettings>(dir.filePath("user.ini"));
    }
};

// The sample project's design in a kernel; null when it does not load.
inline std::unique_ptr<MemoryKernel> SampleDesign() {
    DesignFileResult loaded = LoadDesignFile(QStringLiteral(LG_SOURCE_DIR "/samples/demo.vxd"));
    return loaded.Ok() ? MemoryKernel::FromData(std::move(*loaded.design)) : nullptr;
}

// The benchmarks' main: the kernel a benchmark left installed goes before the application does.
inline int RunWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    InstallKernel(nullptr);
    return 0;
}

} // namespace vxw::bench
