#pragma once
// The design-database kernel as the component sees it. Every call answers a 32-bit result:
// above 0 success (an id, a handle, a count), 0 or less absent or failed. Text crosses this
// interface as 8-bit (Latin-1) strings; KernelText.h converts at each call.
//
// Ids and handles: every object (hierarchy, page, component, net, node, device, symbol,
// padstack, item, trace, via, stream, layer) has one id, unique in the database, which is
// also its handle: OM_Object (map, id) answers the id itself when the object is in that map
// and 0 otherwise. The one exception is the board frame symbol of circuit c, whose id is
// -(c + 15000); S_Symbol and OM_Object on the symbol map answer its (positive) handle, and
// walks never answer it. Map and array handles come from the DB_ calls and from the
// per-object calls (N_NodeMap, S_SymbolPadStackMap, S_SymbolItemArray, ...).
// Page-level maps (pages, schematic and layout components, nets, traces, vias, the board
// item array of symbol 0) are taken for the current hierarchy at the time they are asked for.

#include "kernel/KernelRecords.h"

#include <cstdint>

namespace vxw {

class Kernel {
public:
    virtual ~Kernel() = default;

    // Maps and arrays.
    virtual int32_t DB_HierarchyMap() = 0;
    virtual int32_t DB_PageMap() = 0;
    virtual int32_t DB_SchCompMap() = 0;
    virtual int32_t DB_LayCompMap() = 0;
    virtual int32_t DB_NetMap() = 0;
    virtual int32_t DB_SymbMap() = 0;
    virtual int32_t DB_DeviceMap() = 0;
    virtual int32_t DB_PadStackMap() = 0;
    virtual int32_t DB_TraceMap() = 0;
    virtual int32_t DB_ViaMap() = 0;
    virtual int32_t DB_FileMap() = 0;
    virtual int32_t DB_LayerArray() = 0;
    virtual int32_t DB_LayoutTextArray() = 0;
    // The database object itself (O_GetName gives the project name).
    virtual int32_t DB_DataBase() = 0;

    // Current hierarchy (circuit) and page. Setting an id that is not a hierarchy (or not a
    // page of the current hierarchy) answers 0 and leaves no current one.
    virtual int32_t DB_CurHier() = 0;
    virtual int32_t DB_CurPage() = 0;
    virtual int32_t DB_SetCurHier(int32_t id) = 0;
    virtual int32_t DB_SetCurPage(int32_t id) = 0;

    // Walking. OM_SearchMask answers the next id whose mask, taken under bits, equals values.
    virtual int32_t OM_GetFirst(int32_t map) = 0;
    virtual int32_t OM_SearchMask(int32_t map, int32_t* cursor, int32_t values, int32_t bits) = 0;
    virtual int32_t OM_SearchNameMask(int32_t map, int32_t* cursor, const char* name, int32_t mask) = 0;
    virtual int32_t OM_GetCount(int32_t map) = 0;
    // Exact, case-sensitive name look-ups; 0 when absent.
    virtual int32_t OM_FindName(int32_t map, const char* name) = 0;
    virtual int32_t OM_FindNameMask(int32_t map, const char* name) = 0;
    virtual int32_t OM_Object(int32_t map, int32_t id) = 0;
    virtual int32_t OM_MaskAll(int32_t map, int32_t values, int32_t bits) = 0;
    virtual int32_t OM_Delete(int32_t map, int32_t id) = 0;

    // Objects (by handle).
    virtual const char* O_GetName(int32_t object) = 0;
    virtual int32_t O_GetStatus(int32_t object) = 0;
    virtual int32_t O_Mask(int32_t object, int32_t values, int32_t bits) = 0;
    virtual int32_t O_Rename(int32_t object, const char* name) = 0;
    virtual int32_t O_TestPage(int32_t object, int32_t page) = 0;

    // Schematic components (by id).
    virtual int32_t C_ReadComponent(int32_t id, SchCompRecord* record) = 0;
    virtual int32_t C_Component(int32_t id) = 0;
    virtual int32_t C_CompTextArray(int32_t id) = 0;
    virtual int32_t C_CompText(int32_t array, int32_t index) = 0;

    // Layout components (by id).
    virtual int32_t L_ReadComponent(int32_t id, LayCompRecord* record) = 0;
    virtual int32_t L_Component(int32_t id) = 0;

    // Nets and nodes.
    virtual int32_t N_ReadNet(int32_t id, NetRecord* record) = 0;
    virtual int32_t N_NodeMap(int32_t net) = 0;
    virtual int32_t N_ReadNode(int32_t id, NodeRecord* record) = 0;

    // Devices.
    virtual int32_t D_ReadDevice(int32_t id, DeviceRecord* record) = 0;
    virtual int32_t D_Device(int32_t id) = 0;

