#include "windows/properties/PropertyGridModel.h"

#include "suite/SuiteServices.h"
#include "windows/shell/SmallPictures.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace vxw {

PropertyGridModel::PropertyGridModel(PropertyGrid& grid, UserInterface& ui, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), ui_(ui) {}

int PropertyGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(grid_.Rows().size());
}

int PropertyGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PropertyGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const PropertyRow& row = Row(index.row());
    if (role == Qt::BackgroundRole && row.group) {
        return QGuiApplication::palette().brush(QPalette::AlternateBase);
    }
    switch (index.column()) {
    case PictureColumn:
        return row.group && role == Qt::DecorationRole ? QVariant(GroupPicture(row.expanded)) : QVariant();
    case NameColumn:
        if (role == Qt::DisplayRole) {
            return row.text;
        }
        if (role == Qt::ToolTipRole && !row.description.isEmpty()) {
            return row.description;
        }
        if (role == Qt::FontRole && row.group) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case ValueColumn:
        if (role == Qt::CheckStateRole && !row.group) {
            return row.state == CheckState::Ticked  ? Qt::Checked
                   : row.state == CheckState::Mixed ? Qt::PartiallyChecked
                                                    : Qt::Unchecked;
        }
        return {};
    default:
        return {};
    }
}

bool PropertyGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != ValueColumn || role != Qt::CheckStateRole) {
        return false;
    }
    if (!grid_.SetCheck(index.row(), value.toInt() == Qt::Checked, ui_)) {
        return false;
    }
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags PropertyGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == ValueColumn && !Row(index.row()).group) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

QVariant PropertyGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case NameColumn:
        return Suite().GetMessageText(QStringLiteral("Properties"), QStringLiteral("991084"));
    case ValueColumn:
        return Suite().GetMessageText(QStringLiteral("Value"), QStringLiteral("991381"));
    default:
        return QString();
    }
}

void PropertyGridModel::SetAllChecks(bool on) {
    grid_.SetAllChecks(on, ui_);
    if (rowCount() > 0) {
        emit dataChanged(index(0, ValueColumn), index(rowCount() - 1, ValueColumn), {Qt::CheckStateRole});
    }
}

void PropertyGridModel::ToggleGroup(int row) {
    grid_.ToggleGroup(row);
    emit dataChanged(index(row, PictureColumn), index(row, PictureColumn), {Qt::DecorationRole});
}

} // namespace vxw
