// The symbol details of a symbol file of 2,000 symbols, each with its usage over 200 part files
// of 25 parts (generated libraries on disk, read through the kernel once per load), with every
// symbol field shown. Each iteration is one load: a fresh lookup and usage index.

#include "kernel/KernelText.h"
#include "kernel/MemoryKernel.h"
#include "libreports/LibraryEntries.h"
#include "libreports/PartDetail.h"
#include "libreports/SymbolDetail.h"
#include "shell/RecordingInterface.h"
#include "tests/listgen/FieldTestSupport.h"
#include "tools/vxgen/LibraryGenerator.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// The part files of a folder, each read once when first asked for.
class FolderLookup : public vxw::LibraryLookup {
public:
    FolderLookup(vxw::Kernel& kernel, const QString& folder)
        : kernel_(kernel), folder_(folder + QLatin1Char('/')) {
        files_ =
            QDir(folder).entryList({QStringLiteral("*.PART")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        files_.removeAll(QStringLiteral("big.PART"));
    }
    QString FilesHolding(int, const QString&) override { return QString(); }
    QString PartFolder() const override { return folder_; }
    const QStringList& PartFiles() const override { return files_; }
    const std::vector<vxw::PartInfo>& PartEntries(const QString& fileName) override {
        auto found = entries_.find(fileName);
        if (found == entries_.end()) {
            found = entries_.emplace(fileName, vxw::ReadPartEntries(kernel_, folder_ + fileName)).first;
        }
        return found->second;
    }

private:
    vxw::Kernel& kernel_;
    QString folder_;
    QStringList files_;
    std::map<QString, std::vector<vxw::PartInfo>> entries_;
};

struct UsageSetup {
    QTemporaryDir dir;
    std::unique_ptr<vxw::MemoryKernel> kernel = std::make_unique<vxw::MemoryKernel>();
    std::vector<vxw::SymbolInfo> symbols;

    UsageSetup() {
        vxw::gen::LibrarySizes sizes;
        sizes.partFiles = 200;
        sizes.partsPerFile = 25;
        sizes.symbolFiles = 200;
        sizes.symbolsPerFile = 10;
        sizes.packageFiles = 200;
        sizes.packagesPerFile = 10;
        sizes.bigSymbolFile = 2000;
        const QString error = vxw::gen::WriteLibraries(vxw::gen::GenerateLibraries(sizes), dir.path());
        if (!error.isEmpty()) {
            qFatal("%s", qPrintable(error));
        }
        symbols = vxw::ReadSymbolEntries(*kernel, dir.filePath(QStringLiteral("big.SYMBOL")));
    }
};

// With an index of the caller's (ownIndex) or the one kept between calls.
void RunSymbolFile(benchmark::State& state, bool ownIndex) {
    static UsageSetup setup;
    const vxw::FieldTable fields = vxw::TableShowing({63, 22, 47, 10, 24, 13, 14, 15});
    vxw::RecordingInterface ui;
    const QString library = setup.dir.filePath(QStringLiteral("big.SYMBOL"));
    std::size_t size = 0;
    for (auto _ : state) {
        FolderLookup lookup(*setup.kernel, setup.dir.path());
        vxw::PartUsageIndex index;
        const vxw::LibraryReportContext context{*setup.kernel, fields, ui, lookup};
        size = 0;
        for (const vxw::SymbolInfo& symbol : setup.symbols) {
            const QString name = QString::fromLatin1(symbol.name.data(), qsizetype(symbol.name.size()));
            const vxw::TokenList tokens = vxw::SplitAttributes(
                QString::fromLatin1(symbol.attributes.data(), qsizetype(symbol.attributes.size())));
            const QString text = ownIndex ? vxw::BuildSymbolDetail(context, index, name, library, tokens)
                                          : vxw::BuildSymbolDetail(context, name, library, tokens);
            size += static_cast<std::size_t>(text.size());
        }
        benchmark::DoNotOptimize(size);
    }
    state.counters["symbols"] = static_cast<double>(setup.symbols.size());
    state.counters["characters"] = static_cast<double>(size);
}
void BM_SymbolFileWithUsage(benchmark::State& state) {
    RunSymbolFile(state, true);
}
void BM_SymbolFileWithUsageKeptIndex(benchmark::State& state) {
    RunSymbolFile(state, false);
}
BENCHMARK(BM_SymbolFileWithUsage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SymbolFileWithUsageKeptIndex)->Unit(benchmark::kMillisecond);

} // namespace
