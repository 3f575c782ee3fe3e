// The binary library file: a 32-byte header and one length-prefixed record per entry, all
// numbers little-endian. The reader trusts no number in the file: every count and length is
// checked against the bytes that are left before anything is allocated for it.

#include "kernel/LibraryFile.h"
#include "kernel/BoundedFileRead.h"
#include "kernel/KernelRecords.h"

#include <QSaveFile>

#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>
#include <unordered_set>

namespace vxw {
namespace {

constexpr size_t MinItemSize = 76;     // ten 32-bit values, three doubles, two 32-bit values, text length
constexpr size_t MinPadStackSize = 16; // name length, hole category, hole diameter, item count
constexpr size_t MinPinSize = 16;      // name length, padstack length, x, y

struct Fault {
    size_t offset;
    std::string cause;
};

class ByteReader {
public:
    ByteReader(const std::string& bytes, size_t begin, size_t end) : bytes_(bytes), pos_(begin), end_(end) {}

    size_t Offset() const { return pos_; }
    size_t Remaining() const { return end_ - pos_; }

    uint32_t U32() {
        Need(4, "a number");
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        }
        pos_ += 4;
        return value;
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    double F64() {
        Need(8, "a number");
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits |= static_cast<uint64_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        }
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) {
            throw Fault{pos_, "a number that is not finite"};
        }
        pos_ += 8;
        return value;
    }
    std::string Text() {
        const size_t start = pos_;
        const uint32_t length = U32();
        if (length > Remaining()) {
            throw Fault{start,
                        "a text length of " + std::to_string(length) + " runs past the end of the record"};
        }
        std::string text = bytes_.substr(pos_, length);
        if (text.find('\0') != std::string::npos) {
            throw Fault{pos_ + text.find('\0'), "a NUL byte inside a text"};
        }
        pos_ += length;
        return text;
    }
    // A count of records of at least minSize bytes each that must fit in what is left.
    uint32_t Count(size_t minSize, const char* what) {
        const size_t start = pos_;
        const uint32_t count = U32();
        if (count > Remaining() / minSize) {
            throw Fault{start,
                        "a count of " + std::to_string(count) + ' ' + what + " that the record cannot hold"};
        }
        return count;
    }

private:
    void Need(size_t size, const char* what) const {
        if (Remaining() < size) {
            throw Fault{pos_, std::string("the record ends before ") + what};
        }
    }

    const std::string& bytes_;
    size_t pos_;
    size_t end_;
};

ItemData ReadItem(ByteReader& in) {
    ItemData item;
    item.kind = in.I32();
    item.flags = in.I32();
    item.mask = in.I32();
    item.layer = in.I32();
    item.x = in.I32();
    item.y = in.I32();
    item.width = in.I32();
    item.gap = in.I32();
    item.dx = in.I32();
    item.dy = in.I32();
    item.rotation = in.F64();
    item.diameter = in.I32();
    item.radius = in.I32();
    item.startAngle = in.F64();
    item.endAngle = in.F64();
    item.text = in.Text();
    return item;
}

std::vector<ItemData> ReadItems(ByteReader& in) {
    const uint32_t count = in.Count(MinItemSize, "items");
    std::vector<ItemData> items;
    items.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        items.push_back(ReadItem(in));
    }
    return items;
}

LibraryEntry ReadEntry(ByteReader& in) {
    LibraryEntry entry;
    entry.name = in.Text();
    entry.second = in.Text();
    entry.attributes = in.Text();
    entry.value = in.I32();
    SymbolData& symbol = entry.symbol;
    symbol.name = entry.name;
    symbol.attributes = entry.attributes;
    symbol.kind = in.I32();
    const uint32_t padStackCount = in.Count(MinPadStackSize, "padstacks");
    symbol.padStacks.reserve(padStackCount);
    for (uint32_t i = 0; i < padStackCount; ++i) {
        PadStackData padStack;
        padStack.name = in.Text();
        padStack.holeCategory = in.I32();
        padStack.holeDiameter = in.I32();
        padStack.items = ReadItems(in);
        symbol.padStacks.push_back(std::move(padStack));
    }
    std::unordered_set<std::string_view> padStackNames;
    for (const PadStackData& padStack : symbol.padStacks) {
        padStackNames.insert(padStack.name);
    }
    const uint32_t pinCount = in.Count(MinPinSize, "entries");
    symbol.entries.reserve(pinCount);
    for (uint32_t i = 0; i < pinCount; ++i) {
        EntryData pin;
        pin.name = in.Text();
        const size_t padStackOffset = in.Offset();
        pin.padStack = in.Text();
        if (!pin.padStack.empty() && !padStackNames.count(pin.padStack)) {
            throw Fault{padStackOffset,
                        "an entry names padstack \"" + pin.padStack + "\", which the item does not hold"};
        }
        pin.x = in.I32();
        pin.y = in.I32();
        symbol.entries.push_back(std::move(pin));
    }
    symbol.items = ReadItems(in);
    return entry;
}

