#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/modConnectDB.h"
#include "support/AppFixture.h"

#include <QEventLoop>
#include <QTimer>

using Mode = Recordset::Mode;

class RecordsetTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        connect();
    }
    // Three out-patients, added behind the program's back.
    void addPatients() {
        execSql(dbPath(), "INSERT INTO SettingsOutPatient (EmployeeID, FirstName) VALUES "
                          "('OP1','Asha'),('OP2','Bala'),('OP3','Chitra')");
    }
    // The three in ID order, in an editable set.
    void openPatients(Recordset& rs) {
        addPatients();
        ASSERT_TRUE(
            rs.Open("SELECT * FROM SettingsOutPatient Order by EmployeeID", DbConnection, Mode::Editable));
    }
    static QString name(const Recordset& rs) { return rs.FieldText(1); }
};

TEST_F(RecordsetTest, EmptyTableHasNoCurrentRow) {
    Recordset rs;
    ASSERT_TRUE(rs.Open("SELECT * FROM SettingsOutPatient", DbConnection, Mode::Editable));
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.AtBOF());
    EXPECT_TRUE(rs.AtEOF());
    EXPECT_NO_THROW(rs.MoveFirst());
    EXPECT_NO_THROW(rs.MoveLast());
    EXPECT_TRUE(rs.AtEOF());
    EXPECT_THROW(rs.Field(0), DbError);
    EXPECT_THROW(rs.MoveNext(), DbError);
    EXPECT_THROW(rs.Delete(), DbError);
}

TEST_F(RecordsetTest, MovesEndFlagsAndRequery) {
    Recordset rs;
    openPatients(rs);
    ASSERT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(name(rs), "Asha");
    rs.MovePrevious();
    EXPECT_TRUE(rs.AtBOF());
    EXPECT_FALSE(rs.AtEOF());
    EXPECT_THROW(rs.MovePrevious(), DbError);
    rs.MoveNext();
    EXPECT_EQ(name(rs), "Asha");
    rs.MoveLast();
    EXPECT_EQ(name(rs), "Chitra");
    rs.MoveNext();
    EXPECT_TRUE(rs.AtEOF());
    try {
        rs.Field(1);
        FAIL() << "read past the end";
    } catch (const DbError& e) {
        EXPECT_FALSE(e.description().isEmpty());
    }
    rs.MovePrevious();
    EXPECT_EQ(name(rs), "Chitra");
    // A requery sees a row stored since and stands on the first row.
    execSql(dbPath(), "INSERT INTO SettingsOutPatient (EmployeeID, FirstName) VALUES ('OP0','Zero')");
    rs.Requery();
    EXPECT_EQ(rs.RecordCount(), 4);
    EXPECT_EQ(rs.CurrentIndex(), 0);
    EXPECT_EQ(name(rs), "Zero");
}

TEST_F(RecordsetTest, AddedRowReachesFileButNotSnapshotUntilRequery) {
    Recordset work, snap;
    ASSERT_TRUE(work.Open("SELECT * FROM SettingsOutPatient", DbConnection, Mode::Editable));
    ASSERT_TRUE(snap.Open("SELECT * FROM SettingsOutPatient", DbConnection, Mode::Snapshot));
    work.AddNew();
    EXPECT_EQ(work.RecordCount(), 1);
    work.SetField(0, "OP7");
    // Quotes and SQL must be stored as typed, never run.
    work.SetField(1, "O'Brien\"); DROP TABLE SettingsOutPatient; --");
    EXPECT_EQ(querySql(dbPath(), "SELECT count(*) FROM SettingsOutPatient"), "0");
    work.Update();
    EXPECT_EQ(querySql(dbPath(), "SELECT FirstName FROM SettingsOutPatient"),
              "O'Brien\"); DROP TABLE SettingsOutPatient; --");
    EXPECT_TRUE(querySql(dbPath(), "SELECT quote(LastName) FROM SettingsOutPatient") == "NULL");
    EXPECT_EQ(work.FieldText(0), "OP7");
    EXPECT_EQ(snap.RecordCount(), 0);
    snap.Requery();
    EXPECT_EQ(snap.RecordCount(), 1);
    EXPECT_EQ(snap.FieldText(0), "OP7");
}

TEST_F(RecordsetTest, DeleteLastAndOnlyRow) {
    Recordset rs;
    openPatients(rs);
    rs.MoveLast();
    rs.Delete();
    EXPECT_THROW(rs.Field(0), DbError) << "no row is current after a delete";
    rs.MoveNext();
    EXPECT_TRUE(rs.AtEOF());
    rs.MoveLast();
    EXPECT_EQ(name(rs), "Bala");
    EXPECT_EQ(querySql(dbPath(), "SELECT count(*) FROM SettingsOutPatient"), "2");

    // Deleting a middle row: the next row takes its place.
    rs.MoveFirst();
    rs.Delete();
    rs.MoveNext();
    EXPECT_EQ(name(rs), "Bala");
    rs.Delete();
    EXPECT_EQ(rs.RecordCount(), 0);
    rs.MoveNext();
    EXPECT_TRUE(rs.AtEOF());
    EXPECT_TRUE(rs.AtBOF());
    EXPECT_EQ(querySql(dbPath(), "SELECT count(*) FROM SettingsOutPatient"), "0");
}

