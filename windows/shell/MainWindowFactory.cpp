// The component's one main window is LGMAIN: the library installs the factory that makes it when
// it is loaded, and deletes the window before the application object goes.

#include "windows/shell/ComponentWindow.h"
#include "windows/shell/LGMAIN.h"

#include <QCoreApplication>
#include <QPointer>

namespace vxw {
namespace {

QPointer<LGMAIN>& MainWindow() {
    static QPointer<LGMAIN> window;
    return window;
}

void DeleteMainWindow() {
    delete MainWindow().data();
}

ComponentWindow* MakeMainWindow() {
    if (QCoreApplication::instance() == nullptr) {
        return nullptr;
    }
    if (MainWindow().isNull()) {
        MainWindow() = new LGMAIN;
        // Post routines run while the application object is still whole.
        qAddPostRoutine(DeleteMainWindow);
    }
    return MainWindow().data();
}

[[maybe_unused]] const bool installed = [] {
    SetComponentWindowFactory(MakeMainWindow);
    return true;
}();

} // namespace
} // namespace vxw
