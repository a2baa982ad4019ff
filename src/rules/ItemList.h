#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The items of a drop-down list in list order, with an index in case-insensitive text order, so that the
// first item beginning with a typed text is found by two binary searches instead of a walk of the list.
// Inserting or removing one item costs one pass over the index, not a rebuild.
class ItemList {
public:
    ItemList() = default;
    explicit ItemList(QStringList items);

    int size() const { return static_cast<int>(items_.size()); }
    const QString& at(int pos) const { return items_[pos]; }
    const QStringList& items() const { return items_; }

    // The first item in list order beginning, case-insensitively, with `prefix`; -1 when none does.
    int firstStartingWith(const QString& prefix) const;
    // The position of the first item equal to `text` in a list kept in text order (see sortedPosition);
    // -1 when there is none.
    int sortedIndexOf(const QString& text) const;
    // Where `text` goes in a list kept in text order: after the items that sort before it or equal it.
    int sortedPosition(const QString& text) const;

    void insert(int pos, const QString& item);
    void remove(int pos);

private:
    QStringList items_;
    // Positions in items_, ordered by case-insensitive text, then by position.
    std::vector<int> order_;
};
