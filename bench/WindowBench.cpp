// The main window offscreen: how long it takes to come up on the sample project (goal: under
// half a second), and a node click on a design of 100,000 schematic components (goal: under
// 50 ms). The large design is made in memory, small enough in everything else to be generated in
// a few seconds.

#include "bench/WindowBenchSupport.h"
#include "explorer/ExplorerModel.h"
#include "shell/HostEnvironment.h"
#include "tools/vxgen/DesignGenerator.h"
#include "windows/shell/LGMAIN.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <iterator>
#include <memory>

namespace {

using vxw::bench::BenchSuite;

void InstallDesign(std::unique_ptr<vxw::MemoryKernel> kernel) {
    vxw::InstallKernel(std::move(kernel));
    vxw::PublishHostStrings(vxw::TheKernel(), vxw::Suite(), 3000);
}

void BM_WindowUpOnSampleProject(benchmark::State& state) {
    BenchSuite suite;
    std::unique_ptr<vxw::MemoryKernel> design = vxw::bench::SampleDesign();
    if (!design) {
        state.SkipWithError("the sample design does not load");
        return;
    }
    InstallDesign(std::move(design));
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
    return vxw::bench::RunWindowBenchmarks(argc, argv);
}
