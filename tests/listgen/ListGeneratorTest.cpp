// The list driver and the current list: which report a node kind runs, the status it shows,
// the heading, the kernel state left behind, the scratch file and the long-list question.

#include "listgen/ListGenerator.h"
#include "listgen/CurrentList.h"
#include "listgen/ListDocument.h"
#include "tests/listgen/FieldTestSupport.h"

#include "explorer/ExplorerModel.h"
#include "explorer/NodeActions.h"
#include "kernel/DesignBuilder.h"
#include "kernel/KernelAccess.h"
#include "shell/RecordingInterface.h"
#include "suite/SuiteServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace vxw {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

class ListGeneratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        const SuiteLocation location = SuiteLocation::InFolder(dir_.path());
        QDir().mkpath(location.languageDir);
        suite_ = std::make_unique<ScopedSuite>(location);

        // Every section shows the circuit, page and component lines and the nets of both kinds.
        FieldProfile profile;
        for (FieldProfileSection& section : profile.sections) {
            section.groups = GroupsShowing({5, 33, 34, 6, 31, 48, 7, 40, 21});
            section.counts = {9};
        }
        DesignBuilder builder("demo");
        builder.Device("7400")
            .Circuit("MAIN")
            .Page("P1")
            .SchComp("U1", {}, "7400", true)
            .Page("P2")
            .SchComp("U2", {}, "7400")
            .Circuit("SUB")
            .Page("S1");
        auto kernel = builder.Build();
        kernel_ = kernel.get();
        scopedKernel_ = std::make_unique<ScopedKernel>(std::move(kernel));
        const LevelTemplates templates = LoadLevelTemplates(Suite());
        DistributeLevels(levels_, templates, profile);
        ReadDesignLevels(*kernel_, levels_, templates, profile);
        generator_ = std::make_unique<ListGenerator>(*kernel_, levels_, Suite(), ui_);
    }

    QString Generate(const QString& key, const QString& second, int kind, ListOptions options = {}) {
        if (options.Title.isEmpty()) {
            options.Title = QStringLiteral("List of X");
        }
        return generator_->GenerateList(key, second, kind, options);
    }

    QString CurrentCircuitName() { return QString::fromLatin1(kernel_->O_GetName(kernel_->DB_CurHier())); }
    QString CurrentPageName() { return QString::fromLatin1(kernel_->O_GetName(kernel_->DB_CurPage())); }

    QTemporaryDir dir_;
    std::unique_ptr<ScopedSuite> suite_;
    std::unique_ptr<ScopedKernel> scopedKernel_;
    MemoryKernel* kernel_ = nullptr;
    ExplorerLevels levels_;
    RecordingInterface ui_;
    std::unique_ptr<ListGenerator> generator_;
};

TEST_F(ListGeneratorTest, StatusPanelShowsTheKindWhileItRunsAndIsClearedAfter) {
    ListOptions circuits;
    circuits.CircuitSelectAll = true;
    ListOptions pages = circuits;
    pages.PageSelectAll = true;
    const std::tuple<const char*, const char*, int, ListOptions, QStringList> cases[] = {
        {"VX4_2", "", ListCircuit, {}, {"3:Generating circuit details...", "3:"}},
        {"VX4_2", "", ListCircuit, circuits, {"3:Generating all circuit details...", "3:"}},
        {"VX4_1", "VX6_1_1", ListPage, pages, {"3:Generating all page details...", "3:"}},
        {"", "", ListPartFiles, {}, {"3:"}}, // the library file kinds run no report and show no text
    };
    for (const auto& [key, second, kind, options, log] : cases) {
        ui_.statusLog.clear();
        Generate(QLatin1String(key), QLatin1String(second), kind, options);
        EXPECT_EQ(ui_.statusLog, log) << "kind " << kind;
    }
}

