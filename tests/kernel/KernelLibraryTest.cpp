// Library calls: opening with the access tag, item look-ups, info records, loading items into
// the symbol map, damaged files and the parsed-file cache.

#include "kernel/LibraryFile.h"
#include "tests/kernel/KernelTestDesign.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vxw {
namespace {

constexpr const char* Tag = "ZorbaKTP47";

LibraryEntry Entry(std::string name, std::string attributes = {}) {
    LibraryEntry entry;
    entry.name = std::move(name);
    entry.attributes = std::move(attributes);
    entry.second = "second of " + entry.name;
    entry.value = 7;
    return entry;
}

class KernelLibrary : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::string Write(const std::string& file, const LibraryContents& contents) {
        std::string bytes;
        EXPECT_EQ(WriteLibraryBytes(contents, bytes), "");
        const std::string path = (dir.path() + "/" + QString::fromStdString(file)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string Parts() {
        return Write(
            "LOGIC.PART",
            {LibraryKind::Part, {Entry("7400", "DIP14 desc"), Entry("LM358"), Entry("7400", "second copy")}});
    }

    std::string Padstacks() {
        LibraryEntry pad = Entry("ROUND60", "pad\x80th\x80round");
        pad.symbol.padStacks.push_back({"ROUND60", 0, 30, {DesignBuilder::Circle(0, 0, 60, 1)}});
        return Write("PADS.PADSTACK", {LibraryKind::Padstack, {pad, Entry("SQUARE")}});
    }

    QTemporaryDir dir;
    std::unique_ptr<MemoryKernel> kernel = test::SampleKernel();
};

TEST_F(KernelLibrary, OpensOnlyWithTheTagAndFindsExactNames) {
    const std::string path = Parts();
    EXPECT_EQ(kernel->E_OpenLibrary(path.c_str(), "zorbaktp47", 0), 0);
    EXPECT_EQ(kernel->E_OpenLibrary(path.c_str(), "ZorbaKTP4", 0), 0);
    EXPECT_EQ(kernel->E_OpenLibrary(path.c_str(), nullptr, 0), 0);
    EXPECT_EQ(kernel->E_OpenLibrary((path + ".missing").c_str(), Tag, 0), 0);
    EXPECT_EQ(kernel->E_OpenLibrary(nullptr, Tag, 0), 0);

    const int32_t library = kernel->E_OpenLibrary(path.c_str(), Tag, 0);
    ASSERT_GT(library, 0);
    EXPECT_GT(kernel->E_OpenLibToRead(library, "LM358"), 0);
    EXPECT_EQ(kernel->E_OpenLibToRead(library, "lm358"), 0);
    EXPECT_EQ(kernel->E_OpenLibToRead(library, "LM35"), 0);
    EXPECT_EQ(kernel->E_OpenLibToRead(library, nullptr), 0);
    EXPECT_EQ(kernel->S_LoadSymbol(library, nullptr), 0); // nothing opened to read; parts are no symbols
    EXPECT_EQ(kernel->E_CloseLibrary(library), 1);
    EXPECT_EQ(kernel->E_CloseLibrary(library), 0);
    EXPECT_EQ(kernel->E_OpenLibToRead(library, "LM358"), 0);
}

TEST_F(KernelLibrary, InfoRecordsAreBoundedByCountAndKind) {
    const std::string parts = Parts();
    std::vector<PartInfo> info(5);
    ASSERT_EQ(kernel->E_GetPartInfo(parts.c_str(), 5, info.data()), 3);
    EXPECT_EQ(info[0].name, "7400");
    EXPECT_EQ(info[0].second, "second of 7400");
    EXPECT_EQ(info[0].attributes, "DIP14 desc");
    EXPECT_EQ(info[2].attributes, "second copy");
    std::vector<PartInfo> two(2);
    EXPECT_EQ(kernel->E_GetPartInfo(parts.c_str(), 2, two.data()), 2);
    EXPECT_EQ(kernel->E_GetPartInfo(parts.c_str(), 0, two.data()), 0);
    EXPECT_EQ(kernel->E_GetPartInfo(parts.c_str(), 2, nullptr), 0);

    const std::string pads = Padstacks();
    std::vector<SymbolInfo> symbols(4);
    EXPECT_EQ(kernel->E_GetSymbolInfo(parts.c_str(), 4, symbols.data()), 0); // parts only from part files
    EXPECT_EQ(kernel->E_GetPartInfo(pads.c_str(), 4, info.data()), 0);
    ASSERT_EQ(kernel->E_GetSymbolInfo(pads.c_str(), 4, symbols.data()), 2);
    EXPECT_EQ(symbols[0].attributes, "pad\x80th\x80round");
    EXPECT_EQ(symbols[1].value, 7);
}

TEST_F(KernelLibrary, LoadedPadstackIsMeasurableAndRenamable) {
    const std::string path = Padstacks();
    const int32_t library = kernel->E_OpenLibrary(path.c_str(), Tag, 0);
    ASSERT_GT(kernel->E_OpenLibToRead(library, "ROUND60"), 0);
    const int32_t symbol = kernel->S_LoadSymbol(library, "$LIBPAD");
    kernel->E_CloseLibrary(library);
    ASSERT_GT(symbol, 0);
    EXPECT_EQ(kernel->S_Symbol("$LIBPAD"), symbol);
    SymbolRecord record;
    ASSERT_GT(kernel->S_ReadSymbol(symbol, &record), 0);
    EXPECT_EQ(record.kind, SymbolPadstack);
    EXPECT_STREQ(record.attributes, "pad\x80th\x80round");
    // Padstack symbols are in neither the schematic nor the package walk.
    EXPECT_EQ(test::Walk(*kernel, kernel->DB_SymbMap(), 1, 3).size(), 1u);
    EXPECT_EQ(test::Walk(*kernel, kernel->DB_SymbMap(), 2, 2).size(), 1u);

    FrameRect rect;
    ASSERT_GT(kernel->S_FrameSymbolItems(symbol, MaskDrawnItem, &rect), 0);
    EXPECT_EQ(rect, (FrameRect{-30, -30, 30, 30}));
    int32_t cursor = kernel->OM_GetFirst(kernel->S_SymbolPadStackMap(symbol));
    PadStackRecord pad;
    ASSERT_GT(kernel->S_ReadPadStack(
                  kernel->OM_SearchMask(kernel->S_SymbolPadStackMap(symbol), &cursor, 0, 0), &pad),
              0);
    EXPECT_EQ(pad.holeDiameter, 30);

    ASSERT_GT(kernel->O_Rename(symbol, "ROUND60 shown"), 0);
    EXPECT_EQ(kernel->S_Symbol("$LIBPAD"), 0);
    EXPECT_EQ(kernel->S_Symbol("ROUND60 shown"), symbol);
}

TEST_F(KernelLibrary, DamagedFilesGiveTheEntriesBeforeTheFault) {
    const std::string path = Write("CUT.PART", {LibraryKind::Part, {Entry("A"), Entry("B"), Entry("C")}});
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 5);
    std::vector<PartInfo> info(3);
    EXPECT_EQ(kernel->E_GetPartInfo(path.c_str(), 3, info.data()), 2);
    const int32_t library = kernel->E_OpenLibrary(path.c_str(), Tag, 0);
    ASSERT_GT(library, 0);
    EXPECT_GT(kernel->E_OpenLibToRead(library, "B"), 0);
    EXPECT_EQ(kernel->E_OpenLibToRead(library, "C"), 0);
    kernel->E_CloseLibrary(library);

