#include "windows/shell/StatusPanels.h"

#include <QFrame>
#include <QPainter>
#include <QStyle>

namespace vxw {

class StatusPanel : public QFrame {
public:
    explicit StatusPanel(QWidget* parent) : QFrame(parent) {
        setFrameShape(QFrame::StyledPanel);
        setFrameShadow(QFrame::Sunken);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setMinimumWidth(24);
    }

    const QString& Text() const { return text_; }
    void SetText(const QString& text) {
        if (text == text_) {
            return;
        }
        text_ = text;
        setToolTip(text);
        update();
    }

    QSize sizeHint() const override {
        const QMargins margins = contentsMargins();
        return {80, fontMetrics().height() + margins.top() + margins.bottom() + 4};
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        const QRect area = contentsRect().adjusted(4, 0, -4, 0);
        const QString shown = fontMetrics().elidedText(text_, Qt::ElideRight, area.width());
        painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, shown);
    }

private:
    QString text_;
};

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("staList"));
    setSizeGripEnabled(true);
    // Panel shares: the node and the file or path panels take most room, the counts less.
    static const int stretch[kStatusPanelCount] = {3, 4, 2, 2, 3};
    for (int i = 0; i < kStatusPanelCount; ++i) {
        panels_[static_cast<std::size_t>(i)] = new StatusPanel(this);
        panels_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("staList%1").arg(i + 1));
        addWidget(panels_[static_cast<std::size_t>(i)], stretch[i]);
    }
}

void StatusPanels::SetText(int panel, const QString& text) {
    if (panel >= 1 && panel <= kStatusPanelCount) {
        panels_[static_cast<std::size_t>(panel - 1)]->SetText(text);
    }
}

QString StatusPanels::Text(int panel) const {
    return panel >= 1 && panel <= kStatusPanelCount ? panels_[static_cast<std::size_t>(panel - 1)]->Text()
                                                    : QString();
}

void StatusPanels::PaintNow() {
    if (isVisible()) {
        repaint();
    }
}

} // namespace vxw
