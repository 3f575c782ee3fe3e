#include "libreports/SymbolDetail.h"

#include "DetailTestSupport.h"
#include "kernel/DesignBuilder.h"
#include "libreports/PartDetail.h"
#include "listgen/FieldProfile.h"
#include "shell/RecordingInterface.h"
#include "tests/listgen/FieldTestSupport.h"
#include "tools/vxgen/LibraryGenerator.h"

#include <gtest/gtest.h>

namespace vxw {
namespace {

class SymbolDetailTest : public ::testing::Test {
protected:
    SymbolDetailTest() {
        lookup_.AddPart(QStringLiteral("a.PART"), "P1", "SOIC14", "NAND2,NAND2");
        lookup_.AddPart(QStringLiteral("a.PART"), "P2", "soic14", "XOR2, nand2 ");
        lookup_.AddPart(QStringLiteral("a.PART"), "P3", "DIP8", "OPAMP");
        lookup_.AddPart(QStringLiteral("b.PART"), "Q1", "SOIC14X", "NAND2");
        lookup_.partFiles.append(QStringLiteral("empty.PART"));
    }

    LibraryReportContext Context(const FieldTable& fields) { return {*kernel_, fields, ui_, lookup_}; }

    // The detail text of a symbol, or with `package` of a package, showing the given fields.
    QString Detail(std::initializer_list<int16_t> shown, const char* name, const char* path = "",
                   const QString& attributes = {}, bool package = false) {
        const FieldTable fields = TableShowing(shown);
        const LibraryReportContext context = Context(fields);
        const QString itemName = QLatin1String(name), itemPath = QLatin1String(path);
        return package ? BuildPackageDetail(context, itemName, itemPath, SplitAttributes(attributes))
                       : BuildSymbolDetail(context, itemName, itemPath, SplitAttributes(attributes));
    }

