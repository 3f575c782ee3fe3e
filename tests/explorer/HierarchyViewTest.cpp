#include "ExplorerFixture.h"

#include "explorer/HierarchyText.h"
#include "explorer/HierarchyView.h"
#include "kernel/DesignBuilder.h"
#include "kernel/KernelText.h"
#include "listgen/NetReport.h"

#include <QElapsedTimer>

namespace vxw::test {
namespace {

// One node as "parent|text|picture|tag|colour", colour "-" for the default.
QString Row(const HierarchyNode& node) {
    QString colour = QStringLiteral("-");
    if (node.Colour) {
        colour =
            QStringLiteral("%1,%2,%3").arg(node.Colour->Red).arg(node.Colour->Green).arg(node.Colour->Blue);
    }
    return QStringLiteral("%1|%2|%3|%4|%5").arg(node.Parent).arg(node.Text, node.Picture, node.Tag, colour);
}

QStringList Rows(const HierarchyView& view) {
    QStringList rows;
    for (const HierarchyNode& node : view.Nodes()) {
        rows.append(Row(node));
    }
    return rows;
}

QStringList Texts(const HierarchyView& view) {
    QStringList texts;
    for (const HierarchyNode& node : view.Nodes()) {
        texts.append(node.Text);
    }
    return texts;
}

// A circuit holding one block component per named target.
void AddCircuit(DesignBuilder& builder, const std::string& name, std::initializer_list<const char*> targets) {
    builder.Circuit(name).Page(name + "_P");
    int n = 0;
    for (const char* target : targets) {
        builder.SchComp(name + "_X" + std::to_string(++n)).CompText(std::string("X hierarchy ") + target);
    }
}

class HierarchyViewTest : public ExplorerTest {
protected:
    HierarchyView Show(Kernel& kernel, const char* circuit) {
        return ShowHierarchyFor(kernel, Suite(), QLatin1String(circuit));
    }
    QString ListPath() const { return dir_.filePath(QStringLiteral("UNTITLED.LIST")); }
    // The text of the view under a plain heading, written to the list file.
    QString Text(const HierarchyView& view, bool formatOn = false) const {
        return HierarchyText(view, QStringLiteral("P"), QStringLiteral("D"), QStringLiteral("C"), formatOn,
                             ListPath());
    }
};

// The node order and text are pinned by the list, the tree, pictures and colours by the outline.
TEST_F(HierarchyViewTest, DemoMainAsTextOutlineAndCollapsed) {
    auto kernel = LoadSampleKernel("demo.vxd");
    HierarchyView view = Show(*kernel, "MAIN");
    // X2 names a missing hierarchy and X5..X7 are near misses: none of them is a block.
    const QString text = HierarchyText(view, QStringLiteral("Demo"), QStringLiteral("5 Mar 2024"),
                                       QStringLiteral("Circuit[ MAIN ]"), false, ListPath());
    const QString expected = QStringLiteral("PROJECT: Demo\r\n"
                                            "5 Mar 2024\r\n"
                                            "\r\n"
                                            "OUTPUT OF HIERARCHY IN CIRCUIT[ MAIN ]:\r\n"
                                            "\r\n"
                                            "MAIN ( Current Hierarchy Stack )\r\n"
                                            " [-]X1\r\n"
                                            "     [-]SUB1\r\n"
                                            "         [-]X3\r\n"
                                            "             [-]SUB2\r\n"
                                            "                 [-]X4\r\n"
                                            "                        SUB1  ( Recursive Hierarchy! )\r\n"
                                            "AUX ( Other Hierarchy )\r\n");
    EXPECT_EQ(text, expected);
    QFile file(ListPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), expected.toLatin1());

    EXPECT_EQ(HierarchyOutline(view),
              QStringLiteral("CURHIER MAIN ( Current Hierarchy Stack ) [ST_CURCIR #FF0000]\r\n"
                             "  SCOMP X1 [ST_COMP]\r\n"
                             "    SUBHIER SUB1 [ST_SUB #0000FF]\r\n"
                             "      SCOMP X3 [ST_COMP]\r\n"
                             "        SUBHIER SUB2 [ST_SUB #0000FF]\r\n"
                             "          SCOMP X4 [ST_COMP]\r\n"
                             "            SUBHIER SUB1  ( Recursive Hierarchy! ) [ST_SUB #0000FF]\r\n"
                             "HIER AUX ( Other Hierarchy ) [ST_CIR]\r\n"));

