// Design files: every refusal names the file, the place and the cause, and hands out no design.

#include "kernel/DesignFile.h"
#include "tests/tools/WindowedLoad.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vxw {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string Refusal(const QByteArray& json) {
    const DesignFileResult result = LoadDesignBytes(json, QStringLiteral("t.vxd"));
    EXPECT_FALSE(result.design.has_value()) << json.toStdString();
    test::ExpectEveryWindowAgrees(json, result, QStringLiteral("t.vxd"));
    return result.error.toStdString();
}

QByteArray Doc(const std::string& members) {
    return QByteArray::fromStdString("{\"format\": \"vxw-design\", \"version\": 1, " + members + "}");
}

// A small valid design around one circuit with one page; `circuit` adds members to the circuit.
QByteArray WithCircuit(const std::string& circuit) {
    return Doc(R"("devices": [{"name": "D"}],
        "symbols": [{"name": "S", "kind": "schematic", "padStacks": [{"name": "P"}],
                     "entries": [{"name": "1", "padStack": "P"}, {"name": "2"}]}],
        "circuits": [{"name": "C", "pages": ["Page"])" +
               (circuit.empty() ? "" : ", " + circuit) + "}]");
}

// The components and the net that the node and trace cases refer to.
const std::string Comps = R"("schComps": [{"name": "U1", "page": "Page", "device": "D", "symbol": "S"}],
                             "layComps": [{"name": "U1", "symbol": "S"}])";

std::string LayerList(int count) {
    std::string list;
    for (int i = 0; i < count; ++i) {
        list += i == 0 ? "\"\"" : ",\"\"";
    }
    return list;
}

struct Case {
    QByteArray json;
    std::string message; // the whole expected message after "t.vxd: "
};

void ExpectRefusals(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json.toStdString());
        EXPECT_EQ(Refusal(c.json), "t.vxd: " + c.message);
    }
}

TEST(DesignFileRefusal, BaseDesignIsValid) {
    const DesignFileResult result =
        LoadDesignBytes(WithCircuit(Comps + R"(, "nets": [{"name": "N"}])"), QStringLiteral("t.vxd"));
    EXPECT_TRUE(result.Ok()) << result.error.toStdString();
}

TEST(DesignFileRefusal, FormatAndVersion) {
    ExpectRefusals({
        {"{\"version\": 1, \"format\": \"vxw-design\"}",
         "version (line 1, column 2): the file must begin with \"format\": \"vxw-design\" and \"version\""},
        {"{\"format\": \"vxw-design\"}", "line 1, column 1: missing key \"version\""},
        {"{\"format\": \"other\", \"version\": 1}",
         "format (line 1, column 12): not a design file: the format is \"other\", expected \"vxw-design\""},
        {"{\"format\": \"vxw-design\", \"version\": 2}",
         "version (line 1, column 37): version 2 is not supported (this program reads version 1)"},
        {"[]", "line 1, column 1: expected an object"},
        {"", "line 1, column 1: unexpected end of the file"},
    });
}