    const std::string junk = (dir.path() + "/JUNK.PART").toStdString();
    std::ofstream(junk, std::ios::binary) << "not a library at all, not even close";
    EXPECT_EQ(kernel->E_OpenLibrary(junk.c_str(), Tag, 0), 0);
    EXPECT_EQ(kernel->E_GetPartInfo(junk.c_str(), 3, info.data()), 0);
    EXPECT_EQ(kernel->E_OpenLibrary(dir.path().toStdString().c_str(), Tag, 0), 0); // a folder
}

TEST_F(KernelLibrary, RepeatedOpensReadTheFileOnceUntilItChanges) {
    const std::string path = Parts();
    for (int i = 0; i < 2000; ++i) {
        const int32_t library = kernel->E_OpenLibrary(path.c_str(), Tag, 0);
        ASSERT_GT(library, 0);
        ASSERT_GT(kernel->E_OpenLibToRead(library, "7400"), 0);
        kernel->E_CloseLibrary(library);
    }
    EXPECT_EQ(kernel->Libraries().ParseCount(), 1);

    Write("LOGIC.PART", {LibraryKind::Part, {Entry("NEW")}});
    // Size differs, so the change is seen even within the file system's time resolution.
    const int32_t library = kernel->E_OpenLibrary(path.c_str(), Tag, 0);
    EXPECT_GT(kernel->E_OpenLibToRead(library, "NEW"), 0);
    EXPECT_EQ(kernel->E_OpenLibToRead(library, "7400"), 0);
    EXPECT_EQ(kernel->Libraries().ParseCount(), 2);
    kernel->E_CloseLibrary(library);

    std::filesystem::remove(path);
    EXPECT_EQ(kernel->E_OpenLibrary(path.c_str(), Tag, 0), 0);
    EXPECT_EQ(kernel->Libraries().FileCount(), 0u);
}

TEST_F(KernelLibrary, Latin1PathsReachTheFile) {
    const std::string path = Write("caf\xC3\xA9.PART", {LibraryKind::Part, {Entry("A")}}); // UTF-8 on disk
    const std::string latin1 = path.substr(0, path.size() - 7) + "\xE9.PART";
    std::vector<PartInfo> info(1);
    EXPECT_EQ(kernel->E_GetPartInfo(latin1.c_str(), 1, info.data()), 1);
}

} // namespace
} // namespace vxw
