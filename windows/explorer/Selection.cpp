#include "windows/explorer/Selection.h"

#include "suite/SuiteServices.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vxw {
namespace {

QString Text(const char* id, const char* defaultText) {
    return Suite().GetMessageText(QString::fromLatin1(defaultText), QString::fromLatin1(id));
}

} // namespace

Selection::Selection(LibraryItems& items, QWidget* parent)
    : QDialog(parent), items_(items), lblSearch_(new QLabel(this)), txtFindStr_(new QLineEdit(this)),
      cmdOk_(new QPushButton(Text("99176", "OK"), this)),
      cmdCancel_(new QPushButton(Text("99388", "Cancel"), this)) {
    setObjectName(QStringLiteral("Selection"));
    setWindowTitle(Text("31158", "Search library"));
    setModal(true);

    lblSearch_->setObjectName(QStringLiteral("lblSearch"));
    lblSearch_->setBuddy(txtFindStr_);
    txtFindStr_->setObjectName(QStringLiteral("txtFindStr"));
    txtFindStr_->setMinimumWidth(260);

    auto* frame = new QGroupBox(Text("31159", "Select &Library"), this);
    frame->setObjectName(QStringLiteral("fraSelection"));
    auto* options = new QHBoxLayout(frame);
    const char* captions[3][2] = {{"505", "&All"}, {"31155", "&Checked"}, {"31156", "&Unchecked"}};
    for (int scope = 0; scope < 3; ++scope) {
        optSelection_[scope] = new QRadioButton(Text(captions[scope][0], captions[scope][1]), frame);
        optSelection_[scope]->setObjectName(QStringLiteral("optSelection%1").arg(scope));
        options->addWidget(optSelection_[scope]);
    }
    options->addStretch();
    optSelection_[SearchAll]->setChecked(true);

    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdOk_->setDefault(true);
    cmdOk_->setAutoDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSearch_);
    layout->addWidget(txtFindStr_);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* help = new QAction(this);
    help->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    connect(help, &QAction::triggered, this, [this] {
        if (showHelp_) {
            showHelp_();
        }
    });
    addAction(help);
    connect(cmdOk_, &QPushButton::clicked, this, &Selection::Ok);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    SetNodeText(QString());
}

Selection::~Selection() = default;

void Selection::SetNodeText(const QString& nodeText) {
    lblSearch_->setText(Text("1214", "&Search") + QLatin1Char(' ') + nodeText + QLatin1Char(' ') +
                        Text("31160", "like"));
}

int Selection::Scope() const {
    for (int scope = 0; scope < 3; ++scope) {
        if (optSelection_[scope]->isChecked()) {
            return scope;
        }
    }
    return SearchAll;
}

void Selection::SetScope(int scope) {
    if (scope >= SearchAll && scope <= SearchUnchecked) {
        optSelection_[scope]->setChecked(true);
    }
}

QString Selection::Pattern() const {
    return txtFindStr_->text();
}

void Selection::Ok() {
    QString text = txtFindStr_->text();
    const bool accepted = SearchDialogAccepts(items_, text, Scope());
    txtFindStr_->setText(text);
    if (!accepted) {
        txtFindStr_->setFocus();
        return;
    }
    accept();
}

std::optional<SearchRequest> AskSearchDialog(QWidget* parent, LibraryItems& items, const QString& nodeText,
                                             std::function<void()> showHelp) {
    Selection dialog(items, parent);
    dialog.SetNodeText(nodeText);
    dialog.SetHelp(std::move(showHelp));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return SearchRequest{dialog.Pattern(), dialog.Scope()};
}

} // namespace vxw
