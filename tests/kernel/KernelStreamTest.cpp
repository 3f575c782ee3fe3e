// Streams, shared strings, angles and the text wrapper.

#include "kernel/KernelText.h"
#include "tests/kernel/KernelTestDesign.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vxw {
namespace {

TEST(KernelStreams, ProjectLabelIsCreatedWrittenAndReadBack) {
    auto kernel = test::SampleKernel();
    const int32_t files = kernel->DB_FileMap();
    EXPECT_EQ(kernel->OM_FindName(files, "DBLABEL"), 0);
    const int32_t label = kernel->F_CreateFile("DBLABEL");
    ASSERT_GT(label, 0);
    EXPECT_EQ(kernel->F_CreateFile("DBLABEL"), 0); // the name exists
    EXPECT_EQ(kernel->F_CreateFile("HIERSTCK"), 0);
    EXPECT_EQ(kernel->OM_FindName(files, "DBLABEL"), label);
    EXPECT_EQ(kernel->F_GetLength(label), 0);

    std::string record(164, ' ');
    record.replace(0, 4, std::string(4, '\0'));
    record.replace(12, 5, "J Doe");
    ASSERT_EQ(kernel->F_Write(label, record.data(), 164), 164);
    EXPECT_EQ(kernel->F_GetLength(label), 164);
    ASSERT_GT(kernel->F_Seek(label, 0, 0), 0);
    std::string back(200, 'x');
    EXPECT_EQ(kernel->F_Read(label, back.data(), 200), 164);
    EXPECT_EQ(back.substr(0, 164), record);
    EXPECT_EQ(kernel->F_Read(label, back.data(), 10), 0); // at the end

    // Writing inside overwrites; writing at the end extends.
    kernel->F_Seek(label, 12, 0);
    kernel->F_Write(label, "A", 1);
    kernel->F_Seek(label, 0, 2);
    kernel->F_Write(label, "ZZ", 2);
    EXPECT_EQ(kernel->F_GetLength(label), 166);
    kernel->F_Seek(label, -3, 2);
    char tail[3];
    ASSERT_EQ(kernel->F_Read(label, tail, 3), 3);
    EXPECT_EQ(std::string(tail, 3), " ZZ");
    kernel->F_Seek(label, 12, 0);
    ASSERT_EQ(kernel->F_Read(label, tail, 2), 2);
    EXPECT_EQ(std::string(tail, 2), "A ");
}

TEST(KernelStreams, HierarchyStackReadsInPiecesAndSeeksStayInside) {
    auto kernel = test::SampleKernel();
    const int32_t stack = kernel->OM_FindName(kernel->DB_FileMap(), "HIERSTCK");
    ASSERT_GT(stack, 0);
    ASSERT_EQ(kernel->F_GetLength(stack), 44);
    kernel->F_Seek(stack, 0, 0);
    char piece[15];
    EXPECT_EQ(kernel->F_Read(stack, piece, 15), 15);
    EXPECT_EQ(kernel->F_Read(stack, piece, 15), 15);
    EXPECT_EQ(kernel->F_Read(stack, piece, 15), 14);
    EXPECT_EQ(kernel->F_Read(stack, piece, 15), 0);

    ASSERT_GT(kernel->F_Seek(stack, 40, 0), 0);
    EXPECT_EQ(kernel->F_Seek(stack, 5, 1), 0); // past the end
    EXPECT_EQ(kernel->F_Seek(stack, -1, 0), 0);
    EXPECT_EQ(kernel->F_Seek(stack, 0, 3), 0);
    EXPECT_EQ(kernel->F_Seek(stack, std::numeric_limits<int32_t>::min(), 1), 0);
    char buffer[8];
    EXPECT_EQ(kernel->F_Read(stack, buffer, 8), 4); // the position was kept at 40
    ASSERT_GT(kernel->F_Seek(stack, -4, 1), 0);
    EXPECT_EQ(kernel->F_Read(stack, buffer, 8), 4);

    EXPECT_EQ(kernel->F_Read(stack, nullptr, 8), -1);
    EXPECT_EQ(kernel->F_Read(stack, buffer, -1), -1);
    EXPECT_EQ(kernel->F_Write(stack, buffer, -1), -1);
    EXPECT_EQ(kernel->F_GetLength(kernel->DB_SymbMap()), -1);
    EXPECT_EQ(kernel->F_Read(1, buffer, 8), -1);
    EXPECT_EQ(kernel->F_CreateFile(nullptr), 0);
    EXPECT_EQ(kernel->F_CreateFile(""), 0);

    ASSERT_EQ(kernel->OM_Delete(kernel->DB_FileMap(), stack), 1);
    EXPECT_EQ(kernel->F_GetLength(stack), -1);
    EXPECT_GT(kernel->F_CreateFile("HIERSTCK"), 0); // the name is free again
}

TEST(KernelSharedStrings, AddressesStayUntilTheKeyIsSetAgain) {
    MemoryKernel kernel;
    EXPECT_EQ(kernel.E_GetString("PRODUCT_NAME"), nullptr);
    ASSERT_GT(kernel.E_SetString("PRODUCT_NAME", "Vexil"), 0);
    const char* product = kernel.E_GetString("PRODUCT_NAME");
    ASSERT_NE(product, nullptr);
    for (int i = 0; i < 5000; ++i) { // enough keys to rehash the table more than once
        kernel.E_SetString(test::Numbered("KEY", i).c_str(), std::string(40, 'v').c_str());
    }
    EXPECT_EQ(kernel.E_GetString("PRODUCT_NAME"), product);
    EXPECT_STREQ(product, "Vexil");
    EXPECT_EQ(kernel.E_GetString("product_name"), nullptr);

    kernel.E_SetString("PRODUCT_NAME", kernel.E_GetString("PRODUCT_NAME")); // its own value again
    EXPECT_STREQ(kernel.E_GetString("PRODUCT_NAME"), "Vexil");
    kernel.E_SetString("PRODUCT_NAME", "");
    EXPECT_STREQ(kernel.E_GetString("PRODUCT_NAME"), "");
    kernel.E_SetString("PRODUCT_NAME", nullptr);
    EXPECT_EQ(kernel.E_GetString("PRODUCT_NAME"), nullptr);
    EXPECT_EQ(kernel.E_SetString(nullptr, "x"), 0);
    EXPECT_EQ(kernel.E_GetString(nullptr), nullptr);
}

TEST(KernelAngles, AdjustedIntoZeroTo360) {
    MemoryKernel kernel;
    EXPECT_DOUBLE_EQ(kernel.G_AngleAdj(-90), 270);
    EXPECT_DOUBLE_EQ(kernel.G_AngleAdj(360), 0);
    EXPECT_DOUBLE_EQ(kernel.G_AngleAdj(720.5), 0.5);
    EXPECT_DOUBLE_EQ(kernel.G_AngleAdj(-720), 0);
    const double tiny = kernel.G_AngleAdj(-1e-20);
    EXPECT_GE(tiny, 0);
    EXPECT_LT(tiny, 360);
    EXPECT_DOUBLE_EQ(kernel.G_AngleAdj(std::nan("")), 0);
    EXPECT_DOUBLE_EQ(kernel.G_AngleAdj(std::numeric_limits<double>::infinity()), 0);
}

TEST(KernelText, ConvertsLatin1AndReplacesTheRest) {
    const QString text = QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z"); // a é € 😀 z
    EXPECT_EQ(ToAnsi(text), QByteArray("a\xE9??z"));
    EXPECT_EQ(FromAnsi("\xE9t\xE9"), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    EXPECT_TRUE(FromAnsi(nullptr).isEmpty());

    auto kernel = test::SampleKernel();
    EXPECT_EQ(ObjectName(*kernel, kernel->DB_DataBase()), "DEMO");
    EXPECT_TRUE(ObjectName(*kernel, -7).isEmpty());
    EXPECT_EQ(FindByName(*kernel, kernel->DB_SymbMap(), "DIP14"), kernel->S_Symbol("DIP14"));
    ASSERT_TRUE(SetSharedString(*kernel, "VXLLSTGN", QString::fromUtf8("busy \xC3\xA9")));
    EXPECT_EQ(SharedString(*kernel, "VXLLSTGN"), QString::fromUtf8("busy \xC3\xA9"));
    EXPECT_FALSE(SharedString(*kernel, "NONE").has_value());
}

} // namespace
} // namespace vxw
