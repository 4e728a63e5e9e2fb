#include "app/WordListModel.h"

#include "document/Document.h"

namespace lx {

WordListModel::WordListModel(Document& doc, QObject* parent)
    : QAbstractListModel(parent)
    , doc_(doc)
{
}

int WordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : doc_.words().Count();
}

QVariant WordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= doc_.words().Count())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return doc_.words().Word(index.row());
    case Qt::CheckStateRole:
        return doc_.words().IsChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool WordListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.row() >= doc_.words().Count())
        return false;
    doc_.SetWordChecked(index.row(), value.toInt() == Qt::Checked);
    Q_EMIT dataChanged(index, index, { Qt::CheckStateRole });
    return true;
}

Qt::ItemFlags WordListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

void WordListModel::Reload()
{
    beginResetModel();
    endResetModel();
}

} // namespace lx
