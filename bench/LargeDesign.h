#pragma once
// The largest design the lists must handle: 100,000 schematic components on 200 pages, 100,000
// layout components, 50,000 nets with 400,000 nodes and 1,000,000 trace records in one circuit.

#include "tools/vxgen/DesignGenerator.h"

namespace vxw::bench {

inline gen::DesignSizes LargeDesignSizes() {
    gen::DesignSizes sizes;
    sizes.pages = 200;
    sizes.schComps = 100000;
    sizes.layComps = 100000;
    sizes.nets = 50000;
    sizes.nodes = 400000;
    sizes.traceRecords = 1000000;
    sizes.vias = 20000;
    return sizes;
}

} // namespace vxw::bench
