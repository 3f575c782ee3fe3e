#include "kernel/kicad/KicadRead.h"

#include <cmath>
#include <cstdio>

namespace vxw::kicad {

int64_t ReadLength(SExprReader& reader) {
    reader.Peek();
    const size_t offset = reader.TokenOffset();
    const double mm = reader.Number();
    if (std::fabs(mm) > MaxMillimetres) {
        char text[64];
        std::snprintf(text, sizeof text, "%g", mm);
        reader.Fail(offset, std::string("the length ") + text + " mm lies beyond 100 m");
    }
    return static_cast<int64_t>(std::llround(mm * UnitsPerMm));
}

Point ReadPoint(SExprReader& reader) {
    Point p;
    p.x = ReadLength(reader);
    p.y = ReadLength(reader);
    return p;
}

double ReadAngle(SExprReader& reader) {
    return reader.Number();
}

bool ReadYesNo(SExprReader& reader) {
    const std::string_view word = reader.Text();
    return word == "yes" || word == "true";
}

int CopperLayer(std::string_view name) {
    if (name == "F.Cu") {
        return 0;
    }
    if (name == "B.Cu") {
        return 31;
    }
    if (name == "*.Cu" || name == "F&B.Cu") {
        return AllCopperLayers;
    }
    if (name.size() >= 6 && name.substr(0, 2) == "In" && name.substr(name.size() - 3) == ".Cu") {
        const std::string_view digits = name.substr(2, name.size() - 5);
        if (digits.empty() || digits.size() > 2 || digits[0] == '0') {
            return -1;
        }
        int number = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9') {
                return -1;
            }
            number = number * 10 + (c - '0');
        }
        return number >= 1 && number <= 30 ? number : -1;
    }
    return -1;
}

std::string Latin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out.push_back(lead == 0 ? ' ' : static_cast<char>(lead)); // the kernel's texts end at a NUL
            ++i;
            continue;
        }
        int length = lead >= 0xF0 && lead <= 0xF4   ? 4
                     : lead >= 0xE0                 ? 3
                     : lead >= 0xC2 && lead <= 0xDF ? 2
                                                    : 0;
        if (lead > 0xF4) {
            length = 0;
        }
        uint32_t code = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool valid = length > 0 && i + static_cast<size_t>(length) <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            out.push_back(static_cast<char>(lead)); // not UTF-8: taken as Latin-1
            ++i;
            continue;
        }
        out.push_back(code <= 0xFF ? static_cast<char>(code) : '?');
        i += static_cast<size_t>(length);
    }
    return out;
}

std::string Latin1Name(std::string_view utf8) {
    std::string name = Latin1(utf8);
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
            c = ' ';
        }
    }
    return name;
}

} // namespace vxw::kicad
