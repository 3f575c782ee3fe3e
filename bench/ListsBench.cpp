// Whole lists as the list driver makes them (heading included) on the largest design, with
// every field of every object shown.

#include "bench/LargeDesign.h"
#include "kernel/MemoryKernel.h"
#include "listgen/ExplorerLevels.h"
#include "listgen/ListGenerator.h"
#include "shell/RecordingInterface.h"
#include "suite/SuiteServices.h"
#include "tests/listgen/FieldTestSupport.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct LargeListSetup {
    std::unique_ptr<vxw::MemoryKernel> kernel;
    vxw::ExplorerLevels levels;
    vxw::RecordingInterface ui;
    std::unique_ptr<vxw::ListGenerator> generator;

    LargeListSetup() {
        kernel = vxw::MemoryKernel::FromData(vxw::gen::GenerateDesign(vxw::bench::LargeDesignSizes()));
        vxw::FieldProfile profile;
        for (vxw::FieldProfileSection& section : profile.sections) {
            section.groups =
                vxw::GroupsShowing({2,  3,  4,  5,  6,  7,  9,  11, 17, 20, 21, 25, 27, 28, 31, 32, 33,
                                    34, 35, 36, 37, 39, 40, 44, 48, 49, 53, 57, 60, 65, 71, 72, 73});
        }
        const vxw::LevelTemplates templates = vxw::LoadLevelTemplates(vxw::Suite());
        vxw::DistributeLevels(levels, templates, profile);
        vxw::ReadDesignLevels(*kernel, levels, templates, profile);
        generator = std::make_unique<vxw::ListGenerator>(*kernel, levels, vxw::Suite(), ui);
    }
};

LargeListSetup& Setup() {
    static LargeListSetup setup;
    return setup;
}

void RunList(benchmark::State& state, int kind, bool selectAll, const char* secondKey = "") {
    LargeListSetup& s = Setup();
    vxw::ListOptions options;
    options.CircuitSelectAll = selectAll;
    options.PageSelectAll = selectAll;
    options.Title = QStringLiteral("List of a large design");
    std::size_t size = 0;
    for (auto _ : state) {
        const QString text =
            s.generator->GenerateList(QStringLiteral("VX4_1"), QLatin1String(secondKey), kind, options);
        size = static_cast<std::size_t>(text.size());
        benchmark::DoNotOptimize(text);
    }
    state.counters["characters"] = static_cast<double>(size);
}

void BM_CircuitList(benchmark::State& state) {
    RunList(state, vxw::ListCircuit, false);
}
BENCHMARK(BM_CircuitList)->Unit(benchmark::kMillisecond);

void BM_AllPagesList(benchmark::State& state) {
    RunList(state, vxw::ListPage, true);
}
BENCHMARK(BM_AllPagesList)->Unit(benchmark::kMillisecond);

void BM_PageList(benchmark::State& state) {
    RunList(state, vxw::ListPage, false, "VX6_1_200");
}
BENCHMARK(BM_PageList)->Unit(benchmark::kMillisecond);

void BM_LayoutList(benchmark::State& state) {
    RunList(state, vxw::ListLayout, false);
}
BENCHMARK(BM_LayoutList)->Unit(benchmark::kMillisecond);

void BM_NetsList(benchmark::State& state) {
    RunList(state, vxw::ListNets, false);
}
BENCHMARK(BM_NetsList)->Unit(benchmark::kMillisecond);

void BM_ProjectList(benchmark::State& state) {
    RunList(state, vxw::ListProject, false);
}
BENCHMARK(BM_ProjectList)->Unit(benchmark::kMillisecond);

} // namespace
