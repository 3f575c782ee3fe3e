#include "windows/listgen/Options.h"

#include "shell/MessageBox.h"
#include "shell/SettingsKeys.h"
#include "shell/UserInterface.h"
#include "suite/SuiteServices.h"
#include "windows/shell/Dialogs.h"
#include "windows/shell/StoredPlacement.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace vxw {
namespace {

QString Text(const char* id, const char* defaultText) {
    return Suite().GetMessageText(QString::fromLatin1(defaultText), QString::fromLatin1(id));
}

} // namespace

Options::Options(ColumnSpecLists& lists, OptionsLinks links, QWidget* parent)
    : QWidget(parent, Qt::Window), options_(lists), links_(std::move(links)), tabOptions_(new QTabBar(this)),
      lstOptions_(new QListWidget(this)),
      lblOptions_(new QLabel(Text("5048", "Select Display Settings"), this)),
      cmdOk_(new QPushButton(Text("99177", "Accept"), this)),
      cmdCancel_(new QPushButton(Text("99388", "Cancel"), this)) {
    setObjectName(QStringLiteral("Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Text("11194", "Options"));

    tabOptions_->setObjectName(QStringLiteral("tabOptions"));
    tabOptions_->setExpanding(false);
    tabOptions_->setDrawBase(true);
    tabOptions_->addTab(Text("99547", "Part"));
    tabOptions_->addTab(Text("991150", "Symbol"));
    tabOptions_->addTab(Text("99816", "Package"));
    tabOptions_->addTab(Text("991448", "Padstack"));
    lblOptions_->setObjectName(QStringLiteral("lblOptions"));
    lblOptions_->setBuddy(lstOptions_);
    lstOptions_->setObjectName(QStringLiteral("lstOptions"));
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdOk_->setDefault(true);

    auto* page = new QVBoxLayout;
    page->setContentsMargins(10, 8, 10, 10);
    page->addWidget(lblOptions_);
    page->addWidget(lstOptions_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(tabOptions_);
    layout->addLayout(page, 1);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(tabOptions_, &QTabBar::currentChanged, this, [this](int tab) {
        options_.SelectTab(tab + 1);
        FillLines();
    });
    connect(lstOptions_, &QListWidget::itemChanged, this, &Options::LineChanged);
    connect(cmdOk_, &QPushButton::clicked, this, &Options::Accept);
    connect(cmdCancel_, &QPushButton::clicked, this, &Options::Cancel);

    resize(320, 360);
    RestorePlacement(*this, QLatin1String(kOptionsWindowName));
    FillLines();
}

Options::~Options() = default;

void Options::SelectTab(int libraryClass) {
    options_.SelectTab(libraryClass);
    const QSignalBlocker quiet(tabOptions_);
    tabOptions_->setCurrentIndex(options_.Tab() - 1);
    FillLines();
}

void Options::FillLines() {
    const QSignalBlocker quiet(lstOptions_);
    lstOptions_->setUpdatesEnabled(false);
    lstOptions_->clear();
    for (const ColumnOptions::Line& line : options_.Lines()) {
        auto* item = new QListWidgetItem(line.caption, lstOptions_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(line.ticked ? Qt::Checked : Qt::Unchecked);
    }
    lstOptions_->setUpdatesEnabled(true);
    if (lstOptions_->count() > 0 && lstOptions_->isEnabled()) {
        lstOptions_->setCurrentRow(0);
        lstOptions_->setFocus();
    }
}

void Options::LineChanged(QListWidgetItem* item) {
    options_.SetLine(lstOptions_->row(item), item->checkState() == Qt::Checked);
}

void Options::Accept() {
    if (done_) {
        return;
    }
    done_ = true;
    if (!options_.Accept()) {
        // The columns stay as chosen for this session; the user knows they will not return.
        ShowMessageDialog(
            this,
            QStringLiteral("The display settings could not be saved in the suite settings (%1).")
                .arg(Suite().Location().settingsFile),
            MbOk | MbExclamation, AppTitle());
    }
    if (links_.rebuildItemList) {
        links_.rebuildItemList();
    }
    close();
}

void Options::Cancel() {
    if (done_) {
        return;
    }
    done_ = true;
    options_.Cancel();
    close();
}

void Options::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FillLines();
    }
}

void Options::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FillLines();
}

void Options::closeEvent(QCloseEvent* event) {
    // The close box leaves the lists as they were, as Cancel does.
    if (!done_) {
        done_ = true;
        options_.Cancel();
    }
    StorePlacement(*this, QLatin1String(kOptionsWindowName));
    event->accept();
}

void ShowOptionsWindow(QPointer<Options>& window, ColumnSpecLists& lists, const QString& nodeKind,
                       const OptionsLinks& links) {
    if (window.isNull()) {
        window = new Options(lists, links);
    }
    window->SelectTab(OptionsTabForKind(nodeKind));
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace vxw