    // Symbols, entries, padstacks. S_Symbol answers the handle of a symbol by id (the board
    // frame of circuit c has id -(c + 15000)) or by exact name.
    virtual int32_t S_Symbol(int32_t id) = 0;
    virtual int32_t S_Symbol(const char* name) = 0;
    virtual int32_t S_ReadSymbol(int32_t symbol, SymbolRecord* record) = 0; // symbol handle
    virtual int32_t S_ReadEntry(int32_t symbol, int32_t entry, EntryRecord* record) = 0; // symbol id, 1-based
    virtual int32_t S_SymbolEntryArray(int32_t symbol) = 0;                              // symbol id
    virtual int32_t S_SymbolItemArray(int32_t symbol) = 0; // symbol id; 0 the board of the current circuit
    virtual int32_t S_SymbolItem(int32_t array, int32_t index) = 0;
    virtual int32_t S_SymbolPadStackMap(int32_t symbol) = 0; // symbol id
    virtual int32_t S_ReadPadStack(int32_t padStack, PadStackRecord* record) = 0; // padstack handle
    virtual int32_t S_PadStackItemArray(int32_t padStack) = 0;                    // padstack handle
    virtual int32_t S_FrameSymbolItems(int32_t symbol, int32_t mask, FrameRect* rect) = 0; // symbol handle

    // Writes used for display and measurement.
    virtual int32_t S_CreateSymbol(const char* name, int32_t kind) = 0; // answers the symbol id
    virtual int32_t S_MakePadStack(int32_t symbol, const char* name) = 0; // answers the padstack handle
    virtual int32_t S_ChangePadStackHole(int32_t padStack, int32_t category, int32_t diameter) = 0;
    // Loads the item last opened with E_OpenLibToRead into the symbol map under the given
    // name (the item's own name when null); answers the new symbol id.
    virtual int32_t S_LoadSymbol(int32_t library, const char* name) = 0;
    virtual int32_t I_MakeItem(const ItemRecord* record) = 0;               // answers an item handle
    virtual int32_t I_MakeText(const ItemRecord* record, const char* text) = 0;
    virtual int32_t OA_Add(int32_t array, int32_t item) = 0;

    // Traces and vias (by id).
    virtual int32_t T_ReadTrace(int32_t id, TraceRecord* record) = 0;
    virtual int32_t T_ReadRecord(int32_t trace, int32_t index, TraceSegmentRecord* record) = 0; // 1-based
    virtual int32_t V_ReadVia(int32_t id, ViaRecord* record) = 0;

    // Items and item arrays (1-based indexes). OA_SearchMask and IA_SearchMaskLink answer the
    // index of the first item whose bits are all set (value non-zero) or all clear (value 0).
    virtual int32_t I_ReadItem(int32_t item, ItemRecord* record) = 0; // answers the item kind
    virtual int32_t OA_GetCount(int32_t array) = 0;
    virtual int32_t OA_Object(int32_t array, int32_t index) = 0;
    virtual int32_t OA_SearchMask(int32_t array, int32_t value, int32_t bits) = 0;
    virtual int32_t IA_SearchMaskLink(int32_t array, int32_t value, int32_t bits) = 0;

    // Streams (by stream id from OM_FindName on DB_FileMap, or from F_CreateFile).
    virtual int32_t F_Seek(int32_t stream, int32_t offset, int32_t origin) = 0;
    virtual int32_t F_GetLength(int32_t stream) = 0;
    virtual int32_t F_Read(int32_t stream, void* buffer, int32_t length) = 0; // answers bytes read
    virtual int32_t F_Write(int32_t stream, const void* buffer, int32_t length) = 0;
    virtual int32_t F_CreateFile(const char* name) = 0;

    // Libraries.
    virtual int32_t E_OpenLibrary(const char* path, const char* tag, int32_t mode) = 0;
    virtual int32_t E_OpenLibToRead(int32_t library, const char* name) = 0;
    virtual int32_t E_CloseLibrary(int32_t library) = 0;
    // Fill at most count records from the file; answer the number filled, 0 or less on failure.
    virtual int32_t E_GetPartInfo(const char* path, int32_t count, PartInfo* first) = 0;
    virtual int32_t E_GetSymbolInfo(const char* path, int32_t count, SymbolInfo* first) = 0;

    // Shared strings: the address stays valid until the key is set again; null when unknown.
    virtual const char* E_GetString(const char* key) = 0;
    virtual int32_t E_SetString(const char* key, const char* value) = 0;

    // Angles into the range [0, 360).
    virtual double G_AngleAdj(double degrees) = 0;
};

} // namespace vxw
