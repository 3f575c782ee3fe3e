#include "ExplorerFixture.h"

#include "explorer/NodeActions.h"

namespace vxw::test {
namespace {

// 2024-03-05 00:00 UTC; the C locale writes the short date as "5 Mar 2024".
constexpr char kEpoch[] = "1709596800";
const QString kDate = QStringLiteral("5 Mar 2024");

class NodeActionsTest : public ExplorerTest {
protected:
    void SetUp() override {
        ExplorerTest::SetUp();
        hadEpoch_ = qEnvironmentVariableIsSet("SOURCE_DATE_EPOCH");
        savedEpoch_ = qgetenv("SOURCE_DATE_EPOCH");
        qputenv("SOURCE_DATE_EPOCH", kEpoch);
        Load(LoadSampleKernel("demo.vxd"));
        context_.ProjectName = levels_.ProjectName;
        context_.LibraryPaths = {QStringLiteral("/p/"), QStringLiteral("/s/"), QStringLiteral("/k/"),
                                 QStringLiteral("/v/")};
    }
    void TearDown() override {
        if (hadEpoch_) {
            qputenv("SOURCE_DATE_EPOCH", savedEpoch_);
        } else {
            qunsetenv("SOURCE_DATE_EPOCH");
        }
    }

    NodeClickPlan Click(const char* key) { return PlanNodeClick(model_, Index(key), context_, Suite()); }
    int Index(const char* key) const { return model_.IndexOf(QLatin1String(key)); }

