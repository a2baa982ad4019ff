// The bill screen family, tested once over the out-patient, in-patient, lab and X-ray bills: what opens
// them, the number they offer, the patient chosen, the print question, print before store, one store per
// bill, the failure boxes, reprint and Clear.
#include "BillFixture.h"
#include "billing/frmBill.h"
#include "billing/frmInBill.h"
#include "billing/frmLabBillReport.h"
#include "billing/frmXRayBillReport.h"
#include "data/Environment.h"
#include "framework/FieldBinding.h"

#include <QDateEdit>
#include <QLabel>

namespace {

struct BillFamilyRow {
    std::string name;
    std::function<BillScreen*()> open;
    // What the screen needs before it opens, in the order it asks: the box while it is missing, and the rows
    // that provide it (the last: patients "..1" Asha and "..12" Bala).
    std::vector<std::pair<QString, std::function<void(BillTest&)>>> needs;
    QString patientId;
    QString entryBox; // where a line's amount or test is typed ("100" or "CBC", a test of 100)
    QString billTable;
    QString counterTable;
    QString alreadyPrinted;
    bool describesFailure; // the failure box names the failure after its text
    bool bold;
};
void PrintTo(const BillFamilyRow& row, std::ostream* os) {
    *os << row.name;
}

class BillFamily : public BillTest, public testing::WithParamInterface<BillFamilyRow> {
protected:
    BillScreen* openReady() {
        for (const auto& need : GetParam().needs)
            need.second(*this);
        BillScreen* s = GetParam().open();
        if (s) ScreenDriver(s).activate();
        return s;
    }
    // A bill of one line of 100, listed.
    BillScreen* listedBill() {
        BillScreen* s = openReady();
        if (!s) return nullptr;
        choose(s, GetParam().patientId);
        listLine(s);
        return s;
    }
    static void listLine(BillScreen* s) {
        const QString box = GetParam().entryBox;
        emptyControl(ScreenDriver(s).control(box));
        type(s, box, box == "Text1_0" ? "100" : "CBC");
        press(s, "Picture1");
    }
    int bills() { return rowCount(GetParam().billTable); }
    QString counter() { return stored(GetParam().counterTable, "LastBillNo"); }
    QString failureBox(const QString& description) const {
        return "Please Check the Printer is Correctly Installed" +
               (GetParam().describesFailure ? description : QString());
    }

public:
    static std::string rowName(const testing::TestParamInfo<BillFamilyRow>& info) { return info.param.name; }
};

// The out-patient and in-patient bills, whose Add lists typed fees for a chosen patient.
class FeeBillFamily : public BillFamily {};

} // namespace

TEST_P(BillFamily, OpensOnlyWithWhatItNeedsAndOffersTheCounterPlusOne) {
    for (const auto& [missing, provide] : GetParam().needs) {
        messages.clear();
        EXPECT_EQ(GetParam().open(), nullptr) << missing;
        EXPECT_EQ(messages.calls(),
                  (std::vector<RecordedMessage>{{MsgIcon::Critical, MsgButtons::Ok, "Warning", missing}}));
        provide(*this);
    }
    execSql(dbPath(), "UPDATE " + GetParam().counterTable + " SET LastBillNo = 41");
    messages.clear();
    BillScreen* s = GetParam().open();
    ASSERT_NE(s, nullptr);
    const ScreenDriver d(s);
    EXPECT_EQ(s->objectName(), s->metaObject()->className()); // a screen goes by its given name
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_EQ(d.control<QLabel>("Label2")->text(), "42");
    EXPECT_EQ(d.control<QComboBox>("cmbPatientName")->itemText(0), GetParam().patientId);
    EXPECT_EQ(d.control<QComboBox>("cmbDrName")->itemText(0), "Dr.Rao");
    EXPECT_EQ(d.text("cmbPatientName"), "");
    EXPECT_EQ(d.text("txtPatientID"), ""); // no patient's name shown before one is chosen
    const auto* list = d.control<QTreeWidget>("List");
    EXPECT_EQ(list->headerItem()->text(0) + "|" + list->headerItem()->text(1) + "|" +
                  list->headerItem()->text(2),
              "Sl No|Particulars|Amount");
}

