// The in-memory kernel: building from DesignData, the database maps, current context and
// deletion. Walks and objects are in MemoryKernelMaps.cpp, records in MemoryKernelRecords.cpp,
// symbols and writes in MemoryKernelSymbols.cpp, streams and shared strings in
// MemoryKernelStreams.cpp, libraries in MemoryKernelLibraries.cpp.

#include "kernel/MemoryKernel.h"

#include "kernel/ItemGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace vxw {
namespace {

int32_t SymbolMask(int32_t kind) {
    switch (kind) {
    case SymbolSchematic:
        return MaskSchematicSymbol;
    case SymbolPackage:
        return MaskPackage;
    case SymbolPadstack:
        return MaskPadstackSymbol;
    default:
        return 0;
    }
}

bool IsDrawnKind(int32_t kind) {
    return kind == ItemLine || kind == ItemRectangle || kind == ItemCircle || kind == ItemArc;
}

bool IsTextKind(int32_t kind) {
    return kind == ItemText || kind == ItemValueText;
}

int32_t ToInt32(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

MemoryKernel::MemoryKernel() {
    CreateGlobals();
}

MemoryKernel::MemoryKernel(const DesignData& data) {
    // Nothing is changed when the data is not consumed.
    Build(const_cast<DesignData&>(data), false);
}

MemoryKernel::MemoryKernel(DesignData&& data) {
    Build(data, true);
}

void MemoryKernel::Build(DesignData& data, bool consume) {
    // Sizing the tables up front spares a large design repeated copying while it is built, and
    // the memory of a table that outgrows its guess and doubles. Objects and containers are
    // counted as the steps below make them.
    std::size_t objects = 0, containers = 0, items = 0;
    auto padStacks = [&](const std::vector<PadStackData>& list) {
        for (const PadStackData& padStack : list) {
            objects += 1;
            containers += 1;
            items += padStack.items.size();
        }
    };
    padStacks(data.padStacks);
    objects += data.devices.size() + data.streams.size();
    for (const SymbolData& symbol : data.symbols) {
        objects += 1 + symbol.entries.size();
        containers += 3;
        items += symbol.items.size();
        padStacks(symbol.padStacks);
    }
    std::size_t schComps = 0, layComps = 0, nets = 0, nodes = 0, traces = 0, traceRecords = 0, vias = 0;
    for (const CircuitData& circuit : data.circuits) {
        schComps += circuit.schComps.size();
        layComps += circuit.layComps.size();
        nets += circuit.nets.size();
        traces += circuit.traces.size();
        vias += circuit.vias.size();
        items += circuit.boardItems.size() + 1; // and the board frame's outline
        for (const NetData& net : circuit.nets) {
            nodes += net.nodes.size();
        }
        for (const TraceData& trace : circuit.traces) {
            traceRecords += trace.records.size();
        }
        for (const SchCompData& comp : circuit.schComps) {
            items += comp.texts.size();
        }
        objects += 2 + circuit.pages.size(); // the circuit and its board frame
        containers += 7 + 3 + circuit.schComps.size() + circuit.nets.size();
    }
    objects +=
        schComps + layComps + nets + nodes + traces + vias + items + 64; // 64: the global maps and layers
    store_.Reserve(objects + containers, containers);
    schComps_.reserve(schComps);
    layComps_.reserve(layComps);
    nets_.reserve(nets);
    nodes_.reserve(nodes);
    traces_.reserve(traces);
    traceRecords_.reserve(traceRecords);
    vias_.reserve(vias);
    items_.reserve(items);

    // Hierarchies come first so that their ids are 1..n in design order.
    std::vector<int32_t> hierarchyIds;
    hierarchyIds.reserve(data.circuits.size());
    for (const CircuitData& circuit : data.circuits) {
        const int32_t id =
            store_.NewObject(ObjectKind::Hierarchy, circuit.name, static_cast<uint32_t>(hierarchies_.size()));
        hierarchies_.emplace_back();
        hierarchyIds.push_back(id);
    }
    CreateGlobals();
    store_.Rename(database_, data.name);
    for (const int32_t id : hierarchyIds) {
        store_.Append(hierarchyMap_, id);
    }
    for (std::size_t i = 0; i < data.layerNames.size(); ++i) {
        if (!data.layerNames[i].empty()) {
            store_.Rename(store_.At(layerArray_, static_cast<int32_t>(i) + 1), data.layerNames[i]);
        }
    }
    for (const PadStackData& padStack : data.padStacks) {
        AddPadStack(padStack, padStackMap_);
    }
    // Ids in list order, for references that come with the position of what they name.
    References references;
    references.devices.reserve(data.devices.size());
    for (const DeviceData& device : data.devices) {
        const int32_t id =
            store_.NewObject(ObjectKind::Device, device.name, static_cast<uint32_t>(devices_.size()));
        devices_.push_back(StoredDevice{device.kind, device.status, store_.Intern(device.attributes)});
        store_.Append(deviceMap_, id);
        references.devices.push_back(id);
    }
    references.symbols.reserve(data.symbols.size());
    for (const SymbolData& symbol : data.symbols) {
        references.symbols.push_back(AddSymbol(symbol, symbol.kind, symbol.name));
    }
    for (const StreamData& stream : data.streams) {
        const int32_t id =
            store_.NewObject(ObjectKind::Stream, stream.name, static_cast<uint32_t>(streams_.size()));
        StoredStream stored;
        stored.bytes = stream.bytes.substr(0, MaxStreamBytes);
        streams_.push_back(std::move(stored));
        store_.Append(fileMap_, id);
    }
    for (std::size_t i = 0; i < data.circuits.size(); ++i) {
        AddCircuit(data.circuits[i], hierarchyIds[i], references, consume);
        if (consume) {
            data.circuits[i] = CircuitData{};
        }
    }
    if (!hierarchyIds.empty()) {
        DB_SetCurHier(hierarchyIds.front());
    }
}

MemoryKernel::~MemoryKernel() = default;

std::unique_ptr<MemoryKernel> MemoryKernel::FromData(const DesignData& data) {
    return std::make_unique<MemoryKernel>(data);
}

std::unique_ptr<MemoryKernel> MemoryKernel::FromData(DesignData&& data) {
    return std::make_unique<MemoryKernel>(std::move(data));
}

void MemoryKernel::CreateGlobals() {
    database_ = store_.NewObject(ObjectKind::Database, {}, 0);
    hierarchyMap_ = store_.NewContainer(ObjectKind::Hierarchy, false);
    symbolMap_ = store_.NewContainer(ObjectKind::Symbol, false);
    deviceMap_ = store_.NewContainer(ObjectKind::Device, false);
    padStackMap_ = store_.NewContainer(ObjectKind::PadStack, false);
    fileMap_ = store_.NewContainer(ObjectKind::Stream, false);
    layerArray_ = store_.NewContainer(ObjectKind::Layer, true);
    layoutTextArray_ = store_.NewContainer(ObjectKind::Item, true);
    emptyMap_ = store_.NewContainer(ObjectKind::Dead, false, true);
    dangling_ = store_.NewObject(ObjectKind::Dead, {}, 0);
    for (int layer = 0; layer < 32; ++layer) {
        store_.Append(layerArray_, store_.NewObject(ObjectKind::Layer, "Layer " + std::to_string(layer), 0));
    }
}

int32_t MemoryKernel::Resolve(int32_t map, const std::string& name) {
    if (name.empty()) {
        return 0;
    }
    const int32_t id = store_.FindFirst(map, name);
    return id > 0 ? id : dangling_;
}

int32_t MemoryKernel::Resolve(int32_t map, const std::string& name, int32_t position,
                              const std::vector<int32_t>& ids) {
    if (position > 0 && static_cast<std::size_t>(position) <= ids.size() && ids[position - 1] > 0) {
        return ids[static_cast<std::size_t>(position - 1)];
    }
    return Resolve(map, name);
}

int32_t MemoryKernel::NewItem(const ItemRecord& record, std::string_view text) {
    ItemRecord stored = record;
    if (IsDrawnKind(stored.kind)) {
        stored.mask |= MaskDrawnItem;
    }
    const char* interned = store_.Intern(text);
    stored.text = (IsTextKind(stored.kind) || *interned) ? interned : nullptr;
    const int32_t id =
        store_.NewObject(ObjectKind::Item, {}, static_cast<uint32_t>(items_.size()), stored.mask);
    if (id > 0) {
        items_.push_back(stored);
    }
    return id;
}

int32_t MemoryKernel::AddItem(const ItemData& item, int32_t container) {
    const int32_t id = NewItem(ItemRecordOf(item), item.text);
    store_.Append(container, id);
    return id;
}

int32_t MemoryKernel::AddPadStack(const PadStackData& padStack, int32_t container) {
    const int32_t items = store_.NewContainer(ObjectKind::Item, true);
    const int32_t id =
        store_.NewObject(ObjectKind::PadStack, padStack.name, static_cast<uint32_t>(padStacks_.size()));
    if (id <= 0) {
        return 0;
    }
    padStacks_.push_back(StoredPadStack{padStack.holeCategory, padStack.holeDiameter, items});
    for (const ItemData& item : padStack.items) {
        AddItem(item, items);
    }
    store_.Append(container, id);
    return id;
}

int32_t MemoryKernel::CopyPadStack(int32_t padStack, int32_t container) {
    const ObjectHeader* header = store_.Find(padStack, ObjectKind::PadStack);
    if (!header) {
        return 0;
    }
    // New objects move the table `header` points into: copy what is needed first.
    const StoredPadStack source = padStacks_[header->data];
    const std::string name(header->name, header->nameLength);
    const int32_t mask = header->mask;
    const int32_t items = store_.NewContainer(ObjectKind::Item, true);
    const int32_t id =
        store_.NewObject(ObjectKind::PadStack, name, static_cast<uint32_t>(padStacks_.size()), mask);
    if (id <= 0) {
        return 0;
    }
    padStacks_.push_back(StoredPadStack{source.holeCategory, source.holeDiameter, items});
    for (int32_t i = 1; i <= OA_GetCount(source.items); ++i) {
        const int32_t item = store_.At(source.items, i);
        if (const ObjectHeader* itemHeader = store_.Find(item, ObjectKind::Item)) {
            const ItemRecord& record = items_[itemHeader->data];
            store_.Append(items, NewItem(record, record.text ? record.text : ""));
        }
    }
    store_.Append(container, id);
    return id;
}

int32_t MemoryKernel::NewSymbol(std::string_view name, int32_t kind, std::string_view attributes) {
    StoredSymbol symbol;
    symbol.kind = kind;
    symbol.attributes = store_.Intern(attributes);
    symbol.entries = store_.NewContainer(ObjectKind::Entry, true);
    symbol.items = store_.NewContainer(ObjectKind::Item, true);
    symbol.padStacks = store_.NewContainer(ObjectKind::PadStack, false);
    const int32_t id =
        store_.NewObject(ObjectKind::Symbol, name, static_cast<uint32_t>(symbols_.size()), SymbolMask(kind));
    if (id > 0) {
        symbols_.push_back(symbol);
    }
    return id;
}

int32_t MemoryKernel::AddSymbol(const SymbolData& data, int32_t kind, std::string_view name) {
    const int32_t id = NewSymbol(name, kind, data.attributes);
    if (id <= 0) {
        return 0;
    }
    store_.Append(symbolMap_, id);
    const StoredSymbol symbol = symbols_[store_.Find(id)->data];
    store_.ReserveCells(symbol.entries, data.entries.size());
    store_.ReserveCells(symbol.items, data.items.size());
    for (const PadStackData& padStack : data.padStacks) {
        AddPadStack(padStack, symbol.padStacks);
    }
    for (std::size_t i = 0; i < data.entries.size(); ++i) {
        const EntryData& entry = data.entries[i];
        int32_t padStack = 0;
        if (!entry.padStack.empty()) {
            padStack = store_.FindFirst(symbol.padStacks, entry.padStack);
            if (padStack <= 0) {
                // A padstack of the design's own list is copied into the symbol the first time an
                // entry names it; later entries find the copy.
                const int32_t global = store_.FindFirst(padStackMap_, entry.padStack);
                padStack = global > 0 ? CopyPadStack(global, symbol.padStacks) : 0;
            }
            if (padStack <= 0) {
                padStack = dangling_;
            }
        }
        const int32_t entryId =
            store_.NewObject(ObjectKind::Entry, entry.name, static_cast<uint32_t>(entries_.size()));
        entries_.push_back(StoredEntry{static_cast<int32_t>(i + 1), padStack, entry.x, entry.y});
        store_.Append(symbol.entries, entryId);
    }
    for (const ItemData& item : data.items) {
        AddItem(item, symbol.items);
    }
    return id;
}

namespace {

// Gives back the memory of data the kernel has taken in, when the caller handed it over.
template <typename T> void Release(bool consume, T& data) {
    if (consume) {
        T().swap(data);
    }
}

// Hands the pages freed by a section of many small objects back to the system, so that the
// kernel's own tables, which grow meanwhile, do not add to what the data took.
void ReturnFreedMemory(bool consume) {
#ifdef __GLIBC__
    if (consume) {
        malloc_trim(0);
    }
#endif
}

} // namespace

void MemoryKernel::AddCircuit(CircuitData& circuit, int32_t hierarchy, const References& references,
                              bool consume) {
    StoredHierarchy stored;
    stored.pages = store_.NewContainer(ObjectKind::Page, false);
    stored.schComps = store_.NewContainer(ObjectKind::SchComp, false);
    stored.layComps = store_.NewContainer(ObjectKind::LayComp, false);
    stored.nets = store_.NewContainer(ObjectKind::Net, false);
    stored.traces = store_.NewContainer(ObjectKind::Trace, false);
    stored.vias = store_.NewContainer(ObjectKind::Via, false);
    store_.ReserveCells(stored.schComps, circuit.schComps.size());
    store_.ReserveCells(stored.layComps, circuit.layComps.size());
    store_.ReserveCells(stored.nets, circuit.nets.size());
    store_.ReserveCells(stored.traces, circuit.traces.size());
    store_.ReserveCells(stored.vias, circuit.vias.size());
    stored.boardItems = store_.NewContainer(ObjectKind::Item, true);

    std::vector<int32_t> pageIds;
    pageIds.reserve(circuit.pages.size());
    for (const PageData& page : circuit.pages) {
        const int32_t id =
            store_.NewObject(ObjectKind::Page, page.name, static_cast<uint32_t>(pageHierarchy_.size()));
        pageHierarchy_.push_back(hierarchy);
        store_.Append(stored.pages, id);
        pageIds.push_back(id);
    }
    stored.currentPage = pageIds.empty() ? 0 : pageIds.front();

    std::vector<int32_t> schCompIds;
    schCompIds.reserve(circuit.schComps.size());
    for (const SchCompData& comp : circuit.schComps) {
        StoredSchComp data;
        data.page = comp.page >= 0 && static_cast<std::size_t>(comp.page) < pageIds.size()
                        ? pageIds[static_cast<std::size_t>(comp.page)]
                        : dangling_;
        data.symbol = Resolve(symbolMap_, comp.symbol, comp.symbolRef, references.symbols);
        data.device = Resolve(deviceMap_, comp.device, comp.deviceRef, references.devices);
        data.packed = comp.packed;
        data.texts = store_.NewContainer(ObjectKind::Item, true);
        for (const ItemData& text : comp.texts) {
            AddItem(text, data.texts);
        }
        const int32_t id =
            store_.NewObject(ObjectKind::SchComp, comp.name, static_cast<uint32_t>(schComps_.size()));
        schComps_.push_back(data);
        store_.Append(stored.schComps, id);
        schCompIds.push_back(id);
    }
    Release(consume, circuit.schComps);
    ReturnFreedMemory(consume);

    std::vector<int32_t> layCompIds;
    layCompIds.reserve(circuit.layComps.size());
    for (const LayCompData& comp : circuit.layComps) {
        StoredLayComp data;
        data.flags = comp.bottom ? LayoutBottomSide : 0;
        data.symbol = Resolve(symbolMap_, comp.symbol, comp.symbolRef, references.symbols);
        data.device = Resolve(deviceMap_, comp.device, comp.deviceRef, references.devices);
        data.specialPart = comp.specialPart ? 1 : 0;
        const int32_t id =
            store_.NewObject(ObjectKind::LayComp, comp.name, static_cast<uint32_t>(layComps_.size()));
        layComps_.push_back(data);
        store_.Append(stored.layComps, id);
        layCompIds.push_back(id);
    }
    Release(consume, circuit.layComps);
    ReturnFreedMemory(consume);

    std::vector<int32_t> netIds;
    netIds.reserve(circuit.nets.size());
    for (NetData& net : circuit.nets) {
        const int32_t nodes = store_.NewContainer(ObjectKind::Node, false);
        store_.ReserveCells(nodes, net.nodes.size());
        for (const NodeData& node : net.nodes) {
            NodeRecord record;
            record.flags = (node.schConnected ? NodeSchematicConnected : 0) |
                           (node.layConnected ? NodeLayoutConnected : 0);
            record.schComp = Resolve(stored.schComps, node.schComp, node.schCompRef, schCompIds);
            record.schEntry = node.schEntry;
            record.layComp = Resolve(stored.layComps, node.layComp, node.layCompRef, layCompIds);
            record.layPin = node.layPin;
            const int32_t id = store_.NewObject(ObjectKind::Node, {}, static_cast<uint32_t>(nodes_.size()));
            nodes_.push_back(record);
            store_.Append(nodes, id);
        }
        const int32_t id = store_.NewObject(ObjectKind::Net, net.name, static_cast<uint32_t>(nets_.size()));
        nets_.push_back(StoredNet{net.flags, nodes});
        store_.Append(stored.nets, id);
        netIds.push_back(id);
        Release(consume, net.nodes);
    }
    ReturnFreedMemory(consume);

    for (TraceData& trace : circuit.traces) {
        StoredTrace data;
        data.net = Resolve(stored.nets, trace.net, trace.netRef, netIds);
        data.first = traceRecords_.size();
        // A trace counts at most what a record's count can say; no design file can hold more.
        const std::size_t count =
            std::min<std::size_t>(trace.records.size(), std::numeric_limits<int32_t>::max());
        data.count = static_cast<int32_t>(count);
        for (std::size_t i = 0; i < count; ++i) {
            const TraceSegmentData& segment = trace.records[i];
            traceRecords_.push_back(
                TraceSegmentRecord{segment.flags, segment.width, segment.layer, segment.x, segment.y});
        }
        const int32_t id = store_.NewObject(ObjectKind::Trace, {}, static_cast<uint32_t>(traces_.size()));
        traces_.push_back(std::move(data));
        store_.Append(stored.traces, id);
        Release(consume, trace.records);
    }
    ReturnFreedMemory(consume);

    for (const ViaData& via : circuit.vias) {
        const int32_t id = store_.NewObject(ObjectKind::Via, {}, static_cast<uint32_t>(vias_.size()));
        vias_.push_back(ViaRecord{0, via.x, via.y, via.span, 0});
        store_.Append(stored.vias, id);
    }

    for (const ItemData& item : circuit.boardItems) {
        AddItem(item, stored.boardItems);
    }

    if (circuit.hasBoardFrame) {
        // The frame is reached through its own id, never by a walk: it belongs to the symbol map
        // (OM_Object answers it) without a slot in it.
        stored.frame = NewSymbol("BOARD FRAME", SymbolBoardFrame, {});
        if (ObjectHeader* header = store_.Find(stored.frame)) {
            header->owner = symbolMap_;
            header->position = -1;
            const int64_t left = std::min(circuit.boardX1, circuit.boardX2);
            const int64_t bottom = std::min(circuit.boardY1, circuit.boardY2);
            const int64_t width = std::llabs(static_cast<int64_t>(circuit.boardX2) - circuit.boardX1);
            const int64_t height = std::llabs(static_cast<int64_t>(circuit.boardY2) - circuit.boardY1);
            ItemRecord outline;
            outline.kind = ItemRectangle;
            outline.mask = MaskFrameItem;
            outline.dx = ToInt32(width);
            outline.dy = ToInt32(height);
            outline.x = ToInt32(left + outline.dx / 2);
            outline.y = ToInt32(bottom + outline.dy / 2);
            // NewItem grows the object table, which moves `header`: take what is needed first.
            const uint32_t symbolIndex = header->data;
            const int32_t item = NewItem(outline, {});
            store_.Append(symbols_[symbolIndex].items, item);
        }
    }
    hierarchies_[store_.Find(hierarchy)->data] = stored;
}

// --- Database maps and context ---

int32_t MemoryKernel::DB_HierarchyMap() {
    return hierarchyMap_;
}
int32_t MemoryKernel::DB_PageMap() {
    return PageLevel(&StoredHierarchy::pages);
}
int32_t MemoryKernel::DB_SchCompMap() {
    return PageLevel(&StoredHierarchy::schComps);
}
int32_t MemoryKernel::DB_LayCompMap() {
    return PageLevel(&StoredHierarchy::layComps);
}
int32_t MemoryKernel::DB_NetMap() {
    return PageLevel(&StoredHierarchy::nets);
}
int32_t MemoryKernel::DB_SymbMap() {
    return symbolMap_;
}
int32_t MemoryKernel::DB_DeviceMap() {
    return deviceMap_;
}
int32_t MemoryKernel::DB_PadStackMap() {
    return padStackMap_;
}
int32_t MemoryKernel::DB_TraceMap() {
    return PageLevel(&StoredHierarchy::traces);
}
int32_t MemoryKernel::DB_ViaMap() {
    return PageLevel(&StoredHierarchy::vias);
}
int32_t MemoryKernel::DB_FileMap() {
    return fileMap_;
}
int32_t MemoryKernel::DB_LayerArray() {
    return layerArray_;
}
int32_t MemoryKernel::DB_LayoutTextArray() {
    return layoutTextArray_;
}
int32_t MemoryKernel::DB_DataBase() {
    return database_;
}

MemoryKernel::StoredHierarchy* MemoryKernel::Hierarchy(int32_t id) {
    const ObjectHeader* header = store_.Find(id, ObjectKind::Hierarchy);
    return header ? &hierarchies_[header->data] : nullptr;
}

MemoryKernel::StoredHierarchy* MemoryKernel::CurrentHierarchy() {
    return Hierarchy(currentHierarchy_);
}

int32_t MemoryKernel::PageLevel(int32_t StoredHierarchy::*member) {
    StoredHierarchy* hierarchy = CurrentHierarchy();
    return hierarchy ? hierarchy->*member : emptyMap_;
}

int32_t MemoryKernel::DB_CurHier() {
    return CurrentHierarchy() ? currentHierarchy_ : 0;
}

int32_t MemoryKernel::DB_CurPage() {
    StoredHierarchy* hierarchy = CurrentHierarchy();
    if (!hierarchy) {
        return 0;
    }
    const ObjectHeader* page = store_.Find(hierarchy->currentPage, ObjectKind::Page);
    return page && page->owner == hierarchy->pages ? hierarchy->currentPage : 0;
}

int32_t MemoryKernel::DB_SetCurHier(int32_t id) {
    StoredHierarchy* hierarchy = Hierarchy(id);
    if (!hierarchy) {
        currentHierarchy_ = 0;
        return 0;
    }
    currentHierarchy_ = id;
    // Each hierarchy keeps the page last made current in it; without one, its first page.
    const ObjectHeader* page = store_.Find(hierarchy->currentPage, ObjectKind::Page);
    if (!page || page->owner != hierarchy->pages) {
        int32_t cursor = 1;
        hierarchy->currentPage = store_.Next(hierarchy->pages, &cursor, 0, 0);
    }
    return id;
}

int32_t MemoryKernel::DB_SetCurPage(int32_t id) {
    StoredHierarchy* hierarchy = CurrentHierarchy();
    if (!hierarchy) {
        return 0;
    }
    const ObjectHeader* page = store_.Find(id, ObjectKind::Page);
    if (!page || page->owner != hierarchy->pages) {
        hierarchy->currentPage = 0;
        return 0;
    }
    hierarchy->currentPage = id;
    return id;
}

// --- Deleting ---

void MemoryKernel::Destroy(int32_t id) {
    const ObjectHeader* header = store_.Find(id);
    if (!header) {
        return;
    }
    const uint32_t data = header->data;
    switch (header->kind) {
    case ObjectKind::Hierarchy: {
        const StoredHierarchy stored = hierarchies_[data];
        for (const int32_t owned : {stored.pages, stored.schComps, stored.layComps, stored.nets,
                                    stored.traces, stored.vias, stored.boardItems, stored.frame}) {
            Destroy(owned);
        }
        if (currentHierarchy_ == id) {
            currentHierarchy_ = 0;
        }
        break;
    }
    case ObjectKind::SchComp:
        Destroy(schComps_[data].texts);
        break;
    case ObjectKind::Net:
        Destroy(nets_[data].nodes);
        break;
    case ObjectKind::Symbol: {
        const StoredSymbol stored = symbols_[data];
        Destroy(stored.entries);
        Destroy(stored.items);
        Destroy(stored.padStacks);
        break;
    }
    case ObjectKind::PadStack:
        Destroy(padStacks_[data].items);
        break;
    case ObjectKind::Trace:
        // The records stay in the shared table; the trace no longer reaches them.
        traces_[data].count = 0;
        break;
    case ObjectKind::Stream:
        streams_[data] = {};
        break;
    case ObjectKind::Container: {
        const ObjectContainer* container = store_.Container(id);
        const std::vector<int32_t> members = container->cells;
        for (const int32_t member : members) {
            if (ObjectHeader* memberHeader = store_.Find(member)) {
                // Let go of the member first so that destroying it leaves the cells alone.
                memberHeader->owner = 0;
                memberHeader->position = -1;
                Destroy(member);
            }
        }
        break;
    }
    default:
        break;
    }
    store_.Kill(id);
}

} // namespace vxw
