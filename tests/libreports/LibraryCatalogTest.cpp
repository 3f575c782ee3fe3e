#include "tests/libreports/LibraryTestSupport.h"

#include "tools/vxgen/LibraryGenerator.h"

#include <set>

namespace vxw {
namespace {

TEST(LibraryDirectoryTest, FallsBackToTheLibraryFolderAndEndsWithTheSeparator) {
    SuitePaths paths;
    paths.LibDir = QStringLiteral(" /suite/LIB ");
    paths.SymbolPath = QStringLiteral("  /own/symbols/ ");
    EXPECT_EQ(LibraryDirectory(paths, KindPart), QStringLiteral("/suite/LIB/"));
    EXPECT_EQ(LibraryDirectory(paths, KindSymbol), QStringLiteral("/own/symbols/"));
    paths.PackagePath = QStringLiteral("   ");
    EXPECT_EQ(LibraryDirectory(paths, KindPackage), QStringLiteral("/suite/LIB/"));
    EXPECT_EQ(LibraryDirectory(paths, 0), QString());
    EXPECT_EQ(LibraryDirectory(paths, 5), QString());
    EXPECT_EQ(LibraryDirectory(SuitePaths(), KindPart), QString());
}

TEST(LibraryIconTest, KindsOfTheEightIcons) {
    const std::pair<int, int> cases[] = {{1, KindPart},     {2, KindPart}, {4, KindSymbol}, {5, KindPackage},
                                         {8, KindPadstack}, {0, 0},        {9, 0}};
    for (const auto& [icon, kind] : cases) {
        EXPECT_EQ(LibraryKindOfIcon(icon), kind) << icon;
    }
}

using LibraryCatalogTest = LibraryFolderTest;

TEST_F(LibraryCatalogTest, FileListStartsWithTheProjectLibraryAndIgnoresCase) {
    const std::vector<LibraryFileEntry> symbols = catalog_->FileList(KindSymbol);
    QStringList rows;
    for (const LibraryFileEntry& entry : symbols) {
        rows << entry.key + ' ' + entry.text + ' ' + QString::number(entry.icon) +
                    (entry.checked ? " x" : "");
    }
    EXPECT_EQ(rows, (QStringList{"[PROJECT LIBRARY] [PROJECT LIBRARY] 3", "logic.SYMBOL logic.SYMBOL 3",
                                 "misc.symbol misc.symbol 3"}));
    EXPECT_EQ(catalog_->FileList(KindPadstack)[1].icon, 7);
    EXPECT_EQ(catalog_->SymbolFiles(), (QStringList{"logic.SYMBOL", "misc.symbol"}));
    EXPECT_EQ(catalog_->PartFiles(), QStringList{"ic.PART"});

    // A folder without matching files lists only the project library.
    EXPECT_EQ(LibraryFileList(KindPart, folder_ + QStringLiteral("JOB/")).size(), 1u);
    EXPECT_EQ(LibraryFileList(KindPart, QString()).size(), 1u);
}

TEST_F(LibraryCatalogTest, SetLibraryPathAppendsTheSeparatorAndSetsByNodeKind) {
    SuitePaths paths = paths_;
    const QString job = folder_ + QStringLiteral("JOB");

    LibraryPathResult result = SetLibraryPath(paths, QStringLiteral("S"), job, *suite_);
    EXPECT_EQ(result.outcome, LibraryPathOutcome::Changed);
    EXPECT_EQ(paths.SymbolPath, job + QStringLiteral("/"));
    EXPECT_TRUE(paths.PartPath.isEmpty());

    result = SetLibraryPath(paths, QStringLiteral("L"), folder_, *suite_);
    EXPECT_EQ(result.outcome, LibraryPathOutcome::Changed);
    for (const QString* path :
         {&paths.PartPath, &paths.SymbolPath, &paths.PackagePath, &paths.PadstackPath}) {
        EXPECT_EQ(*path, folder_);
    }

    const SuitePaths before = paths;
    result = SetLibraryPath(paths, QStringLiteral("T"), folder_ + QStringLiteral("missing"), *suite_);
    EXPECT_EQ(result.outcome, LibraryPathOutcome::Invalid);
    EXPECT_EQ(result.message, QStringLiteral("Path Invalid - ") + folder_ + QStringLiteral("missing/"));
    EXPECT_EQ(paths.PartPath, before.PartPath);

    EXPECT_EQ(SetLibraryPath(paths, QStringLiteral("T"), QString(), *suite_).outcome,
              LibraryPathOutcome::Unchanged);
    EXPECT_EQ(SetLibraryPath(paths, QStringLiteral("C"), job, *suite_).outcome,
              LibraryPathOutcome::Unchanged);
    EXPECT_EQ(paths.PartPath, before.PartPath);
}

// Every name each file holds, in several spellings, and names held nowhere.
QStringList NamesToAsk(Kernel& kernel, const QString& folder, const QStringList& files) {
    std::set<QString> names{QStringLiteral("NOWHERE"), QString(), QStringLiteral(" ")};
    for (const QString& file : files) {
        for (const SymbolInfo& info : ReadSymbolEntries(kernel, folder + file)) {
            const QString name = QString::fromLatin1(info.name.c_str());
            names.insert(name);
            names.insert(name.toLower());
            names.insert(name + QLatin1Char(' '));
        }
        for (const PartInfo& info : ReadPartEntries(kernel, folder + file)) {
            names.insert(QString::fromLatin1(info.name.c_str()));
        }
    }
    return QStringList(names.begin(), names.end());
}

void ExpectIndexEqualsLoop(LibraryCatalog& catalog, Kernel& kernel) {
    const QString symbolFolder = catalog.Directory(KindSymbol);
    const QString packageFolder = catalog.Directory(KindPackage);
    for (const QString& name : NamesToAsk(kernel, symbolFolder, catalog.SymbolFiles())) {
        EXPECT_EQ(catalog.FilesHolding(1, name),
                  FindItemInLibraryFiles(kernel, name, symbolFolder, catalog.SymbolFiles()))
            << name.toStdString();
    }
    for (const QString& name : NamesToAsk(kernel, packageFolder, catalog.PackageFiles())) {
        EXPECT_EQ(catalog.FilesHolding(2, name),
                  FindItemInLibraryFiles(kernel, name, packageFolder, catalog.PackageFiles()))
            << name.toStdString();
    }
}

TEST_F(LibraryCatalogTest, IndexAnswersWhatOpeningEveryFileAnswers) {
    gen::LibrarySizes sizes;
    sizes.symbolFiles = 6;
    sizes.packageFiles = 5;
    const QString generated = folder_ + QStringLiteral("gen/");
    ASSERT_TRUE(gen::WriteLibraries(gen::GenerateLibraries(sizes), generated).isEmpty());
    // Odd files among the symbols: a part file, names differing in case and blanks, a name twice,
    // and damaged files (short, count too large, negative count).
    WriteLibrary(generated + "parts.SYMBOL", LibraryKind::Part,
                 {{"PARTNAME", PartAttributesText("P", "d", "S")}});
    WriteLibrary(
        generated + "odd.SYMBOL", LibraryKind::Symbol,
        {{"Nand2", ""}, {"NAND2 ", ""}, {" NAND2", ""}, {"TWICE", ""}, {"TWICE", ""}, {"caf\xe9", ""}});
    const QByteArray good = ReadBytes(generated + "odd.SYMBOL");
    WriteBytes(generated + "short.SYMBOL", good.left(20));
    WriteBytes(generated + "huge.SYMBOL", WithCount(good, 0x7fffffff));
    WriteBytes(generated + "negative.SYMBOL", WithCount(good, -5));
    WriteBytes(generated + "cut.SYMBOL", good.left(good.size() - 3));

    SuitePaths paths;
    paths.LibDir = generated;
    catalog_->SetPaths(paths);
    ASSERT_GE(catalog_->SymbolFiles().size(), 10);
    ExpectIndexEqualsLoop(*catalog_, kernel_);
    // A name twice in one file lists the file once; the huge-count and cut copies keep the
    // entries before their fault.
    EXPECT_EQ(catalog_->FilesHolding(1, QStringLiteral("TWICE")),
              QStringLiteral("\tcut.SYMBOL\r\n\thuge.SYMBOL\r\n\todd.SYMBOL\r\n"));
    EXPECT_TRUE(
        catalog_->FilesHolding(1, QStringLiteral("caf\u00e9")).contains(QStringLiteral("\todd.SYMBOL\r\n")));

    // Asking again in the same load reads no file again; a new load without changes neither.
    const int64_t reads = catalog_->FileReads();
    catalog_->FilesHolding(1, QStringLiteral("NAND2"));
    catalog_->BeginLoad();
    catalog_->FilesHolding(1, QStringLiteral("NAND2"));
    EXPECT_EQ(catalog_->FileReads(), reads);

    // A file changed between two loads is seen at the next load.
    WriteLibrary(generated + "odd.SYMBOL", LibraryKind::Symbol,
                 {{"CHANGED", ""}, {"LONGER NAME TO CHANGE SIZE", ""}});
    catalog_->BeginLoad();
    EXPECT_EQ(catalog_->FilesHolding(1, QStringLiteral("CHANGED")), QStringLiteral("\todd.SYMBOL\r\n"));
    EXPECT_FALSE(catalog_->FilesHolding(1, QStringLiteral("TWICE")).contains(QStringLiteral("odd.SYMBOL")));
    ExpectIndexEqualsLoop(*catalog_, kernel_);
}

TEST_F(LibraryCatalogTest, IndexMatchesTheLoopOnTheSampleLibraries) {
    const QString sample = QStringLiteral(LG_BINARY_DIR "/suite/LIB/");
    if (!QDir(sample).exists()) {
        GTEST_SKIP() << "sample libraries not built";
    }
    SuitePaths paths;
    paths.LibDir = sample;
    catalog_->SetPaths(paths);
    ExpectIndexEqualsLoop(*catalog_, kernel_);
}

TEST_F(LibraryCatalogTest, PartEntriesAreReadOncePerUnchangedFile) {
    const std::vector<PartInfo>& entries = catalog_->PartEntries(QStringLiteral("ic.PART"));
    ASSERT_EQ(entries.size(), 3u);
    const void* storage = entries.data();
    catalog_->BeginLoad();
    EXPECT_EQ(catalog_->PartEntries(QStringLiteral("ic.PART")).data(), storage);

    WriteLibrary(folder_ + "ic.PART", LibraryKind::Part, {{"ONLY", PartAttributesText("P", "d", "S")}});
    catalog_->BeginLoad();
    ASSERT_EQ(catalog_->PartEntries(QStringLiteral("ic.PART")).size(), 1u);
    EXPECT_EQ(catalog_->PartEntries(QStringLiteral("ic.PART"))[0].name, "ONLY");
    EXPECT_TRUE(catalog_->PartEntries(QStringLiteral("none.PART")).empty());
}

TEST_F(LibraryCatalogTest, LibrarySymbolIsLoadedUnderAFreeNameAndRemovedAgain) {
    // The design already has a symbol of the first temporary name and one of the item's name.
    const int32_t own = kernel_.S_CreateSymbol("~LG1", 1);
    const int32_t same = kernel_.S_CreateSymbol("NAND2", 1);
    ASSERT_GT(own, 0);
    ASSERT_GT(same, 0);
    {
        const LoadedLibrarySymbol loaded =
            LoadLibrarySymbol(kernel_, folder_ + "logic.SYMBOL", QStringLiteral("NAND2"));
        ASSERT_TRUE(loaded.IsLoaded());
        EXPECT_NE(loaded.Name(), QStringLiteral("~LG1"));
        EXPECT_EQ(kernel_.S_Symbol(loaded.Name().toLatin1().constData()), kernel_.S_Symbol(loaded.Id()));
    }
    EXPECT_LE(kernel_.S_Symbol("~LG2"), 0);
    EXPECT_GT(kernel_.S_Symbol("~LG1"), 0);
    EXPECT_EQ(kernel_.S_Symbol("NAND2"), kernel_.S_Symbol(same));

    EXPECT_FALSE(LoadLibrarySymbol(kernel_, folder_ + "logic.SYMBOL", QStringLiteral("MISSING")).IsLoaded());
    EXPECT_FALSE(LoadLibrarySymbol(kernel_, folder_ + "none.SYMBOL", QStringLiteral("NAND2")).IsLoaded());
    EXPECT_LE(kernel_.S_Symbol("~LG2"), 0);
}

} // namespace
} // namespace vxw
