#pragma once
// Small reading steps shared by the KiCad board and schematic readers: lengths in database
// units, points, layer names, and text turned into the kernel's 8-bit names.

#include "kernel/kicad/KicadGeometry.h"
#include "kernel/kicad/SExpression.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vxw::kicad {

// KiCad writes lengths in millimetres; the kernel's database unit is 0.1 micrometre (10000 a
// millimetre, the suite's default unit scale). Both KiCad editors resolve lengths no finer.
constexpr double UnitsPerMm = 10000.0;
// Every length and coordinate read must lie within +-100 m: sums of two of them (a pad's edge
// from its centre, a frame's width) then still fit the kernel's 32-bit coordinates.
constexpr double MaxMillimetres = 100000.0;

// Reads a number of millimetres and answers database units, rounded to the nearest.
int64_t ReadLength(SExprReader& reader);
// Reads two lengths (x and y).
Point ReadPoint(SExprReader& reader);
// Reads an angle in degrees (any finite number).
double ReadAngle(SExprReader& reader);
// Reads "yes"/"no" (or "true"/"false").
bool ReadYesNo(SExprReader& reader);

// Walks the rest of the current list: calls onList(head) for each element that is a list, the
// reader standing after the head (whatever onList leaves of that list is skipped), and
// onAtom(text) for each plain value. Reads the current list's ")".
template <typename OnList, typename OnAtom>
void Children(SExprReader& reader, OnList&& onList, OnAtom&& onAtom) {
    while (reader.More()) {
        if (reader.Peek() != SExprReader::Token::Open) {
            onAtom(reader.Text());
            continue;
        }
        const std::string_view head = reader.Open();
        const int depth = reader.Depth();
        onList(head);
        while (reader.Depth() >= depth) {
            reader.SkipRest();
        }
    }
}
template <typename OnList> void Children(SExprReader& reader, OnList&& onList) {
    Children(reader, onList, [](std::string_view) {});
}

// The kernel's layer number of a copper layer name: F.Cu 0, In1.Cu .. In30.Cu 1..30, B.Cu 31;
// -1 for any other name. "*.Cu" and "F&B.Cu" answer -2 (every copper layer of the board).
int CopperLayer(std::string_view name);
constexpr int AllCopperLayers = -2;

// UTF-8 text as the kernel's 8-bit Latin-1: a character beyond U+00FF becomes '?', a byte
// that does not form UTF-8 is taken as Latin-1 as it stands, a NUL becomes a blank.
std::string Latin1(std::string_view utf8);
// The same for a name: control characters (tab aside) become blanks, since no list can show
// a line break inside a name.
std::string Latin1Name(std::string_view utf8);

} // namespace vxw::kicad
