#pragma once
// The component's automation boundary, type library "VXLlstgn" 1.0: what a host relies on to
// create `clsVxwlstgn`, call it and hear its event. Interfaces are plain virtual functions whose
// arguments are C types, so that the slot layout is fixed by the platform's C++ ABI alone:
// slots are never reordered or inserted, and no interface has a virtual destructor (objects
// end through Release). Only the standard library: a host includes this without Qt.

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace vxw {

// Results: 0 and above success, negative a failure (the platform's HRESULT values).
using VxlResult = int32_t;

inline constexpr VxlResult kResultOk = 0;
inline constexpr VxlResult kResultFalse = 1;
inline constexpr VxlResult kResultNotImplemented = static_cast<VxlResult>(0x80004001u);
inline constexpr VxlResult kResultNoInterface = static_cast<VxlResult>(0x80004002u);
inline constexpr VxlResult kResultPointer = static_cast<VxlResult>(0x80004003u);
inline constexpr VxlResult kResultFail = static_cast<VxlResult>(0x80004005u);
inline constexpr VxlResult kResultOutOfMemory = static_cast<VxlResult>(0x8007000Eu);
inline constexpr VxlResult kResultInvalidArg = static_cast<VxlResult>(0x80070057u);
inline constexpr VxlResult kResultMemberNotFound = static_cast<VxlResult>(0x80020003u);
inline constexpr VxlResult kResultTypeMismatch = static_cast<VxlResult>(0x80020005u);
inline constexpr VxlResult kResultUnknownName = static_cast<VxlResult>(0x80020006u);
inline constexpr VxlResult kResultBadParamCount = static_cast<VxlResult>(0x8002000Eu);
// The run-time error "subscript out of range" as a caller sees it: a command addressed to the
// component without its second field.
inline constexpr VxlResult kResultSubscriptOutOfRange = static_cast<VxlResult>(0x800A0009u);
inline constexpr VxlResult kResultNoAggregation = static_cast<VxlResult>(0x80040110u);
inline constexpr VxlResult kResultClassNotAvailable = static_cast<VxlResult>(0x80040111u);
inline constexpr VxlResult kResultNoConnection = static_cast<VxlResult>(0x80040200u);
inline constexpr VxlResult kResultRegistrationFailed = static_cast<VxlResult>(0x80040201u);

inline constexpr bool Succeeded(VxlResult result) {
    return result >= 0;
}

struct VxlGuid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};

inline bool operator==(const VxlGuid& a, const VxlGuid& b) {
    return std::memcmp(&a, &b, sizeof(VxlGuid)) == 0;
}

// {5F93FB05-9564-434F-9B1D-0277106C064F}: the creatable class clsVxwlstgn.
inline constexpr VxlGuid kClsidClsVxwlstgn{
    0x5F93FB05, 0x9564, 0x434F, {0x9B, 0x1D, 0x02, 0x77, 0x10, 0x6C, 0x06, 0x4F}};
// {93207DC7-6CCC-47CD-9879-2A7F57E1F19E}: the type library VXLlstgn.
inline constexpr VxlGuid kLibidVxllstgn{
    0x93207DC7, 0x6CCC, 0x47CD, {0x98, 0x79, 0x2A, 0x7F, 0x57, 0xE1, 0xF1, 0x9E}};
inline constexpr VxlGuid kIidVxlUnknown{
    0xBC613325, 0x270B, 0x42CF, {0x9A, 0x2F, 0x80, 0x0F, 0x4E, 0x13, 0xE7, 0x09}};
inline constexpr VxlGuid kIidVxlDispatch{
    0x278B0721, 0xC28D, 0x4259, {0xB6, 0xB1, 0x63, 0xCA, 0x4A, 0x8F, 0x3E, 0x1C}};
inline constexpr VxlGuid kIidVxlClassFactory{
    0x157A444C, 0x6747, 0x430C, {0xAC, 0x6D, 0xCA, 0x60, 0xA1, 0x8B, 0x11, 0xE6}};
inline constexpr VxlGuid kIidVxlEventSource{
    0xB838E1DB, 0x2714, 0x4EEE, {0xA7, 0x65, 0x4F, 0x97, 0x99, 0x6D, 0x2E, 0xFA}};
// The default interface _clsVxwlstgn.
inline constexpr VxlGuid kIidClsVxwlstgn{
    0x79850AD3, 0xC54A, 0x48FC, {0xA3, 0x29, 0xC8, 0x0A, 0x5B, 0x5D, 0x08, 0x39}};
// The event interface __clsVxwlstgn, a pure dispatch interface the host implements.
inline constexpr VxlGuid kDiidClsVxwlstgnEvents{
    0x2B8C1BE2, 0xB60B, 0x4272, {0x8C, 0x78, 0x95, 0xB0, 0xEE, 0x01, 0xA4, 0x31}};

