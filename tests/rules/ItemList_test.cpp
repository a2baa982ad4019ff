#include "rules/ItemList.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The first item in list order beginning with the prefix, found by walking the list.
int walked(const QStringList& items, const QString& prefix) {
    for (int i = 0; i < items.size(); ++i)
        if (items[i].startsWith(prefix, Qt::CaseInsensitive)) return i;
    return -1;
}

} // namespace

TEST(ItemList, TheIndexFindsWhatAWalkOfTheListFindsAlsoAfterInsertsAndRemoves) {
    std::mt19937 random(5);
    const QString letters = "aAbB1 .é";
    const auto text = [&](int length) {
        QString t;
        for (int i = 0; i < length; ++i)
            t += letters[int(random() % letters.size())];
        return t;
    };
    QStringList items;
    for (int i = 0; i < 300; ++i)
        items << text(int(random() % 5));
    ItemList list(items);
    for (int step = 0; step < 400; ++step) {
        if (step % 4 == 1) {
            const int at = int(random() % (items.size() + 1));
            const QString item = text(int(random() % 5));
            items.insert(at, item);
            list.insert(at, item);
        } else if (step % 4 == 3 && !items.isEmpty()) {
            const int at = int(random() % items.size());
            items.removeAt(at);
            list.remove(at);
        }
        ASSERT_EQ(list.items(), items);
        for (int n = 0; n < 4; ++n) {
            const QString prefix = text(n);
            ASSERT_EQ(list.firstStartingWith(prefix), walked(items, prefix))
                << step << " '" << prefix.toStdString() << "'";
        }
    }
}

TEST(ItemList, AListInTextOrderTakesANewItemAfterItsEquals) {
    ItemList ids(QStringList{"OP1", "OP10", "OP10", "OP2"});
    EXPECT_EQ(ids.sortedPosition("OP10"), 3);
    EXPECT_EQ(ids.sortedPosition("OP0"), 0);
    EXPECT_EQ(ids.sortedPosition("OP3"), 4);
    EXPECT_EQ(ids.sortedIndexOf("OP10"), 1);
    EXPECT_EQ(ids.sortedIndexOf("OP11"), -1);
    EXPECT_EQ(ids.sortedIndexOf("OP3"), -1);
    // A position that holds no item removes nothing.
    for (const int outside : {-1, 4}) {
        ids.remove(outside);
        EXPECT_EQ(ids.items(), (QStringList{"OP1", "OP10", "OP10", "OP2"})) << outside;
    }
}