    std::unique_ptr<MemoryKernel> kernel_ = DesignBuilder().Build();
    RecordingInterface ui_;
    FakeLookup lookup_;
};

TEST_F(SymbolDetailTest, UsedSymbolListsEachFileAndItsPartsOnce) {
    EXPECT_EQ(Detail({63}, "Nand2", "/lib/x.SYMBOL"),
              QStringLiteral("SYMBOL: Nand2\r\n"
                             "\r\n\r\n[USED BY PART FILES]\r\n"
                             "\r\n\ta.PART\r\n\r\n\t\tP1\r\n\t\tP2\r\n\r\n"
                             "\r\n\tb.PART\r\n\r\n\t\tQ1\r\n\r\n"
                             "\r\n"));
}

TEST_F(SymbolDetailTest, UnusedSymbolAndPackageUsageByTrimmedName) {
    EXPECT_EQ(Detail({63, 64}, "UNUSED"),
              QStringLiteral("SYMBOL: UNUSED\r\n\r\n[NOT USED BY ANY OF THE PART FILES]\r\n\r\n"));
    EXPECT_EQ(Detail({63, 64}, "SOIC14 ", "", {}, true),
              QStringLiteral("PACKAGE: SOIC14 \r\n"
                             "\r\n\r\n[USED BY PART FILES]\r\n"
                             "\r\n\ta.PART\r\n\r\n\t\tP1\r\n\t\tP2\r\n\r\n"
                             "\r\n"));
}

TEST_F(SymbolDetailTest, LabelledLinesInOrderAndPackageTokenFourNeverPrinted) {
    const std::initializer_list<int16_t> fields = {22, 47, 10, 24, 13, 14, 15, 18, 16};
    EXPECT_EQ(
        Detail(fields, "NE555", "Project Library", Tokens({"Timer", "IC", "TIMER", "X", "NE555", "CMOS"})),
        QStringLiteral("SYMBOL: NE555\r\n"
                       "LIBRARY: Project Library\r\n"
                       "TYPE: IC\r\n"
                       "DESCRIPTION: Timer\r\n"
                       "MIXEDMODE SIM. FUNCTION: TIMER\r\n"
                       "VXSPICE ELEMENT CODE: X\r\n"
                       "VXSPICE MODEL: NE555\r\n"
                       "VXSPICE VARIANT: CMOS\r\n"));
    EXPECT_EQ(Detail(fields, "SOIC14", "/lib/smd.PACKAGE",
                     Tokens({"Small outline", "SMD", "MS-012", "TOKEN4", "SOIC127P600X175-14"}), true),
              QStringLiteral("PACKAGE: SOIC14\r\n"
                             "LIBRARY: /lib/smd.PACKAGE\r\n"
                             "TYPE: SMD\r\n"
                             "DESCRIPTION: Small outline\r\n"
                             "JEDEC NAME: MS-012\r\n"
                             "IPC NAME: SOIC127P600X175-14\r\n"));
}

TEST_F(SymbolDetailTest, AllFieldsHiddenOrEmptyAttributes) {
    EXPECT_EQ(Detail({}, "VCC"), QStringLiteral("SYMBOL: VCC\r\n"));
    EXPECT_EQ(Detail({}, "DIP8", "", {}, true), QStringLiteral("PACKAGE: DIP8\r\n"));
    EXPECT_EQ(Detail({47, 10}, "VCC"), QStringLiteral("SYMBOL: VCC\r\nTYPE: \r\nDESCRIPTION: \r\n"));
}

TEST_F(SymbolDetailTest, IndexFollowsChangedPartEntries) {
    const FieldTable fields = TableShowing({});
    PartUsageIndex index;
    const QString before = DescribePartUsage(Context(fields), index, QStringLiteral("OPAMP"), kCrossSymbol);
    EXPECT_EQ(before, QStringLiteral("\r\n\r\n[USED BY PART FILES]\r\n\r\n\ta.PART\r\n\r\n\t\tP3\r\n\r\n"));
    // A new load: other entries for the same file.
    lookup_.partEntries[QStringLiteral("b.PART")] = {
        PartInfo{"Q9", {}, "DIP8 d\x80\x80\x80\x80\x80\x80\x80\x80\x80OPAMP"}};
    EXPECT_EQ(DescribePartUsage(Context(fields), index, QStringLiteral("opamp"), kCrossSymbol),
              QStringLiteral("\r\n\r\n[USED BY PART FILES]\r\n\r\n\ta.PART\r\n\r\n\t\tP3\r\n\r\n"
                             "\r\n\tb.PART\r\n\r\n\t\tQ9\r\n\r\n"));
    lookup_.partFiles = {QStringLiteral("b.PART")};
    EXPECT_EQ(DescribePartUsage(Context(fields), index, QStringLiteral("OPAMP"), kCrossSymbol),
              QStringLiteral("\r\n\r\n[USED BY PART FILES]\r\n\r\n\tb.PART\r\n\r\n\t\tQ9\r\n\r\n"));
}

// The index answers exactly what asking every part file in turn answers, over generated
// libraries with names shared by many files, names in other case and names used nowhere.
TEST(PartUsageIndexTest, SameTextAsScanningEveryPartFile) {
    gen::LibrarySizes sizes;
    sizes.partFiles = 12;
    sizes.partsPerFile = 15;
    sizes.symbolFiles = 4;
    sizes.packageFiles = 4;
    FakeLookup lookup;
    QStringList symbols;
    QStringList packages;
    for (const gen::GeneratedLibrary& library : gen::GenerateLibraries(sizes)) {
        const QString file = QString::fromStdString(library.fileName);
        for (const LibraryEntry& entry : library.contents.entries) {
            const QString name = QString::fromLatin1(entry.name.data(), qsizetype(entry.name.size()));
            if (library.contents.kind == LibraryKind::Part) {
                if (!lookup.partFiles.contains(file)) {
                    lookup.partFiles.append(file);
                }
                lookup.partEntries[file].push_back(PartInfo{entry.name, entry.second, entry.attributes});
            } else if (library.contents.kind == LibraryKind::Symbol) {
                symbols.append(name);
            } else if (library.contents.kind == LibraryKind::Package) {
                packages.append(name);
            }
        }
    }
    ASSERT_EQ(lookup.partFiles.size(), 12);
    symbols << QStringLiteral("nowhere") << symbols.first().toLower() + QStringLiteral("  ");
    packages << QStringLiteral("nowhere") << packages.first().toLower();

    auto kernel = DesignBuilder().Build();
    RecordingInterface ui;
    const FieldTable fields = TableShowing({});
    const LibraryReportContext context{*kernel, fields, ui, lookup};
    int used = 0;
    for (const auto& [names, kind] : {std::pair{symbols, kCrossSymbol}, std::pair{packages, kCrossPackage}}) {
        for (const QString& name : names) {
            const QString scanned = ScanPartUsage(context, name, kind);
            EXPECT_EQ(DescribePartUsage(context, name, kind), scanned) << name.toStdString();
            used += scanned.contains(QStringLiteral("[USED BY")) ? 1 : 0;
        }
    }
    EXPECT_GT(used, 10); // the comparison saw real usage, not only empty blocks
}

} // namespace
} // namespace vxw
