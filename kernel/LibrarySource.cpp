#include "kernel/LibrarySource.h"

#include "kernel/DesignFileFormat.h"
#include "kernel/KernelRecords.h"

#include <QStringDecoder>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>
#include <vector>

namespace vxw {
namespace {

struct SourceError {
    std::string cause;
};

[[noreturn]] void Fail(std::string cause) {
    throw SourceError{std::move(cause)};
}

// Attribute token names by position (index 0 is token 1); nullptr where a position has no name.
std::vector<const char*> TokenNames(LibraryKind kind) {
    switch (kind) {
    case LibraryKind::Part:
        return {"description", "indexCode",   "simReference", "manufacturer", "type",
                "technology",  "packageType", "simFunction",  "simModel",     "symbols"};
    case LibraryKind::Symbol:
        return {"description", "type", "simFunction", "elementCode", "simModel", "simVariant"};
    case LibraryKind::Package:
        return {"description", "type", "jedec", nullptr, "ipc"};
    case LibraryKind::Padstack:
        return {"description", "type", "shape"};
    }
    return {};
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimmedView(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A text in double quotes starting at text[pos]; leaves pos after the closing quote.
std::string Quoted(std::string_view text, size_t& pos) {
    std::string out;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos >= text.size()) {
            break;
        }
        switch (text[pos]) {
        case '\\':
            out += '\\';
            break;
        case '"':
            out += '"';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 'x': {
            const int high = pos + 1 < text.size() ? HexDigit(text[pos + 1]) : -1;
            const int low = pos + 2 < text.size() ? HexDigit(text[pos + 2]) : -1;
            if (high < 0 || low < 0) {
                Fail("\\x needs two hex digits");
            }
            out += static_cast<char>(high * 16 + low);
            pos += 2;
            break;
        }
        default:
            Fail(std::string("unknown escape \\") + text[pos]);
        }
    }
    Fail("a quoted text without its closing quote");
}

// Names are what lists print in a cell and what look-ups compare: a line break or another
// control character in one would break a list's lines and could not be typed to find the item.
// Tab is the one kept, as it is in other texts. `what` begins the message ("the item name").
void CheckName(const std::string& name, const char* what) {
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t') {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", byte);
            Fail(std::string(what) + " holds the control character " + code +
                 " (only tab is allowed in names)");
        }
    }
}

// The value after "key =": quoted, or the text as it stands.
std::string TextValue(std::string_view value) {
    if (value.empty() || value.front() != '"') {
        return std::string(value);
    }
    size_t pos = 0;
    std::string text = Quoted(value, pos);
    if (!TrimmedView(value.substr(pos)).empty()) {
        Fail("text after the closing quote");
    }
    return text;
}

struct Word {
    std::string key; // empty for a word without "key="
    std::string value;
};

// Splits "NAME key=value key="quoted value" ..." at blanks.
std::vector<Word> SplitWords(std::string_view text) {
    std::vector<Word> words;
    size_t pos = 0;
    while (true) {
        while (pos < text.size() && IsBlank(text[pos])) {
            ++pos;
        }
        if (pos >= text.size()) {
            return words;
        }
        Word word;
        if (text[pos] != '"') {
            const size_t start = pos;
            while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != '=') {
                ++pos;
            }
            if (pos < text.size() && text[pos] == '=') {
                word.key = std::string(text.substr(start, pos - start));
                if (word.key.empty()) {
                    Fail("'=' without a key before it");
                }
                ++pos;
            } else {
                word.value = std::string(text.substr(start, pos - start));
                words.push_back(std::move(word));
                continue;
            }
        }
        if (pos < text.size() && text[pos] == '"') {
            word.value = Quoted(text, pos);
            if (pos < text.size() && !IsBlank(text[pos])) {
                Fail("a blank must follow the closing quote");
            }
        } else {
            const size_t start = pos;
            while (pos < text.size() && !IsBlank(text[pos])) {
                ++pos;
            }
            word.value = std::string(text.substr(start, pos - start));
        }
        words.push_back(std::move(word));
    }
}

