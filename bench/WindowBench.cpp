// The main window offscreen: how long it takes to come up on the sample project (goal: under
// half a second), and a node click on a design of 100,000 schematic components (goal: under
// 50 ms). The large design is made in memory, small enough in everything else to be generated in
// a few seconds.

#include "explorer/ExplorerModel.h"
#include "kernel/DesignFile.h"
#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "shell/HostEnvironment.h"
#include "suite/AppSettings.h"
#include "suite/SuiteServices.h"
#include "tools/vxgen/DesignGenerator.h"
#include "windows/shell/LGMAIN.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <iterator>
#include <memory>

namespace {

// A suite folder of the benchmark's own with the sample language folder and libraries.
struct BenchSuite {
    QTemporaryDir dir;
    std::unique_ptr<vxw::ScopedSuite> suite;
    std::unique_ptr<vxw::ScopedUserSettings> user;

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
        suite = std::make_unique<vxw::ScopedSuite>(vxw::SuiteLocation::InFolder(dir.path()));
        user = std::make_unique<vxw::ScopedUserSettings>(dir.filePath("user.ini"));
    }
};

void InstallDesign(std::unique_ptr<vxw::MemoryKernel> kernel) {
    vxw::InstallKernel(std::move(kernel));
    vxw::PublishHostStrings(vxw::TheKernel(), vxw::Suite(), 3000);
}

void BM_WindowUpOnSampleProject(benchmark::State& state) {
    BenchSuite suite;
    vxw::DesignFileResult loaded = vxw::LoadDesignFile(QStringLiteral(LG_SOURCE_DIR "/samples/demo.vxd"));
    if (!loaded.Ok()) {
        state.SkipWithError("the sample design does not load");
        return;
    }
    InstallDesign(vxw::MemoryKernel::FromData(std::move(*loaded.design)));
    for (auto _ : state) {
        vxw::LGMAIN window;
        window.ShowWindow();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.IsWindowShown());
        window.ShutDown();
    }
}
BENCHMARK(BM_WindowUpOnSampleProject)->Unit(benchmark::kMillisecond);

void BM_NodeClickOnLargeDesign(benchmark::State& state) {
    BenchSuite suite;
    vxw::gen::DesignSizes sizes;
    sizes.pages = 20;
    sizes.schComps = 100000;
    sizes.layComps = 1000;
    sizes.nets = 1000;
    sizes.nodes = 4000;
    sizes.traceRecords = 1000;
    InstallDesign(vxw::MemoryKernel::FromData(vxw::gen::GenerateDesign(sizes)));
    vxw::LGMAIN window;
    window.ShowWindow();
    const vxw::ExplorerModel* model = window.Model();
    if (model == nullptr) {
        state.SkipWithError("the window did not come up");
        return;
    }
    // The circuit, one of its pages and its diagram in turn, as a user moves down the tree.
    const int nodes[] = {model->IndexOf(QStringLiteral("VX4_1")), model->IndexOf(QStringLiteral("VX6_1_7")),
                         model->IndexOf(QStringLiteral("VX5_1"))};
    std::size_t next = 0;
    for (auto _ : state) {
        window.NodeClick(nodes[next]);
        next = (next + 1) % std::size(nodes);
        QApplication::processEvents();
    }
    window.ShutDown();
}
BENCHMARK(BM_NodeClickOnLargeDesign)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    vxw::InstallKernel(nullptr);
    return 0;
}
