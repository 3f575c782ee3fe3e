#pragma once
// Synthetic designs of any size for load and speed tests: every road of the reports is taken
// (pages, packed and unpacked components, values, the three device kinds, both board sides,
// special parts, drilled and surface pads, the three net classes, all node kinds, traces with
// records without a layer, through, blind and buried vias, hierarchy blocks between circuits).
// The same sizes and seed always give the same design.

#include "kernel/DesignData.h"

#include <cstdint>
#include <string>

namespace vxw::gen {

struct ParsedCommand;

struct DesignSizes {
    uint64_t seed = 1;
    int64_t circuits = 1;
    // Per circuit:
    int64_t pages = 4;
    int64_t schComps = 100;
    int64_t layComps = 100;
    int64_t nets = 50;
    int64_t nodes = 200;
    int64_t traceRecords = 500;
    int64_t vias = 20;
    // Project library:
    int64_t devices = 20;
    int64_t symbols = 10;
    int64_t packages = 10;
    int64_t padstacks = 4;

    static DesignSizes FromCommand(const ParsedCommand& command);
};

// Empty when the sizes can be generated; otherwise why not (a usage error).
std::string CheckDesignSizes(const DesignSizes& sizes);

DesignData GenerateDesign(const DesignSizes& sizes);

} // namespace vxw::gen
