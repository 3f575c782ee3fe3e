#pragma once
// The status bar "staList" with its five panels. A text too long for its panel is cut with an
// ellipsis and shown whole in the panel's tip, so a long path never widens the window.

#include <QStatusBar>
#include <QString>

#include <array>

namespace vxw {

class StatusPanel;

inline constexpr int kStatusPanelCount = 5;

class StatusPanels : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusPanels(QWidget* parent = nullptr);

    // Panels are numbered from 1; other numbers are ignored.
    void SetText(int panel, const QString& text);
    QString Text(int panel) const;
    // Paints the panels at once (a long job shows its progress without waiting for the event loop).
    void PaintNow();

private:
    std::array<StatusPanel*, kStatusPanelCount> panels_{};
};

} // namespace vxw
