// Design files: what a file says arrives in the DesignData, and every field survives a round
// trip through the text.

#include "kernel/DesignFile.h"
#include "kernel/DesignFileFormat.h"
#include "kernel/KernelRecords.h"
#include "kernel/KernelWalk.h"
#include "kernel/MemoryKernel.h"
#include "tests/tools/DataText.h"
#include "tests/tools/WindowedLoad.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vxw {
namespace {

using test::Describe;
using ::testing::HasSubstr;

// Every field of every object set to something other than its default.
DesignData RichDesign() {
    const ItemData full{ItemArc, 7,  0x20, 31, -5, 6,     7,        8,
                        -9,      10, 12.5, 11, 12, 33.25, -270.125, "tab\there \"q\""};
    const ItemData value{ItemValueText, 0, MaskValueText, 0, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, "10k"};
    const ItemData block{ItemText, 0, MaskText, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "X hierarchy SUB1"};
    const ItemData odd{99, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0.1, 0, 0, 1e-300, 1e300, ""};
    const PadStackData pad{"P60", 2, 800, {full, odd}};

    DesignData d;
    d.name = "Proj\xE9"
             "ct \"one\"";
    d.layerNames[0] = "TOP";
    d.layerNames[7] = "Inner \xC4";
    d.layerNames[31] = "BOTTOM";
    d.devices = {{"7400", 1, 3, "DIP14 Quad NAND\x80IDX\x80\x80Maker"},
                 {"RES", 0, 0, "NOBLANK"},
                 {"PKGONLY", 2, -1, " leading blank"},
                 {"TRAIL", 1, 0, "PKG "},
                 {"7400", 1, 0, ""}};
    d.symbols = {
        {"NAND2",
         SymbolSchematic,
         "desc\x80type",
         {{"A", "P60", 1, 2}, {"B", "", -3, 4}},
         {full, value},
         {pad}},
        {"DIP14", SymbolPackage, "", {{"1", "P60", 0, 0}, {"14", "P60", 0, 600}}, {}, {pad}},
        {"P60", SymbolPadstack, "round\x80pad", {}, {full}, {pad}},
        {"FRAME", SymbolBoardFrame, "", {}, {}, {}},
        {"NAND2", SymbolSchematic, "duplicate name", {}, {}, {}},
    };
    d.padStacks = {pad, {"BARE", 0, 0, {}}};

    CircuitData main;
    main.name = "MAIN";
    main.pages = {{"Sheet1"}, {"Sheet2"}, {"Sheet1"}}; // the third is reached by position only
    main.schComps = {{"U1", 1, "7400", "NAND2", true, {value, block}},
                     {"U2", 2, "", "NAND2", false, {}},
                     {"U3", 0, "RES", "", false, {odd}}};
    main.layComps = {{"U1", "7400", true, true, "DIP14"}, {"U2", "", false, false, ""}};
    main.nets = {{"VCC", NetPowerGround, {{"U1", 1, true, "U1", 2, false}, {"", 0, false, "U2", 0, true}}},
                 {"N1", NetNamed, {{"U2", 2, false, "", 0, false}}},
                 {"", 0, {}},
                 {"ODD", NetPowerGround | NetNamed, {}}};
    main.traces = {{"VCC", {{TraceRecordNoLayer, 3, 254, 100, 200}, {0, 31, 0, -1, -2}}}, {"", {}}};
    main.vias = {{1, 2, ViaSpanThrough}, {3, 4, 0b110}, {5, 6, 0}, {7, 8, static_cast<int32_t>(0x80000001u)}};
    main.hasBoardFrame = true;
    main.boardX1 = 10;
    main.boardY1 = 20;
    main.boardX2 = -30;
    main.boardY2 = 40;
    main.boardItems = {full, odd};

    CircuitData empty;
    empty.name = "";
    empty.hasBoardFrame = false;

    d.circuits = {main, empty};
    d.streams = {{"DBLABEL", EncodeProjectLabel({-2, "F4", "J Smith", "Rev A", "tail"})},
                 {"HIERSTCK", EncodeHierarchyStack({"MAIN", "SUB 1", "123456789012345"})},
                 {"RAW", std::string("\0\x01\xFF\x80 x", 6)},
                 {"EMPTY", ""}};
    return d;
}

DesignData Reload(const DesignData& design) {
    QString error;
    const QByteArray json = DesignToJson(design, &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    const DesignFileResult result = LoadDesignBytes(json, QStringLiteral("round.vxd"));
    EXPECT_TRUE(result.Ok()) << result.error.toStdString() << "\n" << json.toStdString();
    test::ExpectEveryWindowAgrees(json, result, QStringLiteral("round.vxd"));
    // Runs of blanks far longer than the window make it grow within a token's call.
    QByteArray spaced = json;
    spaced.replace("\n", "\n" + QByteArray(3000, ' '));
    test::ExpectEveryWindowAgrees(spaced, result, QStringLiteral("round.vxd"));
    return result.design.value_or(DesignData());
}

TEST(DesignFile, RoundTripKeepsEveryFieldAndAnyText) {
    EXPECT_EQ(Describe(Reload(RichDesign())), Describe(RichDesign()));

    DesignData design;
    design.name = std::string(5000, 'x');
    // Names cannot hold control characters other than tab; other texts keep them.
    const std::string hostile[] = {"",         "a,b", "\"quoted\"",  "tab\tend", "\xE9\xFF\xA0",
                                   "\\back\\", "tr ", "\x7F\x9F\x80"};
    for (const std::string& name : hostile) {
        design.devices.push_back({name, 1, 0, name + "line\r\nend"});
        design.symbols.push_back({name, SymbolPackage, name + "\x01", {{name, "", 0, 0}}, {}, {}});
    }
    design.devices.push_back({"Case", 1, 0, ""});
    design.devices.push_back({"CASE", 1, 0, ""});
    EXPECT_EQ(Describe(Reload(design)), Describe(design));
}

TEST(DesignFile, HandWrittenFileGivesTheData) {
    const QByteArray json = R"({
  "format": "vxw-design", "version": 1, "name": "Demo",
  "layers": ["TOP", "GND"],
  "devices": [{"name": "7400", "package": "DIP14", "attributes": ["Quad NAND", "", "X"]},
              {"name": "R", "kind": 0, "attributes": "raw\u0080text"},
              {"name": "P", "kind": 2, "package": "SOT23"}],
  "symbols": [{"name": "NAND2", "kind": "schematic", "entries": [{"name": "A"}, {"name": "Y", "x": 300}]},
              {"name": "DIP14", "kind": 2, "padStacks": [{"name": "P60", "holeDiameter": 800}],
               "entries": [{"name": "1", "padStack": "P60"}]}],
  "circuits": [{
    "name": "MAIN", "pages": ["Sheet1", "Sheet2"],
    "schComps": [{"name": "U1", "page": "Sheet2", "device": "7400", "symbol": "NAND2", "packed": true,
                  "texts": [{"kind": "valueText", "mask": 8, "text": "74HC00"}]},
                 {"name": "U2", "page": 0, "symbol": "NAND2"}],
    "layComps": [{"name": "U1", "device": "7400", "side": "bottom", "symbol": "DIP14"}],
    "nets": [{"name": "GND", "class": "power",
              "nodes": [{"schComp": "U1", "schEntry": 2, "schConnected": true, "layComp": "U1", "layPin": 1}]},
             {"name": "N1", "class": "named"}, {"name": "N$2", "flags": 6}],
    "traces": [{"net": "GND", "records": [[16, 0, 254, 0, 0], {"layer": 31, "x": 5}]}],
    "vias": [{"x": 1, "y": 2, "span": "through"}, {"span": [1, 2, 30]}],
    "boardFrame": {"x1": 0, "y1": 0, "x2": 100000, "y2": 80000}
  }, {"name": "EMPTY"}],
  "streams": [{"name": "DBLABEL", "label": {"designer": "J Smith", "revision": "B"}},
              {"name": "HIERSTCK", "hierarchies": ["MAIN", "SUB1"]},
              {"name": "ODD", "hex": "4d 41494e"}, {"name": "T", "text": "a\u0000b"}]
})";
    const DesignFileResult result = LoadDesignBytes(json, QStringLiteral("demo.vxd"));
    ASSERT_TRUE(result.Ok()) << result.error.toStdString();
    test::ExpectEveryWindowAgrees(json, result, QStringLiteral("demo.vxd"));
    const DesignData& d = *result.design;
    // The package name stands before the tokens, separated by one blank; tokens by byte 128.
    EXPECT_EQ((std::vector<std::string>{d.layerNames[1], d.layerNames[2], d.devices[0].attributes,
                                        d.devices[1].attributes, d.devices[2].attributes}),
              (std::vector<std::string>{"GND", "", "DIP14 Quad NAND\x80\x80X", "raw\x80text", "SOT23"}));
    // Words and lists stand for the numbers they name; a key left out gives its default (a
    // circuit without "boardFrame" has no frame).
    const CircuitData& c = d.circuits[0];
    const auto& records = c.traces[0].records;
    using Numbers = std::vector<int32_t>;
    EXPECT_EQ((Numbers{d.devices[0].kind, d.symbols[1].kind, c.schComps[0].page, c.schComps[1].page}),
              (Numbers{1, SymbolPackage, 1, 0}));
    EXPECT_EQ((Numbers{c.schComps[0].packed, c.schComps[0].texts[0].kind, c.layComps[0].bottom}),
              (Numbers{true, ItemValueText, true}));
    EXPECT_EQ((Numbers{c.nets[0].flags, c.nets[1].flags, c.nets[2].flags, c.nets[0].nodes[0].schConnected,
                       c.nets[0].nodes[0].layConnected}),
              (Numbers{NetPowerGround, NetNamed, 6, true, false}));
    EXPECT_EQ((Numbers{records[0].flags, records[1].layer, records[1].x, c.vias[0].span, c.vias[1].span}),
              (Numbers{TraceRecordNoLayer, 31, 5, ViaSpanThrough, (1 << 1) | (1 << 2) | (1 << 30)}));
    EXPECT_EQ((Numbers{c.hasBoardFrame, c.boardX2, d.circuits[1].hasBoardFrame}),
              (Numbers{true, 100000, false}));

