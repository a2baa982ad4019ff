#include "rules/ItemList.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {
// The text with each character case-folded on its own, as a case-insensitive comparison reads it.
QString folded(const QString& text) {
    QString f(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        f[i] = QChar(static_cast<char16_t>(QChar::toCaseFolded(text[i].unicode())));
    return f;
}
} // namespace

ItemList::ItemList(QStringList items) : items_(std::move(items)) {
    // Each distinct folded text is sorted once; its items follow in list order. A list of names holds
    // few distinct ones, a list of IDs is mostly in order already.
    const size_t n = static_cast<size_t>(items_.size());
    std::vector<QString> foldedItems(n);
    bool inOrder = true;
    for (size_t i = 0; i < n; ++i) {
        foldedItems[i] = folded(items_[static_cast<qsizetype>(i)]);
        inOrder = inOrder && (i == 0 || !(foldedItems[i] < foldedItems[i - 1]));
    }
    order_.resize(n);
    if (inOrder) {
        for (size_t i = 0; i < n; ++i)
            order_[i] = static_cast<int>(i);
        return;
    }
    // Few distinct texts (names): each is sorted once and its items follow in list order. Many (IDs): the
    // positions are sorted by text, then by position.
    const size_t sample = std::min<size_t>(n, 512);
    QSet<QString> seen;
    for (size_t i = 0; i < sample; ++i)
        seen.insert(foldedItems[i * (n / sample)]);
    if (seen.size() * 4 > static_cast<qsizetype>(sample)) {
        for (size_t i = 0; i < n; ++i)
            order_[i] = static_cast<int>(i);
        std::sort(order_.begin(), order_.end(), [&foldedItems](int a, int b) {
            const int c = foldedItems[static_cast<size_t>(a)].compare(foldedItems[static_cast<size_t>(b)]);
            return c < 0 || (c == 0 && a < b);
        });
        return;
    }
    QHash<QString, int> groupOf;
    std::vector<QString> keys;
    std::vector<int> group(n);
    for (size_t i = 0; i < n; ++i) {
        auto at = groupOf.constFind(foldedItems[i]);
        if (at == groupOf.cend()) {
            at = groupOf.insert(foldedItems[i], static_cast<int>(keys.size()));
            keys.push_back(foldedItems[i]);
        }
        group[i] = at.value();
    }
    foldedItems.clear();
    std::vector<int> byKey(keys.size());
    for (size_t g = 0; g < keys.size(); ++g)
        byKey[g] = static_cast<int>(g);
    const auto before = [&keys](int a, int b) {
        return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)];
    };
    if (!std::is_sorted(byKey.begin(), byKey.end(), before)) std::sort(byKey.begin(), byKey.end(), before);
    // Where each group starts in the index, then the items dealt out in list order.
    std::vector<int> start(keys.size());
    std::vector<int> count(keys.size());
    for (const int g : group)
        ++count[static_cast<size_t>(g)];
    int next = 0;
    for (const int g : byKey) {
        start[static_cast<size_t>(g)] = next;
        next += count[static_cast<size_t>(g)];
    }
    for (size_t i = 0; i < n; ++i)
        order_[static_cast<size_t>(start[static_cast<size_t>(group[i])]++)] = static_cast<int>(i);
}

int ItemList::firstStartingWith(const QString& prefix) const {
    // Items beginning with the prefix lie together in the index, from the first not sorting before it.
    const auto from = std::partition_point(order_.begin(), order_.end(), [&](int p) {
        return QString::compare(items_[p], prefix, Qt::CaseInsensitive) < 0;
    });
    const auto to = std::partition_point(
        from, order_.end(), [&](int p) { return items_[p].startsWith(prefix, Qt::CaseInsensitive); });
    return from == to ? -1 : *std::min_element(from, to);
}

int ItemList::sortedPosition(const QString& text) const {
    return static_cast<int>(std::upper_bound(items_.begin(), items_.end(), text) - items_.begin());
}

int ItemList::sortedIndexOf(const QString& text) const {
    const auto at = std::lower_bound(items_.begin(), items_.end(), text);
    return at != items_.end() && *at == text ? static_cast<int>(at - items_.begin()) : -1;
}

void ItemList::insert(int pos, const QString& item) {
    pos = std::clamp(pos, 0, size());
    items_.insert(pos, item);
    for (int& p : order_)
        if (p >= pos) ++p;
    const auto at = std::lower_bound(order_.begin(), order_.end(), pos, [this](int p, int wanted) {
        const int c = QString::compare(items_[p], items_[wanted], Qt::CaseInsensitive);
        return c < 0 || (c == 0 && p < wanted);
    });
    order_.insert(at, pos);
}

void ItemList::remove(int pos) {
    if (pos < 0 || pos >= size()) return;
    order_.erase(std::find(order_.begin(), order_.end(), pos));
    for (int& p : order_)
        if (p > pos) --p;
    items_.removeAt(pos);
}
