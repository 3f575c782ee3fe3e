#pragma once
// Which pads the board's copper connects. Pads, vias, track segments and arcs and the filled
// areas of zones are joined where one item's anchor (a pad's or via's centre, a track's ends)
// lies within another item of the same net on a shared copper layer, as KiCad's connectivity
// joins them. A pad counts as connected when its copper reaches another pad of its net, or
// when it is its net's only pad (nothing is left to route).

#include "kernel/kicad/KicadBoard.h"

#include <vector>

namespace vxw::kicad {

// connected[f][p] for pad p of footprint f; pads without a net are false.
std::vector<std::vector<bool>> PadConnections(const Board& board);

} // namespace vxw::kicad