[[noreturn]] void UnknownWord(const Word& word, const char* what, const char* known) {
    if (word.key.empty()) {
        Fail("\"" + word.value + "\" needs a key (key=value)");
    }
    Fail("unknown " + std::string(what) + " \"" + word.key + "\" (" + known + ")");
}

int32_t IntValue(const std::string& text, const char* what) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        Fail(std::string(what) + " must be a whole number, not \"" + text + "\"");
    }
    // Hexadecimal values may give all 32 bits (masks); decimal ones must fit a signed value.
    const uint64_t limit = base == 16 && !negative ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
    if (magnitude > limit) {
        Fail(std::string(what) + " " + text + " does not fit 32 bits");
    }
    const auto bits = static_cast<uint32_t>(negative ? 0u - static_cast<uint32_t>(magnitude) : magnitude);
    return static_cast<int32_t>(bits);
}

double RealValue(const std::string& text, const char* what) {
    double value = 0;
    const char* begin = text.data();
    if (!text.empty() && text.front() == '+') {
        ++begin;
    }
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        Fail(std::string(what) + " must be a number, not \"" + text + "\"");
    }
    return value;
}

int32_t FlagsValue(const std::string& text) {
    if (text.empty() || (text[0] >= '0' && text[0] <= '9') || text[0] == '-') {
        return IntValue(text, "flags");
    }
    int32_t flags = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(',', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(start, end - start);
        if (word == "counted") {
            flags |= ItemCounted;
        } else if (word == "filled") {
            flags |= ItemFilled;
        } else if (word == "hrf") {
            flags |= ItemHrf;
        } else {
            Fail("unknown flag \"" + word + "\" (counted, filled, hrf or a number)");
        }
        start = end + 1;
    }
    return flags;
}

// "KIND key=value ...": an item of a symbol or a pad of a padstack.
ItemData ItemValue(std::string_view text) {
    static constexpr std::array<const char*, 15> Keys{
        "flags", "mask",     "layer",    "x",      "y",          "width",    "gap", "dx",
        "dy",    "rotation", "diameter", "radius", "startAngle", "endAngle", "text"};
    const std::vector<Word> words = SplitWords(text);
    if (words.empty() || !words[0].key.empty()) {
        Fail("an item begins with its kind (line, rectangle, circle, arc, text, valueText or a number)");
    }
    ItemData item;
    const auto kind = ItemKindFromName(words[0].value);
    item.kind = kind ? *kind : IntValue(words[0].value, "the item kind");
    uint32_t seen = 0;
    for (size_t i = 1; i < words.size(); ++i) {
        const Word& word = words[i];
        size_t k = 0;
        while (k < Keys.size() && word.key != Keys[k]) {
            ++k;
        }
        if (k == Keys.size()) {
            UnknownWord(word, "item key",
                        "flags, mask, layer, x, y, width, gap, dx, dy, rotation, diameter, "
                        "radius, startAngle, endAngle, text");
        }
        if (seen & (1u << k)) {
            Fail("\"" + word.key + "\" given twice");
        }
        seen |= 1u << k;
        int32_t* const ints[] = {&item.flags,    &item.mask,   &item.layer, &item.x,  &item.y,
                                 &item.width,    &item.gap,    &item.dx,    &item.dy, nullptr,
                                 &item.diameter, &item.radius, nullptr,     nullptr,  nullptr};
        if (k == 0) {
            item.flags = FlagsValue(word.value);
        } else if (ints[k]) {
            *ints[k] = IntValue(word.value, Keys[k]);
        } else if (k == 9) {
            item.rotation = RealValue(word.value, Keys[k]);
        } else if (k == 12) {
            item.startAngle = RealValue(word.value, Keys[k]);
        } else if (k == 13) {
            item.endAngle = RealValue(word.value, Keys[k]);
        } else {
            item.text = word.value;
        }
    }
    return item;
}

class SourceParser {
public:
    LibraryContents Parse(const std::vector<std::string>& lines, int& lineNumber);

private:
    struct Block {
        LibraryEntry entry;
        bool open = false;
        std::vector<std::optional<std::string>> tokens; // by position, 0 is token 1
        std::optional<std::string> package;
        std::optional<std::string> raw;
        std::optional<int32_t> symbolKind;
        uint32_t seen = 0; // value, second, package, attributes, symbolKind
    };

