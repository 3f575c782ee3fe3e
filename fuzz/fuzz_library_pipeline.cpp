// Library files as users keep them, through everything the library commands of `listgen` do with
// them. The bytes drive a small generator that packs entries of each kind (names drawn from a
// small pool so that parts, symbols, packages and padstacks refer to each other) into a few files
// per kind with the library writer, or writes a file of raw bytes as a damaged one. Then the file
// lists, the details report of every file (all items and the items of a pattern), the project
// library's report and the searches run over them through the command handlers.

#include "FuzzSuite.h"
#include "cli/BatchCommand.h"
#include "kernel/DesignFile.h"
#include "kernel/KernelAccess.h"
#include "kernel/LibraryFile.h"
#include "kernel/MemoryKernel.h"
#include "shell/HostEnvironment.h"
#include "shell/TerminalInterface.h"
#include "shell/Units.h"
#include "suite/TextRules.h"

#include <QTextStream>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using vxw::fuzz::ByteCursor;

const char* const kKindWords[] = {"part", "symbol", "package", "padstack"};
const char* const kExtensions[][3] = {{"PART", "part", "Part"},
                                      {"SYMBOL", "symbol", "Symbol"},
                                      {"PACKAGE", "package", "Package"},
                                      {"PADSTACK", "padstack", "PadStack"}};
const char* const kFileNames[] = {"a", "b", "x y", "A"};
// Item names shared by all kinds, so that the cross-file look-ups find something.
const char* const kNames[] = {"R1", "NAND2", "SOIC8", "RECT", "DIP8", "", " PAD ", "r1"};
const char* const kPatterns[] = {"*", "R*", "?1", "*8", "[A-Z]*", "#", "r1"};

std::string Name(ByteCursor& in) {
    const int pick = in.Below(10);
    return pick < 8 ? kNames[pick] : in.Text(6);
}

// An attribute text: tokens separated by the byte 128, each a name or raw bytes.
std::string Attributes(ByteCursor& in) {
    std::string text;
    for (int count = in.Below(12), i = 0; i < count; ++i) {
        if (i > 0) {
            text += '\x80';
        }
        text += in.Below(2) == 0 ? Name(in) : in.Text(8);
    }
    return text;
}

int32_t Coordinate(ByteCursor& in) {
    return in.Below(8) == 0 ? in.Int32() : static_cast<int32_t>(in.Byte()) * 500 - 64000;
}

vxw::ItemData Item(ByteCursor& in) {
    vxw::ItemData item;
    static const int32_t kinds[] = {1, 3, 4, 5, 6, 8, 0, 7};
    item.kind = kinds[in.Below(8)];
    item.flags = in.Below(8);
    item.mask = in.Byte();
    item.layer = in.Below(4);
    item.x = Coordinate(in);
    item.y = Coordinate(in);
    item.width = Coordinate(in);
    item.dx = Coordinate(in);
    item.dy = Coordinate(in);
    item.rotation = in.Below(8) * 45.0;
    item.diameter = Coordinate(in);
    item.radius = Coordinate(in);
    item.text = in.Text(4);
    return item;
}

vxw::LibraryEntry Entry(ByteCursor& in, vxw::LibraryKind kind) {
    vxw::LibraryEntry entry;
    entry.name = Name(in);
    entry.attributes = Attributes(in);
    if (kind == vxw::LibraryKind::Part) {
        entry.second = in.Text(4);
        return entry;
    }
    entry.value = in.Below(4) == 0 ? in.Int32() : in.Below(4);
    vxw::SymbolData& symbol = entry.symbol;
    for (int count = in.Below(3), i = 0; i < count; ++i) {
        vxw::PadStackData padStack;
        padStack.name = Name(in);
        padStack.holeCategory = in.Below(3);
        padStack.holeDiameter = Coordinate(in);
        for (int items = in.Below(3), j = 0; j < items; ++j) {
            padStack.items.push_back(Item(in));
        }
        symbol.padStacks.push_back(std::move(padStack));
    }
    for (int count = in.Below(5), i = 0; i < count; ++i) {
        vxw::EntryData pin;
        pin.name = in.Below(2) == 0 ? std::to_string(i + 1) : in.Text(3);
        pin.padStack = symbol.padStacks.empty() || in.Below(3) == 0 ? Name(in) : symbol.padStacks[0].name;
        pin.x = Coordinate(in);
        pin.y = Coordinate(in);
        symbol.entries.push_back(std::move(pin));
    }
    for (int count = in.Below(4), i = 0; i < count; ++i) {
        symbol.items.push_back(Item(in));
    }
    return entry;
}

