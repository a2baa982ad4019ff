#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/modConnectDB.h"
#include "rules/BillBook.h"
#include "rules/BillLines.h"
#include "rules/Money.h"
#include "support/AppFixture.h"

#include <functional>
#include <ostream>

namespace {
template <class In, class Out> using Cases = std::vector<std::pair<In, Out>>;
using Lines = std::vector<BillLine>;
} // namespace

static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

static void PrintTo(const BillLine& l, std::ostream* os) {
    *os << "{\"" << l.serial.toStdString() << "\", \"" << l.particulars.toStdString() << "\", \""
        << l.amount.toStdString() << "\"}";
}

TEST(Money, AmountTextsInWholeCentsRoundedFromTheirDecimalDigits) {
    const Cases<const char*, Cents> cases = {
        {"1.005", 101}, {"0.125", 13},   {"abc", 0},        {"", 0},          {"12.5 Rs", 1250},
        {"  7", 700},   {"\t7", 700},    {"+7", 700},       {"-2.555", -256}, {"-0.125", -13},
        {"12.", 1200},  {".5", 50},      {"1.2.3", 120},    {"0.994", 99},    {"0.995", 100},
        {"-", 0},       {"1.0049", 100}, {"99.995", 10000}, {"12:30", 1200},  {"150", 15000},
    };
    for (const auto& [text, cents] : cases)
        EXPECT_EQ(amountCents(text), cents) << text;
    // Beyond a trillion the amount stays at the bound, even where its decimals would round it up.
    const QString thirty = "123456789012345678901234567890";
    const Cents bound = 100'000'000'000'000;
    const Cases<QString, Cents> large = {
        {thirty, bound},
        {"-" + thirty, -bound},
        {thirty + ".999", bound},
        {"1000000000000.005", bound},
        {"999999999999.99", bound - 1},
        {"999999999999.995", bound},
    };
    for (const auto& [text, cents] : large)
        EXPECT_EQ(amountCents(text), cents) << text.toStdString();
}

TEST(Money, CentsAsTheListAndTheTotalBoxShowThem) {
    const Cases<Cents, const char*> listed = {
        {0, "0.00"},   {5, "0.05"},  {-5, "-0.05"},       {-1250, "-12.50"},
        {100, "1.00"}, {99, "0.99"}, {123456, "1234.56"}, {100'000'000'000'000, "1000000000000.00"},
    };
    for (const auto& [cents, text] : listed)
        EXPECT_EQ(formatCents(cents), text) << cents;
    const Cases<Cents, const char*> plain = {
        {15050, " 150.5"}, {0, " 0"},     {15000, " 150"},  {-2025, "-20.25"}, {30, " 0.3"},
        {1, " 0.01"},      {-5, "-0.05"}, {1005, " 10.05"}, {-100, "-1"},
    };
    for (const auto& [cents, text] : plain)
        EXPECT_EQ(plainCents(cents), text) << cents;
}

namespace {
std::vector<FixedFee> fees(const std::vector<QString>& amounts) {
    static const QStringList captions = {"Dr Fees", "Dressing", "X-Ray", "Lab", "ECG", "Scan"};
    std::vector<FixedFee> out;
    for (size_t i = 0; i < amounts.size(); ++i)
        out.push_back({captions[static_cast<qsizetype>(i)], amounts[i]});
    return out;
}
} // namespace

TEST(BillLines, FixedFeesListedInOrderWithoutTheEmptyOnes) {
    const Cases<std::vector<QString>, std::pair<Lines, QString>> cases = {
        {{"100", "", "", "", "50.5", ""}, {{{"01", "Dr Fees", "100.00"}, {"02", "ECG", "50.50"}}, " 150.5"}},
        {{"", "0", "0.00", "abc", "", " "}, {{}, " 0"}},
        {{"0.1", "0.2"}, {{{"01", "Dr Fees", "0.10"}, {"02", "Dressing", "0.20"}}, " 0.3"}},
        {{"", "", "1.005"}, {{{"01", "X-Ray", "1.01"}}, " 1.01"}},
        {{" 100 ", "-20.25"}, {{{"01", "Dr Fees", "100.00"}, {"02", "Dressing", "-20.25"}}, " 79.75"}},
    };
    for (const auto& [amounts, expected] : cases) {
        BillLines bill;
        bill.rebuild(fees(amounts));
        EXPECT_EQ(bill.lines(), expected.first) << amounts.size() << " fees";
        EXPECT_EQ(bill.totalText(), expected.second);
        bill.rebuild(fees(amounts)); // another Add numbers from 01 again
        EXPECT_EQ(bill.lines(), expected.first);
        EXPECT_EQ(bill.totalText(), expected.second);
    }
    BillLines sum;
    sum.rebuild(fees({"0.1", "0.2"}));
    EXPECT_EQ(sum.total(), 30);
}

