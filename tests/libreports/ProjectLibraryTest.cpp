#include "libreports/ProjectLibrary.h"

#include "kernel/DesignBuilder.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace vxw {
namespace {

std::unique_ptr<MemoryKernel> Library() {
    return DesignBuilder("LIB")
        .Device("74HC00", 1, 1, "SOIC14 first")
        .Device("74hc00", 1, 1, "SOIC14 other case")
        .Device("74HC00", 1, 1, "SOIC14 repeated")
        .Device("PWR_FLAG", 0, 0)
        .Symbol("RES", SymbolSchematic, "first outline")
        .Symbol("RES", SymbolSchematic, "second outline")
        .Symbol("SOIC14", SymbolPackage, "pkg")
        .Symbol("ROUND60", SymbolPadstack, "pad")
        .SymbolPadStack("ROUND60", 8000, 1)
        .Symbol("NAND2", SymbolSchematic)
        .Symbol("RECT", SymbolPadstack)
        .Build();
}

QStringList Names(const std::vector<ProjectItem>& items) {
    QStringList names;
    for (const ProjectItem& item : items) {
        names.append(item.name + QLatin1Char('=') + item.attributes);
    }
    return names;
}

TEST(ProjectLibraryTest, EachKindOnceByExactNameInKernelOrder) {
    auto kernel = Library();
    EXPECT_EQ(Names(ProjectParts(*kernel)),
              (QStringList{QStringLiteral("74HC00=SOIC14 first"), QStringLiteral("74hc00=SOIC14 other case"),
                           QStringLiteral("PWR_FLAG=")}));
    EXPECT_EQ(Names(ProjectSymbols(*kernel)),
              (QStringList{QStringLiteral("RES=first outline"), QStringLiteral("NAND2=")}));
    EXPECT_EQ(Names(ProjectPackages(*kernel)), QStringList{QStringLiteral("SOIC14=pkg")});
    EXPECT_EQ(Names(ProjectPadstacks(*kernel)),
              (QStringList{QStringLiteral("ROUND60=pad"), QStringLiteral("RECT=")}));
}

TEST(ProjectLibraryTest, ItemsMatchedAndFoundWithinTheirKindOnly) {
    auto kernel = Library();
    EXPECT_TRUE(ProjectHasPart(*kernel, QStringLiteral(" 74h* ")));
    EXPECT_FALSE(ProjectHasPart(*kernel, QStringLiteral("x74h*")));
    EXPECT_TRUE(ProjectHasSymbol(*kernel, QStringLiteral("nand#")));
    EXPECT_FALSE(ProjectHasSymbol(*kernel, QStringLiteral("SOIC14"))); // a package
    EXPECT_TRUE(ProjectHasPackage(*kernel, QStringLiteral("soic??")));
    EXPECT_FALSE(ProjectHasPackage(*kernel, QStringLiteral("RES")));
    EXPECT_TRUE(ProjectHasPadstack(*kernel, QStringLiteral("r[a-z]ct")));
    EXPECT_FALSE(ProjectHasPadstack(*kernel, QStringLiteral("RES")));
    EXPECT_FALSE(ProjectHasPadstack(*kernel, QStringLiteral("[RECT"))); // malformed: matches nothing
    // A padstack is found by its exact name, among padstack symbols only.
    EXPECT_GT(FindProjectPadstack(*kernel, QStringLiteral("ROUND60")), 0);
    EXPECT_EQ(FindProjectPadstack(*kernel, QStringLiteral("round60")), 0);
    EXPECT_EQ(FindProjectPadstack(*kernel, QStringLiteral("RES")), 0);

    auto empty = DesignBuilder().Build();
    EXPECT_TRUE(ProjectParts(*empty).empty());
    EXPECT_TRUE(ProjectPadstacks(*empty).empty());
    EXPECT_FALSE(ProjectHasSymbol(*empty, QStringLiteral("*")));
}

} // namespace
} // namespace vxw
