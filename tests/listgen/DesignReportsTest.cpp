#include "listgen/DesignReports.h"
#include "tests/listgen/FieldTestSupport.h"

#include "kernel/DesignBuilder.h"
#include "kernel/KernelText.h"
#include "listgen/ExplorerLevels.h"
#include "shell/RecordingInterface.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace vxw {
namespace {

// Page "S1": a packed component with a value, an unpacked one with a value of kind 6 and one
// whose name is too long for its cell and whose only value-marked text is a line; page
// "EMPTY" has no components; page "S3" one packed component without a value text.
DesignBuilder Demo() {
    DesignBuilder builder("demo");
    builder.Device("7400")
        .Device("RES")
        .Circuit("MAIN")
        .Page("S1")
        .SchComp("U1", {}, "7400", true)
        .Value("7400")
        .SchComp("R1", {}, "RES")
        .CompText("NOTE") // not value-marked
        .CompText("10K", MaskValueText, ItemText)
        .SchComp("VERYLONGCOMPONENTNAME", {}, "RES")
        .CompText("X", MaskValueText, ItemLine)
        .Page("EMPTY")
        .Page("S3")
        .SchComp("U2", {}, "7400", true)
        .Circuit("SECOND")
        .Page("P1");
    return builder;
}

int32_t Id(Kernel& kernel, int32_t map, const char* name) {
    return FindByName(kernel, map, QLatin1String(name));
}

class DesignReportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        kernel_ = Demo().Build();
        main_ = Id(*kernel_, kernel_->DB_HierarchyMap(), "MAIN");
        ASSERT_GT(kernel_->DB_SetCurHier(main_), 0);
    }
    int32_t Page(const char* name) { return Id(*kernel_, kernel_->DB_PageMap(), name); }

    std::unique_ptr<MemoryKernel> kernel_;
    RecordingInterface ui_;
    int32_t main_ = 0;
};

const QString kTableHeader = QStringLiteral("Comp. Name\t\tPart Name\t\tComp.Value\r\n");
const QString kS1Rows = QStringLiteral("\r\n* U1            \t7400            \t7400"
                                       "\r\n  R1            \tRES             \t10K"
                                       "\r\n  VERYLONGCOMPON\tRES             \t");
// The same rows without the packed marker, as the table ends them.
const QString kS1Unmarked = QStringLiteral("\r\n  U1            \t7400            \t7400"
                                           "\r\n  R1            \tRES             \t10K"
                                           "\r\n  VERYLONGCOMPON\tRES             \t\r\n\r\n");

