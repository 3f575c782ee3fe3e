#include "listgen/FieldProfile.h"

#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "shell/RecordingInterface.h"
#include "shell/SettingsKeys.h"
#include "shell/SharedStrings.h"
#include "suite/SuiteServices.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

const FieldProfileSection& Section(const FieldProfileParse& parse, int number) {
    return parse.profile.sections[number - 1];
}

std::vector<int16_t> ShownFlags(const FieldProfileSection& section) {
    std::vector<int16_t> flags;
    for (size_t g = 0; g < section.groups.size(); ++g) {
        for (int s = 0; s < section.counts[g]; ++s) {
            flags.push_back(section.groups[g].fields[s].shown);
        }
    }
    return flags;
}

QByteArray Child(int id, int shown = 1) {
    return "CHILD,2,1,1,Field " + QByteArray::number(id) + ",About it," + QByteArray::number(shown) + "," +
           QByteArray::number(id) + ",0\n";
}

TEST(FieldProfileParseTest, SavedFlagsOverlayTheDefaultsAndMissingOnesShow) {
    const QByteArray file =
        "[PART]\nPARENT,1,1,GENERAL\n" + Child(10, 0) + Child(11, 0) + Child(12, 0) + "END\n";
    // The stored form may have lost its last comma; without saved flags the file's defaults apply;
    // items that are not numbers read 0.
    const std::pair<const char*, std::vector<int16_t>> cases[] = {
        {"0,1,", {0, 1, 1}}, {"0,1", {0, 1, 1}}, {"", {0, 0, 0}}, {"x,,1", {0, 0, 1}}};
    for (const auto& [saved, flags] : cases) {
        EXPECT_EQ(ShownFlags(Section(ParseFieldProfile(file, QLatin1String(saved)), ClassPart)), flags)
            << saved;
    }
}

TEST(FieldProfileParseTest, ChildOutsideAnySectionTakesAFlagAndIsDropped) {
    const QByteArray file =
        "PARENT,1,1,STRAY\n" + Child(5) + "[PART]\nPARENT,1,1,GENERAL\n" + Child(10) + Child(11) + "END\n";
    const FieldProfileParse parse = ParseFieldProfile(file, "0,1,0,");
    ASSERT_TRUE(parse.Ok());
    EXPECT_EQ(ShownFlags(Section(parse, ClassPart)), (std::vector<int16_t>{1, 0}));
    EXPECT_EQ(Section(parse, ClassPart).groups.size(), 1u);
}

TEST(FieldProfileParseTest, KeywordsIgnoreCaseAndBlanksAndFieldsAreRead) {
    const QByteArray file = "; comment\r\n\r\n  [part]  \r\n parent ,x,y,  Main Group \r\n"
                            "  Child ,a,b,c,  Name A  ,  Text\tA ,1, 47.5 ,3\r\n"
                            " end \r\nCHILD,,,,After,,1,9,0\r\n";
    const FieldProfileParse parse = ParseFieldProfile(file, "");
    ASSERT_TRUE(parse.Ok());
    const FieldProfileSection& part = Section(parse, ClassPart);
    ASSERT_EQ(part.groups.size(), 1u);
    EXPECT_EQ(part.counts, (std::vector<int16_t>{1}));
    EXPECT_EQ(part.groups[0].caption, QStringLiteral("Main Group"));
    const FieldEntry& a = part.groups[0].fields[0];
    EXPECT_EQ(a.name, QStringLiteral("Name A"));
    EXPECT_EQ(a.text, QStringLiteral("Text\tA")); // only blanks are trimmed
    EXPECT_EQ(a.shown, 1);
    EXPECT_EQ(a.fieldId, 48); // half to even
    EXPECT_EQ(a.style, 3);
    EXPECT_TRUE(part.groups[0].fields[1].name.isEmpty()); // nothing after END is read
}

TEST(FieldProfileParseTest, MalformedFilesAreRefused) {
    QByteArray full = "[PAGE]\nPARENT,,,G\n";
    for (int i = 1; i <= kSlotsPerGroup; ++i) {
        full += Child(i);
    }
    EXPECT_TRUE(ParseFieldProfile(full + "END\n", "").Ok());
    EXPECT_TRUE(ParseFieldProfile("END", "").Ok()); // a last line without a line end still counts
    const std::pair<QByteArray, FieldProfileError> cases[] = {
        {full + Child(18) + "END\n", FieldProfileError::TooManyChildren},
        {"[PAGE]\n" + Child(1) + "END\n", FieldProfileError::ChildWithoutGroup},
        // Starting a section again drops its current group, as it starts numbering afresh.
        {"[PAGE]\nPARENT,,,G\n[PAGE]\n" + Child(1) + "END\n", FieldProfileError::ChildWithoutGroup},
        {"[PAGE]\nPARENT,,,G\n" + Child(1) + "ENDING\n", FieldProfileError::MissingEnd},
        {"[PCB]\n" + QByteArray("PARENT\n").repeated(kMaxGroupsPerSection + 1) + "END\n",
         FieldProfileError::TooManyGroups},
        {QByteArray(kMaxFieldProfileSize + 1, ' '), FieldProfileError::TooLarge},
    };
    for (const auto& [file, error] : cases) {
        EXPECT_EQ(ParseFieldProfile(file, "").error, error) << file.left(60).toStdString();
    }
}

