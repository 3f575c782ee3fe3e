#include "listgen/PartsUsedReport.h"

#include "kernel/DesignBuilder.h"
#include "kernel/KernelText.h"
#include "shell/RecordingInterface.h"

#include <gtest/gtest.h>

namespace vxw {
namespace {

void MakeCurrent(Kernel& kernel, const char* circuit) {
    ASSERT_GT(kernel.DB_SetCurHier(FindByName(kernel, kernel.DB_HierarchyMap(), QLatin1String(circuit))), 0);
}

QString Report(Kernel& kernel) {
    const FieldTable fields; // the section consults no field of its own
    RecordingInterface ui;
    const QString text = PartsUsedReport(ReportContext{kernel, fields, ui});
    EXPECT_TRUE(ui.messages.empty());
    return text;
}

TEST(PartsUsedReportTest, GroupsCountAndNumberTheDevicesOfTheCurrentCircuit) {
    auto kernel = DesignBuilder("P")
                      .Device("R10K", 1)
                      .Device("r10k", 1)
                      .Device("DIP8", 2)
                      .Device("TP", 0)
                      .Device("LOGO", 1, 0) // status 0: a symbol-only use on the schematic
                      .Device("OTHER", 1)
                      .Circuit("OTHER")
                      .LayComp("Q1", {}, "OTHER")
                      .Circuit("MAIN")
                      .LayComp("R1", {}, "R10K")
                      .LayComp("R2", {}, "R10K")
                      .LayComp("X1") // no device: not counted
                      .LayComp("R3", {}, "r10k")
                      .LayComp("R4", {}, "R10K")
                      .LayComp("P1", {}, "DIP8")
                      .LayComp("T1", {}, "TP")
                      .SchComp("U1", {}, "LOGO")
                      .SchComp("U2", {}, "R10K") // status 1: skipped
                      .SchComp("U3")
                      .Build();
    MakeCurrent(*kernel, "MAIN");
    EXPECT_EQ(Report(*kernel), QStringLiteral("\r\n**LIST OF PARTS USED**\r\n\r\n"
                                              "\r\n1. R10K (3 nos.)"
                                              "\r\n2. r10k\r\n\r\n"
                                              "\r\n**LIST OF PACKAGE ONLY PARTS USED**\r\n\r\n"
                                              "\r\n1. DIP8\r\n\r\n"
                                              "\r\n**LIST OF SYMBOL ONLY PARTS USED**\r\n\r\n"
                                              "\r\n1. TP"
                                              "\r\n2. LOGO\r\n\r\n"));
}

TEST(PartsUsedReportTest, NoLayoutComponentsSaysNoneAndKeepsTheSymbolOnlyGroup) {
    auto kernel = DesignBuilder("P")
                      .Device("LOGO", 1, 0)
                      .Circuit("MAIN")
                      .SchComp("U1", {}, "LOGO")
                      .SchComp("U2", {}, "LOGO")
                      .Circuit("EMPTY")
                      .Page("S")
                      .Build();
    MakeCurrent(*kernel, "MAIN");
    EXPECT_EQ(Report(*kernel), QStringLiteral("\r\n!!LIST OF PARTS USED: None!!\r\n\r\n"
                                              "\r\n**LIST OF SYMBOL ONLY PARTS USED**\r\n\r\n"
                                              "\r\n1. LOGO (2 nos.)\r\n\r\n"));
    MakeCurrent(*kernel, "EMPTY");
    EXPECT_EQ(Report(*kernel), QStringLiteral("\r\n!!LIST OF PARTS USED: None!!\r\n\r\n"));
}

} // namespace
} // namespace vxw
