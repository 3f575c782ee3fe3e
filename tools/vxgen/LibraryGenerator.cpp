#include "tools/vxgen/LibraryGenerator.h"

#include "kernel/KernelRecords.h"
#include "tools/vxgen/GeneratorOptions.h"
#include "tools/vxgen/SeededRandom.h"

#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace vxw::gen {

namespace {

constexpr int64_t MaxEntriesInAll = 50000000;
constexpr char Separator = '\x80';

// "name001": file numbers padded so that the files sort in their order.
std::string FileName(const char* stem, int64_t number, const char* extension) {
    char text[64];
    std::snprintf(text, sizeof text, "%s%03lld.%s", stem, static_cast<long long>(number + 1), extension);
    return text;
}

std::string Join(const std::vector<std::string>& tokens, char separator) {
    std::string text;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (i > 0) {
            text += separator;
        }
        text += tokens[i];
    }
    return text;
}

// Names of the items of file f, entry j. Every tenth entry has a name shared by all files of
// its kind, so those names are found in several files.
std::string ItemName(const char* prefix, int64_t file, int64_t entry) {
    if (entry % 10 == 9) {
        return std::string("COMMON_") + prefix + std::to_string(entry);
    }
    return prefix + std::to_string(file + 1) + '_' + std::to_string(entry + 1);
}

ItemData Pad(int32_t kind, int32_t flags, int32_t layer) {
    ItemData item;
    item.kind = kind;
    item.flags = flags;
    item.layer = layer;
    item.dx = 15000;
    item.dy = 10000;
    item.diameter = 15240;
    item.radius = 7500;
    item.endAngle = 180;
    item.width = kind == ItemLine || kind == ItemArc ? 2000 : 0;
    return item;
}

class LibraryMaker {
public:
    explicit LibraryMaker(const LibrarySizes& sizes) : sizes_(sizes), random_(sizes.seed) {}

    std::vector<GeneratedLibrary> Make() {
        for (int64_t f = 0; f < sizes_.symbolFiles; ++f) {
            Add(FileName("symbols", f, "SYMBOL"), LibraryKind::Symbol, sizes_.symbolsPerFile,
                [&](int64_t j) { return Symbol(ItemName("S", f, j)); });
        }
        if (sizes_.bigSymbolFile > 0) {
            Add("big.SYMBOL", LibraryKind::Symbol, sizes_.bigSymbolFile,
                [&](int64_t j) { return Symbol("BIG_S" + std::to_string(j + 1)); });
        }
        for (int64_t f = 0; f < sizes_.packageFiles; ++f) {
            Add(FileName("packages", f, "PACKAGE"), LibraryKind::Package, sizes_.packagesPerFile,
                [&](int64_t j) { return Package(ItemName("K", f, j), j); });
        }
        if (sizes_.bigPackageFile > 0) {
            Add("big.PACKAGE", LibraryKind::Package, sizes_.bigPackageFile,
                [&](int64_t j) { return Package("BIG_K" + std::to_string(j + 1), j); });
        }
        for (int64_t f = 0; f < sizes_.padstackFiles; ++f) {
            Add(FileName("padstacks", f, "PADSTACK"), LibraryKind::Padstack, sizes_.padstacksPerFile,
                [&](int64_t j) { return Padstack(ItemName("V", f, j), j); });
        }
        int64_t partNumber = 0; // over all regular part files, to spread the big files' items
        for (int64_t f = 0; f < sizes_.partFiles; ++f) {
            Add(FileName("parts", f, "PART"), LibraryKind::Part, sizes_.partsPerFile,
                [&](int64_t j) { return Part(ItemName("P", f, j), partNumber++); });
        }
        if (sizes_.bigPartFile > 0) {
            Add("big.PART", LibraryKind::Part, sizes_.bigPartFile,
                [&](int64_t j) { return Part("BIG_P" + std::to_string(j + 1), -1); });
        }
        return std::move(libraries_);
    }

private:
    template <typename MakeEntry>
    void Add(std::string fileName, LibraryKind kind, int64_t count, MakeEntry makeEntry) {
        GeneratedLibrary library{std::move(fileName), {}};
        library.contents.kind = kind;
        library.contents.entries.reserve(static_cast<size_t>(count));
        for (int64_t j = 0; j < count; ++j) {
            library.contents.entries.push_back(makeEntry(j));
        }
        libraries_.push_back(std::move(library));
    }

