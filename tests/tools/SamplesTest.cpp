// The sample data and the suite folder the build lays out: the designs load and still hold
// what their documentation promises, every sample library packs and reads back whole and
// refers across files as described, the field profile is complete, and the suite folder is
// found through the suite's own readers.

#include "kernel/DesignFile.h"
#include "kernel/LibraryFile.h"
#include "kernel/LibrarySource.h"
#include "shell/SuitePaths.h"
#include "suite/SuiteLocation.h"
#include "suite/SuiteServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using ::testing::IsSupersetOf;
using ::testing::UnorderedElementsAreArray;

const QString SuiteDir = QStringLiteral(LG_BINARY_DIR "/suite");
const QString SamplesDir = QStringLiteral(LG_SOURCE_DIR "/samples");

vxw::DesignData LoadSample(const QString& name) {
    const vxw::DesignFileResult result = vxw::LoadDesignFile(SamplesDir + '/' + name);
    EXPECT_TRUE(result.Ok()) << result.error.toStdString();
    return result.design.value_or(vxw::DesignData{});
}

const vxw::CircuitData* FindCircuit(const vxw::DesignData& design, const std::string& name) {
    for (const vxw::CircuitData& circuit : design.circuits) {
        if (circuit.name == name) {
            return &circuit;
        }
    }
    return nullptr;
}

// Padstack items of every shape, filled and not, and one "Hrf item".
void ExpectEveryPadShape(const std::vector<vxw::ItemData>& items) {
    std::set<int32_t> shapes;
    bool filled = false, outlined = false, hrf = false;
    for (const vxw::ItemData& item : items) {
        shapes.insert(item.kind);
        (item.flags & 2 ? filled : outlined) = true;
        hrf = hrf || (item.flags & 4);
    }
    EXPECT_EQ(shapes, (std::set<int32_t>{1, 3, 4, 5}));
    EXPECT_TRUE(filled && outlined && hrf);
}

TEST(SampleDesigns, DemoHoldsEveryRoadOfTheReports) {
    const vxw::DesignData demo = LoadSample(QStringLiteral("demo.vxd"));
    ASSERT_EQ(demo.circuits.size(), 4u);
    for (const std::string& layer : demo.layerNames) {
        EXPECT_FALSE(layer.empty());
    }

    const vxw::CircuitData* main = FindCircuit(demo, "MAIN");
    const vxw::CircuitData* aux = FindCircuit(demo, "AUX");
    ASSERT_TRUE(main && aux && FindCircuit(demo, "SUB1") && FindCircuit(demo, "SUB2"));
    EXPECT_EQ(main->pages.size(), 4u);
    std::set<int32_t> usedPages;
    bool longName = false, packed = false, unpacked = false;
    std::set<int32_t> valueKinds;
    for (const vxw::SchCompData& comp : main->schComps) {
        usedPages.insert(comp.page);
        longName = longName || comp.name.size() > 14;
        (comp.packed ? packed : unpacked) = true;
        for (const vxw::ItemData& text : comp.texts) {
            if (text.mask == 8) {
                valueKinds.insert(text.kind);
            }
        }
    }
    EXPECT_EQ(usedPages.size(), 3u) << "one page of MAIN stays empty";
    EXPECT_TRUE(longName && packed && unpacked);
    EXPECT_EQ(valueKinds, (std::set<int32_t>{6, 8}));
    EXPECT_FALSE(aux->hasBoardFrame);
    EXPECT_TRUE(main->hasBoardFrame);

    // Layout: both sides for parts and special parts, nets of all three classes.
    std::set<std::pair<bool, bool>> sides; // special part, bottom
    for (const vxw::LayCompData& comp : main->layComps) {
        sides.insert({comp.specialPart, comp.bottom});
    }
    EXPECT_EQ(sides.size(), 4u);
    std::set<int32_t> netClasses;
    for (const vxw::NetData& net : main->nets) {
        netClasses.insert(net.flags);
    }
    EXPECT_EQ(netClasses, (std::set<int32_t>{0, 2, 4}));

    // Vias: through, and several distinct spans, one of them twice.
    std::map<int32_t, int> spans;
    for (const vxw::ViaData& via : main->vias) {
        ++spans[via.span];
    }
    EXPECT_EQ(spans.count(0x7FFFFFFE), 1u);
    EXPECT_GE(spans.size(), 4u);
    EXPECT_TRUE(std::any_of(spans.begin(), spans.end(),
                            [](const auto& span) { return span.first != 0x7FFFFFFE && span.second > 1; }));

    // Device kinds and statuses, and two parts whose names differ only in case.
    std::set<std::pair<int32_t, bool>> kinds; // kind, status not 0
    std::set<std::string> names;
    for (const vxw::DeviceData& device : demo.devices) {
        kinds.insert({device.kind, device.status != 0});
        names.insert(device.name);
    }
    EXPECT_THAT(kinds, IsSupersetOf({std::pair{0, false}, std::pair{0, true}, std::pair{1, true},
                                     std::pair{2, true}}));
    EXPECT_TRUE(names.count("74HC00") && names.count("74hc00"));

    // Padstack symbols of every item shape.
    std::vector<vxw::ItemData> padItems;
    for (const vxw::SymbolData& symbol : demo.symbols) {
        if (symbol.kind == 3) {
            padItems.insert(padItems.end(), symbol.items.begin(), symbol.items.end());
        }
    }
    ExpectEveryPadShape(padItems);

    // Streams: the label with a designer of two words, and a stack of two 15-byte records.
    std::map<std::string, std::string> streams;
    for (const vxw::StreamData& stream : demo.streams) {
        streams[stream.name] = stream.bytes;
    }
    ASSERT_EQ(streams["DBLABEL"].size(), 164u);
    EXPECT_EQ(streams["DBLABEL"].substr(12, 9), "Jane Doe ");
    EXPECT_EQ(streams["HIERSTCK"], std::string("MAIN           SUB1           "));
}

