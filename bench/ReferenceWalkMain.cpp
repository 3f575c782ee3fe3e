// reference_walk FILE: reads a design file with a general JSON parser and visits every value, so
// that a whole process of it can be timed beside `listgen` on the same file.

#include "bench/ReferenceWalk.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: reference_walk FILE\n");
        return 2;
    }
    simdjson::dom::parser parser;
    simdjson::padded_string json;
    simdjson::dom::element root;
    if (simdjson::padded_string::load(argv[1]).get(json) != simdjson::SUCCESS ||
        parser.parse(json).get(root) != simdjson::SUCCESS) {
        std::fprintf(stderr, "reference_walk: cannot read %s\n", argv[1]);
        return 1;
    }
    std::printf("%zu\n", vxw::bench::Walk(root));
    return 0;
}
