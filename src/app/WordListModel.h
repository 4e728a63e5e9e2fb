#pragma once

#include <QAbstractListModel>

namespace lx {

class Document;

// The candidate words of the document with their check marks, for the list
// lstLectureMots. A thousand words are shown at once: the view asks only for
// the rows it draws, and a rebuild of the list is one reset.
class WordListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit WordListModel(Document& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The document's list changed (words, or many check marks at once).
    void Reload();

private:
    Document& doc_;
};

} // namespace lx
