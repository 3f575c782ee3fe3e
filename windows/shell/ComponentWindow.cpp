#include "windows/shell/ComponentWindow.h"

namespace vxw {

namespace {

ComponentWindowFactory& Factory() {
    static ComponentWindowFactory factory;
    return factory;
}

} // namespace

// The factory keeps the one instance; asking again answers the same window. Without a factory
// (the main window not built into this library) there is no window and Load answers false.
void SetComponentWindowFactory(ComponentWindowFactory factory) {
    Factory() = std::move(factory);
}

ComponentWindow* SharedComponentWindow() {
    return Factory() ? Factory()() : nullptr;
}

} // namespace vxw
