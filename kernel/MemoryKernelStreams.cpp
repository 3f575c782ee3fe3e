// Database streams (kept in memory only), shared strings and angles.

#include "kernel/ItemGeometry.h"
#include "kernel/MemoryKernel.h"

#include <cstring>

namespace vxw {

MemoryKernel::StoredStream* MemoryKernel::Stream(int32_t id) {
    const ObjectHeader* header = store_.Find(id, ObjectKind::Stream);
    return header ? &streams_[header->data] : nullptr;
}

int32_t MemoryKernel::F_Seek(int32_t stream, int32_t offset, int32_t origin) {
    StoredStream* stored = Stream(stream);
    if (!stored) {
        return 0;
    }
    int64_t base = 0;
    switch (origin) {
    case 0:
        base = 0;
        break;
    case 1:
        base = stored->position;
        break;
    case 2:
        base = static_cast<int64_t>(stored->bytes.size());
        break;
    default:
        return 0;
    }
    const int64_t target = base + offset;
    // Positions stay inside the stream, so a write never has to fill a gap.
    if (target < 0 || target > static_cast<int64_t>(stored->bytes.size())) {
        return 0;
    }
    stored->position = static_cast<int32_t>(target);
    return 1;
}

int32_t MemoryKernel::F_GetLength(int32_t stream) {
    const StoredStream* stored = Stream(stream);
    return stored ? static_cast<int32_t>(stored->bytes.size()) : -1;
}

int32_t MemoryKernel::F_Read(int32_t stream, void* buffer, int32_t length) {
    StoredStream* stored = Stream(stream);
    if (!stored || !buffer || length < 0) {
        return -1;
    }
    const auto position = static_cast<std::size_t>(stored->position);
    const std::size_t available = stored->bytes.size() > position ? stored->bytes.size() - position : 0;
    const std::size_t count = std::min(available, static_cast<std::size_t>(length));
    if (count > 0) {
        std::memcpy(buffer, stored->bytes.data() + position, count);
    }
    stored->position += static_cast<int32_t>(count);
    return static_cast<int32_t>(count);
}

int32_t MemoryKernel::F_Write(int32_t stream, const void* buffer, int32_t length) {
    StoredStream* stored = Stream(stream);
    if (!stored || !buffer || length < 0) {
        return -1;
    }
    const auto position = static_cast<std::size_t>(stored->position);
    const auto count = static_cast<std::size_t>(length);
    if (position + count > MaxStreamBytes) {
        return -1;
    }
    if (position + count > stored->bytes.size()) {
        stored->bytes.resize(position + count);
    }
    if (count > 0) {
        std::memcpy(stored->bytes.data() + position, buffer, count);
    }
    stored->position += length;
    return length;
}

int32_t MemoryKernel::F_CreateFile(const char* name) {
    if (!name || !*name || store_.FindFirst(fileMap_, name) > 0) {
        return 0;
    }
    const int32_t id = store_.NewObject(ObjectKind::Stream, name, static_cast<uint32_t>(streams_.size()));
    if (id <= 0) {
        return 0;
    }
    streams_.emplace_back();
    store_.Append(fileMap_, id);
    return id;
}

const char* MemoryKernel::E_GetString(const char* key) {
    if (!key) {
        return nullptr;
    }
    const auto found = sharedStrings_.find(key);
    return found == sharedStrings_.end() ? nullptr : found->second->c_str();
}

int32_t MemoryKernel::E_SetString(const char* key, const char* value) {
    if (!key) {
        return 0;
    }
    if (!value) {
        sharedStrings_.erase(key); // a null value forgets the key
        return 1;
    }
    sharedStrings_[key] = std::make_unique<std::string>(value);
    return 1;
}

double MemoryKernel::G_AngleAdj(double degrees) {
    return NormalizedAngle(degrees);
}

} // namespace vxw