TEST(DesignFileRefusal, TypesKeysAndRanges) {
    ExpectRefusals({
        {Doc(R"("name": 5)"), "name (line 1, column 48): expected a string"},
        {Doc(R"("nmae": "x")"), "line 1, column 40: unknown key \"nmae\""},
        {Doc(R"("name": "a", "name": "b")"), "line 1, column 53: key \"name\" given twice"},
        {Doc(R"("devices": [{"name": "D", "kind": 3}])"),
         "devices[0].kind (line 1, column 74): 3 is out of the range 0..2"},
        {Doc(R"("devices": [{"kind": 1}])"), "devices[0] (line 1, column 52): missing key \"name\""},
        {Doc(R"("devices": [{"name": "D", "status": 1.5}])"),
         "devices[0].status (line 1, column 76): expected a whole number, found 1.5"},
        {Doc(R"("devices": [{"name": "D", "status": 3000000000}])"),
         "devices[0].status (line 1, column 76): 3000000000 is out of the range -2147483648..2147483647"},
        {Doc(R"("devices": [{"name": "D", "package": "DIP 14"}])"),
         "devices[0].package (line 1, column 77): a package name cannot hold a blank"},
        {Doc(R"("symbols": [{"name": "S", "kind": "gate"}])"),
         "symbols[0].kind (line 1, column 74): unknown symbol kind \"gate\" (schematic, package, padstack or "
         "frame)"},
        {Doc(R"("symbols": [{"name": "S", "kind": 1, "items": [{"kind": "line", "layer": 32}]}])"),
         "symbols[0].items[0].layer (line 1, column 113): 32 is out of the range 0..31"},
        {Doc(R"("symbols": [{"name": "S", "kind": 1, "items": [{"layer": 3}]}])"),
         "symbols[0].items[0] (line 1, column 87): missing key \"kind\""},
        {Doc(R"("symbols": [{"name": "S", "kind": 1, "items": [{"kind": "line", "width": -1}]}])"),
         "symbols[0].items[0].width (line 1, column 113): -1 is out of the range 0..2147483647"},
        {Doc("\"layers\": [" + LayerList(33) + "]"),
         "layers[32] (line 1, column 144): more than 32 layer names"},
        {WithCircuit(R"("traces": [{"records": [[0, 1, 2, 3]]}])"),
         "circuits[0].traces[0].records[0] (line 4, column 79): a trace record has five numbers: flags, "
         "layer, width, x, y"},
        {WithCircuit(R"("vias": [{"span": "all"}])"), "circuits[0].vias[0].span (line 4, column 73): the "
                                                      "span is \"all\", expected \"through\" or a list of "
                                                      "layers"},
        {WithCircuit(R"("vias": [{"span": [1, 40]}])"),
         "circuits[0].vias[0].span[1] (line 4, column 77): 40 is out of the range 0..31"},
        {WithCircuit(R"("pages": [])"), "circuits[0] (line 4, column 55): key \"pages\" given twice"},
        {Doc(R"("circuits": [{"name": "C", "nets": [{"name": "N", "class": "power", "flags": 2}]}])"),
         "circuits[0].nets[0].flags (line 1, column 108): give either \"class\" or \"flags\", not both"},
        {Doc(R"("streams": [{"name": "DBLABEL", "label": {"designer": ")" + std::string(26, 'x') + R"("}}])"),
         "streams[0].label.designer (line 1, column 94): the designer text is longer than 25 characters"},
        {Doc(R"("streams": [{"name": "HIERSTCK", "hierarchies": ["1234567890123456"]}])"),
         "streams[0].hierarchies[0] (line 1, column 89): a hierarchy name is longer than 15 characters"},
        {Doc(R"("streams": [{"name": "X", "hex": "abc"}])"),
         "streams[0].hex (line 1, column 73): the hex text has an odd number of digits"},
        {Doc(R"("streams": [{"name": "X", "hex": "zz"}])"),
         "streams[0].hex (line 1, column 73): the hex text holds something other than pairs of hex digits"},
        {Doc(R"("streams": [{"name": "X", "hex": "00", "text": "a"}])"),
         "streams[0].text (line 1, column 79): give only one of \"label\", \"hierarchies\", \"hex\" and "
         "\"text\""},
    });
}

TEST(DesignFileRefusal, TraceRecordsReadInOneStepOrNamedExactly) {
    const std::string head = R"("circuits": [{"name": "C", "traces": [{"records": )";
    const std::string where = "circuits[0].traces[0].records[0]";
    ExpectRefusals({
        {Doc(head + "[[0, 32, 0, 0, 0]]}]}]"),
         where + "[1] (line 1, column 95): 32 is out of the range 0..31"},
        {Doc(head + "[[0, 0, -1, 0, 0]]}]}]"),
         where + "[2] (line 1, column 98): -1 is out of the range 0..2147483647"},
        {Doc(head + "[[0, 0, 0, 0, 0, 0]]}]}]"),
         where + "[5] (line 1, column 104): a trace record has five numbers: flags, layer, width, x, y"},
        {Doc(head + "[[0, 0, 0, 0, 3000000000]]}]}]"),
         where + "[4] (line 1, column 104): 3000000000 is out of the range -2147483648..2147483647"},
    });
    const DesignFileResult loaded =
        LoadDesignBytes(Doc(head + R"([ [ 1 , 2 , 3 , 4 , -5 ] , [0, 0, 0, 0, 1e3],
                      {"flags": 6, "layer": 7, "width": 8, "x": 9, "y": 10}]}]}])"),
                        QStringLiteral("t.vxd"));
    ASSERT_TRUE(loaded.Ok()) << loaded.error.toStdString();
    const auto& records = loaded.design->circuits[0].traces[0].records;
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ((std::vector<int32_t>{records[0].flags, records[0].layer, records[0].width, records[0].x,
                                    records[0].y, records[1].y, records[2].flags, records[2].y}),
              (std::vector<int32_t>{1, 2, 3, 4, -5, 1000, 6, 10}));
}

