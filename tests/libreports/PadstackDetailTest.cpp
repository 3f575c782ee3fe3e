#include "libreports/PadstackDetail.h"

#include "DetailTestSupport.h"
#include "kernel/DesignBuilder.h"
#include "kernel/KernelText.h"
#include "kernel/KernelWalk.h"
#include "kernel/LibraryFile.h"
#include "listgen/FieldProfile.h"
#include "shell/RecordingInterface.h"
#include "shell/Units.h"
#include "suite/SuiteServices.h"
#include "tests/listgen/FieldTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

ItemData Filled(ItemData item) {
    item.flags = ItemCounted | ItemFilled;
    return item;
}

ItemData Hrf(ItemData item) {
    item.flags = ItemHrf;
    return item;
}

// ROUND60: three filled circles of 1.524 mm on three layers, drilled 0.8 mm.
SymbolData Round60() {
    SymbolData symbol;
    symbol.name = "ROUND60";
    symbol.kind = SymbolPadstack;
    symbol.padStacks.push_back(PadStackData{"ROUND60", 1, 8000, {}});
    for (const int layer : {0, 1, 31}) {
        symbol.items.push_back(Filled(DesignBuilder::Circle(0, 0, 15240, layer)));
    }
    return symbol;
}

std::unique_ptr<MemoryKernel> Design() {
    DesignBuilder builder("PADS");
    builder.Layer(0, "TOP").Layer(1, "INNER1").Layer(31, "BOTTOM");
    builder.Symbol("~LG_PADSTACK_1", SymbolSchematic); // a name a temporary copy must not take
    builder.Data().symbols.push_back(Round60());
    builder.Symbol("MIXED", SymbolPadstack)
        .SymbolPadStack("MIXED", 9000, 1)
        .SymbolItem(Filled(DesignBuilder::Circle(0, 0, 17000, 31)))
        .SymbolItem(Filled(DesignBuilder::Rectangle(0, 0, 17000, 17000, 0, 0)))
        .SymbolItem(Filled(DesignBuilder::Circle(0, 0, 17000, 1)));
    ItemData ring = DesignBuilder::Circle(0, 0, 20000, 0);
    ring.width = 2000;
    builder.Symbol("THERMAL", SymbolPadstack)
        .SymbolPadStack("THERMAL")
        .SymbolItem(Filled(DesignBuilder::Circle(0, 0, 10000, 0)))
        .SymbolItem(Hrf(ring))
        .SymbolItem(DesignBuilder::Arc(100, 0, 12000, 405, -45, 40))
        .SymbolItem(DesignBuilder::Text("label"));
    return builder.Build();
}

QStringList SymbolNames(Kernel& kernel) {
    QStringList names;
    WalkMap(kernel, kernel.DB_SymbMap(), [&](int32_t id) { names.append(ObjectName(kernel, id)); });
    return names;
}

class PadstackDetailTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        suite_ = std::make_unique<ScopedSuite>(SuiteLocation::InFolder(dir_.path()));
    }
    void TearDown() override { SetCurrentUnit(kUnitInch); }

    QString Detail(std::initializer_list<int16_t> shown, const char* name, const QString& path = QString()) {
        const FieldTable fields = TableShowing(shown);
        const LibraryReportContext context{*kernel_, fields, ui_, lookup_};
        return BuildPadstackDetail(context, QString::fromLatin1(name),
                                   path.isEmpty() ? QStringLiteral("Project Library") : path,
                                   SplitAttributes(Tokens({"Round pad", "THT", "ROUND"})), path);
    }

    QString WriteLibrary() {
        LibraryContents contents;
        contents.kind = LibraryKind::Padstack;
        LibraryEntry entry;
        entry.name = "ROUND60";
        entry.symbol = Round60();
        contents.entries.push_back(entry);
        const QString path = dir_.filePath(QStringLiteral("tht.PADSTACK"));
        EXPECT_EQ(WriteLibraryFile(contents, path.toStdString()), "");
        return path;
    }

    QTemporaryDir dir_;
    std::unique_ptr<ScopedSuite> suite_;
    std::unique_ptr<MemoryKernel> kernel_ = Design();
    RecordingInterface ui_;
    FakeLookup lookup_;
};

const QString kCircleHeader =
    QStringLiteral("Layer            Shape             Status    X         Y         "
                   "Gap       Dm        \r\n") +
    QString(85, QLatin1Char('=')) + QStringLiteral("\r\n");

TEST_F(PadstackDetailTest, ThreeCirclesOnThreeLayersUnderOneHeader) {
    const QString text = Detail({22, 47, 10, 41, 66, 67, 68, 69, 70}, "ROUND60");
    EXPECT_EQ(text, QStringLiteral("PAD: ROUND60\r\n"
                                   "LIBRARY: Project Library\r\n"
                                   "TYPE: THT\r\n"
                                   "DESCRIPTION: Round pad\r\n"
                                   "SHAPE: ROUND\r\n"
                                   "SizeX: 0.0600\"   \r\n"
                                   "SizeY: 0.0600\"   \r\n"
                                   "Hole Category: 1\r\n"
                                   "Hole Diameter: 0.0315\"   \r\n"
                                   "\r\nLAYER INFORMATION:\r\n\r\n") +
                        kCircleHeader +
                        QStringLiteral("TOP              FILLED CIRCLE     Normal    0.0000\"   0.0000\"   "
                                       "0.0000\"   0.0600\"   \r\n"
                                       "INNER1           FILLED CIRCLE     Normal    0.0000\"   0.0000\"   "
                                       "0.0000\"   0.0600\"   \r\n"
                                       "BOTTOM           FILLED CIRCLE     Normal    0.0000\"   0.0000\"   "
                                       "0.0000\"   0.0600\"   \r\n"));
}

