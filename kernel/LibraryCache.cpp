#include "kernel/LibraryCache.h"

#include "kernel/BoundedFileRead.h"

#include <QFile>

#include <filesystem>

namespace vxw {
namespace {

bool Stat(const std::string& path, int64_t& size, int64_t& modified) {
    std::error_code error;
    const std::filesystem::path file(path);
    if (!std::filesystem::is_regular_file(file, error) || error) {
        return false;
    }
    const auto length = std::filesystem::file_size(file, error);
    if (error) {
        return false;
    }
    const auto time = std::filesystem::last_write_time(file, error);
    if (error) {
        return false;
    }
    size = static_cast<int64_t>(length);
    modified = static_cast<int64_t>(time.time_since_epoch().count());
    return true;
}

bool ReadWhole(const std::string& path, std::string& bytes) {
    return ReadFileBounded(QFile::decodeName(QByteArray::fromStdString(path)), MaxLibraryFileSize, bytes)
        .Ok();
}

} // namespace

int32_t ParsedLibrary::Find(const std::string& name) const {
    const auto found = byName.find(name);
    return found == byName.end() ? -1 : found->second;
}

std::shared_ptr<const ParsedLibrary> LibraryCache::Get(const std::string& path) {
    int64_t size = 0;
    int64_t modified = 0;
    if (!Stat(path, size, modified)) {
        Forget(path);
        return nullptr;
    }
    auto found = slots_.find(path);
    if (found != slots_.end()) {
        if (found->second.size == size && found->second.modified == modified) {
            recent_.splice(recent_.begin(), recent_, found->second.recent);
            return found->second.library;
        }
        Forget(path);
    }

    std::string bytes;
    if (size > MaxLibraryFileSize || !ReadWhole(path, bytes)) {
        return nullptr;
    }
    ++parses_;
    LibraryReadResult result = ReadLibraryBytes(bytes);
    if (!result.complete && result.contents.entries.empty()) {
        return nullptr;
    }
    auto library = std::make_shared<ParsedLibrary>();
    library->contents = std::move(result.contents);
    library->complete = result.complete;
    library->byName.reserve(library->contents.entries.size());
    for (std::size_t i = 0; i < library->contents.entries.size(); ++i) {
        library->byName.emplace(library->contents.entries[i].name, static_cast<int32_t>(i));
    }

    // Files larger than the whole budget are answered but not kept.
    const int64_t kept = size;
    if (kept <= MaxBytes) {
        while (!recent_.empty() && (slots_.size() >= MaxFiles || bytes_ + kept > MaxBytes)) {
            Forget(recent_.back());
        }
        recent_.push_front(path);
        slots_[path] = Slot{size, modified, library, recent_.begin()};
        bytes_ += kept;
    }
    return library;
}

void LibraryCache::Forget(const std::string& path) {
    auto found = slots_.find(path);
    if (found == slots_.end()) {
        return;
    }
    bytes_ -= found->second.size;
    recent_.erase(found->second.recent);
    slots_.erase(found);
}

} // namespace vxw