TEST(BillLines, OthersNumberOnAndAPlainAddDropsThem) {
    BillLines bill;
    bill.rebuild(fees({"100", "", "", "", "50.5"}));
    bill.addOther("Medicines", "20.25");
    bill.addOther("Bandage", "5");
    EXPECT_EQ(bill.lines(), (Lines{{"01", "Dr Fees", "100.00"},
                                   {"02", "ECG", "50.50"},
                                   {"03", "Medicines", "20.25"},
                                   {"04", "Bandage", "5.00"}}));
    EXPECT_EQ(bill.total(), 17575);
    EXPECT_EQ(bill.totalText(), " 175.75");
    bill.rebuild(fees({"100", "", "", "", "50.5"}));
    EXPECT_EQ(bill.lines(), (Lines{{"01", "Dr Fees", "100.00"}, {"02", "ECG", "50.50"}}));
    EXPECT_EQ(bill.total(), 15050);
    bill.clear();
    bill.addOther("Medicines", "1");
    EXPECT_EQ(bill.lines(), (Lines{{"01", "Medicines", "1.00"}}));
    EXPECT_EQ(bill.total(), 100);
}

TEST(BillLines, AdvanceDeductedOnceWithGrossTotalAndLessAdvanceAtTheEnd) {
    const QString blanks(26, ' ');
    const std::vector<FixedFee> stay = fees({"1000", "200"});
    const Lines deducted = {{"01", "Dr Fees", "1000.00"},
                            {"02", "Dressing", "200.00"},
                            {"", blanks + "Gross Total", "1200.00"},
                            {"", blanks + "Less Advance", "800.00"}};
    // Each way of coming to the final bill again must leave the same deduction.
    const Cases<const char*, std::function<void(BillLines&)>> again = {
        {"once", [](BillLines&) {}},
        {"deducted twice", [](BillLines& b) { b.deductAdvance("800"); }},
        {"another Add",
         [&](BillLines& b) {
             b.rebuild(stay);
             b.deductAdvance("800");
         }},
    };
    for (const auto& [name, then] : again) {
        BillLines bill;
        bill.rebuild(stay);
        bill.deductAdvance("800");
        then(bill);
        EXPECT_EQ(bill.lines(), deducted) << name;
        EXPECT_EQ(bill.total(), 40000) << name;
        EXPECT_EQ(bill.totalText(), " 400") << name;
    }

    BillLines bill;
    bill.rebuild(stay);
    bill.deductAdvance("800");
    bill.addOther("Medicines", "150");
    EXPECT_EQ(bill.lines(), (Lines{{"01", "Dr Fees", "1000.00"},
                                   {"02", "Dressing", "200.00"},
                                   {"03", "Medicines", "150.00"},
                                   {"", blanks + "Gross Total", "1350.00"},
                                   {"", blanks + "Less Advance", "800.00"}}));
    EXPECT_EQ(bill.total(), 55000);
    for (const QString blank : {"", "   "}) {
        BillLines removed;
        removed.rebuild(stay);
        removed.deductAdvance("800");
        removed.deductAdvance(blank);
        EXPECT_EQ(removed.lines(), (Lines(deducted.begin(), deducted.begin() + 2)))
            << blank.size() << " blanks";
        EXPECT_EQ(removed.total(), 120000);
    }
}

TEST(BillLines, AdvanceReceiptIsTheOneLine) {
    BillLines bill;
    bill.rebuild(fees({"1000", "200"}));
    bill.deductAdvance("800");
    bill.advanceReceipt("500");
    EXPECT_EQ(bill.lines(), (Lines{{"01", "Adv.   Amt", "500.00"}}));
    EXPECT_EQ(bill.total(), 50000);
    EXPECT_EQ(bill.totalText(), " 500");
    bill.addOther("Medicines", "10"); // numbered on from the receipt line
    EXPECT_EQ(bill.lines().back(), (BillLine{"02", "Medicines", "10.00"}));
}

// ---- The bill book: numbers and storing in one transaction ----

namespace {
// An out-patient bill row: BillNo, Date, six fees, OtherCharge, total, patientName, patientid, BillDelete.
std::vector<Value> outRow(const Value& first = Value(), const Value& status = Value()) {
    std::vector<Value> row{first, Value::date(QDate(2026, 12, 7))};
    for (const char* fee : {"100", "", "", "", "50.5", "", ""})
        row.push_back(Value::text(fee));
    for (const char* text : {" 150.5", "Ravi", "OP1"})
        row.push_back(Value::text(text));
    row.push_back(status);
    return row;
}
// An in-patient bill row: 15 columns before BillDelete, then Advance.
std::vector<Value> inRow() {
    std::vector<Value> row{Value(), Value::date(QDate(2026, 12, 7)), Value::text("1000")};
    while (row.size() < 15)
        row.push_back(Value::text(""));
    row.push_back(Value());
    row.push_back(Value::text("500"));
    return row;
}
std::vector<Value> rowFor(const BillTables& t) {
    return t.bills == OutPatientBills.bills ? outRow() : inRow();
}
} // namespace

class BillBookTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        connect();
    }
    QString sql(const QString& s) { return querySql(dbPath(), s); }
    QString count(const QString& table) { return sql("SELECT COUNT(*) FROM " + table); }
    QString counter(const BillTables& t) { return sql("SELECT group_concat(LastBillNo) FROM " + t.counter); }
};

TEST_F(BillBookTest, NextNumberIsTheCounterReadAfreshPlusOne) {
    try {
        BillBook(OutPatientBills).store(1, {outRow()}); // never opened
        ADD_FAILURE() << "a book that is not open stored a bill";
    } catch (const DbError& e) {
        EXPECT_EQ(e.description(), "Operation is not allowed when the object is closed.");
    }
    for (const BillTables& t : {OutPatientBills, InPatientBills}) {
        BillBook book(t);
        ASSERT_TRUE(book.open(DbConnection)) << book.LastError().toStdString();
        const Cases<QString, long long> cases = {
            {"INSERT INTO %1 VALUES (0)", 1}, {"INSERT INTO %1 VALUES (41)", 42}, {"", 1}, // no counter row
        };
        for (const auto& [setup, next] : cases) {
            execSql(dbPath(),
                    "DELETE FROM " + t.counter + (setup.isEmpty() ? "" : "; " + setup.arg(t.counter)));
            EXPECT_EQ(book.nextNumber(), next) << t.counter.toStdString() << " " << setup.toStdString();
            EXPECT_EQ(count(t.counter), setup.isEmpty() ? "0" : "1") << "nothing is written";
        }
        book.store(1, {rowFor(t)}); // the missing counter row is made
        EXPECT_EQ(counter(t), "1");
        EXPECT_EQ(book.nextNumber(), 2);
        // A cancelled bill keeps its number.
        execSql(dbPath(), "UPDATE " + t.bills + " SET BillDelete = 'Deleted' WHERE BillNo = 1");
        EXPECT_EQ(book.nextNumber(), 2);
        // Bill 2 stored by another desk after 2 was offered here: this desk's bill 2 is refused whole.
        execSql(dbPath(), "UPDATE " + t.counter + " SET LastBillNo = 2");
        EXPECT_THROW(book.store(2, {rowFor(t)}), DbError);
        EXPECT_EQ(count(t.bills), "1");
        EXPECT_EQ(counter(t), "2");
    }
}

TEST_F(BillBookTest, StoredRowHoldsTheTextsAsGivenWithItsNumberAndAvailable) {
    BillBook book(OutPatientBills);
    ASSERT_TRUE(book.open(DbConnection));
    book.store(12, {outRow(Value::text("junk"), Value::text("Deleted")), outRow()});
    const QString columns = "quote(BillNo)||'|'||quote(Date)||'|'||quote(DrFees)||'|'||quote(DressingCharges)"
                            "||'|'||quote(EcgCharge)||'|'||quote(total)||'|'||quote(patientid)||'|'||"
                            "quote(BillDelete)";
    EXPECT_EQ(sql("SELECT group_concat(r, ';') FROM (SELECT " + columns +
                  " AS r FROM OutPatientPrintDetails ORDER BY rowid)"),
              "12|'2026-12-07'|'100'|''|'50.5'|' 150.5'|'OP1'|'Available';"
              "12|'2026-12-07'|'100'|''|'50.5'|' 150.5'|'OP1'|'Available'");
    EXPECT_EQ(counter(OutPatientBills), "12");

    BillBook in(InPatientBills);
    ASSERT_TRUE(in.open(DbConnection));
    in.store(3, {inRow()});
    EXPECT_EQ(sql("SELECT BillNo||'|'||Date||'|'||BedCharges||'|'||BillDelete||'|'||Advance "
                  "FROM InPatientPrintDetails"),
              "3|2026-12-07|1000|Available|500");
    EXPECT_EQ(counter(InPatientBills), "3");
}