    void Member(std::string_view key, std::string_view value);
    void Finish();

    LibraryContents contents_;
    std::optional<LibraryKind> kind_;
    std::vector<const char*> tokenNames_;
    Block block_;
};

LibraryContents SourceParser::Parse(const std::vector<std::string>& lines, int& lineNumber) {
    for (lineNumber = 1; lineNumber <= static_cast<int>(lines.size()); ++lineNumber) {
        const std::string_view line = TrimmedView(lines[lineNumber - 1]);
        if (line.empty() || line.front() == '#' || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            if (!kind_) {
                Fail("the library kind (kind = part, symbol, package or padstack) must come first");
            }
            Finish();
            std::string name;
            if (line.size() > 1 && line[1] == '"') {
                size_t pos = 1;
                name = Quoted(line, pos);
                if (TrimmedView(line.substr(pos)) != "]") {
                    Fail("a quoted item name must be followed by ']'");
                }
            } else {
                if (line.back() != ']') {
                    Fail("an item line must end with ']'");
                }
                name = std::string(TrimmedView(line.substr(1, line.size() - 2)));
            }
            CheckName(name, "the item name");
            block_ = Block();
            block_.open = true;
            block_.entry.name = std::move(name);
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            Fail("expected \"key = value\", \"[item name]\" or a comment");
        }
        Member(TrimmedView(line.substr(0, equals)), TrimmedView(line.substr(equals + 1)));
    }
    lineNumber = static_cast<int>(lines.size());
    if (!kind_) {
        Fail("the library kind (kind = part, symbol, package or padstack) is missing");
    }
    Finish();
    return std::move(contents_);
}

