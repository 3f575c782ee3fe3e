#pragma once
// Shared set-up of the explorer tests: the levels' set-up, and the node model built on the levels.

#include "explorer/ExplorerModel.h"
#include "tests/listgen/LevelsFixture.h"

#include <memory>
#include <utility>

namespace vxw::test {

class ExplorerTest : public LevelsTest {
protected:
    // Runs the whole start-up order on a kernel: the levels, then the model.
    void Load(std::unique_ptr<MemoryKernel> kernel) {
        LevelsTest::Load(std::move(kernel));
        model_ = BuildExplorerModel(*kernel_, levels_, Suite());
    }

    ExplorerModel model_;
};

} // namespace vxw::test