    NodeClickContext context_;
    bool hadEpoch_ = false;
    QByteArray savedEpoch_;
};

const QString kHeader = QStringLiteral("PROJECT: Demo Timer Board\r\n") + kDate + QStringLiteral("\r\n\r\n");

TEST_F(NodeActionsTest, TitlesAndPanelsFollowTheNodeKind) {
    struct Case {
        const char* key;
        QString title;
        QString panel1;
        QString panel2;
    };
    const Case cases[] = {
        {"VX1", kHeader + "List of System", "System", ""},
        {"VX2", kHeader + "List of Library", "Library", ""},
        {"VX3", kDate + "\r\n\r\nList of Project[ Demo Timer Board ]", "Project[ Demo Timer Board ]", ""},
        {"VX4_2", kHeader + "List of Circuit[ AUX ]", "Circuit[ AUX ]", ""},
        {"VX5_1", kHeader + "List of Diagram in Circuit[ MAIN ]", "Circuit[ MAIN ]", "Diagram"},
        {"VX7_3", kHeader + "List of PCB Layout in Circuit[ SUB1 ]", "Circuit[ SUB1 ]", "PCB Layout"},
        {"VX7_1NET", kHeader + "List of Net List in Circuit[ MAIN ]", "Circuit[ MAIN ]", "Net List"},
        {"VX7_4HIERARCHY", kHeader + "List of Hierarchy in Circuit[ SUB2 ]", "Circuit[ SUB2 ]", "Hierarchy"},
        {"VX6_1_1", kHeader + "List of Page[ POWER ] in Circuit[ MAIN ]", "Circuit[ MAIN ]", "Page[ POWER ]"},
        {"PART", "List of part file ", "Parts", "Library path /p/ "},
        {"SYMBOL", "List of symbol file ", "Symbols", "Library path /s/ "},
        {"PACKAGE", "List of package file ", "Packages", "Library path /k/ "},
        {"PAD", "List of padstack file ", "Padstacks", "Library path /v/ "},
    };
    for (const Case& c : cases) {
        const NodeClickPlan plan = Click(c.key);
        EXPECT_EQ(plan.Title, c.title) << c.key;
        EXPECT_EQ(plan.Panels[0], c.panel1) << c.key;
        EXPECT_EQ(plan.Panels[1], c.panel2) << c.key;
        EXPECT_EQ(plan.Panels[2], QString()) << c.key;
        EXPECT_EQ(plan.Panels[3], QString()) << c.key;
    }
}

TEST_F(NodeActionsTest, SelectAllVariantsReplaceTheCircuitAndPageTitles) {
    context_.CircuitSelectAll = true;
    context_.PageSelectAll = true;
    EXPECT_EQ(Click("VX4_1").Title, kHeader + "List of all Circuit(s)");
    EXPECT_EQ(Click("VX6_4_1").Title, kHeader + "List of all Page(s) in Circuit[ SUB2 ]");
    // Other kinds ignore the flags.
    EXPECT_EQ(Click("VX5_1").Title, kHeader + "List of Diagram in Circuit[ MAIN ]");
}

// The hierarchy view: 'c' cleared, 'r' filled by the hierarchy list.
TEST_F(NodeActionsTest, CommandsPopupBandsAndHierarchyViewPerKind) {
    const QStringList all{"format", "property", "preview"};
    const QStringList library{"property",         "preview",   "librarypath", "mnuLibraryItemFind",
                              "mnuLibraryOutAll", "smallicon", "list",        "details",
                              "options"};
    const std::tuple<const char*, QStringList, const char*, char> cases[] = {
        {"VX1", {}, "", 'c'},
        {"VX2", {"librarypath"}, "popLibrary", 'c'},
        {"PART", library, "popPart", 'c'},
        {"SYMBOL", library, "popSymbol", 'c'},
        {"PACKAGE", library, "popPackage", 'c'},
        {"PAD", library, "popPadstack", 'c'},
        {"VX3", all, "popProject", 'c'},
        {"VX4_1", all, "popCircuit", 'c'},
        {"VX5_1", all, "popDiagram", 'c'},
        {"VX7_1", all, "popLayout", 'c'},
        {"VX7_1NET", all, "popNet", 'c'},
        {"VX7_1HIERARCHY", {"preview"}, "popHirarchy", 'r'},
        {"VX6_1_2", {"property", "preview"}, "popPage", 'c'},
    };
    for (const auto& [key, commands, band, view] : cases) {
        const NodeClickPlan plan = Click(key);
        EXPECT_EQ(plan.EnabledCommands, commands) << key;
        EXPECT_EQ(PopupBandForKind(plan.Kind), QLatin1String(band)) << key;
        for (const QString& command : commands) {
            EXPECT_TRUE(NodeClickCommands().contains(command)) << key;
        }
        EXPECT_EQ(plan.ClearHierarchyView, view == 'c') << key;
        EXPECT_EQ(plan.RunHierarchyList, view == 'r') << key;
    }
    EXPECT_EQ(Click("VX7_2HIERARCHY").HierarchyCircuitKey, QStringLiteral("VX4_2"));
    EXPECT_EQ(Click("PACKAGE").LibraryKind, 3);
    EXPECT_EQ(Click("VX4_1").LibraryKind, 0);
}

TEST_F(NodeActionsTest, ClickWithoutAKindOnlyResets) {
    for (int index : {0, -1, model_.NodeCount() + 1}) {
        const NodeClickPlan plan = PlanNodeClick(model_, index, context_, Suite());
        EXPECT_EQ(plan.Kind, QString());
        EXPECT_TRUE(plan.EnabledCommands.isEmpty());
        EXPECT_FALSE(plan.Panels[0].has_value()); // panel 1 keeps what it showed
        EXPECT_EQ(plan.Panels[1], QString());
        EXPECT_EQ(plan.Title, QStringLiteral("List of "));
        EXPECT_FALSE(plan.ClearHierarchyView);
        EXPECT_EQ(PlanListAction(model_, index).Type, ListActionType::None);
        EXPECT_EQ(PlanNodeProperties(model_, index).ObjectClass, 0);
    }
}

TEST_F(NodeActionsTest, ListActionDispatchesKindToModeAndKeys) {
    struct Case {
        const char* key;
        ListActionType type;
        int mode;
        const char* circuit;
        const char* page;
    };
    const Case cases[] = {
        {"VX1", ListActionType::None, 0, "", ""},
        {"VX2", ListActionType::None, 0, "", ""},
        {"VX3", ListActionType::GenerateList, 1, "", ""},
        {"VX4_2", ListActionType::GenerateList, 2, "VX4_2", ""},
        {"VX5_3", ListActionType::GenerateList, 3, "VX4_3", ""},
        {"VX6_1_4", ListActionType::GenerateList, 4, "VX4_1", "VX6_1_4"},
        {"VX7_4", ListActionType::GenerateList, 5, "VX4_4", ""},
        {"VX7_2NET", ListActionType::GenerateList, 6, "VX4_2", ""},
        {"VX7_3HIERARCHY", ListActionType::HierarchyText, 0, "VX4_3", ""},
        {"PAD", ListActionType::LibraryFiles, 0, "", ""},
    };
    for (const Case& c : cases) {
        const ListAction action = PlanListAction(model_, Index(c.key));
        EXPECT_EQ(action.Type, c.type) << c.key;
        EXPECT_EQ(action.ListMode, c.mode) << c.key;
        EXPECT_EQ(action.CircuitKey, QLatin1String(c.circuit)) << c.key;
        EXPECT_EQ(action.PageKey, QLatin1String(c.page)) << c.key;
    }
    EXPECT_EQ(PlanListAction(model_, Index("VX7_3HIERARCHY")).CircuitText, QStringLiteral("Circuit[ SUB1 ]"));
    EXPECT_EQ(PlanListAction(model_, Index("PAD")).LibraryKind, 4);

    // The keys lead back into the model.
    const ListAction page = PlanListAction(model_, Index("VX6_1_4"));
    const int circuit = FindCircuit(levels_, page.CircuitKey);
    const int pageIndex = FindPage(levels_, circuit, page.PageKey);
    ASSERT_EQ(circuit, 0);
    ASSERT_EQ(pageIndex, 3);
    EXPECT_EQ(levels_.Circuits[0].Pages[3].Name, QStringLiteral("NOTES"));
}

TEST_F(NodeActionsTest, PropertiesOpenTheObjectClassOfTheKind) {
    struct Case {
        const char* key;
        int objectClass;
        const char* circuit;
        const char* page;
    };
    const Case cases[] = {
        {"VX1", 0, "", ""},
        {"VX2", 0, "", ""},
        {"VX7_1HIERARCHY", 0, "", ""},
        {"VX3", ClassProject, "", ""},
        {"VX4_1", ClassCircuit, "VX4_1", ""},
        {"VX5_2", ClassDiagram, "VX4_2", ""},
        {"VX6_1_2", ClassPage, "VX4_1", "VX6_1_2"},
        {"VX7_3", ClassPcb, "VX4_3", ""},
        {"VX7_4NET", ClassNets, "VX4_4", ""},
        {"PART", ClassPart, "", ""},
        {"SYMBOL", ClassSymbol, "", ""},
        {"PACKAGE", ClassPackage, "", ""},
        {"PAD", ClassPadstack, "", ""},
    };
    for (const Case& c : cases) {
        const PropertyTarget target = PlanNodeProperties(model_, Index(c.key));
        EXPECT_EQ(target.ObjectClass, c.objectClass) << c.key;
        EXPECT_EQ(target.CircuitKey, QLatin1String(c.circuit)) << c.key;
        EXPECT_EQ(target.PageKey, QLatin1String(c.page)) << c.key;
    }
}

} // namespace
} // namespace vxw::test