TEST_F(BillBookTest, FailureInsideTheStoreLeavesNothingAndTheNumberIsOfferedAgain) {
    // Where the failure strikes: the bill row, the counter changed, the counter row made.
    struct Failure {
        BillTables tables;
        QString counterRows; // what the counter holds before
        QString trigger;
    };
    const Cases<const char*, Failure> cases = {
        {"counter update", {OutPatientBills, "(41)", "BEFORE UPDATE ON SettingsOutBillNo"}},
        {"counter insert", {OutPatientBills, "", "BEFORE INSERT ON SettingsOutBillNo"}},
        {"bill insert", {OutPatientBills, "(5)", "BEFORE INSERT ON OutPatientPrintDetails"}},
        {"in-patient counter", {InPatientBills, "(0)", "BEFORE UPDATE ON SettingsInBillNo"}},
    };
    for (const auto& [name, f] : cases) {
        execSql(dbPath(), "DELETE FROM " + f.tables.counter + ";" +
                              (f.counterRows.isEmpty()
                                   ? QString()
                                   : "INSERT INTO " + f.tables.counter + " VALUES " + f.counterRows + ";") +
                              "CREATE TRIGGER fail " + f.trigger +
                              " BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        BillBook book(f.tables);
        ASSERT_TRUE(book.open(DbConnection));
        const long long number = book.nextNumber();
        const QString before = counter(f.tables);
        try {
            book.store(number, {rowFor(f.tables)});
            ADD_FAILURE() << name << ": the failure did not reach the caller";
        } catch (const DbError& e) {
            EXPECT_EQ(e.description(), "disk full") << name;
        }
        EXPECT_EQ(count(f.tables.bills), "0") << name;
        EXPECT_EQ(counter(f.tables), before) << name;
        EXPECT_EQ(book.nextNumber(), number) << name;

        execSql(dbPath(), "DROP TRIGGER fail");
        book.store(number, {rowFor(f.tables)}); // nothing half-written stands in the way
        EXPECT_EQ(sql("SELECT group_concat(BillNo) FROM " + f.tables.bills), QString::number(number)) << name;
        EXPECT_EQ(counter(f.tables), QString::number(number)) << name;
        execSql(dbPath(), "DELETE FROM " + f.tables.bills);
    }
}

TEST_F(BillBookTest, AdvanceThatFailsTakesTheBillAndTheCounterWithItAndTheSetsAreReadAgain) {
    execSql(dbPath(),
            "INSERT INTO SettingsInPatient (EmployeeID, FirstName, AdvancePaid) VALUES ('IP1','Mala',200)");
    Recordset patients;
    ASSERT_TRUE(patients.Open("SELECT * FROM SettingsInPatient", DbConnection, Recordset::Mode::Editable));
    const int advance = 18;
    ASSERT_EQ(patients.FieldName(advance), "AdvancePaid");
    const auto writeAdvance = [&](double amount = 1000) {
        patients.MoveFirst();
        patients.SetField(advance, Value::number(amount));
    };
    // The file refuses an advance of 999.
    execSql(dbPath(), "CREATE TRIGGER fail BEFORE UPDATE ON SettingsInPatient WHEN NEW.AdvancePaid = 999 "
                      "BEGIN SELECT RAISE(ABORT, 'advance failed'); END");
    const Cases<const char*, std::function<void()>> cases = {
        {"written behind the set, then failed",
         [] {
             DbConnection->exec("UPDATE SettingsInPatient SET AdvancePaid = 1000");
             throw DbError("advance failed");
         }},
        {"written through the set, then failed",
         [&] {
             writeAdvance();
             patients.Update();
             throw DbError("advance failed");
         }},
        {"left pending in the set",
         [&] {
             writeAdvance();
             throw DbError("advance failed");
         }},
        {"the set's write refused",
         [&] {
             writeAdvance(999);
             patients.Update();
         }},
    };
    BillBook book(InPatientBills);
    ASSERT_TRUE(book.open(DbConnection));
    for (const auto& [name, alsoWrite] : cases) {
        try {
            book.store(1, {inRow()}, alsoWrite, {&patients});
            ADD_FAILURE() << name << ": the failure did not reach the caller";
        } catch (const DbError& e) {
            EXPECT_EQ(e.description(), "advance failed") << name;
        }
        EXPECT_EQ(count("InPatientPrintDetails"), "0") << name;
        EXPECT_EQ(counter(InPatientBills), "0") << name;
        EXPECT_EQ(sql("SELECT AdvancePaid FROM SettingsInPatient"), "200") << name;
        EXPECT_FALSE(patients.EditPending()) << name;
        ASSERT_EQ(patients.RecordCount(), 1) << name;
        EXPECT_EQ(patients.FieldText(advance), "200") << name;
        EXPECT_EQ(book.nextNumber(), 1) << name;
    }
    book.store(1, {inRow()}, [&] {
        writeAdvance();
        patients.Update();
    });
    EXPECT_EQ(sql("SELECT AdvancePaid FROM SettingsInPatient"), "1000");
    EXPECT_EQ(count("InPatientPrintDetails"), "1");
    EXPECT_EQ(counter(InPatientBills), "1");
}