TEST_P(BillFamily, ChoosingAPatientShowsTheNameAndMovesOnToTheDoctor) {
    BillScreen* s = openReady();
    ASSERT_NE(s, nullptr);
    const ScreenDriver d(s);
    d.type("cmbPatientName", GetParam().patientId);
    EXPECT_EQ(d.text("txtPatientID"), "Asha"); // shown as typed, the typing goes on in the box
    EXPECT_EQ(s->focusWidget(), d.control("cmbPatientName"));
    QTest::keyClick(d.control("cmbPatientName"), Qt::Key_Return);
    EXPECT_EQ(s->focusWidget(), d.control("cmbDrName"));
    // Future dates are refused with the bill's wording.
    d.control<QDateEdit>("DTPicker1")->setDate(Today().addDays(1));
    EXPECT_EQ(messages.last(), (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, "Warning",
                                                "Please Select date Less than Equal To Current Date\r\nYou "
                                                "cannt Bill for Future Date"}));
    EXPECT_EQ(d.control<QDateEdit>("DTPicker1")->date(), Today());
}

TEST_P(FeeBillFamily, AddAndPrintRefuseWhatIsMissing) {
    BillScreen* s = openReady();
    ASSERT_NE(s, nullptr);
    const ScreenDriver d(s);
    const RecordedMessage noPatient{MsgIcon::Critical, MsgButtons::Ok, "Warning",
                                    "Please Select the Patient Name First"};
    const RecordedMessage noAmount{MsgIcon::Critical, MsgButtons::Ok, "Warning", "Please add the Amount"};
    type(s, "Text1_0", "100");
    press(s, "Picture1");
    EXPECT_EQ(messages.last(), noPatient);
    EXPECT_EQ(s->focusWidget(), d.control("cmbPatientName"));
    // An ID that is no patient's is no patient either.
    d.type("cmbPatientName", "XX9");
    press(s, "Picture1");
    EXPECT_EQ(messages.last(), noPatient);
    EXPECT_TRUE(listed(s).empty());
    press(s, "Picture2");
    EXPECT_EQ(messages.last(), noAmount);
    messages.clear();
    // All amounts empty or 0: nothing listed, the total 0, and nothing to print.
    emptyControl(d.control("cmbPatientName"));
    choose(s, GetParam().patientId);
    d.control<QLineEdit>("Text1_0")->setText("0");
    press(s, "Picture1");
    EXPECT_TRUE(listed(s).empty());
    EXPECT_EQ(d.text("txtTotal"), " 0");
    press(s, "Picture2");
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{noAmount}));
    EXPECT_TRUE(printer->texts().empty());
}

TEST_P(BillFamily, PrintsAfterYesThenStoresOnceAndReprintsWithoutStoring) {
    BillScreen* s = listedBill();
    ASSERT_NE(s, nullptr);
    print(s, MsgAnswer::No);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{kQuestion}));
    EXPECT_TRUE(printer->events().empty());
    messages.clear();
    print(s);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{kQuestion, kSaved}));
    EXPECT_EQ(printer->endDocuments(), 1);
    EXPECT_TRUE(s->printed());
    EXPECT_EQ(stored(GetParam().billTable,
                     "BillNo || '|' || Date || '|' || total || '|' || patientName || '|' || "
                     "patientid || '|' || BillDelete"),
              "1|2026-12-07| 100|Asha|" + GetParam().patientId + "|Available");
    EXPECT_EQ(counter(), "1");
    for (const PrintEvent& e : printer->texts())
        EXPECT_EQ(e.font, (PrintFont{"Arial", 9, GetParam().bold})) << e.text;

    // Printed: Add is refused; printing again prints the same sheet and stores nothing.
    const auto first = printedTexts(printer->documents().at(0));
    emptyControl(ScreenDriver(s).control(GetParam().entryBox)); // what the boxes show now is not the bill
    messages.clear();
    press(s, "Picture1");
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{{MsgIcon::Critical, MsgButtons::Ok, "Warning",
                                                               GetParam().alreadyPrinted}}));
    messages.clear();
    print(s);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{kQuestion}));
    ASSERT_EQ(printer->endDocuments(), 2);
    EXPECT_EQ(printedTexts(printer->documents().at(1)), first);
    EXPECT_EQ(bills(), 1);
    EXPECT_EQ(counter(), "1");

    // Clear: an empty bill under the next number.
    press(s, "Picture3");
    const ScreenDriver d(s);
    EXPECT_EQ(d.control<QLabel>("Label2")->text(), "2");
    EXPECT_FALSE(s->printed());
    EXPECT_TRUE(listed(s).empty());
    for (const QString& box :
         QStringList{"txtTotal", "cmbPatientName", "txtPatientID", "cmbDrName", GetParam().entryBox})
        EXPECT_EQ(d.text(box), "") << box;
}