    LibraryEntry Symbol(std::string name) {
        LibraryEntry entry;
        entry.name = std::move(name);
        entry.value = 1;
        entry.attributes = Join({"Generated symbol", "GATE", random_.OneIn(4) ? "None" : "FUNC",
                                 random_.OneIn(5) ? "SPL0" : "U", "MODEL", ""},
                                Separator);
        entry.symbol.kind = SymbolSchematic;
        const int32_t entries = random_.Int(2, 8);
        for (int32_t e = 0; e < entries; ++e) {
            entry.symbol.entries.push_back({"E" + std::to_string(e + 1), std::string(), 0, e * 1000});
        }
        ItemData outline = Pad(ItemRectangle, 0, 0);
        outline.width = 100;
        entry.symbol.items.push_back(outline);
        return entry;
    }

    LibraryEntry Package(std::string name, int64_t j) {
        LibraryEntry entry;
        entry.name = std::move(name);
        entry.value = 2;
        const bool drilled = j % 2 == 1;
        entry.attributes =
            Join({"Generated package", drilled ? "THT" : "SMD", "JEDEC", "", "IPC"}, Separator);
        entry.symbol.kind = SymbolPackage;
        PadStackData pad;
        pad.name = drilled ? "ROUND" : "RECT";
        pad.holeCategory = drilled ? 1 : 0;
        pad.holeDiameter = drilled ? 8000 : 0;
        pad.items.push_back(Pad(drilled ? ItemCircle : ItemRectangle, ItemCounted | ItemFilled, 0));
        entry.symbol.padStacks.push_back(pad);
        const int32_t pins = random_.Int(2, 16);
        for (int32_t e = 0; e < pins; ++e) {
            entry.symbol.entries.push_back({std::to_string(e + 1), pad.name, 0, e * 25400});
        }
        return entry;
    }

    LibraryEntry Padstack(std::string name, int64_t j) {
        static constexpr int32_t Shapes[] = {ItemLine, ItemRectangle, ItemCircle, ItemArc};
        LibraryEntry entry;
        entry.name = std::move(name);
        entry.value = 3;
        entry.attributes = Join({"Generated padstack", j % 2 ? "THT" : "SMD", "ROUND"}, Separator);
        entry.symbol.kind = SymbolPadstack;
        PadStackData hole;
        hole.name = entry.name;
        hole.holeCategory = static_cast<int32_t>(j % 3);
        hole.holeDiameter = j % 2 ? 8000 : 0;
        entry.symbol.padStacks.push_back(hole);
        for (int32_t layer : {0, 1, 31}) {
            int32_t flags = ItemCounted | (j % 2 ? ItemFilled : 0);
            if (layer == 1 && j % 4 == 3) {
                flags |= ItemHrf;
            }
            entry.symbol.items.push_back(Pad(Shapes[(j + layer) % 4], flags, layer));
        }
        return entry;
    }

