#pragma once

// The list screen and search screen families, each tested once over all its rows. A test program
// includes this header once and instantiates the suites with its screens' rows (see RecordFamily.h).

#include "data/ProgramState.h"
#include "framework/FlexGrid.h"
#include "framework/Screens.h"
#include "support/ScreenDriver.h"

#include <QComboBox>
#include <QPointer>
#include <QTest>

// Rows stored behind the screens' back, in table order.
struct StoredRows {
    QString table;
    QStringList columns;
    std::vector<QStringList> values;
    bool replaceDelivered = false; // the delivered rows of the table (the first account) are deleted first
};

// Deletes the delivered rows of a table whose row asks for it, before a family test stores its own.
inline void clearDelivered(const QString& path, const StoredRows& r) {
    if (r.replaceDelivered) execSql(path, "DELETE FROM " + r.table);
}

struct ListFamilyRow {
    std::string name;
    std::function<ListScreen*()> load; // loaded as its caller's View All loads it
    QString caption;
    StoredRows stored;
    QStringList headings;
    std::vector<int> widthsTwips;
    std::vector<QStringList> shown; // the grid rows below the headings
    bool closesWhenEmpty = false;   // an empty table: the list unloads itself after its message
};
// A row is named by its name in test output.
inline void PrintTo(const ListFamilyRow& row, std::ostream* os) {
    *os << row.name;
}

class ListFamily : public ConnectedAppTest, public testing::WithParamInterface<ListFamilyRow> {
public:
    static std::string rowName(const testing::TestParamInfo<ListFamilyRow>& info) { return info.param.name; }

protected:
    void SetUp() override {
        ConnectedAppTest::SetUp();
        clearDelivered(dbPath(), GetParam().stored);
    }
    void store(const StoredRows& r) {
        for (const QStringList& v : r.values)
            insertRow(r.table, r.columns, v);
    }
};

TEST_P(ListFamily, ListsEveryRowInTableOrderAndRefusesASecondRequestWhileOpen) {
    const ListFamilyRow& row = GetParam();
    store(row.stored);
    QWidget caller;
    ListScreen* list = row.load();
    ASSERT_NE(list, nullptr);
    list->LookUp(&caller);
    ScreenDriver d(list);
    EXPECT_EQ(list->windowTitle(), row.caption);
    EXPECT_EQ(list->caller(), &caller);
    EXPECT_FALSE(caller.isEnabled());
    EXPECT_EQ(messages.count(), 0u);
    auto* grid = d.control<FlexGrid>("MSFlexGrid1");
    ASSERT_EQ(grid->Rows(), int(row.shown.size()) + 1);
    EXPECT_EQ(list->focusWidget(), grid) << "the keyboard scrolls the list at once";
    EXPECT_EQ(d.gridRow("MSFlexGrid1", 0), row.headings);
    for (int c = 0; c < int(row.widthsTwips.size()); ++c)
        EXPECT_EQ(grid->colWidthTwips(c), row.widthsTwips[size_t(c)]) << c;
    for (int r = 0; r < int(row.shown.size()); ++r)
        EXPECT_EQ(d.gridRow("MSFlexGrid1", r + 1), row.shown[size_t(r)]) << r;

    list->LookUp(&caller);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{
                                    {MsgIcon::None, MsgButtons::Ok, "Sanavo",
                                     row.caption + " already in use.\r\nPlease complete prvious request."}}));
    EXPECT_EQ(list->caller(), &caller);
    list->close();
    EXPECT_TRUE(caller.isEnabled());
}

TEST_P(ListFamily, AnEmptyTableSaysNoRecordFound) {
    QPointer<ListScreen> list = GetParam().load();
    if (!GetParam().closesWhenEmpty) {
        ASSERT_NE(list, nullptr);
    }
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{{MsgIcon::Exclamation, MsgButtons::Ok,
                                                               "No Record Warning", "No Record Found"}}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(list.isNull(), GetParam().closesWhenEmpty);
}

struct SearchFamilyRow {
    std::string name;
    std::function<QWidget*()> open; // as the menu opens it
    QString caption;
    StoredRows stored;
    QStringList names; // the name list, in table order
    QStringList headings;
    QString found;     // a name typed with blanks around it
    QStringList shown; // what the grid then shows of the last row of that name
    QString nameTip;   // the help icon's tip
    QString searchTip; // the search picture's tip
    QString emptyText; // an empty name
    QString notFoundText;
    QString nameList = "cmbEmpName";
    // The grid shows the row down its first column (headings) and second (values, each wrapped).
    bool transposed = false;
};
// A row is named by its name in test output.
inline void PrintTo(const SearchFamilyRow& row, std::ostream* os) {
    *os << row.name;
}

class SearchFamily : public ConnectedAppTest, public testing::WithParamInterface<SearchFamilyRow> {
public:
    static std::string rowName(const testing::TestParamInfo<SearchFamilyRow>& info) {
        return info.param.name;
    }

protected:
    void SetUp() override {
        ConnectedAppTest::SetUp();
        clearDelivered(dbPath(), GetParam().stored);
    }
    // The headings (column 0) or the values shown (column 1) of the grid, read the way its layout shows them.
    static QStringList shown(const ScreenDriver& d, int column) {
        if (!GetParam().transposed) return d.gridRow("MSFlexGrid1", column);
        QStringList out;
        const auto* grid = d.control<FlexGrid>("MSFlexGrid1");
        for (int r = 0; r < grid->Rows(); ++r)
            out << grid->TextMatrix(r, column);
        return out;
    }
};

TEST_P(SearchFamily, FindsTheRowOfTheNameAndSaysWhenThereIsNone) {
    const SearchFamilyRow& row = GetParam();
    for (const QStringList& v : row.stored.values)
        insertRow(row.stored.table, row.stored.columns, v);
    QWidget* screen = row.open();
    ASSERT_NE(screen, nullptr);
    ScreenDriver d(screen);
    EXPECT_EQ(screen->windowTitle(), row.caption);
    EXPECT_EQ(ActiveScreen.data(), screen);
    EXPECT_EQ(messages.count(), 0u);
    auto* names = d.control<QComboBox>(row.nameList);
    QStringList items;
    for (int i = 0; i < names->count(); ++i)
        items << names->itemText(i);
    EXPECT_EQ(items, row.names);
    EXPECT_EQ(names->currentText(), "");
    EXPECT_EQ(shown(d, 0), row.headings);
    EXPECT_EQ(d.control("Picture1")->toolTip(), row.searchTip);
    EXPECT_EQ(d.control("Picture11")->toolTip(), row.nameTip);

    d.click("Picture1");
    names->setEditText(" " + row.found + " ");
    d.click("Picture1");
    EXPECT_EQ(shown(d, 1), row.shown);
    names->setEditText(row.found.toLower() + "x");
    d.click("Picture1");
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{
                                    {MsgIcon::None, MsgButtons::Ok, "Sanavo", row.emptyText},
                                    {MsgIcon::Critical, MsgButtons::Ok, "Warning", row.notFoundText}}));
}

TEST_P(SearchFamily, AnEmptyTableSaysNoRecordFound) {
    EXPECT_NE(GetParam().open(), nullptr);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{{MsgIcon::Exclamation, MsgButtons::Ok,
                                                               "No Record Warning", "No Record Found"}}));
}