TEST(SampleDesigns, EmptyHasNoCircuitsAndNoLabel) {
    const vxw::DesignData empty = LoadSample(QStringLiteral("empty.vxd"));
    EXPECT_TRUE(empty.circuits.empty());
    EXPECT_TRUE(empty.streams.empty());
}

// --- Libraries -----------------------------------------------------------------------------

struct SampleLibraries {
    // Per kind: file name -> its entries.
    std::map<vxw::LibraryKind, std::map<std::string, std::vector<vxw::LibraryEntry>>> files;

    std::vector<std::string> FilesHolding(vxw::LibraryKind kind, const std::string& name) const {
        std::vector<std::string> holding;
        for (const auto& [file, entries] : files.at(kind)) {
            if (std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return e.name == name; })) {
                holding.push_back(file);
            }
        }
        return holding;
    }
};

std::string ReadText(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll().toStdString();
}

const SampleLibraries& Libraries() {
    static const SampleLibraries libraries = [] {
        SampleLibraries read;
        const QDir folder(SuiteDir + QStringLiteral("/LIB"));
        for (const QString& name : folder.entryList(QDir::Files)) {
            const vxw::LibraryReadResult result = vxw::ReadLibraryFile(folder.filePath(name).toStdString());
            EXPECT_TRUE(result.complete) << name.toStdString() << ": " << result.error;
            EXPECT_EQ(result.header.count, static_cast<int32_t>(result.contents.entries.size()));
            read.files[result.contents.kind][name.toStdString()] = result.contents.entries;
        }
        return read;
    }();
    return libraries;
}

TEST(SampleLibraries, PackedFilesMatchTheirSources) {
    const QDir sources(SamplesDir + QStringLiteral("/suite/LIB-src"));
    const QStringList names = sources.entryList({QStringLiteral("*.txt")}, QDir::Files);
    ASSERT_EQ(names.size(), 11);
    for (const QString& name : names) {
        const vxw::LibrarySourceResult parsed = vxw::ParseLibrarySource(ReadText(sources.filePath(name)));
        ASSERT_TRUE(parsed.contents) << name.toStdString() << ": " << parsed.error;
        const QString packed = SuiteDir + QStringLiteral("/LIB/") + QFileInfo(name).completeBaseName();
        const vxw::LibraryReadResult read = vxw::ReadLibraryFile(packed.toStdString());
        ASSERT_TRUE(read.complete) << packed.toStdString() << ": " << read.error;
        // Compare through the source form, which leaves out what a read repeats.
        EXPECT_EQ(vxw::LibraryToSource(read.contents), vxw::LibraryToSource(*parsed.contents))
            << name.toStdString();
    }
}

