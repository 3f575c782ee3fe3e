#pragma once
// Names and fixed records shared by the design file, the library text form and their tools:
// the words that stand for item and symbol kinds, and the byte layouts of the project label
// stream "DBLABEL" and the hierarchy stack stream "HIERSTCK".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vxw {

// Item kinds by word: "line", "rectangle", "circle", "arc", "text", "valueText".
// ItemKindName answers nullptr for a kind without a word.
const char* ItemKindName(int32_t kind);
std::optional<int32_t> ItemKindFromName(std::string_view name);

// Symbol kinds by word: "schematic", "package", "padstack", "frame".
const char* SymbolKindName(int32_t kind);
std::optional<int32_t> SymbolKindFromName(std::string_view name);

// The project label record: a 32-bit little-endian number and four blank-padded texts.
struct LabelFields {
    int32_t number = 0;   // offset 0
    std::string field4;   // offset 4, 8 characters
    std::string designer; // offset 12, 25 characters
    std::string revision; // offset 37, 100 characters
    std::string field137; // offset 137, 25 characters
};

constexpr int ProjectLabelSize = 164;
constexpr int ProjectLabelField4Size = 8;
constexpr int ProjectLabelDesignerSize = 25;
constexpr int ProjectLabelRevisionSize = 100;
constexpr int ProjectLabelField137Size = 25;

// Texts longer than their field are cut; the two reserved bytes at the end are blanks.
std::string EncodeProjectLabel(const LabelFields& label);
// Answers the fields only when encoding them again gives exactly these bytes (trailing
// blanks of each text dropped), so that a stream that does not fit the record stays raw.
std::optional<LabelFields> DecodeProjectLabel(const std::string& bytes);

// The hierarchy stack: one 15-byte blank-padded record per hierarchy name.
constexpr int HierarchyRecordSize = 15;
std::string EncodeHierarchyStack(const std::vector<std::string>& names);
std::optional<std::vector<std::string>> DecodeHierarchyStack(const std::string& bytes);

} // namespace vxw