void SourceParser::Member(std::string_view key, std::string_view value) {
    if (!block_.open) {
        if (key != "kind") {
            Fail("\"" + std::string(key) +
                 "\" outside an item: only the library kind comes before the first item");
        }
        if (kind_) {
            Fail("the library kind is given twice");
        }
        kind_ = LibraryKindFromName(TextValue(value));
        if (!kind_) {
            Fail("unknown library kind \"" + std::string(value) + "\" (part, symbol, package or padstack)");
        }
        contents_.kind = *kind_;
        tokenNames_ = TokenNames(*kind_);
        return;
    }
    LibraryEntry& entry = block_.entry;
    SymbolData& symbol = entry.symbol;
    static constexpr std::array<const char*, 5> Scalars{"value", "second", "package", "attributes",
                                                        "symbolKind"};
    for (size_t k = 0; k < Scalars.size(); ++k) {
        if (key != Scalars[k]) {
            continue;
        }
        if (block_.seen & (1u << k)) {
            Fail("\"" + std::string(key) + "\" given twice in this item");
        }
        block_.seen |= 1u << k;
        const std::string text = TextValue(value);
        switch (k) {
        case 0:
            entry.value = IntValue(text, "the value");
            break;
        case 1:
            entry.second = text;
            break;
        case 2:
            if (*kind_ != LibraryKind::Part) {
                Fail("only parts have a package");
            }
            if (text.find(' ') != std::string::npos) {
                Fail("a package name cannot hold a blank");
            }
            CheckName(text, "the package name");
            block_.package = text;
            break;
        case 3:
            block_.raw = text;
            break;
        case 4: {
            const auto kind = SymbolKindFromName(text);
            block_.symbolKind = kind ? *kind : IntValue(text, "the symbol kind");
            break;
        }
        }
        return;
    }
    if (key == "padstack") {
        const std::vector<Word> words = SplitWords(value);
        if (words.empty() || !words[0].key.empty()) {
            Fail("a padstack line begins with the padstack's name");
        }
        PadStackData padStack;
        padStack.name = words[0].value;
        CheckName(padStack.name, "the padstack name");
        for (size_t i = 1; i < words.size(); ++i) {
            if (words[i].key == "category") {
                padStack.holeCategory = IntValue(words[i].value, "the hole category");
            } else if (words[i].key == "diameter") {
                padStack.holeDiameter = IntValue(words[i].value, "the hole diameter");
            } else {
                UnknownWord(words[i], "padstack key", "category, diameter");
            }
        }
        symbol.padStacks.push_back(std::move(padStack));
        return;
    }
    if (key == "pad") {
        if (symbol.padStacks.empty()) {
            Fail("a pad belongs to the padstack above it, and there is none");
        }
        symbol.padStacks.back().items.push_back(ItemValue(value));
        return;
    }
    if (key == "item") {
        symbol.items.push_back(ItemValue(value));
        return;
    }
    if (key == "entry") {
        const std::vector<Word> words = SplitWords(value);
        if (words.empty() || !words[0].key.empty()) {
            Fail("an entry line begins with the entry's name");
        }
        EntryData pin;
        pin.name = words[0].value;
        CheckName(pin.name, "the entry name");
        for (size_t i = 1; i < words.size(); ++i) {
            if (words[i].key == "padstack") {
                pin.padStack = words[i].value;
                bool known = false;
                for (const PadStackData& padStack : symbol.padStacks) {
                    known = known || padStack.name == pin.padStack;
                }
                if (!known) {
                    Fail("padstack \"" + pin.padStack + "\" is not defined above in this item");
                }
            } else if (words[i].key == "x") {
                pin.x = IntValue(words[i].value, "x");
            } else if (words[i].key == "y") {
                pin.y = IntValue(words[i].value, "y");
            } else {
                UnknownWord(words[i], "entry key", "padstack, x, y");
            }
        }
        symbol.entries.push_back(std::move(pin));
        return;
    }
    // An attribute token, by its name or as tokenN.
    int position = 0;
    for (size_t i = 0; i < tokenNames_.size(); ++i) {
        if (tokenNames_[i] && key == tokenNames_[i]) {
            position = static_cast<int>(i) + 1;
        }
    }
    if (position == 0 && key.size() > 5 && key.substr(0, 5) == "token") {
        int number = 0;
        const auto [end, error] = std::from_chars(key.data() + 5, key.data() + key.size(), number);
        if (error == std::errc() && end == key.data() + key.size() && number >= 1 &&
            number <= MaxSourceTokens && key[5] != '0') {
            position = number;
        }
    }
    if (position == 0) {
        Fail("unknown key \"" + std::string(key) + "\"");
    }
    if (block_.tokens.size() < static_cast<size_t>(position)) {
        block_.tokens.resize(position);
    }
    if (block_.tokens[position - 1]) {
        Fail("attribute token " + std::to_string(position) + " given twice in this item");
    }
    block_.tokens[position - 1] = TextValue(value);
}

void SourceParser::Finish() {
    if (!block_.open) {
        return;
    }
    LibraryEntry& entry = block_.entry;
    if (block_.raw) {
        if (block_.package || !block_.tokens.empty()) {
            Fail("item \"" + entry.name + "\": give either attributes or package and tokens, not both");
        }
        entry.attributes = *block_.raw;
    } else {
        std::string joined;
        for (size_t i = 0; i < block_.tokens.size(); ++i) {
            if (i > 0) {
                joined += '\x80';
            }
            joined += block_.tokens[i].value_or(std::string());
        }
        if (contents_.kind == LibraryKind::Part && (block_.package || !block_.tokens.empty())) {
            entry.attributes = block_.package.value_or(std::string());
            if (!block_.tokens.empty()) {
                entry.attributes += ' ' + joined;
            }
        } else {
            entry.attributes = joined;
        }
    }
    entry.symbol.kind = block_.symbolKind.value_or(SymbolKindOf(contents_.kind));
    entry.symbol.name = entry.name;
    entry.symbol.attributes = entry.attributes;
    contents_.entries.push_back(std::move(entry));
    block_ = Block();
}

// Writing the source form.

bool NeedsQuotes(const std::string& text, bool word) {
    if (text.empty()) {
        return word;
    }
    if (text.front() == '"' || IsBlank(text.front()) || IsBlank(text.back())) {
        return true;
    }
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || (byte >= 0x7F && byte < 0xA0) || (word && (IsBlank(c) || c == '=' || c == '"'))) {
            return true;
        }
    }
    return false;
}