TEST(DesignFileRefusal, ControlCharactersInNames) {
    // Every kind of name, with a line break, a carriage return, a low control byte or an escape
    // character; a tab and control characters in other texts are kept.
    ExpectRefusals({
        {Doc(R"("name": "P\nQ")"), "name (line 1, column 48): a name cannot hold the control character 0x0A"},
        {Doc(R"("layers": ["TOP\r"])"),
         "layers[0] (line 1, column 51): a name cannot hold the control character 0x0D"},
        {Doc(R"("devices": [{"name": "D\u0001"}])"),
         "devices[0].name (line 1, column 61): a name cannot hold the control character 0x01"},
        {Doc(R"("devices": [{"name": "D", "package": "P\u001b"}])"),
         "devices[0].package (line 1, column 77): a name cannot hold the control character 0x1B"},
        {Doc(R"("symbols": [{"name": "S\n", "kind": 1}])"),
         "symbols[0].name (line 1, column 61): a name cannot hold the control character 0x0A"},
        {Doc(R"("symbols": [{"name": "S", "kind": 2, "padStacks": [{"name": "\r"}]}])"),
         "symbols[0].padStacks[0].name (line 1, column 100): a name cannot hold the control character 0x0D"},
        {Doc(R"("symbols": [{"name": "S", "kind": 1, "entries": [{"name": "\r"}]}])"),
         "symbols[0].entries[0].name (line 1, column 98): a name cannot hold the control character 0x0D"},
        {Doc(R"("padStacks": [{"name": "A\u0000"}])"),
         "padStacks[0].name (line 1, column 63): the text holds a NUL character"},
        {Doc(R"("circuits": [{"name": "C\n"}])"),
         "circuits[0].name (line 1, column 62): a name cannot hold the control character 0x0A"},
        {Doc(R"("circuits": [{"name": "C", "pages": ["A\u0002"]}])"),
         "circuits[0].pages[0] (line 1, column 77): a name cannot hold the control character 0x02"},
        {Doc(R"("circuits": [{"name": "C", "schComps": [{"name": "A\r\nB"}]}])"),
         "circuits[0].schComps[0].name (line 1, column 89): a name cannot hold the control character 0x0D"},
        {Doc(R"("circuits": [{"name": "C", "layComps": [{"name": "\u001f"}]}])"),
         "circuits[0].layComps[0].name (line 1, column 89): a name cannot hold the control character 0x1F"},
        {Doc(R"("circuits": [{"name": "C", "nets": [{"name": "N\n"}]}])"),
         "circuits[0].nets[0].name (line 1, column 85): a name cannot hold the control character 0x0A"},
    });
    const DesignFileResult kept = LoadDesignBytes(
        Doc(R"("name": "P\tQ", "devices": [{"name": "D\t", "attributes": ["line\r\nend\u0001"]}],
               "symbols": [{"name": "S", "kind": 1, "items": [{"kind": "text", "text": "a\nb"}]}])"),
        QStringLiteral("t.vxd"));
    ASSERT_TRUE(kept.Ok()) << kept.error.toStdString();
    EXPECT_EQ(kept.design->name, "P\tQ");
    EXPECT_EQ(kept.design->devices[0].attributes, "line\r\nend\x01");
    EXPECT_EQ(kept.design->symbols[0].items[0].text, "a\nb");
}

