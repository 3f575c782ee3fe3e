#pragma once
// The in-memory design database: a Kernel built from a DesignData (or empty), holding every
// object in one id-indexed table with name indexes per map. See docs/kernel.md for the rules
// it keeps (ids, current context, walks, streams, library cache).

#include "kernel/DesignData.h"
#include "kernel/Kernel.h"
#include "kernel/KernelStore.h"
#include "kernel/LibraryCache.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vxw {

class MemoryKernel : public Kernel {
public:
    // An empty design: no hierarchies, no symbols, no streams.
    MemoryKernel();
    explicit MemoryKernel(const DesignData& data);
    // Takes the data over and gives back its memory part by part as the kernel is built, so a
    // large design is not held twice.
    explicit MemoryKernel(DesignData&& data);
    ~MemoryKernel() override;
    MemoryKernel(const MemoryKernel&) = delete;
    MemoryKernel& operator=(const MemoryKernel&) = delete;

    static std::unique_ptr<MemoryKernel> FromData(const DesignData& data);
    static std::unique_ptr<MemoryKernel> FromData(DesignData&& data);

    // The id -(circuit + 15000) that stands for the board frame symbol of a circuit.
    static constexpr int32_t FrameSymbolId(int32_t circuit) { return -(circuit + FrameIdBase); }
    static constexpr int32_t FrameIdBase = 15000;
    // Streams never grow beyond this (writes that would are refused).
    static constexpr std::size_t MaxStreamBytes = std::size_t{256} * 1024 * 1024;

    int32_t DB_HierarchyMap() override;
    int32_t DB_PageMap() override;
    int32_t DB_SchCompMap() override;
    int32_t DB_LayCompMap() override;
    int32_t DB_NetMap() override;
    int32_t DB_SymbMap() override;
    int32_t DB_DeviceMap() override;
    int32_t DB_PadStackMap() override;
    int32_t DB_TraceMap() override;
    int32_t DB_ViaMap() override;
    int32_t DB_FileMap() override;
    int32_t DB_LayerArray() override;
    int32_t DB_LayoutTextArray() override;
    int32_t DB_DataBase() override;

    int32_t DB_CurHier() override;
    int32_t DB_CurPage() override;
    int32_t DB_SetCurHier(int32_t id) override;
    int32_t DB_SetCurPage(int32_t id) override;

    int32_t OM_GetFirst(int32_t map) override;
    int32_t OM_SearchMask(int32_t map, int32_t* cursor, int32_t values, int32_t bits) override;
    int32_t OM_SearchNameMask(int32_t map, int32_t* cursor, const char* name, int32_t mask) override;
    int32_t OM_GetCount(int32_t map) override;
    int32_t OM_FindName(int32_t map, const char* name) override;
    int32_t OM_FindNameMask(int32_t map, const char* name) override;
    int32_t OM_Object(int32_t map, int32_t id) override;
    int32_t OM_MaskAll(int32_t map, int32_t values, int32_t bits) override;
    int32_t OM_Delete(int32_t map, int32_t id) override;

    const char* O_GetName(int32_t object) override;
    int32_t O_GetStatus(int32_t object) override;
    int32_t O_Mask(int32_t object, int32_t values, int32_t bits) override;
    int32_t O_Rename(int32_t object, const char* name) override;
    int32_t O_TestPage(int32_t object, int32_t page) override;

    int32_t C_ReadComponent(int32_t id, SchCompRecord* record) override;
    int32_t C_Component(int32_t id) override;
    int32_t C_CompTextArray(int32_t id) override;
    int32_t C_CompText(int32_t array, int32_t index) override;

    int32_t L_ReadComponent(int32_t id, LayCompRecord* record) override;
    int32_t L_Component(int32_t id) override;

    int32_t N_ReadNet(int32_t id, NetRecord* record) override;
    int32_t N_NodeMap(int32_t net) override;
    int32_t N_ReadNode(int32_t id, NodeRecord* record) override;