    // A collapsed node is marked and what it hides is skipped.
    view.SetExpanded(3, false); // SUB1
    const QString collapsed = Text(view);
    EXPECT_TRUE(collapsed.endsWith(QStringLiteral("MAIN ( Current Hierarchy Stack )\r\n"
                                                  " [-]X1\r\n"
                                                  "     [+]SUB1\r\n"
                                                  "AUX ( Other Hierarchy )\r\n")))
        << collapsed.toStdString();
}

TEST_F(HierarchyViewTest, TextLegendEmptyMarkAndUnwritableFile) {
    auto single = DesignBuilder("P").Circuit("ONLY").SchComp("R1").Build();
    const HierarchyView one = Show(*single, "ONLY");
    ASSERT_EQ(one.NodeCount(), 1);
    // The legend comes after the heading; the empty mark after the node lines.
    const QString text = Text(one, true);
    const QString heading = QStringLiteral("PROJECT: P\r\nD\r\n\r\nOUTPUT OF HIERARCHY IN C:\r\n\r\n");
    const QString legend = NetFormatHeader(true, QStringLiteral("N"));
    ASSERT_FALSE(legend.isEmpty());
    EXPECT_EQ(text,
              heading + legend + QStringLiteral("ONLY ( Current Hierarchy Stack )\r\n\r\n\r\n\t\t!!Empty!!"));
    // The file holds the list without the empty mark.
    QFile file(ListPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("!!Empty!!"));

    // No node at all is empty too; a scratch file that cannot be written loses nothing.
    const QString none =
        HierarchyText(HierarchyView(), QStringLiteral("P"), QStringLiteral("D"), QStringLiteral("C"), false,
                      dir_.filePath(QStringLiteral("no/such/dir/L")));
    EXPECT_EQ(none, heading + QStringLiteral("\r\n\r\n\t\t!!Empty!!"));
}

TEST_F(HierarchyViewTest, TextIndentsByTreeDepthNotByBackslashesInNames) {
    HierarchyView view;
    const auto add = [&view](HierarchyNodeType type, const QString& text, const char* picture, int parent) {
        return view.Add({type, text, QLatin1String(picture), {}, std::nullopt, parent});
    };
    const int root =
        add(HierarchyNodeType::CurrentRoot, QStringLiteral("A\\B ( x )"), kPictureCurrentRoot, 0);
    const int block = add(HierarchyNodeType::Block, QStringLiteral("X\\1"), kPictureBlock, root);
    add(HierarchyNodeType::SubHierarchy, QStringLiteral("S\\U\\B\u00e9\u4e2d"), kPictureSubHierarchy, block);
    const QString text = Text(view);
    // A character outside Latin-1 shows as "?" whether or not the file could be written.
    EXPECT_TRUE(text.endsWith(QStringLiteral("A\\B ( x )\r\n [-]X\\1\r\n        S\\U\\B\u00e9?\r\n")))
        << text.toStdString();
}

TEST_F(HierarchyViewTest, CurrentHierarchyAndPageAreRestored) {
    auto kernel = LoadSampleKernel("demo.vxd");
    const int32_t map = kernel->DB_HierarchyMap();
    const int32_t main = kernel->OM_FindName(map, "MAIN");
    ASSERT_GT(kernel->DB_SetCurHier(main), 0);
    const int32_t analog = kernel->OM_FindName(kernel->DB_PageMap(), "ANALOG");
    ASSERT_GT(kernel->DB_SetCurPage(analog), 0);
    Show(*kernel, "SUB2");
    EXPECT_EQ(kernel->DB_CurHier(), main);
    EXPECT_EQ(kernel->DB_CurPage(), analog);
}

TEST_F(HierarchyViewTest, HierarchyStackRecords) {
    const auto stackOf = [](std::string bytes) {
        auto kernel = DesignBuilder().Circuit("MAIN").Stream("HIERSTCK", std::move(bytes)).Build();
        return ReadHierarchyStack(*kernel, QStringLiteral(" MAIN "));
    };
    const std::string a = std::string("AAA") + std::string(12, ' ');
    const std::string b = std::string("B  B") + std::string(11, ' ');
    // Entry 0 is kept as given; the view trims it.
    EXPECT_EQ(stackOf(a + b), (std::vector<QString>{" MAIN ", "AAA", "B  B"}));
    // 44 bytes: three records to read, the third read is short, two records.
    EXPECT_EQ(stackOf(a + b + std::string(14, 'C')).size(), 3u);
    // 15 * 2 + 7 bytes rounds down to two records; 8 bytes rounds up to one, which is short.
    EXPECT_EQ(stackOf(a + b + std::string(7, 'C')).size(), 3u);
    EXPECT_EQ(stackOf(std::string(8, 'C')).size(), 1u);
    EXPECT_EQ(stackOf(std::string()).size(), 1u);
    // A NUL ends a name; leading blanks and Latin-1 bytes stay.
    EXPECT_EQ(stackOf(std::string(" N\0junk\xe9xxxxxxxx", 15))[1], QStringLiteral(" N"));
    EXPECT_EQ(stackOf(std::string("\xe9T") + std::string(13, '\0'))[1], QStringLiteral("\u00e9T"));

    auto noStream = DesignBuilder().Circuit("MAIN").Build();
    EXPECT_EQ(ReadHierarchyStack(*noStream, QStringLiteral("MAIN")), std::vector<QString>{"MAIN"});
    // The demo's stream holds MAIN and SUB1.
    auto demo = LoadSampleKernel("demo.vxd");
    EXPECT_EQ(ReadHierarchyStack(*demo, QStringLiteral("AUX")),
              (std::vector<QString>{"AUX", "MAIN", "SUB1"}));
}

TEST_F(HierarchyViewTest, BlockTextWords) {
    EXPECT_EQ(BlockTextHierarchyName(u"X hierarchy SUB1"), QStringLiteral("SUB1"));
    EXPECT_EQ(BlockTextHierarchyName(u"X hierarchy SUB1 and more"), QStringLiteral("SUB1"));
    for (const char16_t* miss :
         {u"x hierarchy SUB1", u"X Hierarchy SUB1", u"X hierarchy", u"X hierarchy ", u"X  hierarchy SUB1",
          u" X hierarchy SUB1", u"X hierarchy  SUB1", u"X\thierarchy SUB1", u"", u"X"}) {
        EXPECT_FALSE(BlockTextHierarchyName(miss).has_value()) << QString::fromUtf16(miss).toStdString();
    }
}

TEST_F(HierarchyViewTest, SubHierarchyOfComponentTextAndSymbolFallback) {
    auto kernel = DesignBuilder()
                      .Symbol("BLOCK_S")
                      .SymbolItem(DesignBuilder::Rectangle(0, 0, 10, 10))
                      .SymbolItem(DesignBuilder::Text("X hierarchy S"))
                      .Symbol("PLAIN")
                      .Circuit("S")
                      .Circuit("T")
                      .Circuit("TOP")
                      .SchComp("OWN", "PLAIN")
                      .CompText("X hierarchy T")
                      .SchComp("FROM_SYMBOL", "BLOCK_S")
                      .SchComp("LABEL_THEN_SYMBOL", "BLOCK_S")
                      .CompText("just a label")
                      .SchComp("OWN_WINS", "BLOCK_S")
                      .CompText("X hierarchy NOSUCH")
                      .SchComp("WRONG_KIND", "PLAIN")
                      .CompText("X hierarchy T", MaskText, ItemValueText)
                      .SchComp("WRONG_MASK", "PLAIN")
                      .CompText("X hierarchy T", MaskValueText)
                      .SchComp("SECOND_TEXT", "PLAIN")
                      .CompText("label")
                      .CompText("X hierarchy T")
                      .Build();
    const int32_t s = kernel->OM_FindName(kernel->DB_HierarchyMap(), "S");
    const int32_t t = kernel->OM_FindName(kernel->DB_HierarchyMap(), "T");
    ASSERT_GT(kernel->DB_SetCurHier(kernel->OM_FindName(kernel->DB_HierarchyMap(), "TOP")), 0);
    const auto of = [&](const char* component) {
        const SubHierarchy sub =
            SubHierarchyOf(*kernel, kernel->OM_FindName(kernel->DB_SchCompMap(), component));
        return std::make_pair(sub.Hierarchy, sub.Name);
    };
    EXPECT_EQ(of("OWN"), std::make_pair(t, QStringLiteral("T")));
    EXPECT_EQ(of("FROM_SYMBOL"), std::make_pair(s, QStringLiteral("S")));
    EXPECT_EQ(of("LABEL_THEN_SYMBOL"), std::make_pair(s, QStringLiteral("S")));
    EXPECT_EQ(of("OWN_WINS").first, 0);
    EXPECT_EQ(of("WRONG_KIND"), std::make_pair(0, QString()));
    EXPECT_EQ(of("WRONG_MASK").first, 0);
    EXPECT_EQ(of("SECOND_TEXT").first, 0); // only the first text with the mask counts
    EXPECT_EQ(of("NO_SUCH_COMPONENT").first, 0);
}

TEST_F(HierarchyViewTest, RecursionSelfReferenceAndRepeatedUse) {
    DesignBuilder pair;
    AddCircuit(pair, "A", {"B"});
    AddCircuit(pair, "B", {"A"});
    auto kernel = pair.Build();
    EXPECT_EQ(Texts(Show(*kernel, "A")), QStringList({"A ( Current Hierarchy Stack )", "A_X1", "B", "B_X1",
                                                      "A  ( Recursive Hierarchy! )"}));

    DesignBuilder self;
    AddCircuit(self, "A", {"A"});
    kernel = self.Build();
    const HierarchyView selfView = Show(*kernel, "A");
    EXPECT_EQ(Texts(selfView),
              QStringList({"A ( Current Hierarchy Stack )", "A_X1", "A  ( Recursive Hierarchy! )"}));
    EXPECT_FALSE(selfView.HasChildren(3));

    // S is used twice without a loop: worked through once, then named without children. B and
    // C hold each other from two branches: neither is an ancestor of the other in the tree,
    // yet each reference closes a loop. Nodes read depth first, while the tags keep the
    // level-by-level collection order.
    DesignBuilder shared;
    AddCircuit(shared, "TOP", {"S", "S", "B", "C"});
    AddCircuit(shared, "S", {});
    AddCircuit(shared, "B", {"C"});
    AddCircuit(shared, "C", {"B"});
    kernel = shared.Build();
    const HierarchyView view = Show(*kernel, "TOP");
    EXPECT_EQ(Rows(view), QStringList({
                              "0|TOP ( Current Hierarchy Stack )|ST_CURCIR|CURHIER**@##1|255,0,0",
                              "1|TOP_X1|ST_COMP|SCOMP**@##2|-",
                              "2|S|ST_SUB|SUBHIER**@##3|0,0,255",
                              "1|TOP_X2|ST_COMP|SCOMP**@##4|-",
                              "4|S|ST_SUB|SUBHIER**@##5|0,0,255",
                              "1|TOP_X3|ST_COMP|SCOMP**@##6|-",
                              "6|B|ST_SUB|SUBHIER**@##7|0,0,255",
                              "7|B_X1|ST_COMP|SCOMP**@##10|-",
                              "8|C  ( Recursive Hierarchy! )|ST_SUB|SUBHIER**@##11|0,0,255",
                              "1|TOP_X4|ST_COMP|SCOMP**@##8|-",
                              "10|C|ST_SUB|SUBHIER**@##9|0,0,255",
                              "11|C_X1|ST_COMP|SCOMP**@##12|-",
                              "12|B  ( Recursive Hierarchy! )|ST_SUB|SUBHIER**@##13|0,0,255",
                          }));
}

TEST_F(HierarchyViewTest, UnknownTopNameListsTheOtherHierarchies) {
    DesignBuilder builder;
    AddCircuit(builder, "S", {});
    AddCircuit(builder, "A", {"S"});
    auto kernel = builder.Build();
    // S comes first in the map, so it is a root of its own before A refers to it.
    EXPECT_EQ(Texts(Show(*kernel, "NOSUCH")),
              QStringList({"S ( Other Hierarchy )", "A ( Other Hierarchy )", "A_X1", "S"}));
    // The name is trimmed before it is looked up.
    EXPECT_EQ(Show(*kernel, "  A ").Node(1)->Text, QStringLiteral("A ( Current Hierarchy Stack )"));
    EXPECT_EQ(ShowHierarchyFor(*kernel, Suite(), QString()).Node(1)->Type, HierarchyNodeType::OtherRoot);

    auto empty = DesignBuilder().Build();
    EXPECT_EQ(Show(*empty, "MAIN").NodeCount(), 0);
}

TEST_F(HierarchyViewTest, LargeAndDeepDesignsStayLinear) {
    // 100,000 blocks in one circuit, all for the same sub-hierarchy.
    DesignBuilder wide;
    wide.Circuit("TOP").Page("P");
    for (int i = 0; i < 100000; ++i) {
        wide.SchComp("X" + std::to_string(i)).CompText("X hierarchy SUB");
    }
    wide.Circuit("SUB");
    auto kernel = wide.Build();
    QElapsedTimer timer;
    timer.start();
    const HierarchyView view = Show(*kernel, "TOP");
    EXPECT_EQ(view.NodeCount(), 200001);
    EXPECT_LT(timer.elapsed(), 20000);

    // A chain of 3,000 nested circuits: no recursion depth limit is hit, and the indentation
    // stops growing at the limit.
    DesignBuilder deep;
    constexpr int kDepth = 3000;
    for (int i = 0; i < kDepth; ++i) {
        deep.Circuit("C" + std::to_string(i)).SchComp("X").CompText("X hierarchy C" + std::to_string(i + 1));
    }
    deep.Circuit("C" + std::to_string(kDepth));
    kernel = deep.Build();
    const HierarchyView chain = Show(*kernel, "C0");
    ASSERT_EQ(chain.NodeCount(), 2 * kDepth + 1);
    EXPECT_EQ(chain.PathPartCount(chain.NodeCount()), 2 * kDepth + 1);
    const QString text = Text(chain);
    const QString last =
        QString(4 * (kHierarchyIndentLimit - 1), QLatin1Char(' ')) + QStringLiteral("C3000\r\n");
    EXPECT_TRUE(text.endsWith(last));
    EXPECT_LT(text.size(), 2 * kDepth * (4 * kHierarchyIndentLimit + 16));
}

} // namespace
} // namespace vxw::test
