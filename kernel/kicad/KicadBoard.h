#pragma once
// What the importer takes from a KiCad board file (".kicad_pcb", KiCad 6, and the KiCad 5
// s-expression board that KiCad 6 opens as well): layers, nets, footprints with their pads,
// tracks, vias, zones, copper graphics, the Edge.Cuts outline's box and the title block.
// Coordinates are database units in the board's own axes; layers are the kernel's numbers
// (F.Cu 0, In1.Cu..In30.Cu 1..30, B.Cu 31).

#include "kernel/kicad/KicadGeometry.h"
#include "kernel/kicad/SExpression.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vxw::kicad {

// The versions of the board format this reader knows: KiCad 5's s-expression board up to the
// last KiCad 6 one.
constexpr int64_t OldestBoardVersion = 20171130;
constexpr int64_t NewestBoardVersion = 20211014;

struct TitleBlock {
    std::string title, date, revision, company;
    std::vector<std::string> comments;
};

enum class PadKind { Smd, ThruHole, NpThruHole, Connect };
enum class PadShape { Circle, Rect, Oval, RoundRect, Trapezoid, Custom };

struct Pad {
    std::string number;
    PadKind kind = PadKind::Smd;
    PadShape shape = PadShape::Rect;
    Point local;                    // relative to the footprint, before its turn (as the file holds it)
    Point position;                 // on the board
    double angle = 0;               // the pad's own turn on the board (degrees)
    Point offset;                   // the copper's offset from the hole, in the pad's axes
    int64_t width = 0;              // size x
    int64_t height = 0;             // size y
    int64_t drillX = 0, drillY = 0; // 0: no hole
    bool slot = false;              // oval drill
    uint32_t copper = 0;            // copper layers, bit n for layer n
    int net = 0;                    // net code, 0 none
    Rect customBox;                 // a custom pad's primitives, in the pad's axes
};

struct Footprint {
    std::string libId;     // "Library:Name" as written
    std::string reference; // "R1"
    std::string value;
    std::string path; // the schematic symbol's path, empty for a board-only footprint
    std::string description;
    std::string type; // "SMD" or "THT" from its attributes, empty for neither
    bool bottom = false;
    bool boardOnly = false;
    Point position;
    double angle = 0;
    std::vector<Pad> pads;
    size_t offset = 0; // where it begins in the file
};

// A track segment or arc; an arc goes from start through mid to end.
struct Track {
    Point start, mid, end;
    int64_t width = 0;
    int layer = 0;
    int net = 0;
    bool arc = false;
};

enum class ViaKind { Through, BlindBuried, Micro };

struct Via {
    Point position;
    int64_t size = 0, drill = 0;
    int top = 0, bottom = 31; // the span's outer layers
    ViaKind kind = ViaKind::Through;
    int net = 0;
};

struct ZoneFill {
    int layer = 0;
    std::vector<Point> outline; // the filled island, holes joined in as KiCad writes them
};

struct Zone {
    int net = 0;
    uint32_t copper = 0; // copper layers the zone lies on
    bool keepout = false;
    std::vector<Point> outline;
    std::vector<ZoneFill> fills;
};

enum class ShapeKind { Line, Arc, Circle, Rect, Polygon };

// A drawn shape of the board (or of a footprint, placed on the board).
struct Shape {
    ShapeKind kind = ShapeKind::Line;
    Point start, mid, end;     // line: start-end; arc: start-mid-end; circle: centre start, a point end;
                               // rect: corners start and end
    std::vector<Point> points; // polygon
    int64_t width = 0;
    int layer = -1; // copper layer, -1 for others
    bool filled = false;
};

struct Board {
    int64_t version = 0;
    std::array<std::string, 32> copperNames;       // empty for a layer the board does not have
    uint32_t copperLayers = 0;                     // bit n: the board has copper layer n
    std::vector<std::pair<int, std::string>> nets; // code and name, as declared
    std::vector<Footprint> footprints;
    std::vector<Track> tracks;
    std::vector<Via> vias;
    std::vector<Zone> zones;
    std::vector<Shape> copperShapes; // board shapes on copper layers
    Rect edges;                      // box of the Edge.Cuts shapes (centre lines), board and footprints
    TitleBlock title;
};

// Reads the whole board from the reader, which stands before "(kicad_pcb". Faults are thrown
// as SExprError.
Board ReadBoard(SExprReader& reader);

// Reads a title block list (the reader having opened "title_block").
void ReadTitleBlock(SExprReader& reader, TitleBlock& title);

} // namespace vxw::kicad
