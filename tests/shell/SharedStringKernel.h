#pragma once
// A kernel that holds nothing but the shared-string store, for the host-link tests.

#include "kernel/Kernel.h"

#include <QByteArray>
#include <QMap>

namespace vxw {

class SharedStringKernel : public Kernel {
public:
    QMap<QByteArray, QByteArray> strings;
    int setCalls = 0;

    const char* E_GetString(const char* key) override {
        const auto it = strings.constFind(QByteArray(key));
        return it == strings.constEnd() ? nullptr : it->constData();
    }
    int32_t E_SetString(const char* key, const char* value) override {
        ++setCalls;
        strings[QByteArray(key)] = QByteArray(value);
        return 1;
    }

    int32_t DB_HierarchyMap() override { return 0; }
    int32_t DB_PageMap() override { return 0; }
    int32_t DB_SchCompMap() override { return 0; }
    int32_t DB_LayCompMap() override { return 0; }
    int32_t DB_NetMap() override { return 0; }
    int32_t DB_SymbMap() override { return 0; }
    int32_t DB_DeviceMap() override { return 0; }
    int32_t DB_PadStackMap() override { return 0; }
    int32_t DB_TraceMap() override { return 0; }
    int32_t DB_ViaMap() override { return 0; }
    int32_t DB_FileMap() override { return 0; }
    int32_t DB_LayerArray() override { return 0; }
    int32_t DB_LayoutTextArray() override { return 0; }
    int32_t DB_DataBase() override { return 0; }
    int32_t DB_CurHier() override { return 0; }
    int32_t DB_CurPage() override { return 0; }
    int32_t DB_SetCurHier(int32_t) override { return 0; }
    int32_t DB_SetCurPage(int32_t) override { return 0; }
    int32_t OM_GetFirst(int32_t) override { return 0; }
    int32_t OM_SearchMask(int32_t, int32_t*, int32_t, int32_t) override { return 0; }
    int32_t OM_SearchNameMask(int32_t, int32_t*, const char*, int32_t) override { return 0; }
    int32_t OM_GetCount(int32_t) override { return 0; }
    int32_t OM_FindName(int32_t, const char*) override { return 0; }
    int32_t OM_FindNameMask(int32_t, const char*) override { return 0; }
    int32_t OM_Object(int32_t, int32_t) override { return 0; }
    int32_t OM_MaskAll(int32_t, int32_t, int32_t) override { return 0; }
    int32_t OM_Delete(int32_t, int32_t) override { return 0; }
    const char* O_GetName(int32_t) override { return nullptr; }
    int32_t O_GetStatus(int32_t) override { return 0; }
    int32_t O_Mask(int32_t, int32_t, int32_t) override { return 0; }
    int32_t O_Rename(int32_t, const char*) override { return 0; }
    int32_t O_TestPage(int32_t, int32_t) override { return 0; }
    int32_t C_ReadComponent(int32_t, SchCompRecord*) override { return 0; }
    int32_t C_Component(int32_t) override { return 0; }
    int32_t C_CompTextArray(int32_t) override { return 0; }
    int32_t C_CompText(int32_t, int32_t) override { return 0; }
    int32_t L_ReadComponent(int32_t, LayCompRecord*) override { return 0; }
    int32_t L_Component(int32_t) override { return 0; }
    int32_t N_ReadNet(int32_t, NetRecord*) override { return 0; }
    int32_t N_NodeMap(int32_t) override { return 0; }
    int32_t N_ReadNode(int32_t, NodeRecord*) override { return 0; }
    int32_t D_ReadDevice(int32_t, DeviceRecord*) override { return 0; }
    int32_t D_Device(int32_t) override { return 0; }
    int32_t S_Symbol(int32_t) override { return 0; }
    int32_t S_Symbol(const char*) override { return 0; }
    int32_t S_ReadSymbol(int32_t, SymbolRecord*) override { return 0; }
    int32_t S_ReadEntry(int32_t, int32_t, EntryRecord*) override { return 0; }
    int32_t S_SymbolEntryArray(int32_t) override { return 0; }
    int32_t S_SymbolItemArray(int32_t) override { return 0; }
    int32_t S_SymbolItem(int32_t, int32_t) override { return 0; }
    int32_t S_SymbolPadStackMap(int32_t) override { return 0; }
    int32_t S_ReadPadStack(int32_t, PadStackRecord*) override { return 0; }
    int32_t S_PadStackItemArray(int32_t) override { return 0; }
    int32_t S_FrameSymbolItems(int32_t, int32_t, FrameRect*) override { return 0; }
    int32_t S_CreateSymbol(const char*, int32_t) override { return 0; }
    int32_t S_MakePadStack(int32_t, const char*) override { return 0; }
    int32_t S_ChangePadStackHole(int32_t, int32_t, int32_t) override { return 0; }
    int32_t S_LoadSymbol(int32_t, const char*) override { return 0; }
    int32_t I_MakeItem(const ItemRecord*) override { return 0; }
    int32_t I_MakeText(const ItemRecord*, const char*) override { return 0; }
    int32_t OA_Add(int32_t, int32_t) override { return 0; }
    int32_t T_ReadTrace(int32_t, TraceRecord*) override { return 0; }
    int32_t T_ReadRecord(int32_t, int32_t, TraceSegmentRecord*) override { return 0; }
    int32_t V_ReadVia(int32_t, ViaRecord*) override { return 0; }
    int32_t I_ReadItem(int32_t, ItemRecord*) override { return 0; }
    int32_t OA_GetCount(int32_t) override { return 0; }
    int32_t OA_Object(int32_t, int32_t) override { return 0; }
    int32_t OA_SearchMask(int32_t, int32_t, int32_t) override { return 0; }
    int32_t IA_SearchMaskLink(int32_t, int32_t, int32_t) override { return 0; }
    int32_t F_Seek(int32_t, int32_t, int32_t) override { return 0; }
    int32_t F_GetLength(int32_t) override { return 0; }
    int32_t F_Read(int32_t, void*, int32_t) override { return 0; }
    int32_t F_Write(int32_t, const void*, int32_t) override { return 0; }
    int32_t F_CreateFile(const char*) override { return 0; }
    int32_t E_OpenLibrary(const char*, const char*, int32_t) override { return 0; }
    int32_t E_OpenLibToRead(int32_t, const char*) override { return 0; }
    int32_t E_CloseLibrary(int32_t) override { return 0; }
    int32_t E_GetPartInfo(const char*, int32_t, PartInfo*) override { return 0; }
    int32_t E_GetSymbolInfo(const char*, int32_t, SymbolInfo*) override { return 0; }
    double G_AngleAdj(double) override { return 0.0; }
};

} // namespace vxw