class ByteWriter {
public:
    explicit ByteWriter(std::string& out) : out_(out) {}

    void U32(uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            out_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    }
    void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
    void F64(double value) {
        if (!std::isfinite(value)) {
            throw Fault{0, "an angle or rotation that is not a finite number"};
        }
        uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 8; ++i) {
            out_.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
        }
    }
    void Text(const std::string& text) {
        if (text.find('\0') != std::string::npos) {
            throw Fault{0, "a text with a NUL byte"};
        }
        Count(text.size());
        out_ += text;
    }
    void Count(size_t count) {
        if (count > std::numeric_limits<uint32_t>::max()) {
            throw Fault{0, "more than 4294967295 bytes or records in one place"};
        }
        U32(static_cast<uint32_t>(count));
    }

private:
    std::string& out_;
};

void WriteItems(ByteWriter& out, const std::vector<ItemData>& items) {
    out.Count(items.size());
    for (const ItemData& item : items) {
        out.I32(item.kind);
        out.I32(item.flags);
        out.I32(item.mask);
        out.I32(item.layer);
        out.I32(item.x);
        out.I32(item.y);
        out.I32(item.width);
        out.I32(item.gap);
        out.I32(item.dx);
        out.I32(item.dy);
        out.F64(item.rotation);
        out.I32(item.diameter);
        out.I32(item.radius);
        out.F64(item.startAngle);
        out.F64(item.endAngle);
        out.Text(item.text);
    }
}

void WriteEntry(std::string& bytes, const LibraryEntry& entry) {
    const size_t start = bytes.size();
    ByteWriter out(bytes);
    out.U32(0); // the record size, filled in below
    out.Text(entry.name);
    out.Text(entry.second);
    out.Text(entry.attributes);
    out.I32(entry.value);
    const SymbolData& symbol = entry.symbol;
    out.I32(symbol.kind);
    out.Count(symbol.padStacks.size());
    for (const PadStackData& padStack : symbol.padStacks) {
        out.Text(padStack.name);
        out.I32(padStack.holeCategory);
        out.I32(padStack.holeDiameter);
        WriteItems(out, padStack.items);
    }
    out.Count(symbol.entries.size());
    std::unordered_set<std::string_view> padStackNames;
    for (const PadStackData& padStack : symbol.padStacks) {
        padStackNames.insert(padStack.name);
    }
    for (const EntryData& pin : symbol.entries) {
        if (!pin.padStack.empty() && !padStackNames.count(pin.padStack)) {
            throw Fault{0, "an entry names padstack \"" + pin.padStack + "\", which the item does not hold"};
        }
        out.Text(pin.name);
        out.Text(pin.padStack);
        out.I32(pin.x);
        out.I32(pin.y);
    }
    WriteItems(out, symbol.items);
    std::string size;
    ByteWriter(size).Count(bytes.size() - start);
    bytes.replace(start, 4, size);
}

