#pragma once
// Every field of the plain design and library data as text, one object a line, so that tests
// can compare whole structures and show a readable difference when they do not match.

#include "kernel/DesignData.h"
#include "kernel/LibraryFile.h"

#include <fstream>
#include <sstream>
#include <string>

namespace vxw::test {

// The first fenced block of the given language in a document of the docs folder.
inline std::string DocumentedExample(const std::string& document, const std::string& language) {
    std::ifstream in(std::string(LG_SOURCE_DIR) + "/docs/" + document);
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    const std::string fence = "```" + language + "\n";
    const size_t start = all.find(fence);
    if (start == std::string::npos) {
        return {};
    }
    const size_t end = all.find("```", start + fence.size());
    return all.substr(start + fence.size(), end - start - fence.size());
}

inline std::string Visible(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F) {
            static const char Hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += Hex[byte >> 4];
            out += Hex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

inline void Describe(std::ostream& out, const ItemData& i) {
    out << "    item " << i.kind << ' ' << i.flags << ' ' << i.mask << ' ' << i.layer << ' ' << i.x << ' '
        << i.y << ' ' << i.width << ' ' << i.gap << ' ' << i.dx << ' ' << i.dy << ' ' << i.rotation << ' '
        << i.diameter << ' ' << i.radius << ' ' << i.startAngle << ' ' << i.endAngle << ' ' << Visible(i.text)
        << '\n';
}

inline void Describe(std::ostream& out, const PadStackData& p) {
    out << "  padstack " << Visible(p.name) << ' ' << p.holeCategory << ' ' << p.holeDiameter << '\n';
    for (const ItemData& item : p.items) {
        Describe(out, item);
    }
}

inline void Describe(std::ostream& out, const SymbolData& s) {
    out << "symbol " << Visible(s.name) << ' ' << s.kind << ' ' << Visible(s.attributes) << '\n';
    for (const PadStackData& p : s.padStacks) {
        Describe(out, p);
    }
    for (const EntryData& e : s.entries) {
        out << "  entry " << Visible(e.name) << ' ' << Visible(e.padStack) << ' ' << e.x << ' ' << e.y
            << '\n';
    }
    for (const ItemData& item : s.items) {
        Describe(out, item);
    }
}

inline std::string Describe(const DesignData& d) {
    std::ostringstream out;
    out.precision(17);
    out << "design " << Visible(d.name) << '\n';
    for (size_t i = 0; i < d.layerNames.size(); ++i) {
        out << "layer " << i << ' ' << Visible(d.layerNames[i]) << '\n';
    }
    for (const DeviceData& v : d.devices) {
        out << "device " << Visible(v.name) << ' ' << v.kind << ' ' << v.status << ' '
            << Visible(v.attributes) << '\n';
    }
    for (const SymbolData& s : d.symbols) {
        Describe(out, s);
    }
    for (const PadStackData& p : d.padStacks) {
        Describe(out, p);
    }
    for (const CircuitData& c : d.circuits) {
        out << "circuit " << Visible(c.name) << " frame " << c.hasBoardFrame << ' ' << c.boardX1 << ' '
            << c.boardY1 << ' ' << c.boardX2 << ' ' << c.boardY2 << '\n';
        for (const PageData& p : c.pages) {
            out << "  page " << Visible(p.name) << '\n';
        }
        for (const SchCompData& s : c.schComps) {
            out << "  schComp " << Visible(s.name) << ' ' << s.page << ' ' << Visible(s.device) << ' '
                << Visible(s.symbol) << ' ' << s.packed << '\n';
            for (const ItemData& item : s.texts) {
                Describe(out, item);
            }
        }
        for (const LayCompData& l : c.layComps) {
            out << "  layComp " << Visible(l.name) << ' ' << Visible(l.device) << ' ' << l.specialPart << ' '
                << l.bottom << ' ' << Visible(l.symbol) << '\n';
        }
        for (const NetData& n : c.nets) {
            out << "  net " << Visible(n.name) << ' ' << n.flags << '\n';
            for (const NodeData& k : n.nodes) {
                out << "    node " << Visible(k.schComp) << ' ' << k.schEntry << ' ' << k.schConnected << ' '
                    << Visible(k.layComp) << ' ' << k.layPin << ' ' << k.layConnected << '\n';
            }
        }
        for (const TraceData& t : c.traces) {
            out << "  trace " << Visible(t.net) << '\n';
            for (const TraceSegmentData& r : t.records) {
                out << "    record " << r.flags << ' ' << r.layer << ' ' << r.width << ' ' << r.x << ' '
                    << r.y << '\n';
            }
        }
        for (const ViaData& v : c.vias) {
            out << "  via " << v.x << ' ' << v.y << ' ' << v.span << '\n';
        }
        for (const ItemData& item : c.boardItems) {
            Describe(out, item);
        }
    }
    for (const StreamData& s : d.streams) {
        out << "stream " << Visible(s.name) << ' ' << Visible(s.bytes) << '\n';
    }
    return out.str();
}

inline std::string Describe(const LibraryContents& contents) {
    std::ostringstream out;
    out.precision(17);
    out << "library " << static_cast<int>(contents.kind) << '\n';
    for (const LibraryEntry& e : contents.entries) {
        out << "entry " << Visible(e.name) << ' ' << Visible(e.second) << ' ' << Visible(e.attributes) << ' '
            << e.value << '\n';
        Describe(out, e.symbol);
    }
    return out.str();
}

} // namespace vxw::test
