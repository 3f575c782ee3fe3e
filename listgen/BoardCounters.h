#pragma once
// The figures of the board statistics: board size, pad counts, per-layer tallies of trace
// segments, pad items and copper items, used layers, connections and buried via kinds, each
// taken from the kernel for the current circuit.

#include "kernel/Kernel.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <vector>

namespace vxw {

inline constexpr int kBoardLayers = 32;
// The row of the layer table that holds the totals.
inline constexpr int kLayerTotalsRow = kBoardLayers;
inline constexpr int kTopLayer = 0;
inline constexpr int kBottomLayer = 31;
// The id of circuit c's board frame symbol is -(c + kBoardFrameIdBase).
inline constexpr int32_t kBoardFrameIdBase = 15000;

// What ItemCounts tallies.
enum class ItemTallyKind : int {
    PadItems = 0,
    CopperItems = 1,
};

struct LayerTally {
    qint64 traceSegments = 0;
    qint64 padItems = 0;
    qint64 copperItems = 0;
};

// Counters of one statistics run; a run starts from a fresh value.
struct BoardCounters {
    qint64 smdPads = 0; // every pad of every layout component
    qint64 pmdPads = 0; // the drilled ones among them
    qint64 vias = 0;
    qint64 layoutComponents = 0;
    // Layers 0..31, then the totals.
    std::array<LayerTally, kBoardLayers + 1> layers{};

    const LayerTally& Totals() const { return layers[kLayerTotalsRow]; }
};

// Width and height of the board in database units.
struct BoardExtent {
    qint64 width = 0;
    qint64 height = 0;
};

struct ConnectionTally {
    qint64 total = 0;
    qint64 unrouted = 0;

    // (total - unrouted) * 100 / total, 0 without connections.
    double RoutedPercentage() const;
};

// The extent of the current circuit's board frame (its frame items, mask 131072). No frame
// symbol or no frame item gives 0 x 0: a board never takes another circuit's size.
BoardExtent BoardSize(Kernel& kernel);

// Adds every pad of every readable layout component to smdPads, the drilled ones to pmdPads,
// and tallies the pad items of each pad's padstack on the component's side.
void PadCounts(Kernel& kernel, BoardCounters& counters);

// Tallies the counted items (flag 1) of `itemArray` by layer, each layer exclusive-or
// `sideLayer` so that the items of bottom-side components are mirrored.
void ItemCounts(Kernel& kernel, BoardCounters& counters, ItemTallyKind kind, int sideLayer,
                int32_t itemArray);

// Tallies the segments of every readable trace: a trace of n records has n - 1 segments; a
// record without a layer of its own keeps the layer of the segment before it.
void TraceSegmentCount(Kernel& kernel, BoardCounters& counters);

// The number of layers that carry a layout component (top or bottom) or a trace record.
int LayersUsed(Kernel& kernel);

// The nodes of every net that reach a pin of a readable layout component, and those among them
// that are not connected in the layout.
ConnectionTally ConnectionCounts(Kernel& kernel);

// The distinct layer spans of the vias that do not run through all layers, ascending (taken
// as unsigned bit sets, so a span with layer 31 comes last).
std::vector<uint32_t> BuriedViaKinds(Kernel& kernel);

} // namespace vxw