TEST(SampleLibraries, KindsAndFileNames) {
    const SampleLibraries& libraries = Libraries();
    EXPECT_EQ(libraries.files.at(vxw::LibraryKind::Part).size(), 3u);
    EXPECT_EQ(libraries.files.at(vxw::LibraryKind::Symbol).size(), 3u);
    EXPECT_EQ(libraries.files.at(vxw::LibraryKind::Package).size(), 3u);
    EXPECT_EQ(libraries.files.at(vxw::LibraryKind::Padstack).size(), 2u);
    // One extension not in upper case: file patterns must ignore case to find it.
    EXPECT_TRUE(libraries.files.at(vxw::LibraryKind::Part).count("extra.Part"));
}

TEST(SampleLibraries, CrossReferencesBetweenFiles) {
    const SampleLibraries& libraries = Libraries();
    using vxw::LibraryKind;
    EXPECT_EQ(libraries.FilesHolding(LibraryKind::Package, "SOIC14").size(), 2u);
    EXPECT_TRUE(libraries.FilesHolding(LibraryKind::Package, "QFN32").empty());
    EXPECT_EQ(libraries.FilesHolding(LibraryKind::Symbol, "NAND2").size(), 2u);
    EXPECT_TRUE(libraries.FilesHolding(LibraryKind::Symbol, "XOR2").empty());

    // Packages and symbols of the parts: "none" in two spellings, a package-only part, and R0805
    // and RES used by parts of two part files.
    std::set<std::string> noneSpellings, filesUsingR0805, filesUsingRes;
    int packageOnly = 0;
    for (const auto& [file, entries] : libraries.files.at(LibraryKind::Part)) {
        for (const vxw::LibraryEntry& part : entries) {
            const std::string package = part.attributes.substr(0, part.attributes.find(' '));
            const size_t lastToken = part.attributes.rfind('\x80');
            const std::string symbols =
                lastToken == std::string::npos ? std::string() : part.attributes.substr(lastToken + 1);
            if (package == "none" || package == "NONE") {
                noneSpellings.insert(package);
            }
            if (package == "R0805") {
                filesUsingR0805.insert(file);
            }
            if (symbols == "RES") {
                filesUsingRes.insert(file);
            }
            packageOnly += lastToken != std::string::npos && symbols.empty();
        }
    }
    EXPECT_EQ(noneSpellings.size(), 2u);
    EXPECT_GE(packageOnly, 1);
    EXPECT_EQ(filesUsingR0805.size(), 2u);
    EXPECT_EQ(filesUsingRes.size(), 2u);

    std::vector<vxw::ItemData> padItems;
    for (const auto& [file, entries] : libraries.files.at(LibraryKind::Padstack)) {
        for (const vxw::LibraryEntry& padstack : entries) {
            ASSERT_EQ(padstack.symbol.padStacks.size(), 1u) << padstack.name;
            padItems.insert(padItems.end(), padstack.symbol.items.begin(), padstack.symbol.items.end());
        }
    }
    ExpectEveryPadShape(padItems);
}