TEST_F(DesignReportsTest, ComponentTableListsPackedFirstInSixteenCharacterCells) {
    const FieldTable fields = TableShowing({6, 31, 48, 7});
    const ReportContext context{*kernel_, fields, ui_};
    EXPECT_EQ(SchematicComponents(context, Page("S1")),
              QStringLiteral("Total Schematic Components : 3   (Packed(*) : 1  Unpacked: 2)\r\n\r\n") +
                  kTableHeader + kS1Rows + QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(SchematicComponents(context, Page("EMPTY")),
              QStringLiteral("Total Schematic Components : 0   (Packed(*) : 0  Unpacked: 0)\r\n\r\n") +
                  kTableHeader + QStringLiteral("\r\n\r\n"));
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(DesignReportsTest, HiddenTotalsRunOnAndHiddenMarkerLeavesTwoBlanks) {
    const FieldTable noUnpacked = TableShowing({6, 31, 7});
    EXPECT_EQ(SchematicComponents(ReportContext{*kernel_, noUnpacked, ui_}, Page("S3")),
              QStringLiteral("Total Schematic Components : 1   (Packed(*) : 1") + kTableHeader +
                  QStringLiteral("\r\n* U2            \t7400            \t\r\n\r\n"));

    const FieldTable totalOnly = TableShowing({6, 7});
    EXPECT_EQ(SchematicComponents(ReportContext{*kernel_, totalOnly, ui_}, Page("S1")),
              QStringLiteral("Total Schematic Components : 3") + kTableHeader + kS1Unmarked);
}

// Answers "not there" for one component name, as a kernel whose maps disagree would.
class BlindKernel : public MemoryKernel {
public:
    using MemoryKernel::MemoryKernel;
    int32_t OM_FindName(int32_t map, const char* name) override {
        return name && std::string(name) == "R1" ? 0 : MemoryKernel::OM_FindName(map, name);
    }
};

TEST_F(DesignReportsTest, ComponentThatCannotBeFoundIsReportedPerLookUpAndListedUnpacked) {
    DesignBuilder builder = Demo();
    BlindKernel kernel(builder.Data());
    ASSERT_GT(kernel.DB_SetCurHier(Id(kernel, kernel.DB_HierarchyMap(), "MAIN")), 0);
    const FieldTable fields = TableShowing({6, 31, 48, 7});
    const ReportContext context{kernel, fields, ui_};
    EXPECT_EQ(SchematicComponents(context, Id(kernel, kernel.DB_PageMap(), "S1")),
              QStringLiteral("Total Schematic Components : 3   (Packed(*) : 1  Unpacked: 2)\r\n\r\n") +
                  kTableHeader +
                  QStringLiteral("\r\n* U1            \t7400            \t7400"
                                 "\r\n  R1            \t                \t10K"
                                 "\r\n  VERYLONGCOMPON\tRES             \t\r\n\r\n"));
    ASSERT_EQ(ui_.messages.size(), 2u);
    EXPECT_TRUE(ui_.messages[0].prompt.contains(QLatin1String("R1")));

    ui_.messages.clear();
    EXPECT_FALSE(IsPacked(context, QStringLiteral("R1")));
    EXPECT_EQ(ComponentPartName(context, QStringLiteral("R1")), QString());
    EXPECT_EQ(ui_.messages.size(), 2u);
    EXPECT_TRUE(IsPacked(context, QStringLiteral("U1")));
    EXPECT_EQ(ComponentPartName(context, QStringLiteral("U1")), QStringLiteral("7400"));
    EXPECT_EQ(ui_.messages.size(), 2u);
}

TEST_F(DesignReportsTest, CircuitsSummaryPutsTheTotalFirstAndRestoresCircuitAndPage) {
    ASSERT_GT(kernel_->DB_SetCurPage(Page("S3")), 0);
    const int32_t s3 = kernel_->DB_CurPage();
    const FieldTable fields = TableShowing({4, 5, 33, 34, 48});
    const ReportContext context{*kernel_, fields, ui_};
    EXPECT_EQ(CircuitsSummary(context), QStringLiteral("Total Circuits : 2\r\n\r\n"
                                                       "\r\n\r\nCircuit 1: MAIN\r\n\r\n"
                                                       "Total Pages : 3\r\n\r\n"
                                                       "\r\nPage 1: S1\r\n  Unpacked: 2)\r\n\r\n"
                                                       "\r\nPage 2: EMPTY\r\n  Unpacked: 0)\r\n\r\n"
                                                       "\r\nPage 3: S3\r\n  Unpacked: 0)\r\n\r\n"
                                                       "\r\n\r\nCircuit 2: SECOND\r\n\r\n"
                                                       "Total Pages : 1\r\n\r\n"
                                                       "\r\nPage 1: P1\r\n  Unpacked: 0)\r\n\r\n"
                                                       "\r\n\r\n"));
    EXPECT_EQ(kernel_->DB_CurHier(), main_);
    EXPECT_EQ(kernel_->DB_CurPage(), s3);
}

TEST_F(DesignReportsTest, ProjectReportPrintsFirstWordsOfTheLabel) {
    std::string record(164, ' ');
    record.replace(0, 4, std::string(4, '\0'));
    record.replace(12, 7, "J SMITH");
    record.replace(37, 5, " REV2");
    DesignBuilder builder = Demo();
    builder.Stream("DBLABEL", record);
    auto kernel = builder.Build();
    const FieldTable fields = TableShowing({25, 11, 39, 4});
    ProjectLabel label;
    EXPECT_EQ(ProjectReport(ReportContext{*kernel, fields, ui_}, label),
              QStringLiteral("PROJECT NAME: DEMO\r\n\r\n"
                             "PROJECT DESIGNER: J\r\n"
                             "PROJECT REVISION: \r\n\r\n"
                             "Total Circuits : 2\r\n\r\n"
                             "\r\n\r\n"
                             "\r\n\r\n"
                             "Mixed Mode Simulation    \r\n\r\n"
                             "VxSpice Simulation    \r\n\r\n"));
    EXPECT_EQ(label.Record(), QByteArray(record.data(), 164));
}

TEST_F(DesignReportsTest, ProjectNameIsUpperCasedLetterByLetter) {
    // Latin-1 bytes, as the kernel holds names: "Straße 10µf".
    DesignBuilder builder("Stra\xDF"
                          "e 10\xB5"
                          "f");
    builder.Circuit("MAIN").Page("P1");
    auto kernel = builder.Build();
    const FieldTable fields = TableShowing({25});
    ProjectLabel label;
    EXPECT_TRUE(ProjectReport(ReportContext{*kernel, fields, ui_}, label)
                    .startsWith(QStringLiteral("PROJECT NAME: STRAßE 10µF\r\n\r\n")));
}

TEST_F(DesignReportsTest, MissingLabelIsCreatedBlank) {
    ASSERT_EQ(kernel_->OM_FindName(kernel_->DB_FileMap(), "DBLABEL"), 0);
    const ProjectLabel label = ReadProjectLabel(*kernel_);
    EXPECT_EQ(label.Designer(), QString());
    const int32_t stream = kernel_->OM_FindName(kernel_->DB_FileMap(), "DBLABEL");
    ASSERT_GT(stream, 0);
    QByteArray stored(200, 'x');
    kernel_->F_Seek(stream, 0, 0);
    ASSERT_EQ(kernel_->F_Read(stream, stored.data(), 200), 164);
    stored.truncate(164);
    EXPECT_EQ(stored, QByteArray(4, '\0') + QByteArray(158, ' ') + QByteArray(2, '\0'));
    EXPECT_EQ(label.Record(), stored);
}

TEST_F(DesignReportsTest, PageReportsUseTheSelectedCircuitAndLeaveThePageCurrent) {
    ExplorerLevels levels;
    CircuitEntry entry;
    entry.Circuit.Name = QStringLiteral("MAIN");
    for (const char* name : {"EMPTY", "S3"}) {
        LevelRecord page;
        page.Name = QLatin1String(name);
        page.Profiles = GroupsShowing({34, 6});
        entry.Pages.push_back(page);
    }
    entry.Pages[1].Profiles = GroupsShowing({34, 7});
    levels.Circuits.push_back(entry);

    kernel_->DB_SetCurHier(Id(*kernel_, kernel_->DB_HierarchyMap(), "SECOND"));
    FieldTable fields;
    const ReportContext context{*kernel_, fields, ui_};
    int32_t selected = 0;
    ASSERT_TRUE(SelectCircuit(context, QStringLiteral("MAIN"), selected));
    EXPECT_EQ(selected, main_);
    EXPECT_FALSE(SelectCircuit(context, QStringLiteral("NONE"), selected));

    EXPECT_EQ(AllPagesReport(context, fields, levels, 0, main_),
              QStringLiteral("Page 1: EMPTY\r\n\r\nTotal Schematic Components : 0"
                             "Page 2: S3\r\n\r\n") +
                  kTableHeader + QStringLiteral("\r\n  U2            \t7400            \t\r\n\r\n"));
    EXPECT_EQ(kernel_->DB_CurHier(), main_);
    EXPECT_EQ(kernel_->DB_CurPage(), Page("S3"));
    EXPECT_EQ(PageReport(context, main_, QStringLiteral("S1"), 7),
              QStringLiteral("Page 7: S1\r\n\r\n") + kTableHeader +
                  kS1Unmarked); // field 31 hidden: no marker
    EXPECT_EQ(kernel_->DB_CurPage(), Page("S1"));
}

TEST_F(DesignReportsTest, CircuitAndDiagramReportsRestoreTheCurrentCircuit) {
    const FieldTable fields = TableShowing({5, 34});
    const ReportContext context{*kernel_, fields, ui_};
    EXPECT_EQ(CircuitReport(context, QStringLiteral("SECOND"), 2),
              QStringLiteral("Circuit 2: SECOND\r\n\r\n\r\nPage 1: P1\r\n"));
    EXPECT_EQ(kernel_->DB_CurHier(), main_);
    EXPECT_EQ(DiagramReport(context, QStringLiteral("SECOND")),
              QStringLiteral("Circuit: SECOND\r\n\r\n\r\nPage 1: P1\r\n"));
    EXPECT_EQ(kernel_->DB_CurHier(), main_);
}

// Many pages: the page lists, which bucket the components by page in one walk, agree with each
// other and put every component on its own page. (Their speed is measured by bench_reports.)
TEST(DesignReportsManyPagesTest, AllPagesAgreesWithThePagesSummary) {
    DesignBuilder builder("big");
    builder.Device("D").Circuit("C");
    ExplorerLevels levels;
    levels.Circuits.emplace_back();
    for (int page = 0; page < 20; ++page) {
        const std::string pageName = "P" + std::to_string(page);
        builder.Page(pageName);
        LevelRecord level;
        level.Name = QString::fromStdString(pageName);
        level.Profiles = GroupsShowing({6, 7});
        levels.Circuits[0].Pages.push_back(level);
        for (int comp = 0; comp < 50; ++comp) {
            builder.SchComp("U" + std::to_string(page * 50 + comp), {}, "D", comp % 2 == 0).Value("1K");
        }
    }
    auto kernel = builder.Build();
    const int32_t circuit = Id(*kernel, kernel->DB_HierarchyMap(), "C");
    ASSERT_GT(kernel->DB_SetCurHier(circuit), 0);
    RecordingInterface ui;
    FieldTable fields = TableShowing({6, 7});
    const ReportContext context{*kernel, fields, ui};

    const QString pages = PagesSummary(context);
    const QString all = AllPagesReport(context, fields, levels, 0, circuit);
    EXPECT_EQ(pages.count(QLatin1String("Total Schematic Components : 50")), 20);
    EXPECT_EQ(all, pages);
}

} // namespace
} // namespace vxw
