#include "kernel/DesignFileFormat.h"

#include "kernel/KernelRecords.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vxw {
namespace {

constexpr std::array<std::pair<int32_t, const char*>, 6> ItemKindNames{{
    {ItemLine, "line"},
    {ItemRectangle, "rectangle"},
    {ItemCircle, "circle"},
    {ItemArc, "arc"},
    {ItemText, "text"},
    {ItemValueText, "valueText"},
}};

constexpr std::array<std::pair<int32_t, const char*>, 4> SymbolKindNames{{
    {SymbolSchematic, "schematic"},
    {SymbolPackage, "package"},
    {SymbolPadstack, "padstack"},
    {SymbolBoardFrame, "frame"},
}};

template <typename Table> const char* NameOf(const Table& table, int32_t kind) {
    for (const auto& [value, name] : table) {
        if (value == kind) {
            return name;
        }
    }
    return nullptr;
}

template <typename Table> std::optional<int32_t> KindOf(const Table& table, std::string_view word) {
    for (const auto& [value, name] : table) {
        if (word == name) {
            return value;
        }
    }
    return std::nullopt;
}

void PutField(std::string& record, int offset, int size, const std::string& text) {
    record.replace(offset, std::min<size_t>(text.size(), size), text, 0, size);
}

// The text of a blank-padded field without its trailing blanks; nullopt when it holds a NUL,
// which the text forms of the design file do not carry.
std::optional<std::string> GetField(const std::string& bytes, int offset, int size) {
    std::string text = bytes.substr(offset, size);
    if (text.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    const size_t end = text.find_last_not_of(' ');
    text.resize(end == std::string::npos ? 0 : end + 1);
    return text;
}

} // namespace

const char* ItemKindName(int32_t kind) {
    return NameOf(ItemKindNames, kind);
}
std::optional<int32_t> ItemKindFromName(std::string_view name) {
    return KindOf(ItemKindNames, name);
}
const char* SymbolKindName(int32_t kind) {
    return NameOf(SymbolKindNames, kind);
}
std::optional<int32_t> SymbolKindFromName(std::string_view name) {
    return KindOf(SymbolKindNames, name);
}

std::string EncodeProjectLabel(const LabelFields& label) {
    std::string record(ProjectLabelSize, ' ');
    const auto number = static_cast<uint32_t>(label.number);
    for (int i = 0; i < 4; ++i) {
        record[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    }
    PutField(record, 4, ProjectLabelField4Size, label.field4);
    PutField(record, 12, ProjectLabelDesignerSize, label.designer);
    PutField(record, 37, ProjectLabelRevisionSize, label.revision);
    PutField(record, 137, ProjectLabelField137Size, label.field137);
    return record;
}

std::optional<LabelFields> DecodeProjectLabel(const std::string& bytes) {
    if (bytes.size() != static_cast<size_t>(ProjectLabelSize)) {
        return std::nullopt;
    }
    LabelFields label;
    uint32_t number = 0;
    for (int i = 0; i < 4; ++i) {
        number |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    label.number = static_cast<int32_t>(number);
    const auto field4 = GetField(bytes, 4, ProjectLabelField4Size);
    const auto designer = GetField(bytes, 12, ProjectLabelDesignerSize);
    const auto revision = GetField(bytes, 37, ProjectLabelRevisionSize);
    const auto field137 = GetField(bytes, 137, ProjectLabelField137Size);
    if (!field4 || !designer || !revision || !field137) {
        return std::nullopt;
    }
    label.field4 = *field4;
    label.designer = *designer;
    label.revision = *revision;
    label.field137 = *field137;
    if (EncodeProjectLabel(label) != bytes) {
        return std::nullopt; // reserved bytes that are not blanks
    }
    return label;
}

std::string EncodeHierarchyStack(const std::vector<std::string>& names) {
    std::string bytes;
    bytes.reserve(names.size() * HierarchyRecordSize);
    for (const std::string& name : names) {
        std::string record(HierarchyRecordSize, ' ');
        PutField(record, 0, HierarchyRecordSize, name);
        bytes += record;
    }
    return bytes;
}

std::optional<std::vector<std::string>> DecodeHierarchyStack(const std::string& bytes) {
    if (bytes.size() % HierarchyRecordSize != 0) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (size_t offset = 0; offset < bytes.size(); offset += HierarchyRecordSize) {
        auto name = GetField(bytes, static_cast<int>(offset), HierarchyRecordSize);
        if (!name) {
            return std::nullopt;
        }
        names.push_back(std::move(*name));
    }
    return names;
}

} // namespace vxw
