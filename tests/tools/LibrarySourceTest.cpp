// The library source form: what a person writes becomes the expected library entries, mistakes
// are reported with their line, and the printed form reads back to the same contents.

#include "kernel/LibrarySource.h"
#include "kernel/KernelRecords.h"
#include "tests/tools/DataText.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vxw {
namespace {

using test::Describe;

LibraryContents Parse(const std::string& text) {
    const LibrarySourceResult result = ParseLibrarySource(text);
    EXPECT_TRUE(result.contents.has_value()) << result.error;
    return result.contents.value_or(LibraryContents());
}

TEST(LibrarySource, PartsJoinPackageAndNamedTokens) {
    const LibraryContents parts = Parse("# parts\n"
                                        "kind = part\n"
                                        "\n"
                                        "[7400]\n"
                                        "second = TTL\n"
                                        "package = DIP14\n"
                                        "description = Quad 2-input NAND\n"
                                        "manufacturer = Maker \xC3\xA9\n"
                                        "symbols = NAND2,NAND2\n"
                                        "[  BARE  ]\r\n"
                                        "package = SOT23\r\n"
                                        "[NOPKG]\n"
                                        "type = \"  padded  \"\n"
                                        "[RAW]\n"
                                        "attributes = \"A\\x80B\"\n");
    ASSERT_EQ(parts.kind, LibraryKind::Part);
    ASSERT_EQ(parts.entries.size(), 4u);
    EXPECT_EQ(parts.entries[0].second, "TTL");
    EXPECT_EQ(parts.entries[0].attributes,
              "DIP14 Quad 2-input NAND\x80\x80\x80Maker \xE9\x80\x80\x80\x80\x80\x80NAND2,NAND2");
    EXPECT_EQ(parts.entries[0].symbol.kind, 0);
    EXPECT_EQ(parts.entries[1].name, "BARE");
    EXPECT_EQ(parts.entries[1].attributes, "SOT23");
    EXPECT_EQ(parts.entries[2].attributes, " \x80\x80\x80\x80  padded  ");
    EXPECT_EQ(parts.entries[3].attributes, "A\x80"
                                           "B");
}

TEST(LibrarySource, SymbolsCarryGeometry) {
    const LibraryContents pads = Parse("kind = padstack\n"
                                       "[P60]\n"
                                       "description = Round\n"
                                       "shape = ROUND\n"
                                       "value = 0x10\n"
                                       "padstack = P60 category=1 diameter=800\n"
                                       "pad = circle layer=1 diameter=1524 flags=counted,filled\n"
                                       "pad = 7 layer=2 rotation=-45.5 text=\"a b=c\" mask=0x80000000\n"
                                       "entry = 1 padstack=P60 x=-10\n"
                                       "item = arc radius=5 startAngle=1e2 endAngle=+90\n");
    const ItemData circle{
        .kind = ItemCircle, .flags = ItemCounted | ItemFilled, .layer = 1, .diameter = 1524, .text = ""};
    const ItemData seven{
        .kind = 7, .mask = static_cast<int32_t>(0x80000000u), .layer = 2, .rotation = -45.5, .text = "a b=c"};
    const ItemData arc{.kind = ItemArc, .radius = 5, .startAngle = 100, .endAngle = 90, .text = ""};
    const std::string attributes = "Round\x80\x80ROUND";
    const SymbolData symbol{
        "P60", SymbolPadstack, attributes, {{"1", "P60", -10, 0}}, {arc}, {{"P60", 1, 800, {circle, seven}}}};
    const LibraryContents expected{LibraryKind::Padstack, {{"P60", "", attributes, 16, symbol}}};
    EXPECT_EQ(Describe(pads), Describe(expected));
}

TEST(LibrarySource, DocumentedExampleParses) {
    const LibraryContents example = Parse(test::DocumentedExample("library-format.md", "ini"));
    ASSERT_EQ(example.entries.size(), 2u);
    EXPECT_EQ(example.entries[0].attributes, "2-input NAND gate\x80GATE\x80\x80\x80"
                                             "74HC00");
    EXPECT_EQ(example.entries[1].symbol.padStacks[0].holeDiameter, 800);
}

TEST(LibrarySource, MistakesAreReportedWithTheirLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"[X]\n", "line 1: the library kind (kind = part, symbol, package or padstack) must come first"},
        {"# nothing\n", "line 1: the library kind (kind = part, symbol, package or padstack) is missing"},
        {"kind = gadget\n", "line 1: unknown library kind \"gadget\" (part, symbol, package or padstack)"},
        {"kind = symbol\nvalue = 1\n",
         "line 2: \"value\" outside an item: only the library kind comes before the first item"},
        {"kind = symbol\n[A]\ncolour = red\n", "line 3: unknown key \"colour\""},
        {"kind = symbol\n[A]\ntype = a\ntoken2 = b\n", "line 4: attribute token 2 given twice in this item"},
        {"kind = symbol\n[A]\ntoken257 = b\n", "line 3: unknown key \"token257\""},
        {"kind = symbol\n[A]\nvalue = 1\nvalue = 2\n", "line 4: \"value\" given twice in this item"},
        {"kind = symbol\n[A]\nvalue = 2147483648\n", "line 3: the value 2147483648 does not fit 32 bits"},
        {"kind = symbol\n[A]\nvalue = ten\n", "line 3: the value must be a whole number, not \"ten\""},
        {"kind = symbol\n[A]\npackage = P\n", "line 3: only parts have a package"},
        {"kind = part\n[A]\npackage = P Q\n", "line 3: a package name cannot hold a blank"},
        {"kind = part\n[A]\nattributes = x\ntype = y\n[B]\n",
         "line 5: item \"A\": give either attributes or package and tokens, not both"},
        {"kind = symbol\n[A]\npad = circle\n",
         "line 3: a pad belongs to the padstack above it, and there is none"},
        {"kind = symbol\n[A]\nentry = 1 padstack=P\n",
         "line 3: padstack \"P\" is not defined above in this item"},
        {"kind = symbol\n[A]\nitem = blob\n", "line 3: the item kind must be a whole number, not \"blob\""},
        {"kind = symbol\n[A]\nitem = line x=1 x=2\n", "line 3: \"x\" given twice"},
        {"kind = symbol\n[A]\nitem = line colour=1\n", "line 3: unknown item key \"colour\" (flags, mask, "
                                                       "layer, x, y, width, gap, dx, dy, rotation, diameter, "
                                                       "radius, startAngle, endAngle, text)"},
        {"kind = symbol\n[A]\nitem = line rotation=nan\n", "line 3: rotation must be a number, not \"nan\""},
        {"kind = symbol\n[A]\nitem = line flags=counted,round\n",
         "line 3: unknown flag \"round\" (counted, filled, hrf or a number)"},
        {"kind = symbol\n[A]\nentry = 1 5\n", "line 3: \"5\" needs a key (key=value)"},
        {"kind = symbol\n[A]\ndescription = \"open\n", "line 3: a quoted text without its closing quote"},
        {"kind = symbol\n[A]\ndescription = \"a\\q\"\n", "line 3: unknown escape \\q"},
        {"kind = symbol\n[A]\ndescription = \"a\" b\n", "line 3: text after the closing quote"},
        {"kind = symbol\n[A\n", "line 2: an item line must end with ']'"},
        {"kind = symbol\n[A]\nno equals sign\n",
         "line 3: expected \"key = value\", \"[item name]\" or a comment"},
        {"kind = symbol\n[A]\ndescription = \xE4\xB8\xAD\n", "line 3: character U+4E2D is outside Latin-1"},
        {"kind = symbol\n\n[A]\ndescription = \xC3\n", "line 4: the text is not valid UTF-8"},
    };
    for (const auto& [text, error] : cases) {
        SCOPED_TRACE(text);
        const LibrarySourceResult result = ParseLibrarySource(text);
        EXPECT_FALSE(result.contents.has_value());
        EXPECT_EQ(result.error, error);
    }
}

