#include "tests/libreports/LibraryTestSupport.h"

namespace vxw {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kRule = QString(50, QLatin1Char('-'));

QString CountBlock(int count) {
    return kRule + kCrLf + QStringLiteral("Total Count: ") + QString::number(count) + kCrLf + kRule + kCrLf +
           kCrLf;
}

// Each row as "key name icon", marked " *" when selected.
QStringList RowTexts(const LibraryItems& items) {
    QStringList texts;
    for (const LibraryItemRow& row : items.Rows()) {
        texts << row.key + ' ' + row.text + ' ' + QString::number(row.icon) + (row.selected ? " *" : "");
    }
    return texts;
}

using LibraryItemsTest = LibraryFolderTest;

TEST_F(LibraryItemsTest, PartFileGivesKeyedRowsDetailsAndOneRecordPerRow) {
    const int position = Show(KindPart, QStringLiteral("ic.PART"));
    ASSERT_EQ(position, 2);
    ASSERT_TRUE(items_->GetLibraryItems(position));

    EXPECT_EQ(RowTexts(*items_), (QStringList{"P0 74HC00 7", "P1 74HC86 7", "P2 LM358 7"}));
    EXPECT_EQ(items_->Rows().at(1).subItems,
              (QStringList{folder_ + "ic.PART", "Maker", "LOGIC", "Quad XOR", "HC", "XOR2,NAND2", "SOIC14",
                           "SMD", "", "", "", ""}));
    ASSERT_EQ(items_->ItemDetailTable().size(), 4);
    EXPECT_TRUE(items_->ItemDetailTable()[0].startsWith(QStringLiteral("PART: 74HC00\r\n")));
    ASSERT_EQ(items_->CrossRefRecords().size(), 4u);
    EXPECT_EQ(items_->CrossRefRecords()[2].symbolsMissing, QStringList{"XOR2"});
    EXPECT_EQ(items_->CrossRefRecords()[2].symbolsFound, QStringList{"NAND2"});
    EXPECT_EQ(items_->CrossRefRecords()[3].packagesMissing, QStringList{"DIP8"});

    // Status panels, the open icon and the progress protocol.
    EXPECT_EQ(ui_.status.value(2), QStringLiteral("File: ic.PART  "));
    EXPECT_EQ(ui_.status.value(3), QStringLiteral("3 part(s)"));
    EXPECT_EQ(ui_.status.value(4), QStringLiteral("0 object(s) selected  "));
    EXPECT_TRUE(ui_.status.value(5).isEmpty());
    EXPECT_TRUE(ui_.statusLog.contains(QStringLiteral("5:Generating part items...")));
    EXPECT_EQ(ui_.progress, (QStringList{"start 100", "max 2", "step 0", "step 1", "step 2", "stop"}));
    EXPECT_EQ(items_->Entries()[1].icon, 2);
    EXPECT_EQ(items_->OpenedLibraryName(), QStringLiteral("ic.PART"));
}

TEST_F(LibraryItemsTest, OpeningAnotherEntryClosesThePreviousOneAndAClickRepeatsNothing) {
    const int logic = Show(KindSymbol, QStringLiteral("logic.SYMBOL"));
    const int misc = logic + 1;
    EXPECT_TRUE(items_->ClickEntry(logic));
    EXPECT_FALSE(items_->ClickEntry(logic)); // the same entry again: nothing loaded
    EXPECT_EQ(items_->Entries()[static_cast<std::size_t>(logic - 1)].icon, 4);
    EXPECT_TRUE(items_->ClickEntry(misc));
    EXPECT_EQ(items_->Entries()[static_cast<std::size_t>(logic - 1)].icon, 3);
    EXPECT_EQ(items_->Entries()[static_cast<std::size_t>(misc - 1)].icon, 4);
    EXPECT_EQ(RowTexts(*items_), QStringList{"S0 NAND2 8"});
    // Loading the open entry again keeps its icon; a node click lets it be clicked again.
    EXPECT_TRUE(items_->GetLibraryItems(misc));
    EXPECT_EQ(items_->Entries()[static_cast<std::size_t>(misc - 1)].icon, 4);
    items_->ShowLibraryFiles(KindSymbol);
    EXPECT_TRUE(items_->Rows().empty());
    EXPECT_TRUE(items_->ClickEntry(misc));
    EXPECT_FALSE(items_->GetLibraryItems(0));
    EXPECT_FALSE(items_->GetLibraryItems(99));
}

TEST_F(LibraryItemsTest, SelectedRowsReportJoinsTheirDetailsWithTotalsAndCount) {
    ASSERT_TRUE(items_->GetLibraryItems(Show(KindPart, QStringLiteral("ic.PART"))));
    items_->SetSelected(0, true);
    items_->SetSelected(2, true);
    const LibraryItemReport report = items_->ReportSelectedItems(QStringLiteral("List of part file "));
    const QStringList& details = items_->ItemDetailTable();
    const QString expected =
        details[0] + kCrLf + kCrLf + details[2] + kCrLf + kCrLf +
        // packages: SOIC14 found, DIP8 missing
        kRule + kCrLf + "TOTAL PACKAGES FOUND: 1" + kCrLf + kCrLf + kCrLf + "SOIC14" + kCrLf + kCrLf +
        "TOTAL PACKAGES MISSING : 1" + kCrLf + "DIP8" + kCrLf + kCrLf + kRule + kCrLf + kCrLf +
        // symbols: NAND2 and OPAMP found, none missing
        kRule + kCrLf + "TOTAL SYMBOLS FOUND: 2" + kCrLf + kCrLf + kCrLf + "NAND2" + kCrLf + "OPAMP" + kCrLf +
        kCrLf + "TOTAL SYMBOLS MISSING : 0" + kCrLf + kCrLf + kRule + kCrLf + kCrLf + CountBlock(2);
    EXPECT_EQ(report.body, expected);
    EXPECT_EQ(report.count, 2);
    EXPECT_TRUE(report.title.endsWith(QStringLiteral("\r\n\r\nList of part file ic.PART")));
}

TEST_F(LibraryItemsTest, TotalsFollowFieldsAndHoldEachNameOnce) {
    profiles_[0] = GroupsShowing({62});
    ASSERT_TRUE(items_->GetLibraryItems(Show(KindPart, QStringLiteral("ic.PART"))));
    // Records follow the rows also with the package cross-reference hidden.
    ASSERT_EQ(items_->CrossRefRecords().size(), 4u);
    items_->SelectAllItems();
    EXPECT_EQ(ui_.status.value(4), QStringLiteral("3 object(s) selected  "));
    QString body = items_->ReportSelectedItems(QString()).body;
    EXPECT_FALSE(body.contains(QStringLiteral("PACKAGES")));
    EXPECT_TRUE(body.contains(QStringLiteral("TOTAL SYMBOLS FOUND: 2\r\n\r\n\r\nNAND2\r\nOPAMP\r\n")));
    EXPECT_TRUE(body.contains(QStringLiteral("TOTAL SYMBOLS MISSING : 1\r\nXOR2\r\n")));
    // A second report over the same rows merges into the same totals: still each name once.
    body = items_->ReportSelectedItems(QString()).body;
    EXPECT_EQ(items_->Totals().symbolsFound, (QStringList{"NAND2", "OPAMP"}));
    EXPECT_EQ(items_->Totals().symbolsMissing, QStringList{"XOR2"});

    items_->InvertItemSelection();
    const LibraryItemReport none = items_->ReportSelectedItems(QString());
    EXPECT_EQ(none.count, 0);
    EXPECT_TRUE(none.body.endsWith(CountBlock(0)));
    EXPECT_EQ(ui_.status.value(4), QStringLiteral("0 object(s) selected  "));
}

TEST_F(LibraryItemsTest, MatchingIgnoresCaseAndBlanks) {
    WriteLibrary(folder_ + "names.PACKAGE", LibraryKind::Package,
                 {{" Sot23 ", ""}, {"SOT223", ""}, {"XSOT", ""}, {"sot", ""}});
    ASSERT_TRUE(items_->GetLibraryItems(Show(KindPackage, QStringLiteral("names.PACKAGE"))));
    EXPECT_EQ(items_->SelectMatchingItems(QStringLiteral("  SOT* ")), 0);
    EXPECT_EQ(RowTexts(*items_), (QStringList{"K0  Sot23  9 *", "K1 SOT223 9 *", "K2 XSOT 9", "K3 sot 9 *"}));
    EXPECT_EQ(ui_.status.value(4), QStringLiteral("3 object(s) selected  "));

    int count = -1;
    EXPECT_TRUE(items_->ReportMatchingItems(QStringLiteral("sot##"), count).endsWith(CountBlock(1)));
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(items_->ReportMatchingItems(QStringLiteral("QFP*"), count).isEmpty());
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(items_->ReportMatchingItems(QStringLiteral("[sot"), count).isEmpty());
    EXPECT_EQ(items_->SelectMatchingItems(QStringLiteral("none")), -1);
}

TEST_F(LibraryItemsTest, DamagedFilesGiveEmptyOrPartialListsWithBoundedCounts) {
    const QByteArray good = ReadBytes(folder_ + "ic.PART");
    WriteBytes(folder_ + "short.PART", good.left(18));
    WriteBytes(folder_ + "huge.PART", WithCount(good, 0x7fffffff));
    WriteBytes(folder_ + "negative.PART", WithCount(good, -1));
    WriteBytes(folder_ + "cut.PART", good.left(good.size() - 5));
    WriteBytes(folder_ + "empty.PART", QByteArray());

    for (const char* name : {"short.PART", "negative.PART", "empty.PART"}) {
        ASSERT_TRUE(items_->GetLibraryItems(Show(KindPart, QString::fromLatin1(name)))) << name;
        EXPECT_TRUE(items_->Rows().empty()) << name;
        EXPECT_EQ(ui_.status.value(3), QStringLiteral("0 part(s)"));
        items_->SelectAllItems();
        EXPECT_TRUE(
            items_->ReportSelectedItems(QString()).body.endsWith(QStringLiteral("\r\n\r\n") + CountBlock(0)))
            << name;
        EXPECT_FALSE(
            items_->LibraryFileHasItem(KindPart, folder_ + QString::fromLatin1(name), QStringLiteral("*")));
    }
    // A count larger than the file can hold is bounded by the file; a cut file gives its
    // complete entries.
    ASSERT_TRUE(items_->GetLibraryItems(Show(KindPart, QStringLiteral("huge.PART"))));
    EXPECT_EQ(items_->Rows().size(), 3u);
    ASSERT_TRUE(items_->GetLibraryItems(Show(KindPart, QStringLiteral("cut.PART"))));
    EXPECT_EQ(items_->Rows().size(), 2u);
    EXPECT_EQ(static_cast<int>(items_->CrossRefRecords().size()), items_->ItemDetailTable().size());
}

TEST_F(LibraryItemsTest, EntriesHoldingAMatchAreFoundInListOrder) {
    Show(KindSymbol, QString());
    // Entries: [PROJECT LIBRARY], logic.SYMBOL, misc.symbol.
    EXPECT_FALSE(items_->ListEntryHasItem(1, QStringLiteral("*")));
    EXPECT_TRUE(items_->ListEntryHasItem(2, QStringLiteral("opamp")));
    EXPECT_FALSE(items_->ListEntryHasItem(3, QStringLiteral("opamp")));
    EXPECT_EQ(items_->FindNextFileWithItem(QStringLiteral("nand*"), 1), 2);
    EXPECT_EQ(items_->FindPosition(), 3);
    EXPECT_EQ(items_->FindNextFileWithItem(QStringLiteral("nand*"), 3), 3);
    EXPECT_EQ(items_->FindNextFileWithItem(QStringLiteral("nand*"), 4), 0);
    EXPECT_EQ(items_->FindPosition(), 1);
}

TEST_F(LibraryItemsTest, ProjectLibraryRowsComeFromTheDesign) {
    DesignData design;
    DeviceData device;
    device.name = "PRJ1";
    device.attributes = PartAttributesText("SOIC14", "Project part", "NAND2");
    design.devices.push_back(device);
    design.devices.push_back(device); // the same name once only
    MemoryKernel kernel(design);
    LibraryCatalog catalog(kernel);
    catalog.SetPaths(paths_);
    LibraryItems items(kernel, catalog, profiles_, *suite_, ui_);
    items.ShowLibraryFiles(KindPart);
    ASSERT_TRUE(items.GetLibraryItems(1));
    EXPECT_EQ(RowTexts(items), QStringList{"P0 PRJ1 7"});
    EXPECT_EQ(items.Rows().at(0).subItems.value(0), QStringLiteral("Project Library"));
    EXPECT_EQ(items.CrossRefRecords()[1].packagesFound, QStringList{"SOIC14"});
    EXPECT_TRUE(items.ListEntryHasItem(1, QStringLiteral(" prj? ")));
    EXPECT_TRUE(ui_.status.value(2).startsWith(QStringLiteral("File: [PROJECT LIBRARY]")));
}

TEST_F(LibraryItemsTest, CancelStopsALoadAndLeavesNoHalfFilledList) {
    const int ic = Show(KindPart, QStringLiteral("ic.PART"));
    ui_.cancelAfterEvents = 2; // the Cancel button is pressed while the second item is added
    EXPECT_TRUE(items_->ClickEntry(ic));
    EXPECT_TRUE(items_->LoadCancelled());
    EXPECT_TRUE(items_->Rows().empty());
    EXPECT_TRUE(items_->ItemDetailTable().isEmpty());
    EXPECT_EQ(items_->CrossRefRecords().size(), 1u);
    EXPECT_EQ(items_->Entries()[static_cast<std::size_t>(ic - 1)].icon, 1);
    EXPECT_EQ(items_->OpenedPosition(), 0);
    EXPECT_EQ(ui_.progress.back(), QStringLiteral("stop"));
    EXPECT_EQ(ui_.status.value(3), QStringLiteral("0 part(s)"));

    // Nothing counts as opened, so the same entry loads in full once the job may run.
    ui_.cancel = false;
    ui_.cancelAfterEvents = -1;
    EXPECT_TRUE(items_->ClickEntry(ic));
    EXPECT_FALSE(items_->LoadCancelled());
    EXPECT_EQ(items_->Rows().size(), 3u);
    EXPECT_EQ(items_->Entries()[static_cast<std::size_t>(ic - 1)].icon, 2);
}

TEST_F(LibraryItemsTest, ColumnClicksFlipTheOrderAndLaterLoadsKeepIt) {
    const int ic = Show(KindPart, QStringLiteral("ic.PART"));
    ASSERT_TRUE(items_->GetLibraryItems(ic));
    EXPECT_FALSE(items_->Sorted());
    items_->SetSelected(0, true); // 74HC00 stays selected, with its key, wherever it moves
    const QString hc00 = "P0 74HC00 7 *", hc86 = "P1 74HC86 7", lm358 = "P2 LM358 7";

    // First click: descending; every further click flips, whichever column.
    const std::tuple<int, bool, QStringList> clicks[] = {
        {0, true, {lm358, hc86, hc00}},
        {0, false, {hc00, hc86, lm358}},
        {4, true, {hc86, hc00, lm358}},  // description: Quad XOR, Quad NAND, Dual op amp
        {7, false, {lm358, hc86, hc00}}, // package: DIP8 before SOIC14; ties keep order
    };
    for (const auto& [column, descending, order] : clicks) {
        items_->ClickColumn(column);
        EXPECT_TRUE(items_->Sorted());
        EXPECT_EQ(items_->SortDescending(), descending) << column;
        EXPECT_EQ(items_->SortColumn(), column);
        EXPECT_EQ(RowTexts(*items_), order) << column;
    }
    // The report follows the list's order; the details still belong to their entries.
    items_->SelectAllItems();
    const QString body = items_->ReportSelectedItems(QString()).body;
    EXPECT_LT(body.indexOf(QStringLiteral("PART: LM358")), body.indexOf(QStringLiteral("PART: 74HC00")));

    // A new load is sorted as the list was; a column past the sub-items compares empty texts.
    items_->ClickColumn(0);
    ASSERT_TRUE(items_->GetLibraryItems(ic));
    EXPECT_EQ(RowTexts(*items_), (QStringList{"P2 LM358 7", "P1 74HC86 7", "P0 74HC00 7"}));
    items_->ClickColumn(99);
    EXPECT_EQ(RowTexts(*items_), (QStringList{"P2 LM358 7", "P1 74HC86 7", "P0 74HC00 7"}));
}

} // namespace
} // namespace vxw
