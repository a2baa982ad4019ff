#pragma once

#include "rules/ItemList.h"

#include <QAbstractListModel>

class QComboBox;

// The items of a long drop-down list (patient IDs, names), held once as plain texts; the view asks only
// for the rows it shows.
class ItemListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : list_.size();
    }
    QVariant data(const QModelIndex& index, int role) const override;

    const ItemList& list() const { return list_; }
    void setItems(QStringList items);
    void insertItem(int pos, const QString& item);
    void removeItem(int pos);

private:
    ItemList list_;
};

// Gives the list box an item model measured as fixed size: the box takes the width its layout gives, and
// the rows of its drop-down all have one height, so no item is measured. Its items are then set through
// the model.
ItemListModel* useItemList(QComboBox* box);
// The box's item model, when useItemList gave it one.
ItemListModel* itemListOf(const QComboBox* box);
