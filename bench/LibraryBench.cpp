// The library item lists on the largest folders they must handle: a part file of 5,000 parts
// whose packages and symbols are looked up in 200 package and 200 symbol files, and a symbol
// file of 2,000 symbols whose usage is looked up in 200 part files. Each load with its report
// of every item must stay under one second.

#include "kernel/MemoryKernel.h"
#include "libreports/LibraryCatalog.h"
#include "libreports/LibraryItems.h"
#include "shell/RecordingInterface.h"
#include "suite/SuiteServices.h"
#include "tests/listgen/FieldTestSupport.h"
#include "tools/vxgen/LibraryGenerator.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

struct LibrarySetup {
    QTemporaryDir dir;
    vxw::MemoryKernel kernel;
    vxw::RecordingInterface ui;
    std::unique_ptr<vxw::SuiteServices> suite;
    std::unique_ptr<vxw::LibraryCatalog> catalog;
    std::array<vxw::FieldGroups, 4> profiles;
    std::unique_ptr<vxw::LibraryItems> items;

    LibrarySetup() {
        vxw::gen::LibrarySizes sizes;
        sizes.partFiles = 200;
        sizes.partsPerFile = 10;
        sizes.symbolFiles = 200;
        sizes.symbolsPerFile = 10;
        sizes.packageFiles = 200;
        sizes.packagesPerFile = 10;
        sizes.bigPartFile = 5000;
        sizes.bigSymbolFile = 2000;
        const QString error = vxw::gen::WriteLibraries(vxw::gen::GenerateLibraries(sizes), dir.path());
        if (!error.isEmpty()) {
            std::abort();
        }
        vxw::SuitePaths paths;
        paths.LibDir = dir.path() + QStringLiteral("/");
        suite = std::make_unique<vxw::SuiteServices>(vxw::SuiteLocation::InFolder(dir.path()));
        catalog = std::make_unique<vxw::LibraryCatalog>(kernel);
        catalog->SetPaths(paths);
        profiles[0] = vxw::GroupsShowing({22, 23, 47, 10, 46, 45, 29, 30, 61, 62, 24, 13, 58, 59});
        profiles[1] = vxw::GroupsShowing({22, 47, 10, 63, 24, 13, 14, 15});
        profiles[2] = vxw::GroupsShowing({22, 47, 10, 18, 16, 64});
        items = std::make_unique<vxw::LibraryItems>(kernel, *catalog, profiles, *suite, ui);
    }

    int Position(int kind, const char* name) {
        items->ShowLibraryFiles(kind);
        for (std::size_t i = 0; i < items->Entries().size(); ++i) {
            if (items->Entries()[i].text == QLatin1String(name)) {
                return static_cast<int>(i) + 1;
            }
        }
        std::abort();
    }
};

LibrarySetup& Setup() {
    static LibrarySetup setup;
    return setup;
}

void LoadAndReport(benchmark::State& state, int kind, const char* file) {
    LibrarySetup& s = Setup();
    const int position = s.Position(kind, file);
    for (auto _ : state) {
        s.items->GetLibraryItems(position);
        s.items->SelectAllItems();
        benchmark::DoNotOptimize(s.items->ReportSelectedItems(QString()));
    }
    state.counters["items"] = static_cast<double>(s.items->Rows().size());
}

void BM_PartFileCrossReferences(benchmark::State& state) {
    LoadAndReport(state, vxw::KindPart, "big.PART");
}
BENCHMARK(BM_PartFileCrossReferences)->Unit(benchmark::kMillisecond);

void BM_SymbolFileUsage(benchmark::State& state) {
    LoadAndReport(state, vxw::KindSymbol, "big.SYMBOL");
}
BENCHMARK(BM_SymbolFileUsage)->Unit(benchmark::kMillisecond);

} // namespace