TEST_F(PadstackDetailTest, NewHeaderAtEveryChangeOfShapeAndHrfRowsWithoutLayer) {
    const QStringList mixed = Detail({70}, "MIXED").split(QStringLiteral("\r\n"));
    ASSERT_EQ(mixed.size(), 14);
    EXPECT_EQ(mixed[4],
              QStringLiteral("Layer            Shape             Status    X         Y         Gap       "
                             "Dm        "));
    EXPECT_TRUE(mixed[6].startsWith(QStringLiteral("BOTTOM           FILLED CIRCLE")));
    EXPECT_EQ(mixed[7],
              QStringLiteral("Layer            Shape             Status    X         Y         Gap       "
                             "dX        dY        Rt      "));
    EXPECT_EQ(mixed[8], QString(mixed[7].size(), QLatin1Char('=')));
    EXPECT_EQ(mixed[9],
              QStringLiteral("TOP              FILLED RECTANGLE  Normal    0.0000\"   0.0000\"   0.0000\"   "
                             "0.06693\"  0.06693\"  0       "));
    EXPECT_EQ(mixed[10], mixed[4]);
    EXPECT_TRUE(mixed[12].startsWith(QStringLiteral("INNER1 ")));

    // The Hrf ring has no layer column; the arc's angles come in the normal range; the text item
    // is no pad and stays out.
    const QStringList thermal = Detail({70}, "THERMAL").split(QStringLiteral("\r\n"));
    ASSERT_EQ(thermal.size(), 14);
    EXPECT_EQ(
        thermal[7],
        QStringLiteral("Shape             Status    X         Y         Width     Gap       Dm        "));
    EXPECT_EQ(thermal[9],
              QStringLiteral("CIRCLE            Hrf item  0.0000\"   0.0000\"   0.00787\"  0.0000\"   "
                             "0.07874\"  "));
    EXPECT_EQ(thermal[10],
              QStringLiteral("Layer            Shape             Status    X         Y         Width     "
                             "Gap       Rd        Alfa    Beta    "));
    EXPECT_EQ(thermal[12],
              QStringLiteral("                 ARC               Normal    0.00039\"  0.0000\"   0.0000\"   "
                             "0.0000\"   0.04724\"  45      315     "));
    EXPECT_EQ(thermal[13], QString());
}

TEST_F(PadstackDetailTest, LibraryPadstackMeasuredLikeTheProjectOneAndDesignUnchanged) {
    const QString path = WriteLibrary();
    const QStringList before = SymbolNames(*kernel_);
    const std::initializer_list<int16_t> geometry{66, 67, 68, 69, 70};
    const QString fromLibrary = Detail(geometry, "ROUND60", path);
    EXPECT_EQ(fromLibrary, Detail(geometry, "ROUND60"));
    EXPECT_TRUE(fromLibrary.contains(QStringLiteral("Hole Category: 1\r\n")));
    EXPECT_EQ(SymbolNames(*kernel_), before);

    // Missing from the file, a file that is not there, a project padstack that is not there:
    // name and attribute lines only, and still no trace in the design.
    EXPECT_EQ(Detail({41, 66, 70}, "NOSUCH", path), QStringLiteral("PAD: NOSUCH\r\nSHAPE: ROUND\r\n"));
    EXPECT_EQ(Detail({66}, "ROUND60", dir_.filePath(QStringLiteral("gone.PADSTACK"))),
              QStringLiteral("PAD: ROUND60\r\n"));
    EXPECT_EQ(Detail({66}, "NOSUCH"), QStringLiteral("PAD: NOSUCH\r\n"));
    EXPECT_EQ(SymbolNames(*kernel_), before);
}

TEST_F(PadstackDetailTest, LengthCellsInEitherUnit) {
    EXPECT_EQ(PadCell(FormatLength(10000), 10), QStringLiteral("0.03937\"  "));
    SetCurrentUnit(kUnitMillimetre);
    EXPECT_EQ(PadCell(FormatLength(10000), 10), QStringLiteral("1.000mm   "));
    EXPECT_EQ(Detail({66}, "ROUND60"), QStringLiteral("PAD: ROUND60\r\nSizeX: 1.524mm   \r\n"));
}

TEST(PadCellTest, NumbersRewrittenOtherTextTrimmedAndLongTextKept) {
    EXPECT_EQ(PadCell(QStringLiteral("  45.000000 "), 8), QStringLiteral("45      "));
    EXPECT_EQ(PadCell(QStringLiteral("1.23456"), 8), QStringLiteral("1.2346  "));
    EXPECT_EQ(PadCell(QStringLiteral("-22.5"), 8), QStringLiteral("-22.5   "));
    EXPECT_EQ(PadCell(QStringLiteral("1e3"), 6), QStringLiteral("1000  "));
    EXPECT_EQ(PadCell(QStringLiteral("-0.00001"), 4), QStringLiteral("0   "));
    EXPECT_EQ(PadCell(QStringLiteral("12abc"), 6), QStringLiteral("12abc "));
    EXPECT_EQ(PadCell(QStringLiteral("."), 2), QStringLiteral(". "));
    EXPECT_EQ(PadCell(QStringLiteral("A VERY LONG LAYER NAME"), 17),
              QStringLiteral("A VERY LONG LAYER NAME"));
    EXPECT_EQ(PadCell(QString(), 3), QStringLiteral("   "));
}

} // namespace
} // namespace vxw
