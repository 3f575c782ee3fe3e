#pragma once
// The nets of one schematic sheet, found from its drawing: wires joined at their ends,
// junctions and labels joining the wires they sit on, pins and sheet pins joining what ends on
// them, labels of one name joined (local and hierarchical labels within the sheet, global
// labels and power pins by name), as KiCad 6 connects them. Buses are not followed.

#include "kernel/kicad/KicadSchematic.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vxw::kicad {

// One pin of a placed symbol, in the order the symbols stand in the sheet and, within a
// symbol, the order of its library's pins.
struct SheetPinRef {
    size_t symbol = 0; // position in Sheet::symbols
    size_t libPin = 0; // position in the library symbol's pins
    Point at;
    int net = -1;           // position in SheetNets::nets; -1 when the pin is in none
    bool connected = false; // joined to another pin, a sheet pin, a label or a power net
};

enum class NetClass { Unnamed, Named, Power };

struct SheetNet {
    std::string name; // UTF-8
    NetClass kind = NetClass::Unnamed;
    std::vector<size_t> pins;                         // positions in SheetNets::pins
    std::vector<std::pair<size_t, size_t>> sheetPins; // (sheet symbol, its pin)
};

struct SheetNets {
    std::vector<SheetPinRef> pins;
    std::vector<SheetNet> nets; // sorted by name
    // Pins per symbol: symbolPins[s] .. symbolPins[s + 1] in `pins`.
    std::vector<size_t> symbolPins;
};

// The pins of a placed symbol that its unit and body style show, as positions in its library
// symbol's pins (or its parent's, for a symbol that extends another).
std::vector<size_t> ShownPins(const Sheet& sheet, const PlacedSymbol& symbol, const LibSymbol*& library);

// `references[s]` is the reference shown for symbol s (used to name nets without a label).
SheetNets BuildSheetNets(const Sheet& sheet, const std::vector<std::string>& references);

} // namespace vxw::kicad
