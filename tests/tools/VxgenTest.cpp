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

#include <map>
#include <set>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

using vxw::RunTool;
using vxw::ToolRun;

ToolRun Vxgen(const QStringList& arguments) {
    return RunTool(QStringLiteral("vxgen"), arguments);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(Vxgen, HelpAndUsageErrors) {
    const ToolRun help = Vxgen({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, StartsWith("Usage: vxgen design"));
    EXPECT_THAT(help.out, HasSubstr("--big-symbol-file"));

    const QString out = QDir::temp().filePath(QStringLiteral("never-written.vxd"));
    const QStringList wrong[] = {
        {},
        {QStringLiteral("design")},
        {QStringLiteral("layout"), out},
        {QStringLiteral("design"), QStringLiteral("--nets"), QStringLiteral("3")},
        {QStringLiteral("design"), out, QStringLiteral("--colour"), QStringLiteral("3")},
        {QStringLiteral("design"), out, QStringLiteral("--nets")},
        {QStringLiteral("design"), out, QStringLiteral("--nets"), QStringLiteral("3x")},
        {QStringLiteral("design"), out, QStringLiteral("--nets"), QStringLiteral("-1")},
        {QStringLiteral("design"), out, QStringLiteral("--circuits"), QStringLiteral("1001")},
        {QStringLiteral("design"), out, QStringLiteral("--nets"), QStringLiteral("0")}, // nodes need nets
        {QStringLiteral("design"), out, QStringLiteral("--symbols"), QStringLiteral("0")},
        {QStringLiteral("design"), out, QStringLiteral("--sch-comps"), QStringLiteral("10000000"),
         QStringLiteral("--circuits"), QStringLiteral("1000")},
        {QStringLiteral("libraries"), out, QStringLiteral("--pages"), QStringLiteral("3")},
    };
    for (const QStringList& arguments : wrong) {
        const ToolRun run = Vxgen(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_THAT(run.err, StartsWith("vxgen: ")) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST(Vxgen, DesignHasTheRequestedSizes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gen.vxd"));
    const ToolRun run = Vxgen({QStringLiteral("design"),          path,
                               QStringLiteral("--circuits"),      QStringLiteral("2"),
                               QStringLiteral("--pages"),         QStringLiteral("3"),
                               QStringLiteral("--sch-comps"),     QStringLiteral("40"),
                               QStringLiteral("--lay-comps"),     QStringLiteral("30"),
                               QStringLiteral("--nets"),          QStringLiteral("10"),
                               QStringLiteral("--nodes"),         QStringLiteral("55"),
                               QStringLiteral("--trace-records"), QStringLiteral("37"),
                               QStringLiteral("--vias"),          QStringLiteral("9"),
                               QStringLiteral("--devices"),       QStringLiteral("12")});
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
        EXPECT_EQ(circuit.pages.size(), 3u);
        EXPECT_EQ(circuit.schComps.size(), 40u);
        EXPECT_EQ(circuit.layComps.size(), 30u);
        EXPECT_EQ(circuit.nets.size(), 10u);
        EXPECT_EQ(circuit.vias.size(), 9u);
        size_t nodes = 0, records = 0;
        std::set<int32_t> classes;
        for (const vxw::NetData& net : circuit.nets) {
            nodes += net.nodes.size();
            classes.insert(net.flags);
        }
        for (const vxw::TraceData& trace : circuit.traces) {
            records += trace.records.size();
        }
        EXPECT_EQ(nodes, 55u);
        EXPECT_EQ(records, 37u);
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
    const auto make = [&](const QString& name, const QString& seed) {
        const QString path = dir.filePath(name);
        EXPECT_EQ(Vxgen({QStringLiteral("design"), path, QStringLiteral("--seed"), seed}).status, 0);
        return ReadFile(path);
    };
    const QByteArray first = make(QStringLiteral("a.vxd"), QStringLiteral("7"));
    EXPECT_EQ(make(QStringLiteral("b.vxd"), QStringLiteral("7")), first);
    EXPECT_NE(make(QStringLiteral("c.vxd"), QStringLiteral("8")), first);
}

TEST(Vxgen, LibrariesHaveTheRequestedSizesAndCrossReferences) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("lib"));
    const ToolRun run = Vxgen({QStringLiteral("libraries"),
                               folder,
                               QStringLiteral("--part-files"),
                               QStringLiteral("4"),
                               QStringLiteral("--parts-per-file"),
                               QStringLiteral("6"),
                               QStringLiteral("--symbol-files"),
                               QStringLiteral("3"),
                               QStringLiteral("--symbols-per-file"),
                               QStringLiteral("12"),
                               QStringLiteral("--package-files"),
                               QStringLiteral("2"),
                               QStringLiteral("--packages-per-file"),
                               QStringLiteral("11"),
                               QStringLiteral("--padstack-files"),
                               QStringLiteral("1"),
                               QStringLiteral("--padstacks-per-file"),
                               QStringLiteral("8"),
                               QStringLiteral("--big-part-file"),
                               QStringLiteral("50"),
                               QStringLiteral("--big-symbol-file"),
                               QStringLiteral("20")});
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