TEST(LibrarySource, ControlCharactersRefusedInNamesOnly) {
    // Each name of the source form, with the control character put in by an escape or raw.
    struct Place {
        const char* what;
        std::string before;
        std::string after;
        int line;
    };
    const Place places[] = {
        {"the item name", "kind = symbol\n[\"A", "B\"]\n", 2},
        {"the package name", "kind = part\n[A]\npackage = \"P", "Q\"\n", 3},
        {"the padstack name", "kind = padstack\n[A]\npadstack = \"P", "Q\" diameter=1\n", 3},
        {"the entry name", "kind = package\n[A]\nentry = \"1", "2\" x=0\n", 3},
    };
    // Escapes in the quoted name, and the raw bytes (a raw line feed would end the line).
    const std::pair<std::string, const char*> refused[] = {
        {"\\n", "0x0A"},   {"\\r", "0x0D"}, {"\\x01", "0x01"}, {"\\x1F", "0x1F"},
        {"\\x00", "0x00"}, {"\r", "0x0D"},  {"\x01", "0x01"},  {"\x1F", "0x1F"}};
    for (const Place& place : places) {
        for (const auto& [character, code] : refused) {
            const std::string text = place.before + character + place.after;
            SCOPED_TRACE(text);
            const LibrarySourceResult result = ParseLibrarySource(text);
            EXPECT_FALSE(result.contents.has_value());
            EXPECT_EQ(result.error, "line " + std::to_string(place.line) + ": " + place.what +
                                        " holds the control character " + code +
                                        " (only tab is allowed in names)");
        }
        for (const char* tab : {"\\t", "\t"}) {
            const std::string text = place.before + tab + place.after;
            SCOPED_TRACE(text);
            EXPECT_TRUE(ParseLibrarySource(text).contents.has_value()) << ParseLibrarySource(text).error;
        }
    }
    // An unquoted name is refused alike; other texts keep what they hold.
    EXPECT_EQ(ParseLibrarySource("kind = symbol\n[A\x01]\n").error,
              "line 2: the item name holds the control character 0x01 (only tab is allowed in names)");
    const LibraryContents texts =
        Parse("kind = symbol\n[A]\ndescription = \"x\\ny\\x01\"\nsecond = \"\\r\"\n");
    ASSERT_EQ(texts.entries.size(), 1u);
    EXPECT_EQ(texts.entries[0].attributes, "x\ny\x01");
    EXPECT_EQ(texts.entries[0].second, "\r");
}

