#pragma once
// Library folders written for the item-list tests: small part, symbol, package and padstack
// files in a temporary folder, and a kernel, suite and recorder to load them with.

#include "tests/libreports/DetailTestSupport.h"

#include "kernel/LibraryFile.h"
#include "kernel/MemoryKernel.h"
#include "libreports/LibraryCatalog.h"
#include "libreports/LibraryItems.h"
#include "shell/RecordingInterface.h"
#include "suite/SuiteServices.h"
#include "tests/listgen/FieldTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vxw {

// A part's attributes: package, a blank, the ten tokens (description, ... symbols).
inline std::string PartAttributesText(const std::string& package, const std::string& description,
                                      const std::string& symbols) {
    return package + ' ' + Joined({description, "", "", "Maker", "LOGIC", "HC", "SMD", "", "", symbols});
}

inline void WriteLibrary(const QString& path, LibraryKind kind,
                         const std::vector<std::pair<std::string, std::string>>& items) {
    LibraryContents contents;
    contents.kind = kind;
    for (const auto& [name, attributes] : items) {
        LibraryEntry entry;
        entry.name = name;
        entry.attributes = attributes;
        entry.symbol.name = name;
        entry.symbol.attributes = attributes;
        contents.entries.push_back(entry);
    }
    const std::string error = WriteLibraryFile(contents, QFile::encodeName(path).toStdString());
    ASSERT_TRUE(error.empty()) << error;
}

// Overwrites the file with raw bytes (damaged files).
inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The 32-bit little-endian value at offset 16 replaced.
inline QByteArray WithCount(QByteArray bytes, int32_t count) {
    for (int i = 0; i < 4; ++i) {
        bytes[LibraryCountOffset + i] = static_cast<char>((static_cast<uint32_t>(count) >> (8 * i)) & 0xFF);
    }
    return bytes;
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A library folder with:
//   ic.PART: 74HC00 (SOIC14, NAND2), 74HC86 (SOIC14, XOR2,NAND2), LM358 (DIP8, OPAMP)
//   logic.SYMBOL: NAND2, OPAMP; misc.symbol: NAND2
//   smd.PACKAGE: SOIC14; tht.PACKAGE: DIP14
//   pads.PADSTACK: ROUND60
class LibraryFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.path() + QStringLiteral("/");
        QDir().mkpath(folder_ + QStringLiteral("JOB"));
        WriteLibrary(folder_ + "ic.PART", LibraryKind::Part,
                     {{"74HC00", PartAttributesText("SOIC14", "Quad NAND", "NAND2")},
                      {"74HC86", PartAttributesText("SOIC14", "Quad XOR", "XOR2,NAND2")},
                      {"LM358", PartAttributesText("DIP8", "Dual op amp", "OPAMP")}});
        WriteLibrary(folder_ + "logic.SYMBOL", LibraryKind::Symbol,
                     {{"NAND2", Joined({"2-input NAND", "GATE"})}, {"OPAMP", Joined({"Op amp", "ANALOG"})}});
        WriteLibrary(folder_ + "misc.symbol", LibraryKind::Symbol, {{"NAND2", Joined({"NAND", "GATE"})}});
        WriteLibrary(folder_ + "smd.PACKAGE", LibraryKind::Package, {{"SOIC14", Joined({"SOIC", "SMD"})}});
        WriteLibrary(folder_ + "tht.PACKAGE", LibraryKind::Package, {{"DIP14", Joined({"DIP", "THT"})}});
        WriteLibrary(folder_ + "pads.PADSTACK", LibraryKind::Padstack,
                     {{"ROUND60", Joined({"Round", "THT"})}});
        paths_.LibDir = folder_;
        paths_.JobDir = folder_ + QStringLiteral("JOB/");
        suite_ = std::make_unique<SuiteServices>(SuiteLocation::InFolder(folder_ + QStringLiteral("suite")));
        catalog_ = std::make_unique<LibraryCatalog>(kernel_);
        catalog_->SetPaths(paths_);
        profiles_[0] = GroupsShowing({22, 29, 45, 61, 62});
        profiles_[1] = GroupsShowing({22, 47, 10});
        profiles_[2] = GroupsShowing({22, 47, 10});
        profiles_[3] = GroupsShowing({22, 47, 10});
        items_ = std::make_unique<LibraryItems>(kernel_, *catalog_, profiles_, *suite_, ui_);
    }

    // Shows the file list of a kind and answers the position of the entry with that text.
    int Show(int kind, const QString& text) {
        items_->ShowLibraryFiles(kind);
        const auto& entries = items_->Entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].text == text) {
                return static_cast<int>(i) + 1;
            }
        }
        return 0;
    }

    QTemporaryDir dir_;
    QString folder_;
    SuitePaths paths_;
    MemoryKernel kernel_;
    RecordingInterface ui_;
    std::unique_ptr<SuiteServices> suite_;
    std::unique_ptr<LibraryCatalog> catalog_;
    std::array<FieldGroups, 4> profiles_;
    std::unique_ptr<LibraryItems> items_;
};

} // namespace vxw