TEST_F(RecordsetTest, CancelUpdateAndAFailedUpdateReturnToTheRowAsItWas) {
    Recordset rs;
    openPatients(rs);
    rs.MoveNext();
    rs.AddNew();
    rs.SetField(1, "Never saved");
    rs.CancelUpdate();
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(name(rs), "Bala");

    rs.SetField(1, "Changed");
    EXPECT_EQ(name(rs), "Changed");
    rs.CancelUpdate();
    EXPECT_EQ(name(rs), "Bala");
    EXPECT_EQ(querySql(dbPath(), "SELECT count(*) FROM SettingsOutPatient WHERE FirstName='Bala'"), "1");

    // An update whose row went behind its back fails and keeps the change pending until cancelled.
    execSql(dbPath(), "DELETE FROM SettingsOutPatient WHERE EmployeeID='OP2'");
    rs.SetField(1, "Lost?");
    EXPECT_THROW(rs.Update(), DbError);
    EXPECT_TRUE(rs.EditPending());
    rs.CancelUpdate();
    EXPECT_EQ(name(rs), "Bala");
}

TEST_F(RecordsetTest, EditWritesOnlyItsOwnRow) {
    // Two identical rows: the write-back must find its row by identity, not by value.
    execSql(dbPath(), "INSERT INTO SettingsLab VALUES ('CBC','100'),('CBC','100')");
    Recordset rs;
    ASSERT_TRUE(rs.Open("SELECT * FROM SettingsLab", DbConnection, Mode::Editable));
    rs.MoveLast();
    rs.SetField(1, "150");
    rs.Update();
    EXPECT_EQ(
        querySql(dbPath(),
                 "SELECT group_concat(Amount, ',') FROM (SELECT Amount FROM SettingsLab ORDER BY rowid)"),
        "100,150");
    EXPECT_EQ(rs.FieldText(1), "150");
}

TEST_F(RecordsetTest, ReadOnlySetsRefuseWrites) {
    addPatients();
    Recordset snap, distinct;
    ASSERT_TRUE(snap.Open("SELECT * FROM SettingsOutPatient", DbConnection, Mode::Snapshot));
    EXPECT_THROW(snap.SetField(1, "x"), DbError);
    EXPECT_THROW(snap.AddNew(), DbError);
    EXPECT_THROW(snap.Delete(), DbError);
    ASSERT_TRUE(
        distinct.Open("SELECT DISTINCT(FirstName) FROM SettingsOutPatient", DbConnection, Mode::Editable));
    EXPECT_EQ(distinct.RecordCount(), 3);
    EXPECT_THROW(distinct.SetField(0, "x"), DbError);
    EXPECT_EQ(querySql(dbPath(), "SELECT count(*) FROM SettingsOutPatient WHERE FirstName='x'"), "0");
}

TEST_F(RecordsetTest, ValuesKeepTheirKinds) {
    Recordset rs;
    ASSERT_TRUE(rs.Open("SELECT * FROM OutPatientPrintDetails", DbConnection, Mode::Editable));
    for (int bill : {10, 9, 100}) {
        rs.AddNew();
        rs.SetField(0, QString::number(bill)); // the bill-number label's text
        rs.SetField(1, Value::date(QDate(2026, 3, bill % 28 + 1)));
        rs.SetField(9, " 150");
        rs.SetField(12, "Available");
        rs.Update();
    }
    // A date written as the picker shows it is stored in the date form too.
    rs.AddNew();
    rs.SetField(0, Value::number(11));
    rs.SetField(1, "07/12/2026");
    rs.Update();
    EXPECT_EQ(querySql(dbPath(), "SELECT Date FROM OutPatientPrintDetails WHERE BillNo=11"), "2026-12-07");
    EXPECT_EQ(querySql(dbPath(), "SELECT Date FROM OutPatientPrintDetails WHERE BillNo=10"), "2026-03-11");

    Recordset sorted;
    ASSERT_TRUE(
        sorted.Open("SELECT * FROM OutPatientPrintDetails Order by BillNo", DbConnection, Mode::Editable));
    QStringList order;
    for (sorted.MoveFirst(); !sorted.AtEOF(); sorted.MoveNext())
        order << sorted.FieldText(0);
    EXPECT_EQ(order, QStringList({"9", "10", "11", "100"}));
    sorted.MoveFirst();
    EXPECT_EQ(sorted.Field(0).kind(), Value::Kind::Number);
    EXPECT_EQ(sorted.Field(1).kind(), Value::Kind::Date);
    EXPECT_EQ(sorted.Field(1).toDate(), QDate(2026, 3, 10));
    EXPECT_EQ(sorted.FieldText(1), "10/03/2026");
    EXPECT_EQ(sorted.FieldText(9), " 150") << "texts are kept with their blanks";
    EXPECT_TRUE(sorted.Field(2).isNull());
    EXPECT_EQ(sorted.FieldText(2), "");
}