    // A part of a regular file (number counts them over all files) or of big.PART (-1).
    LibraryEntry Part(std::string name, int64_t number) {
        LibraryEntry entry;
        entry.name = std::move(name);
        std::string package;
        if (number >= 0 && sizes_.bigPackageFile > 0) {
            package = "BIG_K" + std::to_string(number % sizes_.bigPackageFile + 1);
        } else if (random_.OneIn(20) || sizes_.packageFiles == 0 || sizes_.packagesPerFile == 0) {
            package = random_.OneIn(2) ? "none" : "MISSING_K" + std::to_string(random_.Below(100));
        } else {
            package = ItemName("K", static_cast<int64_t>(random_.Below(sizes_.packageFiles)),
                               static_cast<int64_t>(random_.Below(sizes_.packagesPerFile)));
        }
        std::vector<std::string> symbols;
        if (!random_.OneIn(30)) { // else a package-only part
            if (number >= 0 && sizes_.bigSymbolFile > 0) {
                // In turn, so that every big symbol is used once there are parts enough.
                symbols.push_back("BIG_S" + std::to_string(bigSymbolsUsed_++ % sizes_.bigSymbolFile + 1));
            }
            const int64_t more = random_.Int(symbols.empty() ? 1 : 0, 2);
            for (int64_t s = 0; s < more; ++s) {
                if (random_.OneIn(15) || sizes_.symbolFiles == 0 || sizes_.symbolsPerFile == 0) {
                    symbols.push_back("MISSING_S" + std::to_string(random_.Below(100)));
                } else {
                    symbols.push_back(ItemName("S", static_cast<int64_t>(random_.Below(sizes_.symbolFiles)),
                                               static_cast<int64_t>(random_.Below(sizes_.symbolsPerFile))));
                }
            }
        }
        entry.attributes = package + ' ' +
                           Join({"Generated part", "IDX", "U", "Synthetic Devices", "LOGIC", "CMOS", "SMD",
                                 "FUNC", "MODEL", Join(symbols, ',')},
                                Separator);
        return entry;
    }

    const LibrarySizes& sizes_;
    SeededRandom random_;
    int64_t bigSymbolsUsed_ = 0;
    std::vector<GeneratedLibrary> libraries_;
};

} // namespace

LibrarySizes LibrarySizes::FromCommand(const ParsedCommand& command) {
    LibrarySizes sizes;
    sizes.seed = static_cast<uint64_t>(command.Count("seed"));
    sizes.partFiles = command.Count("part-files");
    sizes.partsPerFile = command.Count("parts-per-file");
    sizes.symbolFiles = command.Count("symbol-files");
    sizes.symbolsPerFile = command.Count("symbols-per-file");
    sizes.packageFiles = command.Count("package-files");
    sizes.packagesPerFile = command.Count("packages-per-file");
    sizes.padstackFiles = command.Count("padstack-files");
    sizes.padstacksPerFile = command.Count("padstacks-per-file");
    sizes.bigPartFile = command.Count("big-part-file");
    sizes.bigSymbolFile = command.Count("big-symbol-file");
    sizes.bigPackageFile = command.Count("big-package-file");
    return sizes;
}

std::string CheckLibrarySizes(const LibrarySizes& sizes) {
    const int64_t entries = sizes.partFiles * sizes.partsPerFile + sizes.symbolFiles * sizes.symbolsPerFile +
                            sizes.packageFiles * sizes.packagesPerFile +
                            sizes.padstackFiles * sizes.padstacksPerFile + sizes.bigPartFile +
                            sizes.bigSymbolFile + sizes.bigPackageFile;
    if (entries > MaxEntriesInAll) {
        return "the libraries would hold more than " + std::to_string(MaxEntriesInAll) + " entries";
    }
    return {};
}

std::vector<GeneratedLibrary> GenerateLibraries(const LibrarySizes& sizes) {
    return LibraryMaker(sizes).Make();
}

QString WriteLibraries(const std::vector<GeneratedLibrary>& libraries, const QString& folder) {
    if (!QDir().mkpath(folder)) {
        return folder + QStringLiteral(": cannot make the folder");
    }
    std::string bytes;
    for (const GeneratedLibrary& library : libraries) {
        const QString path = QDir(folder).filePath(QString::fromStdString(library.fileName));
        const std::string error = WriteLibraryBytes(library.contents, bytes);
        if (!error.empty()) {
            return path + QStringLiteral(": ") + QString::fromStdString(error);
        }
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                static_cast<qint64>(bytes.size()) ||
            !file.commit()) {
            return path + QStringLiteral(": ") + file.errorString();
        }
    }
    return {};
}

} // namespace vxw::gen
