#include "windows/shell/ComponentWindow.h"

#include <QCoreApplication>

namespace vxw {
namespace {

struct SharedWindow {
    ComponentWindowFactory factory;
    ComponentWindow* window = nullptr;
};

SharedWindow& Shared() {
    static SharedWindow shared;
    return shared;
}

} // namespace

void SetComponentWindowFactory(ComponentWindowFactory factory) {
    Shared().factory = std::move(factory);
    Shared().window = nullptr;
}

ComponentWindow* SharedComponentWindow() {
    SharedWindow& shared = Shared();
    // Once the application is going down no window may be made or reached any more.
    if (QCoreApplication::closingDown()) {
        return nullptr;
    }
    if (shared.window == nullptr && shared.factory) {
        shared.window = shared.factory();
    }
    return shared.window;
}

} // namespace vxw