TEST(DesignFileRefusal, GeometryBeyondThirtyTwoBits) {
    const std::string frame = R"("circuits": [{"name": "C", "boardFrame": )";
    const std::string item = R"("symbols": [{"name": "S", "kind": 2, "items": [)";
    ExpectRefusals({
        {Doc(frame + R"({"x1": -2000000000, "y1": 0, "x2": 2000000000, "y2": 10}}])"),
         "circuits[0].boardFrame (line 1, column 81): the board frame is wider or higher than 2147483647 "
         "units"},
        {Doc(frame + R"({"x1": 0, "y1": 2147483647, "x2": 0, "y2": -1}}])"),
         "circuits[0].boardFrame (line 1, column 81): the board frame is wider or higher than 2147483647 "
         "units"},
        {Doc(item + R"({"kind": "line", "x": 2147483000, "dx": 1000}]}])"),
         "symbols[0].items[0] (line 1, column 87): the item reaches beyond the coordinates "
         "-2147483648..2147483647"},
        {Doc(item + R"({"kind": "circle", "x": -2147483000, "diameter": 2000}]}])"),
         "symbols[0].items[0] (line 1, column 87): the item reaches beyond the coordinates "
         "-2147483648..2147483647"},
        {Doc(item + R"({"kind": "rectangle", "y": 2147483000, "dx": 10, "dy": 10, "width": 2000}]}])"),
         "symbols[0].items[0] (line 1, column 87): the item reaches beyond the coordinates "
         "-2147483648..2147483647"},
        {Doc(R"("circuits": [{"name": "C", "boardItems": [{"kind": "arc", "radius": 2147483647, "x": -2}]}])"),
         "circuits[0].boardItems[0] (line 1, column 82): the item reaches beyond the coordinates "
         "-2147483648..2147483647"},
    });
    // Right at the edges, and texts far out, still load.
    const DesignFileResult edge =
        LoadDesignBytes(Doc(frame + R"({"x1": -1, "y1": 0, "x2": 2147483646, "y2": -2147483647},
                         "boardItems": [{"kind": "line", "x": -2147483648, "dx": 4294967295},
                                        {"kind": "text", "x": 2147483647, "text": "far"}]}])")
                            .replace("4294967295", "2147483647"),
                        QStringLiteral("t.vxd"));
    EXPECT_TRUE(edge.Ok()) << edge.error.toStdString();
}

TEST(DesignFileRefusal, ReferencesToUnknownObjects) {
    ExpectRefusals({
        {WithCircuit(R"("schComps": [{"name": "U9", "page": "Nope"}])"),
         "circuits[0].schComps[0].page: unknown page \"Nope\""},
        {WithCircuit(R"("schComps": [{"name": "U9", "page": 1}])"),
         "circuits[0].schComps[0].page: no page 1: the circuit has 1 page"},
        {WithCircuit(R"("schComps": [{"name": "U9", "device": "X"}])"),
         "circuits[0].schComps[0].device: unknown device \"X\""},
        {WithCircuit(R"("schComps": [{"name": "U9", "symbol": "X"}])"),
         "circuits[0].schComps[0].symbol: unknown symbol \"X\""},
        {WithCircuit(R"("layComps": [{"name": "U9", "device": "d"}])"),
         "circuits[0].layComps[0].device: unknown device \"d\""},
        {WithCircuit(Comps + R"(, "nets": [{"name": "N", "nodes": [{"schComp": "U9"}]}])"),
         "circuits[0].nets[0].nodes[0].schComp: unknown schematic component \"U9\""},
        {WithCircuit(Comps + R"(, "nets": [{"name": "N", "nodes": [{}, {"layComp": "U1", "layPin": 3}]}])"),
         "circuits[0].nets[0].nodes[1].layPin: 3 is beyond the 2 entries of the symbol of \"U1\""},
        {WithCircuit(Comps + R"(, "nets": [{"name": "N", "nodes": [{"schComp": "U1", "schEntry": 3}]}])"),
         "circuits[0].nets[0].nodes[0].schEntry: 3 is beyond the 2 entries of the symbol of \"U1\""},
        {WithCircuit(Comps + R"(, "nets": [{"name": "N", "nodes": [{"layPin": 1}]}])"),
         "circuits[0].nets[0].nodes[0].layPin: an index without a layout component"},
        {WithCircuit(R"("nets": [{"name": "N"}], "traces": [{"net": "M"}])"),
         "circuits[0].traces[0].net: unknown net \"M\""},
        {Doc(R"("symbols": [{"name": "S", "kind": 2, "entries": [{"name": "1", "padStack": "Q"}]}])"),
         "symbols[0].entries[0].padStack: unknown padstack \"Q\" (not among the symbol's padStacks)"},
        {Doc(R"("streams": [{"name": "DBLABEL"}, {"name": "DBLABEL"}])"),
         "streams[1].name: stream \"DBLABEL\" given twice"},
        // Faults are reported in the same order whichever list the file gives first.
        {WithCircuit(R"("nets": [{"name": "N", "nodes": [{"schComp": "U9"}]}], )" + Comps),
         "circuits[0].nets[0].nodes[0].schComp: unknown schematic component \"U9\""},
        {WithCircuit(R"("nets": [{"name": "N", "nodes": [{"schComp": "U9"}]}], "traces": [{"net": "M"}],
                        "schComps": [{"name": "U1", "device": "X"}])"),
         "circuits[0].schComps[0].device: unknown device \"X\""},
        {WithCircuit(Comps +
                     R"(, "traces": [{"net": "M"}], "nets": [{"name": "N", "nodes": [{"layPin": 1}]}])"),
         "circuits[0].nets[0].nodes[0].layPin: an index without a layout component"},
        {Doc(R"("circuits": [{"name": "C", "layComps": [{"name": "U1", "symbol": "T"}]}],
                "symbols": [{"name": "S", "kind": 2}])"),
         "circuits[0].layComps[0].symbol: unknown symbol \"T\""},
    });
    // The index may equal the entry count, and 0 stands for none.
    EXPECT_TRUE(
        LoadDesignBytes(
            WithCircuit(Comps + R"(, "nets": [{"name": "N", "nodes": [{"schComp": "U1", "schEntry": 2},
        {"layComp": "U1"}]}])"),
            QStringLiteral("t.vxd"))
            .Ok());
}

