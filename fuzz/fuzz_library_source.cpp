// The text source of a library file is written by people and packed by vxlib. Any text gives
// contents or a message naming the line; contents pack, and print back to a source that
// parses to the same library.

#include "kernel/LibraryFile.h"
#include "kernel/LibrarySource.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const vxw::LibrarySourceResult parsed = vxw::ParseLibrarySource(text);
    if (parsed.contents.has_value() == !parsed.error.empty() ||
        (!parsed.contents && parsed.error.rfind("line ", 0) != 0)) {
        std::abort();
    }
    if (!parsed.contents) {
        return 0;
    }
    std::string packed;
    if (!vxw::WriteLibraryBytes(*parsed.contents, packed).empty()) {
        return 0; // refused by the writer (too many entries and the like), with a message
    }
    const vxw::LibrarySourceResult again = vxw::ParseLibrarySource(vxw::LibraryToSource(*parsed.contents));
    std::string repacked;
    if (!again.contents || !vxw::WriteLibraryBytes(*again.contents, repacked).empty() || repacked != packed) {
        std::abort();
    }
    return 0;
}