TEST(FieldTableTest, RowsCoverEverySlotAndOnlyFlagOneIsShown) {
    const QByteArray file = "[SYMBOL]\nPARENT,,,A\n" + Child(7, 1) + Child(8, 0) + Child(9, 5) +
                            "PARENT,,,B\n" + Child(8, 0) + "CHILD,,,,Zero,,1,0,0\n" + "END\n";
    const FieldProfileParse parse = ParseFieldProfile(file, "");
    ASSERT_TRUE(parse.Ok());
    FieldTable table;
    table.Prepare(Section(parse, ClassSymbol).groups);
    ASSERT_EQ(table.Rows().size(), 34u);
    EXPECT_EQ(table.Rows()[17].fieldId, 8);
    EXPECT_TRUE(table.IsFieldShown(7));
    EXPECT_FALSE(table.IsFieldShown(8));  // only in hidden rows
    EXPECT_FALSE(table.IsFieldShown(9));  // a flag other than 1
    EXPECT_FALSE(table.IsFieldShown(42)); // nowhere
    EXPECT_FALSE(table.IsFieldShown(0));  // free slots and id-less fields
}

TEST(FieldFlagsTest, PropertyWindowFlagsApplyByCountAndSurviveASaveAndLoad) {
    const QByteArray file = "[PROJECT]\nPARENT,,,A\n" + Child(1) + Child(2) + "CHILD,,,,NoId,,1,0,0\n" +
                            "PARENT,,,B\n" + Child(3) + "[PART]\nPARENT,,,C\n" + Child(4) + Child(5) +
                            "END\n";
    FieldProfileParse parse = ParseFieldProfile(file, "");
    ASSERT_TRUE(parse.Ok());
    FieldProfileSection& project = parse.profile.sections[ClassProject - 1];
    FieldProfileSection& part = parse.profile.sections[ClassPart - 1];

    // Four fields in the project copy; 2 leaves the flag, the extra value is ignored.
    ApplyFieldFlags(project.groups, project.counts, {0, kMixedFieldFlag, 0, 0, 0});
    EXPECT_EQ(ShownFlags(project), (std::vector<int16_t>{0, 1, 0, 0}));
    ApplyFieldFlags(part.groups, part.counts, {70000});
    EXPECT_EQ(ShownFlags(part), (std::vector<int16_t>{32767, 1}));
    ApplyFieldFlags(part.groups, part.counts, {0});

    QString saved = FieldFlagsString({&project.groups, nullptr, &part.groups});
    EXPECT_EQ(saved, QStringLiteral("0,1,0,0,1,"));
    saved.chop(1); // as the settings keep it
    const FieldProfileParse again = ParseFieldProfile(file, saved);
    ASSERT_TRUE(again.Ok());
    EXPECT_EQ(ShownFlags(again.profile.sections[ClassProject - 1]), (std::vector<int16_t>{0, 1, 1, 0}));
    EXPECT_EQ(ShownFlags(again.profile.sections[ClassPart - 1]), (std::vector<int16_t>{0, 1}));

    FieldGroups one(1); // counts that disagree with the groups never reach past them
    ApplyFieldFlags(one, {99, 5}, std::vector<int>(40, 1));
}

class LoadFieldProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        suite_ = std::make_unique<ScopedSuite>(SuiteLocation::InFolder(dir_.path()));
        kernel_ = std::make_unique<ScopedKernel>(std::make_unique<MemoryKernel>());
    }
    void SetLanguagePath(const QString& path) {
        WriteSharedString(TheKernel(), QLatin1String(kLanguagePathKey), path);
    }
    QTemporaryDir dir_;
    std::unique_ptr<ScopedSuite> suite_;
    std::unique_ptr<ScopedKernel> kernel_;
    RecordingInterface ui_;
};

TEST_F(LoadFieldProfileTest, SampleProfileFillsAllTenSections) {
    ASSERT_TRUE(Suite().SaveSuiteSetting(kListSection, kPropertyKey, QStringLiteral("0,0")));
    SetLanguagePath(QStringLiteral(LG_BINARY_DIR "/suite/language"));
    FieldProfile profile;
    ASSERT_TRUE(LoadFieldProfile(profile, ui_));
    EXPECT_TRUE(ui_.messages.empty());
    for (int n = 1; n <= kSectionCount; ++n) {
        const FieldProfileSection& section = profile.sections[n - 1];
        EXPECT_FALSE(section.groups.empty()) << n;
        EXPECT_EQ(section.counts.size(), section.groups.size()) << n;
    }
    EXPECT_EQ(profile.sections[0].groups[0].fields[1].shown, 0);
}

TEST_F(LoadFieldProfileTest, MissingOrUnfinishedFileReportsErrorEight) {
    FieldProfile profile;
    profile.sections[0].groups.resize(3);

    SetLanguagePath(dir_.path());
    EXPECT_FALSE(LoadFieldProfile(profile, ui_));

    QFile file(dir_.filePath(QLatin1String(kFieldProfileFileName)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[PROJECT]\nPARENT,,,A\n");
    file.close();
    EXPECT_FALSE(LoadFieldProfile(profile, ui_));

    SetLanguagePath(QString());
    EXPECT_FALSE(LoadFieldProfile(profile, ui_));

    ASSERT_EQ(ui_.messages.size(), 3u);
    for (const auto& message : ui_.messages) {
        EXPECT_EQ(message.prompt, QStringLiteral("Cant Read Menu Profile"));
    }
    EXPECT_EQ(profile.sections[0].groups.size(), 3u); // left as it was
}

} // namespace
} // namespace vxw
