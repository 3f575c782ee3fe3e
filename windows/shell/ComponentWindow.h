#pragma once
// The main window as the automation class sees it. The class holds the one shared main window
// through this interface, so that the automation layer and its tests need no real window.

#include <QString>

#include <functional>

namespace vxw {

class ComponentWindow {
public:
    // NotifyClass: raised with the sender (or addressed application) and the command; the
    // automation class forwards it to the host unchanged as NotifyServer.
    using NotifyClass = std::function<void(const QString& aname, const QString& command)>;

    virtual ~ComponentWindow() = default;

    // Shows the window modelessly. The first show runs start-up; a start-up that fails unloads
    // the window again before this returns.
    virtual void ShowWindow() = 0;
    // True while the window is loaded and visible.
    virtual bool IsWindowShown() const = 0;
    // 0 normal, 1 minimised, 2 maximised.
    virtual void SetWindowState(int mode) = 0;
    // Runs a host command. Answers false only when the command is addressed to this component
    // but lacks its second field: the caller then reports an index-out-of-range failure.
    virtual bool AP_ExeCmd(const QString& command) = 0;
    // Unloads the window (the unload sequence ends with NotifyClass "VXLLSTGN", "SHUTDOWN").
    // Does nothing while the window is not loaded: the automation class calls it when it ends.
    virtual void ShutDown() = 0;

    void SetNotifyClass(NotifyClass notify) { notifyClass_ = std::move(notify); }

protected:
    void RaiseNotifyClass(const QString& aname, const QString& command) {
        if (notifyClass_) {
            notifyClass_(aname, command);
        }
    }

private:
    NotifyClass notifyClass_;
};

// The component's one main window, created on first use by the window library; every
// automation object refers to this same window. Answers null once the process is shutting
// down. The window library installs the factory; tests install their own.
using ComponentWindowFactory = std::function<ComponentWindow*()>;
void SetComponentWindowFactory(ComponentWindowFactory factory);
ComponentWindow* SharedComponentWindow();

} // namespace vxw