    int32_t D_ReadDevice(int32_t id, DeviceRecord* record) override;
    int32_t D_Device(int32_t id) override;

    int32_t S_Symbol(int32_t id) override;
    int32_t S_Symbol(const char* name) override;
    int32_t S_ReadSymbol(int32_t symbol, SymbolRecord* record) override;
    int32_t S_ReadEntry(int32_t symbol, int32_t entry, EntryRecord* record) override;
    int32_t S_SymbolEntryArray(int32_t symbol) override;
    int32_t S_SymbolItemArray(int32_t symbol) override;
    int32_t S_SymbolItem(int32_t array, int32_t index) override;
    int32_t S_SymbolPadStackMap(int32_t symbol) override;
    int32_t S_ReadPadStack(int32_t padStack, PadStackRecord* record) override;
    int32_t S_PadStackItemArray(int32_t padStack) override;
    int32_t S_FrameSymbolItems(int32_t symbol, int32_t mask, FrameRect* rect) override;

    int32_t S_CreateSymbol(const char* name, int32_t kind) override;
    int32_t S_MakePadStack(int32_t symbol, const char* name) override;
    int32_t S_ChangePadStackHole(int32_t padStack, int32_t category, int32_t diameter) override;
    int32_t S_LoadSymbol(int32_t library, const char* name) override;
    int32_t I_MakeItem(const ItemRecord* record) override;
    int32_t I_MakeText(const ItemRecord* record, const char* text) override;
    int32_t OA_Add(int32_t array, int32_t item) override;

    int32_t T_ReadTrace(int32_t id, TraceRecord* record) override;
    int32_t T_ReadRecord(int32_t trace, int32_t index, TraceSegmentRecord* record) override;
    int32_t V_ReadVia(int32_t id, ViaRecord* record) override;

    int32_t I_ReadItem(int32_t item, ItemRecord* record) override;
    int32_t OA_GetCount(int32_t array) override;
    int32_t OA_Object(int32_t array, int32_t index) override;
    int32_t OA_SearchMask(int32_t array, int32_t value, int32_t bits) override;
    int32_t IA_SearchMaskLink(int32_t array, int32_t value, int32_t bits) override;

    int32_t F_Seek(int32_t stream, int32_t offset, int32_t origin) override;
    int32_t F_GetLength(int32_t stream) override;
    int32_t F_Read(int32_t stream, void* buffer, int32_t length) override;
    int32_t F_Write(int32_t stream, const void* buffer, int32_t length) override;
    int32_t F_CreateFile(const char* name) override;

    int32_t E_OpenLibrary(const char* path, const char* tag, int32_t mode) override;
    int32_t E_OpenLibToRead(int32_t library, const char* name) override;
    int32_t E_CloseLibrary(int32_t library) override;
    int32_t E_GetPartInfo(const char* path, int32_t count, PartInfo* first) override;
    int32_t E_GetSymbolInfo(const char* path, int32_t count, SymbolInfo* first) override;

    const char* E_GetString(const char* key) override;
    int32_t E_SetString(const char* key, const char* value) override;

    double G_AngleAdj(double degrees) override;

    // The cache of parsed library files (shared by every library call of this kernel).
    LibraryCache& Libraries() { return libraries_; }

private:
    struct StoredHierarchy {
        int32_t pages = 0, schComps = 0, layComps = 0, nets = 0, traces = 0, vias = 0, boardItems = 0;
        int32_t frame = 0;       // board frame symbol handle, 0 none
        int32_t currentPage = 0; // the page last made current in this hierarchy
    };
    struct StoredSchComp {
        int32_t page = 0, symbol = 0, device = 0, texts = 0;
        bool packed = false;
    };
    struct StoredLayComp {
        int32_t flags = 0, symbol = 0, device = 0, specialPart = 0;
    };
    struct StoredNet {
        int32_t flags = 0, nodes = 0;
    };
    struct StoredDevice {
        int32_t kind = 0, status = 0;
        const char* attributes = "";
    };
    struct StoredSymbol {
        int32_t kind = 0;
        const char* attributes = "";
        int32_t entries = 0, items = 0, padStacks = 0;
    };
    struct StoredEntry {
        int32_t number = 0, padStack = 0, x = 0, y = 0;
    };
    struct StoredPadStack {
        int32_t holeCategory = 0, holeDiameter = 0, items = 0;
    };
    // The records of every trace lie in one table, each trace's in a run of its own.
    struct StoredTrace {
        int32_t flags = 0, net = 0;
        std::size_t first = 0; // into traceRecords_
        int32_t count = 0;
    };
    struct StoredStream {
        std::string bytes;
        int32_t position = 0;
    };
    struct OpenLibrary {
        std::shared_ptr<const ParsedLibrary> library;
        int32_t lastRead = -1; // entry index last opened to read, -1 none
    };