TEST(LibrarySource, PrintedFormReadsBack) {
    const std::string hostile[] = {"",         "plain",  " lead",  "trail ",
                                   "\"q\"",    "a=b",    "tab\tx", "\x80\x01\x9F",
                                   "\xE9\xFF", "back\\", "[x]",    "# not a comment"};
    for (const LibraryKind kind : {LibraryKind::Part, LibraryKind::Symbol, LibraryKind::Package}) {
        LibraryContents contents;
        contents.kind = kind;
        for (const std::string& text : hostile) {
            // Names cannot hold control characters other than tab; texts can.
            std::string name = text;
            std::replace_if(
                name.begin(), name.end(),
                [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }, '?');
            LibraryEntry entry;
            entry.name = name;
            entry.second = text;
            entry.attributes =
                kind == LibraryKind::Part ? "PKG " + text + "\x80" + text : text + "\x80" + text;
            entry.value = -7;
            const ItemData item{ItemText, 5, 8, 3, -1, 2, 3, 4, 5, 6, 0.1, 7, 8, 1e-7, 359.99, text};
            entry.symbol = {name, 99, entry.attributes, {{name, name, 1, 2}}, {item}, {{name, 1, 2, {item}}}};
            contents.entries.push_back(entry);
        }
        LibraryEntry noBlank;
        noBlank.attributes = "ONLY\x80PACKAGE";
        noBlank.symbol.attributes = noBlank.attributes;
        contents.entries.push_back(noBlank);
        LibraryEntry manyTokens; // beyond the named positions the printed form keeps the raw text
        for (int i = 0; i <= MaxSourceTokens; ++i) {
            manyTokens.attributes += i ? "\x80t" : "P t";
        }
        manyTokens.symbol.attributes = manyTokens.attributes;
        contents.entries.push_back(manyTokens);

        const std::string source = LibraryToSource(contents);
        SCOPED_TRACE(source);
        EXPECT_EQ(Describe(Parse(source)), Describe(contents));
    }
}

} // namespace
} // namespace vxw