TEST_F(RecordsetTest, AutoNumberedKeyIsFilledOnUpdate) {
    Recordset rs;
    ASSERT_TRUE(rs.Open("SELECT * FROM SettingsNewUser", DbConnection, Mode::Editable));
    rs.AddNew();
    rs.SetField(1, "nurse");
    rs.Update();
    EXPECT_EQ(rs.FieldText(0), "2");
    EXPECT_EQ(rs.RecordCount(), 2);
}

TEST_F(RecordsetTest, BadSelectDoesNotOpen) {
    Recordset rs;
    EXPECT_FALSE(rs.Open("SELECT * FROM NoSuchTable", DbConnection, Mode::Editable));
    EXPECT_EQ(rs.State(), 0);
    EXPECT_FALSE(rs.LastError().isEmpty());
    EXPECT_THROW(rs.MoveFirst(), DbError);
    EXPECT_FALSE(rs.Open("SELECT * FROM SettingsLab", nullptr, Mode::Editable));
}

TEST_F(RecordsetTest, TransactionIsAllOrNothing) {
    Recordset bills;
    ASSERT_TRUE(bills.Open("SELECT * FROM OutPatientPrintDetails", DbConnection, Mode::Editable));
    // Left without commit, as when the counter write that follows fails; then committed.
    for (const bool commit : {false, true}) {
        Connection::Transaction t(*DbConnection);
        bills.AddNew();
        bills.SetField(0, commit ? "2" : "1");
        bills.Update();
        if (commit) t.commit();
    }
    EXPECT_EQ(querySql(dbPath(), "SELECT group_concat(BillNo) FROM OutPatientPrintDetails"), "2");
}

// Sets larger than a page, read in both orders the key reader knows: following the table (one scan of a
// stretch) and against it (one row at a time).
class LargeSetTest : public RecordsetTest, public testing::WithParamInterface<const char*> {
protected:
    static constexpr int kRows = 2 * Recordset::PageRows + 50;
    void SetUp() override {
        RecordsetTest::SetUp();
        QString values;
        for (int i = 0; i < kRows; ++i)
            values += QString("%1('OP%2','N%3')").arg(i ? "," : "").arg(i).arg(i, 4, 10, QChar('0'));
        execSql(dbPath(), "INSERT INTO SettingsOutPatient (EmployeeID, FirstName) VALUES " + values);
    }
    // The name at position `i` of the set: ascending with the table, or the reverse.
    QString expected(int i) const {
        const int n = QString(GetParam()).contains("DESC") ? kRows - 1 - i : i;
        return QString("N%1").arg(n, 4, 10, QChar('0'));
    }
};

TEST_P(LargeSetTest, PagesAreCrossedInBothDirections) {
    Recordset rs;
    ASSERT_TRUE(rs.Open(GetParam(), DbConnection, Mode::Editable));
    // One column of every row, in the set's order, read in one pass.
    const QStringList names = rs.ColumnTexts(1);
    ASSERT_EQ(names.size(), kRows);
    for (int n = 0; n < kRows; ++n)
        ASSERT_EQ(names[n], expected(n)) << n;
    EXPECT_THROW(rs.ColumnTexts(rs.FieldCount()), DbError);
    ASSERT_EQ(rs.RecordCount(), kRows);
    int i = 0;
    for (rs.MoveFirst(); !rs.AtEOF(); rs.MoveNext(), ++i)
        ASSERT_EQ(name(rs), expected(i)) << i;
    EXPECT_EQ(i, kRows);
    for (rs.MoveLast(), i = kRows - 1; !rs.AtBOF(); rs.MovePrevious(), --i)
        ASSERT_EQ(name(rs), expected(i)) << i;
    EXPECT_EQ(i, -1);
    // A write in the middle of the second page is read back there.
    rs.MoveTo(Recordset::PageRows + 3);
    rs.SetField(1, "Changed");
    rs.Update();
    rs.MoveLast();
    rs.MoveTo(Recordset::PageRows + 3);
    EXPECT_EQ(name(rs), "Changed");
    // Read again after another program deleted one row and changed another: the gone row is empty in its
    // place, the changed one shows what the file holds, every other row stays where it was.
    execSql(dbPath(), "DELETE FROM SettingsOutPatient WHERE EmployeeID = 'OP5'");
    execSql(dbPath(), "UPDATE SettingsOutPatient SET FirstName = 'Elsewhere' WHERE EmployeeID = 'OP9'");
    const QStringList again = rs.ColumnTexts(1);
    ASSERT_EQ(again.size(), kRows);
    for (int n = 0; n < kRows; ++n) {
        const QString was = n == Recordset::PageRows + 3 ? "Changed" : expected(n);
        ASSERT_EQ(again[n], was == "N0005" ? "" : was == "N0009" ? "Elsewhere" : was) << n;
    }
}

