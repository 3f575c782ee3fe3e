#pragma once
// The yardstick for loading a design: a general JSON parser's tree of the file, every value of
// it visited.

#include <simdjson.h>

#include <cstddef>
#include <string_view>

namespace vxw::bench {

inline std::size_t Walk(simdjson::dom::element element) {
    std::size_t count = 1;
    switch (element.type()) {
    case simdjson::dom::element_type::ARRAY:
        for (simdjson::dom::element child : simdjson::dom::array(element)) {
            count += Walk(child);
        }
        break;
    case simdjson::dom::element_type::OBJECT:
        for (simdjson::dom::key_value_pair field : simdjson::dom::object(element)) {
            count += field.key.size() + Walk(field.value);
        }
        break;
    case simdjson::dom::element_type::STRING:
        count += std::string_view(element).size();
        break;
    default:
        break;
    }
    return count;
}

} // namespace vxw::bench