    // Building.
    struct References {
        std::vector<int32_t> devices, symbols; // ids in the data's list order
    };
    void Build(DesignData& data, bool consume);
    void CreateGlobals();
    void AddCircuit(CircuitData& circuit, int32_t hierarchy, const References& references, bool consume);
    int32_t AddItem(const ItemData& item, int32_t container);
    int32_t NewItem(const ItemRecord& record, std::string_view text);
    int32_t AddPadStack(const PadStackData& padStack, int32_t container);
    int32_t CopyPadStack(int32_t padStack, int32_t container);
    int32_t AddSymbol(const SymbolData& symbol, int32_t kind, std::string_view name);
    int32_t NewSymbol(std::string_view name, int32_t kind, std::string_view attributes);
    int32_t Resolve(int32_t map, const std::string& name);
    // The id at a 1-based position of `ids` when the reference carries one, else by name.
    int32_t Resolve(int32_t map, const std::string& name, int32_t position, const std::vector<int32_t>& ids);

    // Reading.
    StoredHierarchy* Hierarchy(int32_t id);
    StoredHierarchy* CurrentHierarchy();
    int32_t PageLevel(int32_t StoredHierarchy::*member);
    int32_t SymbolHandle(int32_t id); // plain ids and board frame ids
    StoredSymbol* Symbol(int32_t handle);
    StoredStream* Stream(int32_t id);
    int32_t SearchArray(int32_t array, int32_t value, int32_t bits);

    // Deleting: releases what the object owns, then the object.
    void Destroy(int32_t id);

    KernelStore store_;
    std::vector<StoredHierarchy> hierarchies_;
    std::vector<int32_t> pageHierarchy_; // page data -> hierarchy id
    LargeVector<StoredSchComp> schComps_;
    LargeVector<StoredLayComp> layComps_;
    LargeVector<StoredNet> nets_;
    LargeVector<NodeRecord> nodes_;
    std::vector<StoredDevice> devices_;
    std::vector<StoredSymbol> symbols_;
    std::vector<StoredEntry> entries_;
    std::vector<StoredPadStack> padStacks_;
    LargeVector<ItemRecord> items_;
    LargeVector<StoredTrace> traces_;
    LargeVector<TraceSegmentRecord> traceRecords_;
    LargeVector<ViaRecord> vias_;
    std::vector<StoredStream> streams_;

    int32_t database_ = 0;
    int32_t hierarchyMap_ = 0, symbolMap_ = 0, deviceMap_ = 0, padStackMap_ = 0, fileMap_ = 0;
    int32_t layerArray_ = 0, layoutTextArray_ = 0;
    int32_t emptyMap_ = 0; // answered for page-level maps when there is no current hierarchy
    int32_t dangling_ = 0; // what unresolved references point at: an id no reader accepts
    int32_t currentHierarchy_ = 0;

    std::unordered_map<std::string, std::unique_ptr<std::string>> sharedStrings_;
    LibraryCache libraries_;
    std::unordered_map<int32_t, OpenLibrary> openLibraries_;
    int32_t nextLibrary_ = 1;
};

} // namespace vxw
