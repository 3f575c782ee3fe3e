#include "libreports/PartDetail.h"

#include "DetailTestSupport.h"
#include "kernel/DesignBuilder.h"
#include "listgen/FieldProfile.h"
#include "shell/RecordingInterface.h"
#include "tests/listgen/FieldTestSupport.h"

#include <gtest/gtest.h>

namespace vxw {
namespace {

// Ten part tokens after the package and a blank: 1 description, 2 index code, 3 simulation
// reference, 4 manufacturer, 5 type, 6 technology, 7 package type, 8 simulation function,
// 9 simulator model, 10 symbols.
PartAttributes Part(const char* package, const char* symbols) {
    return SplitPartAttributes(
        QString::fromLatin1(package) + QLatin1Char(' ') +
        Tokens({"desc", "ix", "sr", "maker", "type", "tech", "ptype", "sf", "sm", symbols}));
}

class PartDetailTest : public ::testing::Test {
protected:
    PartDetailTest() {
        lookup_.packageFiles = {{QStringLiteral("smd.PACKAGE"), {QStringLiteral("SOIC14")}},
                                {QStringLiteral("tht.PACKAGE"), {QStringLiteral("DIP8")}},
                                {QStringLiteral("alt.PACKAGE"), {QStringLiteral("SOIC14")}}};
        lookup_.symbolFiles = {
            {QStringLiteral("logic.SYMBOL"), {QStringLiteral("NAND2")}},
            {QStringLiteral("misc.SYMBOL"), {QStringLiteral("NAND2"), QStringLiteral("TP")}}};
    }

    QString Build(std::initializer_list<int16_t> shown, const char* name, const PartAttributes& attributes) {
        const FieldTable fields = TableShowing(shown);
        const LibraryReportContext context{*kernel_, fields, ui_, lookup_};
        return BuildPartDetail(context, QString::fromLatin1(name), QStringLiteral("/lib/ic.PART"), attributes,
                               record_);
    }

    QString RecordText() const {
        return QStringList{record_.packagesFound.join(','), record_.packagesMissing.join(','),
                           record_.symbolsFound.join(','), record_.symbolsMissing.join(',')}
            .join(QStringLiteral(" | "));
    }

