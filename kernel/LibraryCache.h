#pragma once
// Parsed library files kept between calls, keyed by path and checked against the file's size
// and modification time, so that opening one file for thousands of look-ups reads it once.
// Each parsed file carries a name index (first entry of each exact name).

#include "kernel/LibraryFile.h"

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

namespace vxw {

struct ParsedLibrary {
    LibraryContents contents;
    bool complete = false;
    std::unordered_map<std::string, int32_t> byName; // name -> first entry index

    int32_t Find(const std::string& name) const;
};

class LibraryCache {
public:
    // Bounds of what the cache keeps; the least recently used files go first.
    static constexpr std::size_t MaxFiles = 256;
    static constexpr int64_t MaxBytes = int64_t{512} * 1024 * 1024;

    // The parsed file, or null when it cannot be read or holds no library. A damaged file
    // answers the entries before the fault; one with none of them counts as unreadable.
    std::shared_ptr<const ParsedLibrary> Get(const std::string& path);

    std::size_t FileCount() const { return slots_.size(); }
    // How many times a file was read and parsed (tests check that the cache is used).
    int64_t ParseCount() const { return parses_; }

private:
    struct Slot {
        int64_t size = 0;
        int64_t modified = 0;
        std::shared_ptr<const ParsedLibrary> library;
        std::list<std::string>::iterator recent;
    };
    void Forget(const std::string& path);

    std::unordered_map<std::string, Slot> slots_;
    std::list<std::string> recent_; // most recently used first
    int64_t bytes_ = 0;
    int64_t parses_ = 0;
};

} // namespace vxw