TEST_P(LargeSetTest, ARowDeletedByAnotherProgramIsReportedNotShown) {
    Recordset rs;
    ASSERT_TRUE(rs.Open(GetParam(), DbConnection, Mode::Snapshot));
    const int gone = Recordset::PageRows + 10;
    // The program waiting for the operator ends the set's read of the file, which another program's write
    // would otherwise wait for.
    QEventLoop idle;
    QTimer::singleShot(30, &idle, &QEventLoop::quit);
    idle.exec();
    execSql(dbPath(), "DELETE FROM SettingsOutPatient WHERE FirstName='" + expected(gone) + "'");
    EXPECT_EQ(rs.RecordCount(), kRows) << "the keys were read before the delete";
    rs.MoveTo(gone - 1);
    EXPECT_EQ(name(rs), expected(gone - 1));
    rs.MoveNext();
    try {
        rs.FieldText(1);
        FAIL() << "a deleted row was read";
    } catch (const DbError& e) {
        EXPECT_EQ(e.description(), "Row handle referred to a deleted row or a row marked for deletion.");
    }
    rs.MoveNext();
    EXPECT_EQ(name(rs), expected(gone + 1));
    rs.Requery();
    EXPECT_EQ(rs.RecordCount(), kRows - 1);
}

TEST_P(LargeSetTest, AWriteThroughTheConnectionEndsTheReadOfAWalkUnderWay) {
    Recordset rs;
    ASSERT_TRUE(rs.Open(GetParam(), DbConnection, Mode::Snapshot));
    for (int i = 0; i < Recordset::PageRows + 5; ++i)
        rs.MoveNext();
    DbConnection->exec("UPDATE SettingsOutPatient SET LastName = 'K'");
    int i = Recordset::PageRows + 5;
    for (; !rs.AtEOF(); rs.MoveNext(), ++i)
        ASSERT_EQ(name(rs), expected(i)) << i;
    EXPECT_EQ(i, kRows);
    EXPECT_EQ(rs.RecordCount(), kRows);
}

INSTANTIATE_TEST_SUITE_P(Orders, LargeSetTest,
                         testing::Values("SELECT * FROM SettingsOutPatient",
                                         "SELECT * FROM SettingsOutPatient Order by FirstName DESC"),
                         [](const auto& info) { return info.index == 0 ? "TableOrder" : "AgainstTheTable"; });

TEST_F(RecordsetTest, AForwardWalkReadsEveryKindOfCellAsThePagesHoldIt) {
    // Past the first page a forward walk reads the engine's row straight; backwards it reads pages.
    const int bills = Recordset::PageRows + 40;
    QString values;
    for (int i = 1; i <= bills; ++i)
        values += QString("%1(%2,'2026-%3-0%4','%5',NULL,%6)")
                      .arg(i > 1 ? "," : "")
                      .arg(i)
                      .arg(i % 12 + 1, 2, 10, QChar('0'))
                      .arg(i % 9 + 1)
                      .arg(i % 3 ? " 150" : "")
                      .arg(i % 2 ? "2.5" : "'x'");
    execSql(dbPath(),
            "INSERT INTO OutPatientPrintDetails (BillNo, Date, total, patientName, DrFees) VALUES " + values);
    Recordset rs;
    ASSERT_TRUE(
        rs.Open("SELECT * FROM OutPatientPrintDetails Order by BillNo", DbConnection, Mode::Snapshot));
    const auto row = [&] {
        return QStringList{rs.FieldText(0), rs.FieldText(1), rs.FieldText(2), rs.FieldText(9),
                           rs.FieldText(10)};
    };
    std::vector<QStringList> forward, backward;
    for (rs.MoveFirst(); !rs.AtEOF(); rs.MoveNext())
        forward.push_back(row());
    ASSERT_EQ(int(forward.size()), bills);
    EXPECT_EQ(forward[bills - 1], QStringList({QString::number(bills), "09/09/2026", "x", " 150", ""}));
    for (rs.MoveLast(); !rs.AtBOF(); rs.MovePrevious())
        backward.insert(backward.begin(), row());
    EXPECT_EQ(forward, backward);
}
