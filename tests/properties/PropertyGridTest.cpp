#include "properties/PropertyGrid.h"
#include "listgen/FieldProfile.h"
#include "properties/PropertyTarget.h"
#include "shell/RecordingInterface.h"

#include <gtest/gtest.h>

namespace vxw {
namespace {

FieldEntry Field(const char* name, int16_t id, int16_t shown, int16_t style = 0) {
    return FieldEntry{QString::fromLatin1(name), shown, QStringLiteral("about ") + QLatin1String(name), id,
                      style};
}

// Two groups; the first has a free slot between its fields and a field named in capitals.
FieldGroups Groups(int16_t pcbShown = 1) {
    FieldGroups groups(2);
    groups[0].caption = QStringLiteral("GENERAL");
    groups[0].fields[0] = Field("Name", 1, 1);
    groups[0].fields[2] = Field("PCB", 2, pcbShown);
    groups[1].caption = QStringLiteral("SLOW");
    groups[1].fields[0] = Field("Cross A", 3, 0, SlowFieldStyle);
    groups[1].fields[1] = Field("Cross B", 4, 0, SlowFieldStyle);
    return groups;
}

const std::vector<int16_t> Counts{3, 2};

TEST(PropertyGrid, RowsFlagsAndTextKnowGroupsByWhatTheyAre) {
    const FieldGroups groups = Groups();
    PropertyGrid grid({&groups});
    EXPECT_EQ(grid.Text(), "- GENERAL\n"
                           "  [x] Name (id 1)\n"
                           "  [x] PCB (id 2)\n"
                           "- SLOW\n"
                           "  [ ] Cross A (id 3, style 1)\n"
                           "  [ ] Cross B (id 4, style 1)\n");
    // The field in capitals gives its flag; the free slot gives none.
    EXPECT_EQ(grid.Flags(), (std::vector<int>{1, 1, 0, 0}));
    EXPECT_EQ(grid.SlotFlags(Counts), (std::vector<int>{1, kMixedFieldFlag, 1, 0, 0}));
    EXPECT_EQ(grid.Rows()[1].description, "about Name");

    grid.ToggleGroup(0);
    EXPECT_TRUE(grid.Rows()[1].hidden && grid.Rows()[2].hidden && !grid.Rows()[4].hidden);
    EXPECT_TRUE(grid.Text().startsWith("+ GENERAL\n"));
    grid.ToggleGroup(0);
    EXPECT_FALSE(grid.Rows()[1].hidden);
    EXPECT_FALSE(grid.Changed());
}

TEST(PropertyGrid, SlowFieldsAskBeforeTheyAreTicked) {
    const FieldGroups groups = Groups();
    RecordingInterface ui;
    PropertyGrid grid({&groups});
    ui.messageAnswers = {AnswerNo, AnswerYes};
    grid.SetAllChecks(true, ui);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].prompt, "Processing property CROSS A takes time, Accept?");
    EXPECT_EQ(grid.Flags(), (std::vector<int>{1, 1, 0, 1}));
    EXPECT_TRUE(grid.Changed());

    grid.SetAllChecks(false, ui); // clearing never asks
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(grid.Flags(), (std::vector<int>{0, 0, 0, 0}));

    ui.messageAnswers = {AnswerNo};
    EXPECT_FALSE(grid.SetCheck(4, true, ui));
    EXPECT_EQ(ui.messages.back().prompt, "Current operation takes time, Accept?");
    EXPECT_TRUE(grid.SetCheck(1, true, ui)); // a plain field does not ask
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_FALSE(grid.SetCheck(0, true, ui)); // a group row has no check
}

TEST(PropertyGrid, MergedCopiesShowMixedAndKeepTheirOwnFlags) {
    FieldGroups first = Groups(1), second = Groups(0);
    FieldProfile profile;
    profile.sections[ClassCircuit - 1] = {Groups(1), Counts};
    PropertyCopies target{ClassCircuit, QStringLiteral("Circuit Properties "), {&first, &second}, true};

    PropertyGrid unchanged(target.Shown());
    EXPECT_EQ(unchanged.Rows()[2].state, CheckState::Mixed);
    EXPECT_FALSE(ApplyProperties(unchanged, target, profile)); // closing unchanged writes nothing

    RecordingInterface ui;
    PropertyGrid grid(target.Shown());
    ASSERT_TRUE(grid.SetCheck(1, false, ui));
    EXPECT_EQ(grid.Flags(), (std::vector<int>{0, kMixedFieldFlag, 0, 0}));
    ASSERT_TRUE(ApplyProperties(grid, target, profile));
    EXPECT_EQ(first[0].fields[0].shown, 0);
    EXPECT_EQ(second[0].fields[0].shown, 0);
    EXPECT_EQ(first[0].fields[2].shown, 1); // mixed: each keeps its own
    EXPECT_EQ(second[0].fields[2].shown, 0);
    EXPECT_EQ(profile.sections[ClassCircuit - 1].groups[0].fields[0].shown, 0);
}

TEST(FieldProfile, SavedFlagsReadBackIntoTheSameFields) {
    const QByteArray file =
        "CHILD,,,,Stray,,1,9,0\n"
        "[PAGE]\nPARENT,,,PAGE\nCHILD,,,,A,,1,1,0\nCHILD,,,,NoId,,1,0,0\nCHILD,,,,B,,1,2,0\n"
        "[PROJECT]\nPARENT,,,PROJECT\nCHILD,,,,C,,1,3,0\nEND\n";
    const FieldProfileParse defaults = ParseFieldProfile(file, QString());
    ASSERT_TRUE(defaults.Ok());
    EXPECT_EQ(SavedFieldFlags(defaults.profile), "1,1,1,1,");

    const FieldProfileParse saved = ParseFieldProfile(file, QStringLiteral("0,0,1,0"));
    ASSERT_TRUE(saved.Ok());
    const FieldGroups& page = saved.profile.sections[ClassPage - 1].groups;
    EXPECT_EQ(page[0].fields[0].shown, 0);
    EXPECT_EQ(page[0].fields[2].shown, 1);
    EXPECT_EQ(saved.profile.sections[ClassProject - 1].groups[0].fields[0].shown, 0);
    // The stray line before any section keeps its place with a 1.
    EXPECT_EQ(SavedFieldFlags(saved.profile), "1,0,1,0,");
}

TEST(PropertyCaption, OneObjectOrAllOfAKind) {
    EXPECT_EQ(PropertyCaption(QStringLiteral("Circuit[ MAIN ]"), false, false),
              "Properties - Circuit[ MAIN ]");
    EXPECT_EQ(PropertyCaption(QStringLiteral("x"), true, false), "Circuit Properties ");
    EXPECT_EQ(PropertyCaption(QStringLiteral("x"), false, true), "Page Properties");
}

} // namespace
} // namespace vxw