inline constexpr char kClsVxwlstgnProgId[] = "VXLlstgn.clsVxwlstgn";
inline constexpr char kTypeLibraryName[] = "VXLlstgn";
inline constexpr char kTypeLibraryVersion[] = "1.0";
inline constexpr char kTypeLibraryDescription[] = "Vexil 2000 List Generator";
inline constexpr int kTypeLibraryLocale = 0x409;

// Dispatch ids.
inline constexpr int32_t kDispIdLoad = 0x60030001;
inline constexpr int32_t kDispIdNotifyMe = 0x60030002;
inline constexpr int32_t kDispIdSeverPath = 0x68030000;
inline constexpr int32_t kDispIdNotifyServer = 1;

// Invoke flags.
inline constexpr uint16_t kDispatchMethod = 1;
inline constexpr uint16_t kDispatchPropertyGet = 2;
inline constexpr uint16_t kDispatchPropertyPut = 4;

// Text: zero-terminated UTF-16, allocated with VxlStringAlloc. Whoever receives a text as a
// result owns it and frees it with VxlStringFree; a text passed in stays the caller's. A null
// text is the empty text.
using VxlString = char16_t*;

inline VxlString VxlStringAlloc(const char16_t* text, size_t length) {
    auto* copy = static_cast<char16_t*>(std::malloc((length + 1) * sizeof(char16_t)));
    if (copy != nullptr) {
        if (length > 0) {
            std::memcpy(copy, text, length * sizeof(char16_t));
        }
        copy[length] = u'\0';
    }
    return copy;
}

inline void VxlStringFree(VxlString text) {
    std::free(text);
}

// Booleans in variants and results: -1 true, 0 false.
using VxlBool = int16_t;
inline constexpr VxlBool kVxlTrue = -1;
inline constexpr VxlBool kVxlFalse = 0;

enum VxlVariantType : uint16_t {
    kVariantEmpty = 0,
    kVariantI2 = 2,
    kVariantI4 = 3,
    kVariantR8 = 5,
    kVariantString = 8,
    kVariantBool = 11,
};

struct VxlVariant {
    uint16_t type;
    uint16_t reserved[3];
    union {
        int16_t i2;
        int32_t i4;
        double r8;
        VxlBool boolean;
        VxlString string;
    } value;
};

// Frees a text the variant owns and leaves it empty.
inline void VxlVariantClear(VxlVariant* variant) {
    if (variant->type == kVariantString) {
        VxlStringFree(variant->value.string);
    }
    std::memset(variant, 0, sizeof(VxlVariant));
}

// Every object: identity, interfaces and lifetime by reference count.
struct VxlUnknown {
    virtual VxlResult QueryInterface(const VxlGuid* iid, void** object) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~VxlUnknown() = default;
};

// Late binding. Arguments come in the order of the member's parameters (first parameter
// first); a missing optional argument is an empty variant or left off the end. `result` may be
// null; when given, the callee overwrites it without reading it and the caller clears it.
struct VxlDispatch : VxlUnknown {
    virtual VxlResult GetIdOfName(const char16_t* name, int32_t* dispId) = 0;
    virtual VxlResult Invoke(int32_t dispId, uint16_t flags, const VxlVariant* args, uint32_t argCount,
                             VxlVariant* result) = 0;

protected:
    ~VxlDispatch() = default;
};

// _clsVxwlstgn, the default interface: dual, the members in this slot order after the dispatch
// slots. Texts and the mode are passed by reference; the callee does not change them.
struct _clsVxwlstgn : VxlDispatch {
    virtual VxlResult Load(int16_t* iMode, VxlBool* result) = 0;
    virtual VxlResult NotifyMe(VxlString* aname, VxlString* sCommand) = 0;
    virtual VxlResult GetSeverPath(VxlString* value) = 0;
    virtual VxlResult PutSeverPath(VxlString* value) = 0;

protected:
    ~_clsVxwlstgn() = default;
};

// Where a host registers its sink for the event interface __clsVxwlstgn (an object answering
// kDiidClsVxwlstgnEvents or kIidVxlDispatch). NotifyServer arrives as Invoke with dispatch id 1
// and two text arguments, Aname and sCommand, that the sink copies if it keeps them.
struct VxlEventSource : VxlUnknown {
    virtual VxlResult Advise(VxlUnknown* sink, uint32_t* cookie) = 0;
    virtual VxlResult Unadvise(uint32_t cookie) = 0;

protected:
    ~VxlEventSource() = default;
};

struct VxlClassFactory : VxlUnknown {
    virtual VxlResult CreateInstance(VxlUnknown* outer, const VxlGuid* iid, void** object) = 0;
    virtual VxlResult LockServer(int32_t lock) = 0;

protected:
    ~VxlClassFactory() = default;
};

// The library's exported entry points (extern "C"), as a host resolves them.
using DllGetClassObjectFunction = VxlResult (*)(const VxlGuid* clsid, const VxlGuid* iid, void** object);
using DllCanUnloadNowFunction = VxlResult (*)();
using DllRegisterServerFunction = VxlResult (*)();
using DllUnregisterServerFunction = VxlResult (*)();

} // namespace vxw