    std::unique_ptr<MemoryKernel> kernel_ = DesignBuilder().Build();
    RecordingInterface ui_;
    FakeLookup lookup_;
    CrossReferenceRecord record_;
};

TEST_F(PartDetailTest, EveryLineInOrderAndNoLookUpForNonePackageOrEmptySymbols) {
    for (const char* none : {"none", "NONE", "None"}) {
        record_ = CrossReferenceRecord{{QStringLiteral("stale")}, {}, {}, {QStringLiteral("stale")}};
        const QString text =
            Build({22, 23, 47, 10, 46, 45, 29, 30, 61, 62, 24, 13, 58, 59}, "PWR", Part(none, ""));
        EXPECT_EQ(text, QStringLiteral("PART: PWR\r\n"
                                       "LIBRARY: /lib/ic.PART\r\n"
                                       "MANUFACTURER: maker\r\n"
                                       "TYPE: type\r\n"
                                       "DESCRIPTION: desc\r\n"
                                       "TECHNOLOGY: tech\r\n"
                                       "SYMBOL: \r\n"
                                       "PACKAGE: ") +
                            QLatin1String(none) +
                            QStringLiteral("\r\n"
                                           "PACKAGE TYPE: ptype\r\n"
                                           "\r\n[NO PACKAGE - SYMBOL ONLY PART]\r\n\r\n\r\n"
                                           "\r\n[NO SYMBOL - PACKAGE ONLY PART]\r\n\r\n\r\n"
                                           "MIXEDMODE SIM. FUNCTION: sf\r\n"
                                           "VXSPICE MODEL: sm\r\n"
                                           "EXTERNAL INDEX CODE: ix\r\n"
                                           "VXSPICE SIMULATION REF.: sr\r\n"));
        EXPECT_TRUE(lookup_.asked.isEmpty());
        // The look-ups that were not made leave no names from before.
        EXPECT_EQ(RecordText(), " |  |  | ");
    }
    // Nor do blocks that are not shown.
    record_ = CrossReferenceRecord{{QStringLiteral("stale")}, {}, {QStringLiteral("stale")}, {}};
    Build({22}, "PWR", Part("SOIC14", "NAND2"));
    EXPECT_EQ(RecordText(), " |  |  | ");
}

TEST_F(PartDetailTest, FoundInTwoFilesAndMissingNameCountedButNotPrinted) {
    const QString text = Build({29, 61, 62}, "74HC86", Part("SOIC14", "XOR2,NAND2"));
    EXPECT_EQ(text, QStringLiteral("PART: 74HC86\r\n"
                                   "PACKAGE: SOIC14\r\n"
                                   "\r\n[PACKAGE FOUND IN OTHER FILES]\r\n\r\n"
                                   "\r\n**SOIC14**\r\n\tsmd.PACKAGE\r\n\talt.PACKAGE\r\n\r\n"
                                   "\r\n"
                                   "\r\n[SYMBOLS FOUND IN OTHER FILES]\r\n\r\n"
                                   "\r\n**NAND2**\r\n\tlogic.SYMBOL\r\n\tmisc.SYMBOL\r\n\r\n"
                                   "\r\n"));
    EXPECT_EQ(RecordText(), "SOIC14 |  | NAND2 | XOR2");
}

TEST_F(PartDetailTest, TwoFoundNamesStartWithTwoLineBreaks) {
    const QString text = Build({62}, "X", Part("SOIC14", "NAND2,TP"));
    EXPECT_EQ(text, QStringLiteral("PART: X\r\n"
                                   "\r\n[SYMBOLS FOUND IN OTHER FILES]\r\n\r\n"
                                   "\r\n\r\n**NAND2**\r\n\tlogic.SYMBOL\r\n\tmisc.SYMBOL\r\n\r\n"
                                   "**TP**\r\n\tmisc.SYMBOL\r\n\r\n"
                                   "\r\n"));
}

TEST_F(PartDetailTest, AllMissingListsEveryMissingSymbol) {
    const QString text = Build({61, 62}, "MCU", Part("QFN32", "MCU32,XOR2"));
    EXPECT_EQ(text, QStringLiteral("PART: MCU\r\n"
                                   "\r\n[PACKAGE QFN32 NOT FOUND IN OTHER FILES]\r\n\r\n\r\n"
                                   "\r\n[SYMBOLS NOT FOUND IN OTHER FILES]\r\n\r\n\r\nMCU32\r\nXOR2\r\n"));
    EXPECT_EQ(RecordText(), " | QFN32 |  | MCU32,XOR2");
}

TEST_F(PartDetailTest, RepeatedSymbolNamesShownEachTimeButRecordedOnce) {
    // Four gates naming their symbol four times, blanks around names, and empty names.
    const QString text = Build({62}, "Q", Part("SOIC14", " NAND2 , NAND2,, NAND2,NAND2, XOR2,XOR2 ,"));
    const QString nand = QStringLiteral("1:NAND2");
    const QString xorName = QStringLiteral("1:XOR2");
    EXPECT_EQ(lookup_.asked, (QStringList{nand, nand, nand, nand, xorName, xorName}));
    EXPECT_EQ(text.count(QStringLiteral("**NAND2**")), 4);
    EXPECT_EQ(RecordText(), " |  | NAND2 | XOR2");

    // With nothing found, the missing list names a repeated name each time.
    const QString none = Build({62}, "M", Part("SOIC14", "MCU32, MCU32,XOR2"));
    EXPECT_TRUE(none.endsWith(QStringLiteral("[SYMBOLS NOT FOUND IN OTHER FILES]\r\n\r\n"
                                             "\r\nMCU32\r\nMCU32\r\nXOR2\r\n")))
        << none.toStdString();
    EXPECT_EQ(RecordText(), " |  |  | MCU32,XOR2");
}

TEST_F(PartDetailTest, RecordListsCompareNamesExactly) {
    // The files are asked by the name as written; the record tells "nand2" from "NAND2".
    lookup_.symbolFiles.push_back({QStringLiteral("lower.SYMBOL"), {QStringLiteral("nand2")}});
    Build({62}, "Q", Part("SOIC14", "NAND2,nand2,NAND2"));
    EXPECT_EQ(RecordText(), " |  | NAND2,nand2 | ");
}

TEST_F(PartDetailTest, FewFieldsShownGiveTheirLinesOnlyAndNoLookUp) {
    EXPECT_EQ(Build({}, "74HC00", Part("SOIC14", "NAND2")), QStringLiteral("PART: 74HC00\r\n"));
    EXPECT_TRUE(lookup_.asked.isEmpty());
    // An attribute text without a blank is the package alone.
    const QString text = Build({29, 45}, "BARE", SplitPartAttributes(QStringLiteral("SOIC8")));
    EXPECT_EQ(text, QStringLiteral("PART: BARE\r\nSYMBOL: \r\nPACKAGE: SOIC8\r\n"));
}

} // namespace
} // namespace vxw
