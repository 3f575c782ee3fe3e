// Loading a design file, measured beside what a fast general JSON parser takes to read and walk
// the same file (when that parser is installed). Arguments: 1 the largest design the lists must
// handle, 2 one twice as large, so that the cost can be seen to grow in step with the file.

#include "bench/LargeDesign.h"
#include "kernel/DesignFile.h"
#include "kernel/MemoryKernel.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#ifdef LG_HAVE_SIMDJSON
#include "bench/ReferenceWalk.h"
#endif

#include <map>

namespace {

// The design file of each size, written once.
QString DesignFile(int scale) {
    static QTemporaryDir dir;
    static std::map<int, QString> files;
    if (const auto found = files.find(scale); found != files.end()) {
        return found->second;
    }
    vxw::gen::DesignSizes sizes = vxw::bench::LargeDesignSizes();
    sizes.schComps *= scale;
    sizes.layComps *= scale;
    sizes.nets *= scale;
    sizes.nodes *= scale;
    sizes.traceRecords *= scale;
    sizes.vias *= scale;
    sizes.pages *= scale;
    const QString path = dir.filePath(QStringLiteral("large%1.vxd").arg(scale));
    vxw::SaveDesignFile(vxw::gen::GenerateDesign(sizes), path);
    return files[scale] = path;
}

void BM_LoadDesignFile(benchmark::State& state) {
    const QString path = DesignFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vxw::DesignFileResult loaded = vxw::LoadDesignFile(path);
        if (!loaded.Ok()) {
            state.SkipWithError(loaded.error.toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(vxw::MemoryKernel::FromData(std::move(*loaded.design)));
    }
}
BENCHMARK(BM_LoadDesignFile)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

#ifdef LG_HAVE_SIMDJSON
// The yardstick: read the file and visit every value with a general parser's tree.
void BM_ReferenceWalk(benchmark::State& state) {
    const std::string path = DesignFile(static_cast<int>(state.range(0))).toStdString();
    for (auto _ : state) {
        simdjson::dom::parser parser;
        simdjson::padded_string json;
        if (simdjson::padded_string::load(path).get(json) != simdjson::SUCCESS) {
            state.SkipWithError("cannot read the design file");
            break;
        }
        simdjson::dom::element root;
        if (parser.parse(json).get(root) != simdjson::SUCCESS) {
            state.SkipWithError("cannot parse the design file");
            break;
        }
        benchmark::DoNotOptimize(vxw::bench::Walk(root));
    }
}
BENCHMARK(BM_ReferenceWalk)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
#endif

} // namespace
