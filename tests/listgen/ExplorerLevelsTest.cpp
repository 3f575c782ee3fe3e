#include "tests/listgen/LevelsFixture.h"

#include "kernel/KernelText.h"

#include <utility>

namespace vxw::test {
namespace {

TEST_F(LevelsTest, ReadingTheDesignLeavesTheCurrentHierarchyAndPagesAlone) {
    auto kernel = LoadSampleKernel("demo.vxd");
    const int32_t map = kernel->DB_HierarchyMap();
    const int32_t main = FindByName(*kernel, map, QStringLiteral("MAIN"));
    const int32_t aux = FindByName(*kernel, map, QStringLiteral("AUX"));
    ASSERT_GT(kernel->DB_SetCurHier(main), 0);
    const int32_t logic = FindByName(*kernel, kernel->DB_PageMap(), QStringLiteral("LOGIC"));
    ASSERT_GT(kernel->DB_SetCurPage(logic), 0);
    ASSERT_GT(kernel->DB_SetCurHier(aux), 0);

    Load(std::move(kernel));
    EXPECT_EQ(kernel_->DB_CurHier(), aux);
    kernel_->DB_SetCurHier(main);
    EXPECT_EQ(kernel_->DB_CurPage(), logic);
}

TEST_F(LevelsTest, EveryLevelHoldsItsOwnCopyOfItsClassProfile) {
    Load(LoadSampleKernel("demo.vxd"));
    auto captionOf = [](const LevelRecord& level) {
        return level.Profiles.empty() ? QString() : level.Profiles.front().caption;
    };
    EXPECT_EQ(captionOf(levels_.ProjectLevel), QStringLiteral("S1"));
    EXPECT_TRUE(levels_.SystemLevel.Profiles.empty());
    for (int i = 0; i < kLibraryClassCount; ++i) {
        EXPECT_EQ(levels_.LibraryProfiles[static_cast<std::size_t>(i)].front().caption,
                  QStringLiteral("S%1").arg(ClassPart + i));
    }
    ASSERT_EQ(levels_.Circuits.size(), 4u);
    const CircuitEntry& main = levels_.Circuits[0];
    EXPECT_EQ(QStringList({captionOf(main.Circuit), captionOf(main.Diagram), captionOf(main.Pages.at(3)),
                           captionOf(main.Layout), captionOf(main.Nets)}),
              QStringList({"S2", "S3", "S4", "S5", "S6"}));
    EXPECT_EQ(main.Nets.Kind, QStringLiteral("VX7_1"));
    EXPECT_EQ(main.Pages.at(3).Name, QStringLiteral("NOTES"));

    // Copies, not shared: switching a field on one page leaves its neighbour alone.
    levels_.Circuits[0].Pages[0].Profiles[0].fields[0].shown = 0;
    EXPECT_EQ(levels_.Circuits[0].Pages[1].Profiles[0].fields[0].shown, 1);
}

TEST_F(LevelsTest, DistributeLevelsFillsTheFixedLevelsAndOneTemplateCircuit) {
    ExplorerLevels levels;
    DistributeLevels(levels, LoadLevelTemplates(Suite()), profile_);
    EXPECT_EQ(levels.SystemLevel.Caption, QStringLiteral("System"));
    EXPECT_EQ(levels.LibraryLevel.Kind, QStringLiteral("VX2"));
    EXPECT_EQ(levels.ProjectLevel.Kind, QStringLiteral("VX3"));
    ASSERT_EQ(levels.Circuits.size(), 1u);
    EXPECT_EQ(levels.Circuits[0].Layout.Caption, QStringLiteral("PCB Layout"));
    EXPECT_EQ(levels.Circuits[0].Pages.size(), 1u);

    // Codes that need a circuit before any circuit code are skipped, not crashed on.
    LevelTemplates odd = LoadLevelTemplates(Suite());
    std::swap(odd[3], odd[6]);
    ExplorerLevels levels2;
    DistributeLevels(levels2, odd, profile_);
    ASSERT_EQ(levels2.Circuits.size(), 1u);
    EXPECT_TRUE(levels2.Circuits[0].Layout.Kind.isEmpty());
}

TEST_F(LevelsTest, FindCircuitAndFindPageAnswerFirstMatchOrMinusOne) {
    Load(LoadSampleKernel("demo.vxd"));
    EXPECT_EQ(FindCircuit(levels_, QStringLiteral("VX4_1")), 0);
    EXPECT_EQ(FindCircuit(levels_, QStringLiteral("VX4_4")), 3);
    EXPECT_EQ(FindCircuit(levels_, QStringLiteral("VX5_1")), -1);
    EXPECT_EQ(FindPage(levels_, 0, QStringLiteral("VX6_1_3")), 2);
    EXPECT_EQ(FindPage(levels_, 1, QStringLiteral("VX6_1_3")), -1);
    EXPECT_EQ(FindPage(levels_, 4, QStringLiteral("VX6_1_1")), -1);
    EXPECT_EQ(FindPage(levels_, -1, QStringLiteral("VX6_1_1")), -1);
}

} // namespace
} // namespace vxw::test
