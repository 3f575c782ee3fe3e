#pragma once
// vexilxp's main window: the design it has open, a command field for the component, and a log
// of what went to the component and what came back. It creates the List Generator through the
// registration record and plays the text viewer the component asks for.

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace vxw {

class ComponentClient;
class TextViewer;

class HostWindow : public QMainWindow {
public:
    explicit HostWindow(const QString& registryFile, QWidget* parent = nullptr);
    ~HostWindow() override;

    // Loads the design into the kernel and publishes the host's shared strings again (a new
    // kernel starts without them). A loaded component refreshes. Answers the reason (also in
    // the log) when the file cannot be loaded, and the open design stays; empty on success.
    QString OpenDesignFile(const QString& path);
    // Publishes the shared strings, creates the List Generator and calls Load. False, with one
    // line in the log and on standard error, when its window did not come up.
    bool StartComponent();
    // Sends a typed command ("MN", or a whole "All,DF") through NotifyMe.
    void SendCommand(const QString& typed);
    // What the host does with the component's NotifyServer.
    void HandleNotification(const QString& aname, const QString& command);

    TextViewer* Viewer() const { return viewer_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus();
    void PublishStrings();
    void ShowInViewer(const QString& path);
    void PlaceViewer();
    void ReleaseComponent();
    void Log(const QString& line);

    QString registryFile_;
    QString designFile_;
    std::unique_ptr<ComponentClient> client_;
    QPointer<TextViewer> viewer_;
    QLabel* design_ = nullptr;
    QLineEdit* command_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    bool quitting_ = false;
};

} // namespace vxw