    const std::string& label = d.streams[0].bytes;
    ASSERT_EQ(label.size(), 164u);
    EXPECT_EQ(label.substr(0, 4), std::string(4, '\0'));
    EXPECT_EQ(label.substr(12, 25), "J Smith" + std::string(18, ' '));
    EXPECT_EQ(label.substr(37, 100), "B" + std::string(99, ' '));
    EXPECT_EQ(d.streams[1].bytes, "MAIN           SUB1           ");
    EXPECT_EQ(d.streams[2].bytes, "MAIN");
    EXPECT_EQ(d.streams[3].bytes, std::string("a\0b", 3)); // raw stream text may hold any byte
}

TEST(DesignFile, DocumentedExampleLoads) {
    const std::string example = test::DocumentedExample("design-format.md", "json");
    ASSERT_FALSE(example.empty());
    const DesignFileResult result =
        LoadDesignBytes(QByteArray::fromStdString(example), QStringLiteral("doc"));
    ASSERT_TRUE(result.Ok()) << result.error.toStdString();
    EXPECT_EQ(result.design->circuits[0].nets[0].nodes[0].layPin, 1);
}

TEST(DesignFile, StreamsThatAreNotRecordsStayRaw) {
    DesignData design;
    design.streams = {{"HIERSTCK", std::string(44, 'A')},            // not a whole number of records
                      {"DBLABEL", std::string(10, 'x')},             // too short for the label
                      {"X", EncodeHierarchyStack({"named", "by"})}}; // a stack only under its own name
    std::string label = EncodeProjectLabel({});
    label[20] = '\0';
    design.streams.push_back({"LABEL2", label});
    const QByteArray json = DesignToJson(design);
    EXPECT_THAT(json.toStdString(), HasSubstr("\"hex\": \"41 41"));
    EXPECT_EQ(Describe(Reload(design)), Describe(design));

    DesignData withNul;
    withNul.streams = {{"DBLABEL", label}};
    EXPECT_THAT(DesignToJson(withNul).toStdString(), HasSubstr("\"hex\""));
    EXPECT_EQ(Describe(Reload(withNul)), Describe(withNul));
}