// Writes the files of one kind into `folder`; answers their names.
std::vector<QString> WriteFiles(ByteCursor& in, int kind, const QString& folder) {
    std::vector<QString> names;
    for (int count = in.Below(3), i = 0; i < count; ++i) {
        const QString name = QString::fromLatin1(kFileNames[in.Below(4)]) + QLatin1Char('.') +
                             QString::fromLatin1(kExtensions[kind - 1][in.Below(3)]);
        const std::string path = (folder + QLatin1Char('/') + name).toStdString();
        const int mode = in.Below(8);
        if (mode == 0) {
            // A damaged file: bytes as they come.
            if (!vxw::fuzz::WriteWholeFile(QString::fromStdString(path),
                                           QByteArray::fromStdString(in.Text(120)))) {
                std::abort();
            }
        } else {
            vxw::LibraryContents contents;
            // Now and then a file holds items of another kind than its name says.
            contents.kind = static_cast<vxw::LibraryKind>(mode == 1 ? 1 + in.Below(4) : kind);
            for (int entries = in.Below(6), j = 0; j < entries; ++j) {
                contents.entries.push_back(Entry(in, contents.kind));
            }
            if (!vxw::WriteLibraryFile(contents, path).empty()) {
                continue;
            }
        }
        names.push_back(name);
    }
    return names;
}

// One run of a command handler, as `listgen` would run it; the output is not judged, only
// that the handler ends.
void RunCommand(int (*handler)(vxw::BatchContext&), const QString& command, const QStringList& arguments) {
    vxw::BatchArguments line;
    line.command = command;
    line.arguments = arguments;
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    vxw::TerminalInterface ui([](const QString&) {});
    vxw::BatchContext context{line, out, err, ui};
    const int status = handler(context);
    if (status != vxw::BatchOk && status != vxw::BatchFailed) {
        std::abort(); // every line given here is well formed
    }
}

const vxw::DesignData& SampleDesign() {
    static const vxw::DesignFileResult loaded =
        vxw::LoadDesignFile(QStringLiteral(LG_SOURCE_DIR "/samples/demo.vxd"));
    if (!loaded.Ok()) {
        std::abort();
    }
    return *loaded.design;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString folder = vxw::fuzz::PrepareSuite() + QStringLiteral("/LIB");
    if (!QDir(folder).removeRecursively() || !QDir().mkpath(folder)) {
        std::abort();
    }
    // A kernel of its own per input: the kernel keeps the library files it read.
    vxw::ScopedKernel installed(vxw::MemoryKernel::FromData(SampleDesign()));
    vxw::PublishHostStrings(vxw::TheKernel(), vxw::Suite());
    vxw::SetCurrentUnit(vxw::kUnitInch);

    ByteCursor in(data, size);
    // The commands of one kind per input: each starts the component afresh, which is what
    // costs, and the files of the other kinds are still there for the cross-file look-ups.
    const int kind = 1 + in.Below(4);
    std::vector<QString> files[4];
    for (int kind = 1; kind <= 4; ++kind) {
        files[kind - 1] = WriteFiles(in, kind, folder);
    }
    QString pattern =
        in.Below(2) == 0 ? QString::fromLatin1(kPatterns[in.Below(7)]) : QString::fromLatin1(in.Text(6));
    if (vxw::TrimBlanks(pattern).isEmpty() || pattern.startsWith(QLatin1String("--"))) {
        pattern.clear(); // no pattern: the line would not parse
    }
    const QString word = QString::fromLatin1(kKindWords[kind - 1]);
    RunCommand(vxw::RunFilesCommand, QStringLiteral("files"), {word});
    for (const QString& file : files[kind - 1]) {
        RunCommand(vxw::RunLibraryCommand, QStringLiteral("library"), {word, file});
        if (!pattern.isEmpty()) {
            RunCommand(vxw::RunLibraryCommand, QStringLiteral("library"), {word, file, pattern});
        }
    }
    RunCommand(vxw::RunLibraryCommand, QStringLiteral("library"), {word, QStringLiteral("--project")});
    const QString search = pattern.isEmpty() ? QStringLiteral("*") : pattern;
    RunCommand(vxw::RunSearchCommand, QStringLiteral("search"),
               {word, search, QStringLiteral("--scope"), QStringLiteral("all")});
    return 0;
}
