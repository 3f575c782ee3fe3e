// Any bytes given to the library reader end in entries and a message, never more entries than
// the bytes can hold. What reads completely packs back, directly and through the source form,
// to the same bytes.

#include "kernel/LibraryFile.h"
#include "kernel/LibrarySource.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const vxw::LibraryReadResult result = vxw::ReadLibraryBytes(bytes);
    if (static_cast<int64_t>(result.contents.entries.size()) >
            vxw::MaxLibraryEntries(static_cast<int64_t>(size)) ||
        result.complete == !result.error.empty()) {
        std::abort();
    }
    if (!result.complete) {
        return 0;
    }
    std::string written;
    if (!vxw::WriteLibraryBytes(result.contents, written).empty()) {
        std::abort();
    }
    const vxw::LibraryReadResult again = vxw::ReadLibraryBytes(written);
    std::string rewritten;
    if (!again.complete || !vxw::WriteLibraryBytes(again.contents, rewritten).empty() ||
        rewritten != written) {
        std::abort();
    }
    const vxw::LibrarySourceResult source = vxw::ParseLibrarySource(vxw::LibraryToSource(result.contents));
    std::string fromSource;
    if (!source.contents || !vxw::WriteLibraryBytes(*source.contents, fromSource).empty() ||
        fromSource != written) {
        std::abort();
    }
    return 0;
}
