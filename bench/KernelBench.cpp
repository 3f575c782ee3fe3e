// The kernel on the largest designs the lists must handle: building the in-memory database,
// reading its design file, and the walks every report makes.

#include "bench/LargeDesign.h"
#include "kernel/DesignFile.h"
#include "kernel/MemoryKernel.h"

#include <benchmark/benchmark.h>

namespace {

const vxw::DesignData& LargeDesign() {
    static const vxw::DesignData design = [] {
        return vxw::gen::GenerateDesign(vxw::bench::LargeDesignSizes());
    }();
    return design;
}

void BM_BuildKernel(benchmark::State& state) {
    const vxw::DesignData& design = LargeDesign();
    for (auto _ : state) {
        benchmark::DoNotOptimize(vxw::MemoryKernel::FromData(design));
    }
}
BENCHMARK(BM_BuildKernel)->Unit(benchmark::kMillisecond);

void BM_LoadDesignBytes(benchmark::State& state) {
    const QByteArray json = vxw::DesignToJson(LargeDesign());
    for (auto _ : state) {
        benchmark::DoNotOptimize(vxw::LoadDesignBytes(json, QStringLiteral("large.vxd")));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * json.size());
}
BENCHMARK(BM_LoadDesignBytes)->Unit(benchmark::kMillisecond);

// Every node of every net read, as the connection counts and the net report do.
void BM_WalkAllNodes(benchmark::State& state) {
    auto kernel = vxw::MemoryKernel::FromData(LargeDesign());
    for (auto _ : state) {
        int64_t nodes = 0;
        const int32_t nets = kernel->DB_NetMap();
        int32_t cursor = kernel->OM_GetFirst(nets);
        for (int32_t net; (net = kernel->OM_SearchMask(nets, &cursor, 0, 0)) > 0;) {
            const int32_t map = kernel->N_NodeMap(net);
            int32_t nodeCursor = kernel->OM_GetFirst(map);
            for (int32_t node; (node = kernel->OM_SearchMask(map, &nodeCursor, 0, 0)) > 0;) {
                vxw::NodeRecord record;
                nodes += kernel->N_ReadNode(node, &record) > 0 ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(nodes);
    }
}
BENCHMARK(BM_WalkAllNodes)->Unit(benchmark::kMillisecond);

} // namespace