TEST_P(BillFamily, AFailedPrintOrStoreStoresNothingAndUsesNoNumber) {
    BillScreen* s = listedBill();
    ASSERT_NE(s, nullptr);
    // The printer fails part-way, then the store fails after a good print.
    printer->failAtText(3, "The printer is not ready");
    print(s);
    EXPECT_EQ(messages.last(), (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, AppTitle,
                                                failureBox("The printer is not ready")}));
    EXPECT_EQ(printer->endDocuments(), 0);
    execSql(dbPath(), "CREATE TRIGGER full BEFORE UPDATE ON " + GetParam().counterTable +
                          " BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    print(s);
    EXPECT_EQ(printer->endDocuments(), 1);
    EXPECT_EQ(messages.last().text,
              "Please Check the Printer is Correctly Installed"
              "The bill was printed but not stored, so it may be printed again: disk full");
    EXPECT_EQ(bills(), 0);
    EXPECT_EQ(counter(), "0");
    EXPECT_FALSE(s->printed());
    EXPECT_EQ(ScreenDriver(s).control<QLabel>("Label2")->text(), "1");
    // Once the file takes writes again, printing again stores the bill under the same number.
    execSql(dbPath(), "DROP TRIGGER full");
    messages.clear();
    print(s);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{kQuestion, kSaved}));
    EXPECT_EQ(stored(GetParam().billTable, "group_concat(BillNo)"), "1");
    EXPECT_EQ(counter(), "1");
}

TEST_P(BillFamily, ChoosingAnotherPatientDropsTheLinesListedForTheFirst) {
    BillScreen* s = listedBill();
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(listed(s).size(), 1u);
    const ScreenDriver d(s);
    emptyControl(d.control("cmbPatientName"));
    choose(s, GetParam().patientId + "2");
    EXPECT_EQ(d.text("txtPatientID"), "Bala");
    EXPECT_TRUE(listed(s).empty());
}

namespace {
const QString NoDoctors = "Please add the Dr. Details First";
const QString NoPatients = "Please add the OutPatient Details First";
void doctor(BillTest& t) {
    t.addDoctor();
}
void outPatients(BillTest& t) {
    t.addOutPatient("OP1", "Asha");
    t.addOutPatient("OP12", "Bala");
}
void inPatients(BillTest& t) {
    t.admit("IP1", "Asha");
    t.admit("IP12", "Bala");
}
const BillFamilyRow OutPatient{"OutPatient",
                               [] { return static_cast<BillScreen*>(ShowScreen<frmBill>()); },
                               {{NoDoctors, doctor}, {NoPatients, outPatients}},
                               "OP1",
                               "Text1_0",
                               "OutPatientPrintDetails",
                               "SettingsOutBillNo",
                               "You cannt Change the Bill Already Printed ! Cancel The Bill Again Give Print",
                               true,
                               false};
const BillFamilyRow InPatient{
    "InPatient",
    [] { return static_cast<BillScreen*>(ShowScreen<frmInBill>()); },
    {{NoDoctors, doctor}, {NoPatients, inPatients}},
    "IP1",
    "Text1_0",
    "InPatientPrintDetails",
    "SettingsInBillNo",
    "You cannt Change the Bill Already Printed ! Cancel the Bill First then Again Give Print",
    false,
    true};
// A test bill opens with a test, a doctor, an in-patient and an out-patient, in that order; its patients
// are the in-patients, then the out-patients.
BillFamilyRow testBill(std::string name, std::function<BillScreen*()> open, const QString& catalogue,
                       const QString& bills, const QString& counter) {
    return {std::move(name),
            std::move(open),
            {{"Please add the Description Details First",
              [catalogue](BillTest& t) {
                  t.insertRow(catalogue,
                              {"Description", catalogue == "SettingsLab" ? "Amount" : "AdultAmount"},
                              {"CBC", "100"});
                  if (catalogue == "SettingsXRay")
                      execSql(t.dbPath(), "UPDATE SettingsXRay SET ChildrenAmount = 100");
              }},
             {NoDoctors, doctor},
             {NoPatients, inPatients},
             {NoPatients, [](BillTest& t) { t.addOutPatient("OP5", "Chitra"); }}},
            "IP1",
            "cmbDescription",
            bills,
            counter,
            "You cannt Change the Bill Already Printed ! Cancel the Bill First then Again Give Print",
            false,
            true};
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Bills, BillFamily,
    testing::Values(OutPatient, InPatient,
                    testBill(
                        "Lab", [] { return static_cast<BillScreen*>(ShowScreen<frmLabBillReport>()); },
                        "SettingsLab", "LabPrintDetails", "SettingsLabBillNo"),
                    testBill(
                        "XRay", [] { return static_cast<BillScreen*>(ShowScreen<frmXRayBillReport>()); },
                        "SettingsXRay", "XRayPrintDetails", "SettingsXRayBillNo")),
    BillFamily::rowName);
INSTANTIATE_TEST_SUITE_P(Bills, FeeBillFamily, testing::Values(OutPatient, InPatient), BillFamily::rowName);