// --- Field profile -------------------------------------------------------------------------

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1) {
        fields.push_back(line.substr(start, comma - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

TEST(SampleSuite, FieldProfileHasEverySectionAndField) {
    const std::set<int> whole{25, 11, 39, 4,  5,  33, 34, 6,  31, 48, 7,  65, 40, 21, 2,  32, 53, 3,  17,
                              71, 72, 73, 20, 60, 49, 9,  35, 36, 44, 37, 57, 28, 27, 50, 51, 54, 55, 56};
    const std::map<std::string, std::set<int>> expected{
        {"PROJECT", whole},
        {"CIRCUIT", whole},
        {"DIAGRAM", {5, 33, 34, 6, 31, 48, 7, 40, 44, 37, 57, 28, 27}},
        {"PAGE", {34, 6, 31, 48, 7}},
        {"PCB", {5, 2, 6, 32, 53, 3, 17, 71, 72, 73, 20, 60, 49, 9, 35, 36, 65, 21, 44, 37, 57, 28, 27}},
        {"NET", {5, 40, 21, 44, 37, 57, 28, 27}},
        {"PART", {22, 23, 47, 10, 46, 45, 29, 30, 61, 62, 24, 13, 58, 59}},
        {"SYMBOL", {63, 22, 47, 10, 24, 13, 14, 15}},
        {"PACKAGE", {64, 22, 47, 10, 18, 16}},
        {"PADSTACK", {22, 47, 10, 41, 66, 67, 68, 69, 70}},
    };
    const std::vector<std::string> order{"PROJECT", "CIRCUIT", "DIAGRAM", "PAGE",    "PCB",
                                         "NET",     "PART",    "SYMBOL",  "PACKAGE", "PADSTACK"};

    const std::string text = ReadText(SuiteDir + QStringLiteral("/language/PROPERTY.MEN"));
    std::vector<std::string> sections;
    std::map<std::string, std::set<int>> ids;
    std::string section;
    int childrenOfGroup = -1; // -1: no group yet in this section
    bool ended = false;
    size_t start = 0;
    while (start < text.size() && !ended) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        ASSERT_EQ(line.find('\r'), std::string::npos) << "plain line ends";
        const std::vector<std::string> fields = Fields(line);
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            sections.push_back(section);
            childrenOfGroup = -1;
        } else if (fields[0] == "PARENT") {
            ASSERT_EQ(fields.size(), 4u) << line;
            ASSERT_FALSE(section.empty()) << line;
            EXPECT_FALSE(fields[3].empty()) << line;
            childrenOfGroup = 0;
        } else if (fields[0] == "CHILD") {
            ASSERT_EQ(fields.size(), 9u) << line;
            ASSERT_GE(childrenOfGroup, 0) << "a field before the first group of " << section;
            EXPECT_LE(++childrenOfGroup, 17) << line;
            EXPECT_FALSE(fields[4].empty() || fields[5].empty()) << line;
            EXPECT_TRUE(fields[6] == "0" || fields[6] == "1") << line;
            const int id = std::stoi(fields[7]);
            EXPECT_TRUE(ids[section].insert(id).second) << "id " << id << " twice in " << section;
            const bool takesLong = id >= 61 && id <= 64;
            EXPECT_EQ(fields[8], takesLong ? "1" : "0") << line;
        } else if (fields[0] == "END") {
            ended = true;
        }
    }
    EXPECT_TRUE(ended) << "the profile ends with END";
    EXPECT_EQ(sections, order);
    for (const auto& [name, wanted] : expected) {
        EXPECT_THAT(ids[name], UnorderedElementsAreArray(wanted)) << name;
    }
}

TEST(SampleSuite, FoundThroughTheSuiteReaders) {
    const vxw::SuiteLocation location = vxw::SuiteLocation::InFolder(SuiteDir);
    EXPECT_TRUE(QFileInfo(location.settingsFile).isFile());
    EXPECT_TRUE(QFileInfo(location.CatalogueFile()).isFile());
    EXPECT_TRUE(QFileInfo(location.languageDir + QStringLiteral("/PROPERTY.MEN")).isFile());

    vxw::SuiteServices suite(location);
    EXPECT_EQ(suite.GetMessageText(QStringLiteral("default"), QStringLiteral("3125")), "List Generator");
    EXPECT_EQ(suite.GetMessageText(QStringLiteral("Fallback"), QStringLiteral("424242")), "Fallback");

    vxw::SuitePaths paths;
    vxw::ReadSuitePaths(paths, suite, QStringLiteral("Vexil"));
    for (const QString& folder : {paths.JobDir, paths.LibDir, paths.SysDir, paths.PartPath}) {
        EXPECT_TRUE(folder.startsWith(SuiteDir + '/')) << folder.toStdString();
        EXPECT_TRUE(folder.endsWith('/')) << folder.toStdString();
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    }
}

} // namespace
