#include "windows/properties/Properties.h"

#include "component/ComponentState.h"
#include "shell/SettingsKeys.h"
#include "suite/SuiteServices.h"
#include "windows/properties/PropertyGridModel.h"
#include "windows/shell/StoredPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace vxw {
namespace {

QString Text(const char* id, const char* defaultText) {
    return Suite().GetMessageText(QString::fromLatin1(defaultText), QString::fromLatin1(id));
}

} // namespace

Properties::Properties(PropertyCopies target, FieldProfile& profile, UserInterface& hostUi,
                       PropertiesLinks links, QWidget* parent)
    : QWidget(parent, Qt::Window), target_(std::move(target)), profile_(profile), ui_(this, hostUi),
      links_(std::move(links)), rows_(target_.Shown()), model_(new PropertyGridModel(rows_, ui_, this)),
      grid_(new QTableView(this)), lblHead_(new QLabel(this)), lblDesc_(new QLabel(this)),
      cmdSet_(new QPushButton(Text("991200", "Set"), this)) {
    setObjectName(QStringLiteral("Properties"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(target_.caption);

    grid_->setObjectName(QStringLiteral("egrdProperties"));
    grid_->setModel(model_);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setSectionResizeMode(PropertyGridModel::PictureColumn, QHeaderView::Fixed);
    grid_->horizontalHeader()->setSectionResizeMode(PropertyGridModel::NameColumn, QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(PropertyGridModel::ValueColumn, QHeaderView::Fixed);
    grid_->setColumnWidth(PropertyGridModel::PictureColumn, 22);
    grid_->setColumnWidth(PropertyGridModel::ValueColumn, 56);
    grid_->setWordWrap(false);
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (model_->Row(row).group) {
            grid_->setSpan(row, PropertyGridModel::NameColumn, 1, 2);
        }
    }

    auto* help = new QFrame(this);
    help->setObjectName(QStringLiteral("picHelp"));
    help->setFrameShape(QFrame::StyledPanel);
    help->setBackgroundRole(QPalette::Base);
    help->setAutoFillBackground(true);
    lblHead_->setObjectName(QStringLiteral("lblHead"));
    lblDesc_->setObjectName(QStringLiteral("lblDesc"));
    QFont bold = lblHead_->font();
    bold.setBold(true);
    lblHead_->setFont(bold);
    lblDesc_->setWordWrap(true);
    auto* helpLayout = new QVBoxLayout(help);
    helpLayout->setContentsMargins(8, 6, 8, 6);
    helpLayout->addWidget(lblHead_);
    helpLayout->addWidget(lblDesc_);
    help->setMinimumHeight(helpLayout->sizeHint().height() + lblDesc_->fontMetrics().height());

    cmdSet_->setObjectName(QStringLiteral("cmdSet"));
    cmdSet_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSet_);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("staList"));
    status->setSizeGripEnabled(true);
    status->showMessage(Text("31136", "Ctrl+A - SelectAll Ctrl+U - UnselectAll"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(grid_, 1);
    layout->addWidget(help);
    layout->addLayout(buttons);
    layout->addWidget(status);

    const struct {
        QKeySequence keys;
        std::function<void()> run;
    } keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_A), [this] { SetAllChecks(true); }},
                {QKeySequence(Qt::CTRL | Qt::Key_U), [this] { SetAllChecks(false); }},
                {QKeySequence(Qt::CTRL | Qt::Key_F1), [this] {
                     if (links_.showHelp) {
                         links_.showHelp();
                     }
                 }}};
    for (const auto& key : keys) {
        auto* action = new QAction(this);
        action->setShortcut(key.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, key.run);
        addAction(action);
    }
    connect(cmdSet_, &QPushButton::clicked, this, &QWidget::close);
    connect(grid_, &QTableView::clicked, this, &Properties::GridClicked);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, &Properties::ShowFieldHelp);

    resize(360, 460);
    RestorePlacement(*this, QLatin1String(kPropertiesWindowName));
}

Properties::~Properties() = default;

void Properties::SetAllChecks(bool on) {
    // The grid is hidden while every row changes, so it is painted once.
    grid_->setUpdatesEnabled(false);
    model_->SetAllChecks(on);
    grid_->setUpdatesEnabled(true);
}

void Properties::ShowFieldHelp(const QModelIndex& current) {
    if (!current.isValid()) {
        return;
    }
    const PropertyRow& row = model_->Row(current.row());
    lblHead_->setText(row.text);
    lblDesc_->setText(row.description);
}

void Properties::GridClicked(const QModelIndex& index) {
    if (index.isValid() && index.column() == PropertyGridModel::PictureColumn &&
        model_->Row(index.row()).group) {
        model_->ToggleGroup(index.row());
        ShowHiddenRows();
    }
}

void Properties::ShowHiddenRows() {
    for (int row = 0; row < model_->rowCount(); ++row) {
        grid_->setRowHidden(row, model_->Row(row).hidden);
    }
}

void Properties::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        StorePlacement(*this, QLatin1String(kPropertiesWindowName));
        const bool mainLoaded = !links_.mainLoaded || links_.mainLoaded();
        if (mainLoaded && ApplyProperties(rows_, target_, profile_)) {
            emit FlagsApplied();
            if (links_.itemListHasRows && links_.itemListHasRows() && links_.reloadItemList) {
                links_.reloadItemList();
            }
        }
    }
    event->accept();
}

void ShowPropertiesWindow(QPointer<Properties>& window, ComponentState& state, int index,
                          bool circuitSelectAll, bool pageSelectAll, UserInterface& hostUi,
                          const PropertiesLinks& links, QWidget* parent) {
    if (!window.isNull()) {
        window->close();
        delete window.data(); // at once: its grid points into the copies
    }
    PropertyCopies copies =
        CopiesForNode(state.Levels(), state.Model(), index, circuitSelectAll, pageSelectAll);
    if (copies.objectClass == 0) {
        return;
    }
    window = new Properties(std::move(copies), state.Profile(), hostUi, links, parent);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace vxw