// Latin-1 text as UTF-8, in quotes with escapes where the plain form would not read back.
void AppendText(std::string& out, const std::string& text, bool word) {
    const bool quoted = NeedsQuotes(text, word);
    if (quoted) {
        out += '"';
    }
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (quoted && (c == '"' || c == '\\')) {
            out += '\\';
            out += c;
        } else if (quoted && c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || (byte >= 0x7F && byte < 0xA0)) {
            static const char Hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += Hex[byte >> 4];
            out += Hex[byte & 15];
        } else if (byte >= 0x80) {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        } else {
            out += c;
        }
    }
    if (quoted) {
        out += '"';
    }
}

void AppendLine(std::string& out, const char* key, const std::string& text) {
    out += key;
    out += text.empty() ? " =" : " = ";
    AppendText(out, text, false);
    out += '\n';
}

void AppendNumber(std::string& out, const char* key, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out += ' ';
    out += key;
    out += '=';
    out.append(buffer, result.ptr);
}

void AppendInt(std::string& out, const char* key, int32_t value) {
    if (value != 0) {
        out += ' ';
        out += key;
        out += '=';
        out += std::to_string(value);
    }
}

void AppendItem(std::string& out, const char* key, const ItemData& item) {
    out += key;
    out += " = ";
    const char* kind = ItemKindName(item.kind);
    out += kind ? kind : std::to_string(item.kind);
    if (item.flags != 0 && (item.flags & ~(ItemCounted | ItemFilled | ItemHrf)) == 0) {
        out += " flags=";
        const char* separator = "";
        for (const auto& [bit, name] : {std::pair{ItemCounted, "counted"}, std::pair{ItemFilled, "filled"},
                                        std::pair{ItemHrf, "hrf"}}) {
            if (item.flags & bit) {
                out += separator;
                out += name;
                separator = ",";
            }
        }
    } else {
        AppendInt(out, "flags", item.flags);
    }
    AppendInt(out, "mask", item.mask);
    AppendInt(out, "layer", item.layer);
    AppendInt(out, "x", item.x);
    AppendInt(out, "y", item.y);
    AppendInt(out, "width", item.width);
    AppendInt(out, "gap", item.gap);
    AppendInt(out, "dx", item.dx);
    AppendInt(out, "dy", item.dy);
    if (item.rotation != 0 || std::signbit(item.rotation)) {
        AppendNumber(out, "rotation", item.rotation);
    }
    AppendInt(out, "diameter", item.diameter);
    AppendInt(out, "radius", item.radius);
    if (item.startAngle != 0 || std::signbit(item.startAngle)) {
        AppendNumber(out, "startAngle", item.startAngle);
    }
    if (item.endAngle != 0 || std::signbit(item.endAngle)) {
        AppendNumber(out, "endAngle", item.endAngle);
    }
    if (!item.text.empty()) {
        out += " text=";
        AppendText(out, item.text, true);
    }
    out += '\n';
}

std::vector<std::string> SplitTokens(const std::string& attributes) {
    std::vector<std::string> tokens;
    size_t start = 0;
    for (;;) {
        const size_t end = attributes.find('\x80', start);
        tokens.push_back(attributes.substr(start, end - start));
        if (end == std::string::npos) {
            return tokens;
        }
        start = end + 1;
    }
}

void AppendAttributes(std::string& out, LibraryKind kind, const std::string& attributes) {
    if (attributes.empty()) {
        return;
    }
    // A part's attributes: the package name, one blank, then the tokens; without a blank, the
    // package alone.
    const size_t blank = kind == LibraryKind::Part ? attributes.find(' ') : std::string::npos;
    std::vector<std::string> tokens;
    if (kind != LibraryKind::Part || blank != std::string::npos) {
        tokens = SplitTokens(kind == LibraryKind::Part ? attributes.substr(blank + 1) : attributes);
    }
    if (tokens.size() > static_cast<size_t>(MaxSourceTokens)) {
        AppendLine(out, "attributes", attributes);
        return;
    }
    if (kind == LibraryKind::Part) {
        AppendLine(out, "package", attributes.substr(0, blank));
    }
    const std::vector<const char*> names = TokenNames(kind);
    for (size_t i = 0; i < tokens.size(); ++i) {
        const std::string name = i < names.size() && names[i] ? names[i] : "token" + std::to_string(i + 1);
        AppendLine(out, name.c_str(), tokens[i]);
    }
}

} // namespace

