#include "listgen/BoardCounters.h"

#include "listgen/ComponentLookup.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <vector>

namespace vxw {
namespace {

constexpr int kLayerMask = kBoardLayers - 1;

int SideLayer(int32_t layoutFlags) {
    return (layoutFlags & LayoutBottomSide) != 0 ? kBottomLayer : kTopLayer;
}

// Calls visit(record) for records 1..last of a trace. The kernel's records are contiguous, so
// the first one that cannot be read ends the trace; a bogus count cannot keep us reading.
template <typename Visit> void ReadTraceRecords(Kernel& kernel, int32_t trace, int32_t last, Visit visit) {
    for (int32_t index = 1; index <= last; ++index) {
        TraceSegmentRecord record;
        if (kernel.T_ReadRecord(trace, index, &record) <= 0) {
            return;
        }
        visit(record);
    }
}

} // namespace

double ConnectionTally::RoutedPercentage() const {
    if (total <= 0) {
        return 0.0;
    }
    return static_cast<double>(total - unrouted) * 100.0 / static_cast<double>(total);
}

BoardExtent BoardSize(Kernel& kernel) {
    const int64_t frameId = -(static_cast<int64_t>(kernel.DB_CurHier()) + kBoardFrameIdBase);
    if (frameId < std::numeric_limits<int32_t>::min()) {
        return {};
    }
    const int32_t symbol = kernel.S_Symbol(static_cast<int32_t>(frameId));
    FrameRect rect;
    if (symbol <= 0 || kernel.S_FrameSymbolItems(symbol, MaskFrameItem, &rect) <= 0) {
        return {};
    }
    return {static_cast<qint64>(rect.x2) - rect.x1, static_cast<qint64>(rect.y2) - rect.y1};
}

void ItemCounts(Kernel& kernel, BoardCounters& counters, ItemTallyKind kind, int sideLayer,
                int32_t itemArray) {
    if (itemArray <= 0) {
        return;
    }
    const int32_t count = kernel.OA_GetCount(itemArray);
    for (int32_t index = 1; index <= count; ++index) {
        ItemRecord item;
        if (kernel.I_ReadItem(kernel.OA_Object(itemArray, index), &item) <= 0 ||
            (item.flags & ItemCounted) == 0) {
            continue;
        }
        const int layer = ((item.layer & 0xFF) & kLayerMask) ^ (sideLayer & kLayerMask);
        for (LayerTally* row :
             {&counters.layers[static_cast<std::size_t>(layer)], &counters.layers[kLayerTotalsRow]}) {
            if (kind == ItemTallyKind::PadItems) {
                ++row->padItems;
            } else {
                ++row->copperItems;
            }
        }
    }
}

namespace {

// The pads of one component: what its package symbol holds, seen from the side it sits on.
void ComponentPads(Kernel& kernel, int32_t symbol, int side, BoardCounters& counters) {
    const int32_t entries = kernel.S_SymbolEntryArray(symbol);
    const int32_t entryCount = entries > 0 ? kernel.OA_GetCount(entries) : 0;
    counters.smdPads += std::max(entryCount, 0);
    const int32_t padStackMap = kernel.S_SymbolPadStackMap(symbol);
    for (int32_t index = 1; index <= entryCount; ++index) {
        EntryRecord entry;
        if (kernel.S_ReadEntry(symbol, index, &entry) <= 0) {
            continue;
        }
        const int32_t padStack = padStackMap > 0 ? kernel.OM_Object(padStackMap, entry.padStack) : 0;
        PadStackRecord record;
        if (padStack <= 0 || kernel.S_ReadPadStack(padStack, &record) <= 0) {
            continue;
        }
        if (record.holeDiameter > 0) {
            ++counters.pmdPads;
        }
        ItemCounts(kernel, counters, ItemTallyKind::PadItems, side, kernel.S_PadStackItemArray(padStack));
    }
}

} // namespace

void PadCounts(Kernel& kernel, BoardCounters& counters) {
    // Components of one package on one side have the same pads, and a large board has a
    // hundred thousand components of a few hundred packages: each package and side is counted
    // once and added for every component.
    std::unordered_map<uint64_t, BoardCounters> byPackageAndSide;
    WalkMap(kernel, kernel.DB_LayCompMap(), [&](int32_t id) {
        LayCompRecord component;
        if (kernel.L_ReadComponent(id, &component) <= 0) {
            return;
        }
        const int side = SideLayer(component.flags);
        const uint64_t key = (static_cast<uint64_t>(static_cast<uint32_t>(component.symbol)) << 32) |
                             static_cast<uint32_t>(side);
        auto [known, added] = byPackageAndSide.try_emplace(key);
        if (added) {
            ComponentPads(kernel, component.symbol, side, known->second);
        }
        const BoardCounters& pads = known->second;
        counters.smdPads += pads.smdPads;
        counters.pmdPads += pads.pmdPads;
        for (std::size_t layer = 0; layer < counters.layers.size(); ++layer) {
            counters.layers[layer].padItems += pads.layers[layer].padItems;
        }
    });
}

void TraceSegmentCount(Kernel& kernel, BoardCounters& counters) {
    WalkMap(kernel, kernel.DB_TraceMap(), [&](int32_t id) {
        TraceRecord trace;
        if (kernel.T_ReadTrace(id, &trace) <= 0) {
            return;
        }
        int layer = kTopLayer;
        ReadTraceRecords(kernel, id, trace.recordCount - 1, [&](const TraceSegmentRecord& record) {
            if ((record.flags & TraceRecordNoLayer) == 0) {
                layer = record.layer & kLayerMask;
            }
            ++counters.layers[static_cast<std::size_t>(layer)].traceSegments;
            ++counters.layers[kLayerTotalsRow].traceSegments;
        });
    });
}

int LayersUsed(Kernel& kernel) {
    std::array<bool, kBoardLayers> used{};
    WalkMap(kernel, kernel.DB_LayCompMap(), [&](int32_t id) {
        used[static_cast<std::size_t>(SideLayer(kernel.O_GetStatus(kernel.L_Component(id))))] = true;
    });
    WalkMap(kernel, kernel.DB_TraceMap(), [&](int32_t id) {
        TraceRecord trace;
        if (kernel.T_ReadTrace(id, &trace) <= 0) {
            return;
        }
        ReadTraceRecords(kernel, id, trace.recordCount, [&](const TraceSegmentRecord& record) {
            if ((record.flags & TraceRecordNoLayer) == 0) {
                used[static_cast<std::size_t>(record.layer & kLayerMask)] = true;
            }
        });
    });
    return static_cast<int>(std::count(used.begin(), used.end(), true));
}

ConnectionTally ConnectionCounts(Kernel& kernel) {
    ConnectionTally tally;
    // Whether a layout component can be read, asked once per component: a large board's nodes
    // name each component many times, and each read is a scattered one. Ids beyond the table
    // are asked every time.
    constexpr int32_t KnownIds = int32_t{1} << 24;
    std::vector<int8_t> readable; // by id: 0 not asked yet, 1 readable, -1 not
    auto componentReadable = [&](int32_t id) {
        if (id <= 0 || id >= KnownIds) {
            LayCompRecord component;
            return kernel.L_ReadComponent(id, &component) > 0;
        }
        if (static_cast<std::size_t>(id) >= readable.size()) {
            readable.resize(static_cast<std::size_t>(id) + 1 + readable.size() / 2, 0);
        }
        int8_t& known = readable[static_cast<std::size_t>(id)];
        if (known == 0) {
            LayCompRecord component;
            known = kernel.L_ReadComponent(id, &component) > 0 ? 1 : -1;
        }
        return known > 0;
    };
    WalkMap(kernel, kernel.DB_NetMap(), [&](int32_t net) {
        NetRecord record;
        if (kernel.N_ReadNet(net, &record) <= 0) {
            return;
        }
        WalkMap(kernel, kernel.N_NodeMap(net), [&](int32_t id) {
            NodeRecord node;
            if (kernel.N_ReadNode(id, &node) <= 0 || node.layComp == 0 || node.layPin == 0 ||
                !componentReadable(node.layComp)) {
                return;
            }
            ++tally.total;
            if ((node.flags & NodeLayoutConnected) == 0) {
                ++tally.unrouted;
            }
        });
    });
    return tally;
}

std::vector<uint32_t> BuriedViaKinds(Kernel& kernel) {
    std::vector<uint32_t> spans;
    WalkMap(kernel, kernel.DB_ViaMap(), [&](int32_t id) {
        ViaRecord via;
        if (kernel.V_ReadVia(id, &via) > 0 && via.span != ViaSpanThrough) {
            spans.push_back(static_cast<uint32_t>(via.span));
        }
    });
    std::sort(spans.begin(), spans.end());
    spans.erase(std::unique(spans.begin(), spans.end()), spans.end());
    return spans;
}

} // namespace vxw