TEST(DesignFileRefusal, TextOutsideLatin1AndSyntax) {
    ExpectRefusals({
        {Doc(R"("name": "a\u4e2d")"), "name (line 1, column 50): character U+4E2D is outside Latin-1"},
        {Doc("\"name\": \"a\xE4\xB8\xAD\""), "name (line 1, column 50): character U+4E2D is outside Latin-1"},
        {Doc(R"("name": "a\ud83d\ude00")"), "name (line 1, column 50): character U+1F600 is outside Latin-1"},
        {Doc("\"name\": \"a\xC3\""), "name (line 1, column 50): invalid UTF-8"},
        {Doc("\"name\": \"\xC0\x80\""), "name (line 1, column 49): invalid UTF-8"},
        {Doc(R"("name": "a\u0000b")"), "name (line 1, column 48): the text holds a NUL character"},
        {Doc(R"("name": "a)"), "name (line 1, column 51): unterminated string"},
        {Doc(R"("name": "a\q")"), "name (line 1, column 50): invalid escape in a string"},
        {"{\n  \"format\": \"vxw-design\",\n  \"version\": 1\n  \"name\": \"x\"\n}",
         "line 4, column 3: expected ',' or '}'"},
        {Doc(R"("layers": ["a",])"), "layers[1] (line 1, column 55): unexpected character ']'"},
        {Doc(R"("version2": 01)"), "line 1, column 40: unknown key \"version2\""},
        {Doc(R"("name": "x"} trailing)").chopped(1), "line 1, column 53: text after the end of the document"},
        {Doc(R"("devices": [{"name": "D", "status": 01}])"),
         "devices[0] (line 1, column 77): expected ',' or '}'"},
    });
}

TEST(DesignFileRefusal, DeepNestingAndHugeInputEndQuickly) {
    const std::string deep(200000, '[');
    EXPECT_THAT(Refusal(Doc("\"layers\": " + deep)), HasSubstr("expected a string"));
    EXPECT_THAT(Refusal(Doc("\"devices\": [" + deep)), HasSubstr("expected an object"));
    // An utterly long string is read without trouble, and then refused for its place.
    EXPECT_THAT(Refusal(Doc("\"version2\": \"" + std::string(1 << 20, 'x') + "\"")),
                HasSubstr("unknown key"));
}

TEST(DesignFileRefusal, FileLevelProblems) {
    // A file that cannot be read on gives the cause, not a half-loaded design.
    struct Failing final : TextSource {
        MemoryTextSource text{"{\"format\": \"vxw-design\", \"version\": 1, \"name\": \"long name\"}", 20};
        size_t Read(char* into, size_t max) override {
            if (text.Remaining() < 30) {
                throw TextSourceError{"cannot read the file: Input/output error"};
            }
            return text.Read(into, max);
        }
        size_t Remaining() const override { return text.Remaining(); }
        TextPosition PositionOf(size_t offset) override { return text.PositionOf(offset); }
    } failing;
    const DesignFileResult broken = LoadDesignText(failing, QStringLiteral("io.vxd"), {16, 8});
    EXPECT_FALSE(broken.Ok());
    EXPECT_EQ(broken.error.toStdString(), "io.vxd: cannot read the file: Input/output error");

    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.vxd"));
    EXPECT_THAT(LoadDesignFile(missing).error.toStdString(),
                StartsWith(missing.toStdString() + ": cannot open the file"));

    // A sparse file beyond the limit is refused before it is read.
    const QString huge = dir.filePath(QStringLiteral("huge.vxd"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(MaxDesignFileSize + 1));
    file.close();
    const DesignFileResult result = LoadDesignFile(huge);
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.error.toStdString(), huge.toStdString() + ": the file is larger than 512 MiB");

    // The error names the file as given.
    const QString bad = dir.filePath(QStringLiteral("bad.vxd"));
    QFile badFile(bad);
    ASSERT_TRUE(badFile.open(QIODevice::WriteOnly));
    badFile.write("{\"format\": \"vxw-design\", \"version\": 1, \"name\": 1}");
    badFile.close();
    EXPECT_EQ(LoadDesignFile(bad).error.toStdString(),
              bad.toStdString() + ": name (line 1, column 48): expected a string");
}

TEST(DesignFileRefusal, LargeFileNamesTheSamePlacesAsItsBytes) {
    // A file is read through a window, so a message about an object that began megabytes
    // earlier is placed by reading the file again: it must read as the bytes would.
    std::string nodes;
    for (int i = 0; i < 160000; ++i) {
        nodes += i == 0 ? "\n" : ",\n";
        nodes += R"(  {"schComp": "U1", "schEntry": 1, "layComp": "U1", "layPin": 2})";
    }
    const std::string net = "{\"name\": \"N\", \"nodes\": [" + nodes + "]}";
    const std::string bom = "\xEF\xBB\xBF";
    const std::vector<std::string> texts{
        WithCircuit(Comps + ", \"nets\": [" + net + "]").toStdString(),
        bom + WithCircuit(Comps + ", \"nets\": [" + net + "], \"traces\": [{\"net\": \"Ñ\"}]").toStdString(),
        bom + Doc("\"name\": \"Ä\",\n\"circuits\": [{\"pages\": [], \"nets\": [" + net + "]}]").toStdString(),
        Doc("\"circuits\": [{\"name\": \"C\", \"nets\": [" + net + "], \"vias\": [{\"x\": 1.5}]}]")
            .toStdString(),
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.vxd"));
    std::vector<std::string> messages;
    for (const std::string& text : texts) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        file.close();
        const DesignFileResult fromFile = LoadDesignFile(path);
        const DesignFileResult fromBytes = LoadDesignBytes(QByteArray::fromStdString(text), path);
        EXPECT_EQ(fromFile.error.toStdString(), fromBytes.error.toStdString());
        messages.push_back(fromFile.error.toStdString());
        ASSERT_EQ(fromFile.Ok(), fromBytes.Ok());
        if (fromFile.Ok()) {
            EXPECT_EQ(DesignToJson(*fromFile.design), DesignToJson(*fromBytes.design));
        }
    }
    const std::string prefix = path.toStdString() + ": ";
    EXPECT_EQ(
        messages,
        (std::vector<std::string>{
            "",
            prefix + "circuits[0].traces[0].net: unknown net \"\xC3\x91\"",
            prefix + "circuits[0] (line 2, column 14): missing key \"name\"",
            prefix + "circuits[0].vias[0].x (line 160001, column 85): expected a whole number, found 1.5",
        }));
}

} // namespace
} // namespace vxw
