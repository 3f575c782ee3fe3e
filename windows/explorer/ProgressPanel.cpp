#include "windows/explorer/ProgressPanel.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace vxw {

ProgressPanel::ProgressPanel(QWidget* parent)
    : QFrame(parent), bar_(new QProgressBar(this)), cancel_(new QPushButton(this)) {
    setObjectName(QStringLiteral("panItem"));
    setFrameShape(QFrame::StyledPanel);
    bar_->setObjectName(QStringLiteral("picProgress"));
    bar_->setTextVisible(true);
    bar_->setAlignment(Qt::AlignCenter);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    cancel_->setAutoDefault(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(bar_, 1);
    layout->addWidget(cancel_);
    hide();
}

void ProgressPanel::ShowProgress(int mode, int value, const QString& text) {
    switch (mode) {
    case 0:
        hide();
        cancel_->hide();
        break;
    case 1:
    case 3:
        bar_->setRange(0, std::max(0, value));
        bar_->setValue(0);
        bar_->setFormat(text);
        show();
        cancel_->show();
        cancel_->setFocus();
        break;
    case 2:
        bar_->setValue(std::clamp(value, bar_->minimum(), bar_->maximum()));
        break;
    case 4:
        bar_->setFormat(QString());
        show();
        cancel_->show();
        break;
    default:
        break;
    }
}

void ProgressPanel::SetMaximum(int maximum) {
    bar_->setMaximum(std::max(bar_->minimum(), maximum));
}

} // namespace vxw