TEST(DesignFile, TraceRecordsAreWrittenOnePerLine) {
    DesignData design;
    CircuitData circuit;
    circuit.name = "C";
    circuit.traces = {{"", {{16, 3, 254, -7, 8}, {0, 1, 2, 3, 4}}}};
    design.circuits = {circuit};
    EXPECT_THAT(DesignToJson(design).toStdString(),
                HasSubstr("\n            [16, 3, 254, -7, 8],\n            [0, 1, 2, 3, 4]\n"));
}

TEST(DesignFile, SavesAtomicallyAndLoadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("design.vxd"));
    const DesignData design = RichDesign();
    EXPECT_EQ(SaveDesignFile(design, path), QString());
    const DesignFileResult loaded = LoadDesignFile(path);
    ASSERT_TRUE(loaded.Ok()) << loaded.error.toStdString();
    EXPECT_EQ(Describe(*loaded.design), Describe(design));

    // A design that cannot be written leaves the old file as it was.
    DesignData bad = design;
    bad.symbols[0].items[0].rotation = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THAT(SaveDesignFile(bad, path).toStdString(), HasSubstr("not a finite number"));
    EXPECT_TRUE(LoadDesignFile(path).Ok());
    EXPECT_THAT(SaveDesignFile(design, dir.filePath(QStringLiteral("missing/x.vxd"))).toStdString(),
                HasSubstr("cannot write the file"));
}

