#pragma once
// What the importer takes from one KiCad 6 schematic sheet file (".kicad_sch"): the library
// symbols it embeds (their pins), the placed symbols, sheet symbols with their pins, wires,
// junctions, labels, no-connect marks, the title block and, in a root sheet, the references
// of every symbol instance. Coordinates are database units in the sheet's axes (y downwards).

#include "kernel/kicad/KicadBoard.h"
#include "kernel/kicad/KicadGeometry.h"
#include "kernel/kicad/SExpression.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vxw::kicad {

constexpr int64_t NewestSchematicVersion = 20211123;

struct LibPin {
    std::string number; // UTF-8 as written
    std::string name;
    Point at;        // the connection point, in the library's axes (y upwards)
    int unit = 0;    // 0: common to every unit
    int convert = 0; // 0: both body styles
    bool hidden = false;
    bool powerIn = false;
};

struct LibSymbol {
    std::string name; // "Library:Name" (or the instance's lib_name)
    std::string extends;
    bool power = false;
    int unitCount = 1;
    std::vector<LibPin> pins;
};

struct PlacedSymbol {
    std::string libId;                       // as written
    std::string libName;                     // the lib_symbols entry when it differs from lib_id
    std::string reference, value, footprint; // the symbol's own fields (UTF-8)
    std::string uuid;
    Point at;
    int orientation = 0; // 0, 90, 180, 270
    char mirror = 0;     // 0, 'x' or 'y'
    int unit = 1;
    int convert = 1;
    bool onBoard = true;
    size_t offset = 0;

    // Where a library pin lands on the sheet.
    Point PinPosition(Point libraryPoint) const;
};

struct SheetPin {
    std::string name;
    Point at;
};

struct SheetSymbol {
    std::string name; // "Sheet name"
    std::string file; // "Sheet file", as written (relative to the project folder)
    std::string uuid;
    std::vector<SheetPin> pins;
    size_t offset = 0;
};

enum class LabelKind { Local, Global, Hierarchical };

struct Label {
    LabelKind kind = LabelKind::Local;
    std::string text;
    Point at;
};

struct Segment {
    Point a, b;
};

struct SymbolInstance {
    std::string path; // "/sheet-uuid/.../symbol-uuid"
    std::string reference;
    int unit = 1;
    std::string value, footprint;
    bool hasValue = false, hasFootprint = false;
};

struct Sheet {
    int64_t version = 0;
    std::string uuid;
    TitleBlock title;
    std::vector<LibSymbol> libSymbols;
    std::unordered_map<std::string, size_t> libIndex; // name -> position in libSymbols
    std::vector<PlacedSymbol> symbols;
    std::vector<SheetSymbol> sheets;
    std::vector<Segment> wires;
    std::vector<Point> junctions;
    std::vector<Point> noConnects;
    std::vector<Label> labels;
    std::vector<SymbolInstance> instances; // root sheets only

    // The library symbol a placed symbol draws on; nullptr when the file lacks it.
    const LibSymbol* LibraryOf(const PlacedSymbol& symbol) const;
};

// Reads the whole sheet from the reader, which stands before "(kicad_sch". Faults are thrown
// as SExprError.
Sheet ReadSheet(SExprReader& reader);

} // namespace vxw::kicad
