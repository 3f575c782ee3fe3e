// vxgen as a user runs it: usage errors, the requested sizes in the files it writes, and the
// same output for the same seed.

#include "kernel/DesignFile.h"
#include "kernel/LibraryFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/ToolRun.h"
#include <gmock/gmock.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

using vxw::RunTool;
using vxw::ToolRun;

// Runs vxgen with `words` split at blanks; a word "OUT" stands for `out`.
ToolRun Vxgen(const QString& words, const QString& out = QString()) {
    QStringList arguments = words.split(' ', Qt::SkipEmptyParts);
    std::replace(arguments.begin(), arguments.end(), QStringLiteral("OUT"), out);
    return RunTool(QStringLiteral("vxgen"), arguments);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(Vxgen, HelpAndUsageErrors) {
    const ToolRun help = Vxgen("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, StartsWith("Usage: vxgen design"));
    EXPECT_THAT(help.out, HasSubstr("--big-symbol-file"));

    const QString out = QDir::temp().filePath(QStringLiteral("never-written.vxd"));
    const char* const wrong[] = {
        "",
        "design",
        "layout OUT",
        "design --nets 3",
        "design OUT --colour 3",
        "design OUT --nets",
        "design OUT --nets 3x",
        "design OUT --nets -1",
        "design OUT --circuits 1001",
        "design OUT --nets 0", // nodes need nets
        "design OUT --symbols 0",
        "design OUT --sch-comps 10000000 --circuits 1000",
        "libraries OUT --pages 3",
    };
    for (const char* arguments : wrong) {
        SCOPED_TRACE(arguments);
        const ToolRun run = Vxgen(arguments, out);
        EXPECT_EQ(run.status, 2);
        EXPECT_THAT(run.err, StartsWith("vxgen: "));
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST(Vxgen, DesignHasTheRequestedSizes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gen.vxd"));
    const ToolRun run = Vxgen("design OUT --circuits 2 --pages 3 --sch-comps 40 --lay-comps 30 --nets 10 "
                              "--nodes 55 --trace-records 37 --vias 9 --devices 12",
                              path);
    ASSERT_EQ(run.status, 0) << run.err;

    const vxw::DesignFileResult loaded = vxw::LoadDesignFile(path);
    ASSERT_TRUE(loaded.Ok()) << loaded.error.toStdString();
    const vxw::DesignData& design = *loaded.design;
    EXPECT_EQ(design.devices.size(), 12u);
    ASSERT_EQ(design.circuits.size(), 2u);
    std::set<int32_t> deviceKinds;
    for (const vxw::DeviceData& device : design.devices) {
        deviceKinds.insert(device.kind);
    }
    EXPECT_EQ(deviceKinds, (std::set<int32_t>{0, 1, 2}));
    for (const vxw::CircuitData& circuit : design.circuits) {
        size_t nodes = 0, records = 0;
        std::set<int32_t> classes;
        for (const vxw::NetData& net : circuit.nets) {
            nodes += net.nodes.size();
            classes.insert(net.flags);
        }
        for (const vxw::TraceData& trace : circuit.traces) {
            records += trace.records.size();
        }
        EXPECT_EQ((std::vector<size_t>{circuit.pages.size(), circuit.schComps.size(), circuit.layComps.size(),
                                       circuit.nets.size(), circuit.vias.size(), nodes, records}),
                  (std::vector<size_t>{3, 40, 30, 10, 9, 55, 37}));
        EXPECT_EQ(classes, (std::set<int32_t>{0, 2, 4}));
    }
    // The first circuit holds a block standing for the second.
    const vxw::SchCompData& block = design.circuits[0].schComps.back();
    ASSERT_EQ(block.texts.size(), 1u);
    EXPECT_EQ(block.texts[0].text, "X hierarchy CIRCUIT2");
    EXPECT_EQ(block.texts[0].mask, 0x20);
}

TEST(Vxgen, SameSeedSameBytes) {
    QTemporaryDir dir;
    const auto make = [&](const char* name, const char* seed) {
        const QString path = dir.filePath(name);
        EXPECT_EQ(Vxgen(QStringLiteral("design OUT --seed ") + seed, path).status, 0);
        return ReadFile(path);
    };
    const QByteArray first = make("a.vxd", "7");
    EXPECT_EQ(make("b.vxd", "7"), first);
    EXPECT_NE(make("c.vxd", "8"), first);
}

TEST(Vxgen, LibrariesHaveTheRequestedSizesAndCrossReferences) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("lib"));
    const ToolRun run = Vxgen("libraries OUT --part-files 4 --parts-per-file 6 --symbol-files 3 "
                              "--symbols-per-file 12 --package-files 2 --packages-per-file 11 "
                              "--padstack-files 1 --padstacks-per-file 8 --big-part-file 50 "
                              "--big-symbol-file 20",
                              folder);
    ASSERT_EQ(run.status, 0) << run.err;

    std::map<std::string, size_t> counts;
    std::set<std::string> symbolNames, packageNames, usedSymbols;
    std::map<std::string, int> symbolFilesOf;
    std::set<int32_t> padShapes;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        const vxw::LibraryReadResult read = vxw::ReadLibraryFile(QDir(folder).filePath(name).toStdString());
        ASSERT_TRUE(read.complete) << name.toStdString() << ": " << read.error;
        counts[name.toStdString()] = read.contents.entries.size();
        for (const vxw::LibraryEntry& entry : read.contents.entries) {
            switch (read.contents.kind) {
            case vxw::LibraryKind::Symbol:
                symbolNames.insert(entry.name);
                ++symbolFilesOf[entry.name];
                break;
            case vxw::LibraryKind::Package:
                packageNames.insert(entry.name);
                break;
            case vxw::LibraryKind::Padstack:
                for (const vxw::ItemData& item : entry.symbol.items) {
                    padShapes.insert(item.kind);
                }
                break;
            case vxw::LibraryKind::Part: {
                const size_t last = entry.attributes.rfind('\x80');
                std::string symbols = entry.attributes.substr(last + 1);
                for (size_t start = 0, comma; start <= symbols.size(); start = comma + 1) {
                    comma = std::min(symbols.find(',', start), symbols.size());
                    if (name != QLatin1String("big.PART")) {
                        usedSymbols.insert(symbols.substr(start, comma - start));
                    }
                }
                break;
            }
            }
        }
    }
    EXPECT_EQ(counts.size(), 4u + 3u + 1u + 2u + 1u + 1u);
    EXPECT_EQ(counts["parts001.PART"], 6u);
    EXPECT_EQ(counts["symbols003.SYMBOL"], 12u);
    EXPECT_EQ(counts["packages002.PACKAGE"], 11u);
    EXPECT_EQ(counts["padstacks001.PADSTACK"], 8u);
    EXPECT_EQ(counts["big.PART"], 50u);
    EXPECT_EQ(counts["big.SYMBOL"], 20u);
    EXPECT_EQ(padShapes, (std::set<int32_t>{1, 3, 4, 5}));
    // Some symbol names are in every symbol file; the big symbol file's symbols are used by
    // the parts of the regular files.
    EXPECT_TRUE(std::any_of(symbolFilesOf.begin(), symbolFilesOf.end(),
                            [](const auto& name) { return name.second == 3; }));
    for (int s = 1; s <= 20; ++s) {
        EXPECT_TRUE(usedSymbols.count("BIG_S" + std::to_string(s))) << s;
    }
}

} // namespace