// What the kernel's references point at, circuit by circuit, as ids.
std::string References(Kernel& kernel) {
    std::string text;
    auto add = [&text](std::initializer_list<int32_t> values) {
        for (const int32_t value : values) {
            text += std::to_string(value) + ' ';
        }
        text += '\n';
    };
    WalkMap(kernel, kernel.DB_HierarchyMap(), [&](int32_t circuit) {
        kernel.DB_SetCurHier(circuit);
        WalkMap(kernel, kernel.DB_SchCompMap(), [&](int32_t id) {
            SchCompRecord record;
            kernel.C_ReadComponent(id, &record);
            add({id, record.page, record.symbol, record.device});
        });
        WalkMap(kernel, kernel.DB_LayCompMap(), [&](int32_t id) {
            LayCompRecord record;
            kernel.L_ReadComponent(id, &record);
            add({id, record.symbol, record.device});
        });
        WalkMap(kernel, kernel.DB_NetMap(), [&](int32_t net) {
            WalkMap(kernel, kernel.N_NodeMap(net), [&](int32_t id) {
                NodeRecord record;
                kernel.N_ReadNode(id, &record);
                add({net, record.schComp, record.schEntry, record.layComp, record.layPin});
            });
        });
        WalkMap(kernel, kernel.DB_TraceMap(), [&](int32_t id) {
            TraceRecord record;
            kernel.T_ReadTrace(id, &record);
            add({id, record.net, record.recordCount});
        });
    });
    return text;
}