const char* LibraryKindName(LibraryKind kind) {
    switch (kind) {
    case LibraryKind::Part:
        return "part";
    case LibraryKind::Symbol:
        return "symbol";
    case LibraryKind::Package:
        return "package";
    case LibraryKind::Padstack:
        return "padstack";
    }
    return "unknown";
}

std::optional<LibraryKind> LibraryKindFromName(std::string_view name) {
    for (const LibraryKind kind :
         {LibraryKind::Part, LibraryKind::Symbol, LibraryKind::Package, LibraryKind::Padstack}) {
        if (name == LibraryKindName(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

LibrarySourceResult ParseLibrarySource(const std::string& text) {
    LibrarySourceResult result;
    int lineNumber = 0;
    try {
        // Decode line by line so that a bad character is reported with its line.
        std::vector<std::string> lines;
        size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
        while (start <= text.size()) {
            ++lineNumber;
            size_t end = text.find('\n', start);
            if (end == std::string::npos) {
                end = text.size();
            }
            QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            const QString line =
                decoder(QByteArrayView(text.data() + start, static_cast<qsizetype>(end - start)));
            if (decoder.hasError()) {
                Fail("the text is not valid UTF-8");
            }
            std::string latin1;
            latin1.reserve(line.size());
            for (const QChar c : line) {
                if (c.unicode() > 0xFF) {
                    char code[16];
                    std::snprintf(code, sizeof code, "U+%04X", c.unicode());
                    Fail(std::string("character ") + code + " is outside Latin-1");
                }
                latin1 += static_cast<char>(c.unicode());
            }
            lines.push_back(std::move(latin1));
            start = end + 1;
        }
        if (lines.size() > 1 && lines.back().empty()) {
            lines.pop_back(); // the end of the last line, not a line of its own
        }
        result.contents = SourceParser().Parse(lines, lineNumber);
    } catch (const SourceError& error) {
        result.error = "line " + std::to_string(lineNumber) + ": " + error.cause;
    }
    return result;
}

std::string LibraryToSource(const LibraryContents& contents) {
    std::string out = "kind = ";
    out += LibraryKindName(contents.kind);
    out += '\n';
    for (const LibraryEntry& entry : contents.entries) {
        out += "\n[";
        AppendText(out, entry.name, entry.name.empty());
        out += "]\n";
        if (entry.value != 0) {
            out += "value = " + std::to_string(entry.value) + '\n';
        }
        if (!entry.second.empty()) {
            AppendLine(out, "second", entry.second);
        }
        AppendAttributes(out, contents.kind, entry.attributes);
        const SymbolData& symbol = entry.symbol;
        if (symbol.kind != SymbolKindOf(contents.kind)) {
            const char* name = SymbolKindName(symbol.kind);
            out += "symbolKind = " + (name ? std::string(name) : std::to_string(symbol.kind)) + '\n';
        }
        for (const PadStackData& padStack : symbol.padStacks) {
            out += "padstack = ";
            AppendText(out, padStack.name, true);
            AppendInt(out, "category", padStack.holeCategory);
            AppendInt(out, "diameter", padStack.holeDiameter);
            out += '\n';
            for (const ItemData& item : padStack.items) {
                AppendItem(out, "pad", item);
            }
        }
        for (const EntryData& pin : symbol.entries) {
            out += "entry = ";
            AppendText(out, pin.name, true);
            if (!pin.padStack.empty()) {
                out += " padstack=";
                AppendText(out, pin.padStack, true);
            }
            AppendInt(out, "x", pin.x);
            AppendInt(out, "y", pin.y);
            out += '\n';
        }
        for (const ItemData& item : symbol.items) {
            AppendItem(out, "item", item);
        }
    }
    return out;
}

} // namespace vxw