std::string LatinText(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace

int64_t MaxLibraryEntries(int64_t fileSize) {
    return fileSize < LibraryHeaderSize ? 0 : (fileSize - LibraryHeaderSize) / LibraryMinEntrySize;
}

LibraryReadResult ReadLibraryBytes(const std::string& bytes) {
    LibraryReadResult result;
    if (bytes.size() < static_cast<size_t>(LibraryHeaderSize)) {
        result.error =
            "the file is too short for a library header (" + std::to_string(bytes.size()) + " bytes)";
        return result;
    }
    if (std::memcmp(bytes.data(), LibraryMagic, sizeof LibraryMagic) != 0) {
        result.error = "not a library file (the first bytes are not the library magic)";
        return result;
    }
    ByteReader header(bytes, LibraryVersionOffset, LibraryHeaderSize);
    LibraryHeader& h = result.header;
    h.headerRead = true;
    h.version = header.I32();
    h.headerSize = header.I32();
    h.kindValue = header.I32();
    h.count = header.I32();
    if (h.version != LibraryFormatVersion) {
        result.error = "format version " + std::to_string(h.version) +
                       " is not supported (this program reads " + std::to_string(LibraryFormatVersion) + ")";
        return result;
    }
    if (h.headerSize != LibraryHeaderSize) {
        result.error = "bad header size " + std::to_string(h.headerSize) + " at offset 8";
        return result;
    }
    if (h.kindValue < static_cast<int32_t>(LibraryKind::Part) ||
        h.kindValue > static_cast<int32_t>(LibraryKind::Padstack)) {
        result.error = "unknown library kind " + std::to_string(h.kindValue) + " at offset 12";
        return result;
    }
    result.contents.kind = static_cast<LibraryKind>(h.kindValue);
    if (h.count < 0) {
        result.error = "negative entry count " + std::to_string(h.count) + " at offset 16";
        return result;
    }
    const auto size = static_cast<int64_t>(bytes.size());
    result.contents.entries.reserve(static_cast<size_t>(std::min<int64_t>(h.count, MaxLibraryEntries(size))));
    size_t pos = LibraryHeaderSize;
    int32_t index = 0;
    try {
        for (; index < h.count; ++index) {
            if (pos == bytes.size()) {
                throw Fault{pos, "the file ends after " + std::to_string(index) + " of " +
                                     std::to_string(h.count) + " entries"};
            }
            ByteReader sizeReader(bytes, pos, bytes.size());
            const uint32_t recordSize = sizeReader.U32();
            if (recordSize < static_cast<uint32_t>(LibraryMinEntrySize) || recordSize > bytes.size() - pos) {
                throw Fault{pos,
                            "a record size of " + std::to_string(recordSize) + " that does not fit the file"};
            }
            ByteReader in(bytes, pos + 4, pos + recordSize);
            LibraryEntry entry = ReadEntry(in);
            if (in.Remaining() != 0) {
                throw Fault{in.Offset(), "the record size does not match its contents"};
            }
            result.contents.entries.push_back(std::move(entry));
            pos += recordSize;
        }
        if (pos != bytes.size()) {
            throw Fault{pos, std::to_string(bytes.size() - pos) + " bytes after the last entry"};
        }
    } catch (const Fault& fault) {
        result.error = (index < h.count ? "entry " + std::to_string(index + 1) + ": " : std::string()) +
                       fault.cause + " (offset " + std::to_string(fault.offset) + ")";
        return result;
    }
    result.complete = true;
    return result;
}

LibraryReadResult ReadLibraryFile(const std::string& path) {
    std::string bytes;
    const FileReadResult read = ReadFileBounded(QString::fromLatin1(path), MaxLibraryFileSize, bytes);
    if (!read.Ok()) {
        LibraryReadResult result;
        result.error = LatinText(read.error);
        return result;
    }
    return ReadLibraryBytes(bytes);
}

std::string WriteLibraryBytes(const LibraryContents& contents, std::string& bytes) {
    bytes.clear();
    const auto kind = static_cast<int32_t>(contents.kind);
    if (kind < static_cast<int32_t>(LibraryKind::Part) ||
        kind > static_cast<int32_t>(LibraryKind::Padstack)) {
        return "unknown library kind " + std::to_string(kind);
    }
    if (contents.entries.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        return "more entries than a library file can count";
    }
    std::string out(LibraryMagic, sizeof LibraryMagic);
    ByteWriter header(out);
    header.I32(LibraryFormatVersion);
    header.I32(LibraryHeaderSize);
    header.I32(kind);
    header.I32(static_cast<int32_t>(contents.entries.size()));
    out.resize(LibraryHeaderSize, '\0');
    for (size_t i = 0; i < contents.entries.size(); ++i) {
        try {
            WriteEntry(out, contents.entries[i]);
        } catch (const Fault& fault) {
            return "entry " + std::to_string(i + 1) + " \"" + contents.entries[i].name + "\": " + fault.cause;
        }
    }
    bytes = std::move(out);
    return {};
}

std::string WriteLibraryFile(const LibraryContents& contents, const std::string& path) {
    std::string bytes;
    std::string error = WriteLibraryBytes(contents, bytes);
    if (!error.empty()) {
        return error;
    }
    QSaveFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        return "cannot write the file: " + LatinText(file.errorString());
    }
    return {};
}

int32_t SymbolKindOf(LibraryKind kind) {
    switch (kind) {
    case LibraryKind::Symbol:
        return SymbolSchematic;
    case LibraryKind::Package:
        return SymbolPackage;
    case LibraryKind::Padstack:
        return SymbolPadstack;
    case LibraryKind::Part:
        break;
    }
    return 0;
}

} // namespace vxw