TEST_F(ListGeneratorTest, CircuitListHasItsHeadingAndRestoresTheCurrentCircuit) {
    ASSERT_GT(kernel_->DB_SetCurHier(kernel_->OM_FindName(kernel_->DB_HierarchyMap(), "SUB")), 0);
    const QString text = Generate("VX4_1", {}, ListCircuit);
    EXPECT_TRUE(text.startsWith("LIST OF X:" + kCrLf + kCrLf + kCrLf + "Circuit 1: MAIN" + kCrLf))
        << text.toStdString();
    EXPECT_EQ(CurrentCircuitName(), "SUB");
}

TEST_F(ListGeneratorTest, PageListLeavesTheCircuitAndThePageCurrent) {
    const QString text = Generate("VX4_1", "VX6_1_2", ListPage);
    EXPECT_TRUE(text.contains("Page 2: P2" + kCrLf)) << text.toStdString();
    EXPECT_FALSE(text.contains("U1"));
    EXPECT_EQ(CurrentCircuitName(), "MAIN");
    EXPECT_EQ(CurrentPageName(), "P2");
}

TEST_F(ListGeneratorTest, UnknownKeysGiveTheHeadingAlone) {
    const QString heading = "LIST OF X:" + kCrLf + kCrLf + kCrLf;
    EXPECT_EQ(Generate("VX4_9", {}, ListCircuit), heading);
    EXPECT_EQ(Generate("VX4_1", "VX6_1_9", ListPage), heading);
    EXPECT_EQ(Generate({}, {}, 0), heading);
    EXPECT_EQ(Generate({}, {}, 12), heading);
}

TEST_F(ListGeneratorTest, LibraryAndHierarchyKindsShowTheirViewInstead) {
    QList<int> libraryKinds;
    QStringList hierarchies;
    generator_->SetViews({[&](int kind) { libraryKinds.append(kind); },
                          [&](const QString& circuit) { hierarchies.append(circuit); }});
    for (int kind = ListPartFiles; kind <= ListPadstackFiles; ++kind) {
        EXPECT_EQ(Generate({}, {}, kind), "LIST OF X:" + kCrLf + kCrLf + kCrLf);
    }
    EXPECT_EQ(libraryKinds, QList<int>({1, 2, 3, 4}));
    EXPECT_EQ(Generate("VX4_2", {}, ListHierarchy), QString());
    EXPECT_EQ(hierarchies, QStringList({"SUB"}));
}

TEST_F(ListGeneratorTest, NetsLegendOnlyForDesignNodesWithFormatOn) {
    ListOptions options;
    options.Format = true;
    options.SelectedKind = QStringLiteral("D");
    const QString diagram = Generate("VX4_1", {}, ListDiagram, options);
    EXPECT_TRUE(diagram.startsWith("LIST OF X:" + kCrLf + kCrLf + kCrLf + kCrLf + "-----"))
        << diagram.toStdString();
    options.SelectedKind = QStringLiteral("G");
    EXPECT_FALSE(Generate("VX4_1", "VX6_1_1", ListPage, options).contains("FORMAT FOR NETS"));
}

TEST_F(ListGeneratorTest, AllCircuitsAndAllPagesWhateverNodeIsChosen) {
    ListOptions options;
    options.CircuitSelectAll = true;
    options.PageSelectAll = true;
    const QString circuits = Generate("VX4_2", {}, ListCircuit, options);
    EXPECT_TRUE(circuits.contains("Circuit 1: MAIN") && circuits.contains("Circuit 2: SUB"));
    const QString pages = Generate("VX4_1", "VX6_1_2", ListPage, options);
    EXPECT_TRUE(pages.contains("Page 1: P1") && pages.contains("Page 2: P2"));
    EXPECT_EQ(CurrentPageName(), "P2"); // the last page reported stays current
}

class CurrentListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        suite_ = std::make_unique<ScopedSuite>(SuiteLocation::InFolder(dir_.path()));
    }
    QByteArray Scratch() {
        QFile file(ScratchListPath(dir_.path()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    std::unique_ptr<ScopedSuite> suite_;
    RecordingInterface ui_;
    CurrentList list_;
    QStringList opened_;
    std::function<void(const QString&)> open_ = [this](const QString& path) { opened_.append(path); };
};

TEST_F(CurrentListTest, PreviewAsksOnlyAboveTheLimitAndOpensTheScratchFileOnYes) {
    const QString fits(kPreviewLimit, QLatin1Char('a'));
    list_.ShowPreview(fits, dir_.path(), ui_, open_);
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_EQ(list_.PreviewText(), fits);
    EXPECT_EQ(Scratch(), fits.toLatin1() + "\r\n");

    ui_.messageAnswers = {AnswerNo};
    list_.ShowPreview(fits + "b", dir_.path(), ui_, open_);
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].prompt,
              "List is too long to be displayed in Preview. Open list in Text Viewer?");
    EXPECT_EQ(ui_.messages[0].style, MbYesNo | MbInformation | MbSystemModal);
    EXPECT_EQ(ui_.messages[0].title, "List Generator");
    EXPECT_TRUE(opened_.isEmpty());
    EXPECT_EQ(list_.PreviewText(), fits); // what the box could take
    EXPECT_EQ(Scratch(), fits.toLatin1() + "b\r\n");

    ui_.messageAnswers = {AnswerYes};
    list_.ShowPreview(fits + "c", dir_.path(), ui_, open_);
    EXPECT_EQ(opened_, QStringList({ScratchListPath(dir_.path())}));
}

TEST_F(CurrentListTest, AScratchFileThatCannotBeWrittenStillPreviews) {
    const QString missing = dir_.filePath("no/such/folder");
    ui_.messageAnswers = {AnswerYes};
    list_.ShowPreview(QString(kPreviewLimit + 1, QLatin1Char('x')), missing, ui_, open_);
    EXPECT_EQ(list_.PreviewText().size(), kPreviewLimit);
    // Nothing stale or missing is handed to the viewer.
    EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(CurrentListTest, SourceRecordAndProposedName) {
    list_.RecordListSource(QString(), {});
    EXPECT_FALSE(list_.CommandsEnabled());

    list_.RecordListSource("text", {4, "MAIN", "Circuit.level", "3"});
    EXPECT_TRUE(list_.CommandsEnabled());
    EXPECT_EQ(list_.ProposedName(), "Circuit MAIN");
    EXPECT_EQ(list_.Source().ClassText, "Circuit.level");
    EXPECT_EQ(list_.Source().ItemCount, "3");

    list_.RecordListSource("text", {4, "MAIN", "Circuit", "3"}, true);
    EXPECT_EQ(list_.ProposedName(), "MAIN");
    EXPECT_EQ(list_.Source().ClassText, QString());
    EXPECT_EQ(list_.Source().ItemCount, QString());
}

TEST_F(ListGeneratorTest, DesignListOriginNamesTheObject) {
    const ExplorerModel model = BuildExplorerModel(*kernel_, levels_, Suite());
    EXPECT_EQ(DesignListOrigin(model, levels_, model.IndexOf("VX4_2"), false, false).Image, 4);
    const std::tuple<const char*, bool, bool, const char*, const char*> cases[] = {
        {"VX4_2", false, false, "Circuit", "SUB"},  {"VX4_2", true, false, "Circuit", "All Circuit(s)"},
        {"VX6_1_2", false, false, "Page", "P2"},    {"VX6_1_2", false, true, "Page", "All Page(s)"},
        {"VX7_1NET", false, false, "Nets", "MAIN"}, {"VX3", false, false, "Project", "demo"},
    };
    for (const auto& [key, allCircuits, allPages, classText, name] : cases) {
        const ListOrigin origin = DesignListOrigin(model, levels_, model.IndexOf(key), allCircuits, allPages);
        EXPECT_EQ(origin.ClassText, classText) << key;
        EXPECT_EQ(origin.ObjectName, name) << key;
    }
}

} // namespace
} // namespace vxw
