// The design reports on the largest designs the lists must handle: 100,000 layout components,
// 50,000 nets with 400,000 nodes and 1,000,000 trace records in one circuit.

#include "bench/LargeDesign.h"
#include "kernel/MemoryKernel.h"
#include "listgen/LayoutReport.h"
#include "listgen/NetReport.h"
#include "listgen/PartsUsedReport.h"
#include "listgen/ReportContext.h"
#include "shell/RecordingInterface.h"
#include "tests/listgen/FieldTestSupport.h"

#include <benchmark/benchmark.h>

namespace {

struct LargeReportSetup {
    std::unique_ptr<vxw::MemoryKernel> kernel;
    vxw::FieldTable fields;
    vxw::RecordingInterface ui;

    LargeReportSetup() {
        kernel = vxw::MemoryKernel::FromData(vxw::gen::GenerateDesign(vxw::bench::LargeDesignSizes()));
        // Every field the layout and net reports ask for, shown.
        fields = vxw::TableShowing(
            {2, 3, 5, 6, 9, 17, 20, 21, 27, 28, 32, 35, 36, 37, 40, 44, 49, 53, 57, 60, 65, 71, 72, 73});
    }
};

LargeReportSetup& Setup() {
    static LargeReportSetup setup;
    return setup;
}

void BM_LayoutComponentsSummary(benchmark::State& state) {
    LargeReportSetup& s = Setup();
    const vxw::ReportContext context{*s.kernel, s.fields, s.ui};
    for (auto _ : state) {
        benchmark::DoNotOptimize(vxw::LayoutComponentsSummary(context));
    }
}
BENCHMARK(BM_LayoutComponentsSummary)->Unit(benchmark::kMillisecond);

void BM_NetsSection(benchmark::State& state) {
    LargeReportSetup& s = Setup();
    const vxw::ReportContext context{*s.kernel, s.fields, s.ui};
    for (auto _ : state) {
        benchmark::DoNotOptimize(vxw::NetsSection(context, 3));
    }
}
BENCHMARK(BM_NetsSection)->Unit(benchmark::kMillisecond);

void BM_PartsUsedReport(benchmark::State& state) {
    LargeReportSetup& s = Setup();
    const vxw::ReportContext context{*s.kernel, s.fields, s.ui};
    for (auto _ : state) {
        benchmark::DoNotOptimize(vxw::PartsUsedReport(context));
    }
}
BENCHMARK(BM_PartsUsedReport)->Unit(benchmark::kMillisecond);

} // namespace