TEST(DesignFile, PositionsFoundByTheLoaderPointWhereNamesWould) {
    // The loader hands the kernel the position of what each reference names, and the kernel,
    // given the data to keep, frees it as it goes; built from names alone, by a copy, the
    // kernel must point every reference at the same objects (repeated names included).
    const QDir designs(QStringLiteral(LG_SOURCE_DIR "/tests/cli/designs"));
    QStringList files{QStringLiteral(LG_SOURCE_DIR "/samples/demo.vxd")};
    for (const QString& name : designs.entryList({QStringLiteral("*.vxd")})) {
        files << designs.filePath(name);
    }
    ASSERT_GT(files.size(), 4);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        DesignFileResult loaded = LoadDesignFile(file);
        ASSERT_TRUE(loaded.Ok()) << loaded.error.toStdString();
        DesignData byName = *loaded.design;
        for (CircuitData& circuit : byName.circuits) {
            for (SchCompData& comp : circuit.schComps) {
                comp.deviceRef = comp.symbolRef = 0;
            }
            for (LayCompData& comp : circuit.layComps) {
                comp.deviceRef = comp.symbolRef = 0;
            }
            for (NetData& net : circuit.nets) {
                for (NodeData& node : net.nodes) {
                    node.schCompRef = node.layCompRef = 0;
                }
            }
            for (TraceData& trace : circuit.traces) {
                trace.netRef = 0;
            }
        }
        const auto fromNames = MemoryKernel::FromData(byName);
        const auto fromPositions = MemoryKernel::FromData(std::move(*loaded.design));
        EXPECT_EQ(References(*fromPositions), References(*fromNames));
    }
}

TEST(DesignFile, ListsInAnyOrderPointWhereTheWritersOrderWould) {
    // References whose lists come first are found while the file is read, the others after it;
    // every order of the lists must give the same objects, repeated names included.
    const std::string devices = R"("devices": [{"name": "D"}, {"name": "D"}])";
    const std::string symbols =
        R"("symbols": [{"name": "S", "kind": 1, "entries": [{"name": "1"}, {"name": "2"}]},
                       {"name": "S", "kind": 2}])";
    const std::string pages = R"("pages": ["P1", "P2", "P1"])";
    const std::string schComps = R"("schComps": [{"name": "U1", "page": "P1", "device": "D", "symbol": "S"},
        {"name": "U1", "page": 1}, {"name": "U2", "page": 2, "symbol": "S"}])";
    const std::string layComps =
        R"("layComps": [{"name": "U1", "symbol": "S", "device": "D"}, {"name": "U1"}])";
    const std::string nets = R"("nets": [{"name": "N", "nodes": [{"schComp": "U1", "schEntry": 2,
        "layComp": "U1", "layPin": 1}, {"schComp": "U2", "schEntry": 1}, {}]}, {"name": "N"}])";
    const std::string traces = R"("traces": [{"net": "N", "records": []}, {"records": []}])";
    auto file = [](std::initializer_list<std::string> top, std::initializer_list<std::string> circuit) {
        std::string text = R"({"format": "vxw-design", "version": 1)";
        for (const std::string& member : top) {
            text += ", " + member;
        }
        text += R"(, "circuits": [{"name": "C")";
        for (const std::string& member : circuit) {
            text += ", " + member;
        }
        return QByteArray::fromStdString(text + "}]}");
    };
    const QByteArray orders[] = {
        file({devices, symbols}, {pages, schComps, layComps, nets, traces}),
        file({symbols, devices}, {traces, nets, layComps, schComps, pages}),
        file({devices}, {schComps, pages, nets, layComps, traces}),
        file({}, {pages, nets, traces, schComps, layComps}),
    };
    std::string expected;
    for (const QByteArray& json : orders) {
        SCOPED_TRACE(json.toStdString());
        // Lists left out of the circuit's members go at the top level, after the circuits.
        QByteArray whole = json;
        if (!json.contains("\"devices\"")) {
            whole.insert(whole.size() - 1, QByteArray::fromStdString(", " + devices + ", " + symbols));
        } else if (!json.contains("\"symbols\"")) {
            whole.insert(whole.size() - 1, QByteArray::fromStdString(", " + symbols));
        }
        DesignFileResult loaded = LoadDesignBytes(whole, QStringLiteral("order.vxd"));
        ASSERT_TRUE(loaded.Ok()) << loaded.error.toStdString();
        const auto kernel = MemoryKernel::FromData(std::move(*loaded.design));
        const std::string references = References(*kernel);
        if (expected.empty()) {
            expected = references;
        }
        EXPECT_EQ(references, expected);
    }
}

} // namespace
} // namespace vxw
