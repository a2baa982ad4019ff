#include "framework/ItemListModel.h"

#include <QComboBox>
#include <QListView>

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= list_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return list_.at(index.row());
    return {};
}

void ItemListModel::setItems(QStringList items) {
    beginResetModel();
    list_ = ItemList(std::move(items));
    endResetModel();
}

void ItemListModel::insertItem(int pos, const QString& item) {
    pos = std::clamp(pos, 0, list_.size());
    beginInsertRows({}, pos, pos);
    list_.insert(pos, item);
    endInsertRows();
}

void ItemListModel::removeItem(int pos) {
    if (pos < 0 || pos >= list_.size()) return;
    beginRemoveRows({}, pos, pos);
    list_.remove(pos);
    endRemoveRows();
}

ItemListModel* useItemList(QComboBox* box) {
    auto* model = new ItemListModel(box);
    box->setModel(model);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    if (auto* view = qobject_cast<QListView*>(box->view())) view->setUniformItemSizes(true);
    return model;
}

ItemListModel* itemListOf(const QComboBox* box) {
    return box ? qobject_cast<ItemListModel*>(box->model()) : nullptr;
}
