#include "listgen/SimulationSummary.h"

#include "tests/listgen/FieldTestSupport.h"

#include "kernel/DesignBuilder.h"
#include "kernel/KernelText.h"
#include "shell/RecordingInterface.h"

#include <gtest/gtest.h>

#include <set>

namespace vxw {
namespace {

class SimulationSummaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Tokens: description, type, mixed-mode function, element code, model, variant.
        kernel_ = DesignBuilder("DEMO")
                      .Symbol("R", SymbolSchematic, "Resistor\x80R\x80RES\x80R\x80RMOD\x80")
                      .Symbol("LOGO", SymbolSchematic, "")
                      .Symbol("X", SymbolSchematic, "d\x80t\x80 none \x80SPL0")
                      .Symbol("Y", SymbolSchematic,
                              "d\x80t\x80"
                              "AND2\x80  ")
                      .Symbol("DIP", SymbolPackage, "d\x80t\x80\x80\x80")
                      .Symbol("R", SymbolSchematic, "")
                      .Circuit("MAIN")
                      .Page("P1")
                      .Page("P2")
                      .Build();
    }

    SimulationSummaryTexts Summary(const std::set<int>& hidden) {
        const FieldTable fields = TableHiding(hidden);
        return SimulationSummary(ReportContext{*kernel_, fields, ui_});
    }

    std::unique_ptr<MemoryKernel> kernel_;
    RecordingInterface ui_;
};

TEST_F(SimulationSummaryTest, CountsEachSchematicSymbolOnceAndListsTheUnsimulatable) {
    const int32_t page2 = FindByName(*kernel_, kernel_->DB_PageMap(), QStringLiteral("P2"));
    ASSERT_GT(kernel_->DB_SetCurPage(page2), 0);
    const SimulationSummaryTexts texts = Summary({});
    EXPECT_EQ(texts.mixedMode, QStringLiteral("Mixed Mode Simulation     Total Symbols: 4"
                                              "    [Unsimulatable(*) 2]\r\n\r\n*LOGO\r\n*X\r\n\r\n\r\n"));
    EXPECT_EQ(texts.circuitSimulator,
              QStringLiteral("VxSpice Simulation    Total Symbols: 4"
                             "    [Unsimulatable(*) 3]\r\n\r\n*LOGO\r\n*X\r\n*Y\r\n\r\n\r\n"));
    EXPECT_EQ(kernel_->DB_CurPage(), page2);
}

TEST_F(SimulationSummaryTest, HiddenFieldsDropTheirParts) {
    SimulationSummaryTexts texts = Summary({6, 51, 55});
    EXPECT_EQ(texts.mixedMode,
              QStringLiteral("Mixed Mode Simulation        [Unsimulatable(*) 2]\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(texts.circuitSimulator,
              QStringLiteral("VxSpice Simulation    Total Symbols: 4*LOGO\r\n*X\r\n*Y\r\n\r\n\r\n"));
    texts = Summary({6, 50, 51, 54, 55, 56});
    EXPECT_EQ(texts.mixedMode, QStringLiteral("Mixed Mode Simulation    \r\n\r\n"));
    EXPECT_EQ(texts.circuitSimulator, QStringLiteral("VxSpice Simulation    \r\n\r\n"));
}

} // namespace
} // namespace vxw
