#pragma once
// The property grid as a table model over the core's PropertyGrid: column 0 the expand/collapse
// picture of group rows, column 1 the group caption or field name, column 2 the field's tick box
// (partly checked for a field that differs between the objects shown). A change of a tick goes
// through the grid, which asks before a slow field is ticked and may refuse it.

#include "properties/PropertyGrid.h"

#include <QAbstractTableModel>

namespace vxw {

class UserInterface;

class PropertyGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { PictureColumn, NameColumn, ValueColumn, ColumnCount };

    PropertyGridModel(PropertyGrid& grid, UserInterface& ui, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const PropertyRow& Row(int row) const { return grid_.Rows()[static_cast<size_t>(row)]; }
    // SetAllChecks: ticks (asking before each slow field) or clears every field.
    void SetAllChecks(bool on);
    // Collapses or expands the group of a group row.
    void ToggleGroup(int row);

private:
    PropertyGrid& grid_;
    UserInterface& ui_;
};

} // namespace vxw
