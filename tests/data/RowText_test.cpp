#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/modConnectDB.h"
#include "support/AppFixture.h"

namespace {

class RowTextTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        connect();
    }
};

} // namespace

// Each row's texts are its own, whatever the rows before them held: longer, shorter, not ASCII, null.
TEST_F(RowTextTest, EachRowShowsItsOwnTextsAsARecordSetWould) {
    execSql(dbPath(), "INSERT INTO OutPatientPrintDetails (BillNo, patientName, Date) VALUES "
                      "(1,'Ramakrishnan Venkataraman Subramaniam Iyer','2026-03-04'),"
                      "(2,'Al',NULL),(3,'Zoë Ñandú',''),(4,NULL,'2026-12-31 10:30:00'),"
                      "(5,'Bo','1990-01-02')");
    const QString sql = "SELECT BillNo, patientName, Date FROM OutPatientPrintDetails ORDER BY BillNo";
    Recordset rs;
    ASSERT_TRUE(rs.Open(sql, DbConnection, Recordset::Mode::Snapshot));
    std::vector<QStringList> expected;
    for (rs.MoveFirst(); !rs.AtEOF(); rs.MoveNext())
        expected.push_back({rs.FieldText(0), rs.FieldText(1), rs.FieldText(2)});
    ASSERT_EQ(expected.size(), 5u);
    EXPECT_EQ(expected[0][2], "04/03/2026");
    EXPECT_EQ(expected[2][1], "Zoë Ñandú");

    QStringList names;
    std::vector<QStringList> seen;
    std::vector<QString> kept; // a text held past its row keeps its value
    ForEachRowText(DbConnection, sql, &names, [&](const std::vector<QString>& texts) {
        seen.push_back({texts[0], texts[1], texts[2]});
        kept.push_back(texts[1]);
    });
    EXPECT_EQ(names, QStringList({"BillNo", "patientName", "Date"}));
    EXPECT_EQ(seen, expected);
    for (size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(kept[i], expected[i][1]) << i;
    EXPECT_TRUE(seen[3][1].isNull());
    EXPECT_THROW(ForEachRowText(DbConnection, "SELECT Nothing FROM OutPatientPrintDetails", nullptr,
                                [](const std::vector<QString>&) {}),
                 DbError);
}
