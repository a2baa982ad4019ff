// What the lab and X-ray bills do beyond their family: the test picked and its price, the discount, the
// sheet with its discount line, one stored row per line.
#include "BillFixture.h"
#include "billing/frmLabBillReport.h"
#include "billing/frmXRayBillReport.h"
#include "framework/FieldBinding.h"

namespace {

class TestBillTest : public BillTest {
protected:
    void SetUp() override {
        BillTest::SetUp();
        for (const auto& [test, price] : std::vector<std::pair<QString, QString>>{
                 {"CBC", "100"}, {"ESR", "50"}, {"Sugar", "25"}, {"Lipid Profile", "450.5"}})
            insertRow("SettingsLab", {"Description", "Amount"}, {test, price});
        insertRow("SettingsXRay", {"Description", "AdultAmount", "ChildrenAmount"},
                  {"Chest PA", "400", "300"});
        addDoctor();
        admit("IP3", "Bala"); // aged 7
        addOutPatient("OP7", "Asha");
        execSql(dbPath(), "UPDATE SettingsOutPatient SET Age = '8'");
    }
    // Each test typed into the description and added with Enter.
    static void tests(BillScreen* s, const QStringList& names) {
        for (const QString& name : names) {
            auto* box = ScreenDriver(s).control<QComboBox>("cmbDescription");
            emptyControl(box);
            type(s, "cmbDescription", name);
            QTest::keyClick(box, Qt::Key_Return);
        }
    }
    static void discount(BillScreen* s, const QString& percent) {
        ScreenDriver(s).control<QLineEdit>("txtDiscount")->setText(percent);
    }
};

} // namespace

TEST_F(TestBillTest, ADiscountedBillPrintsItsDiscountLineAndStoresOneRowPerTest) {
    auto* s = open<frmLabBillReport>();
    ASSERT_NE(s, nullptr);
    choose(s, "OP7");
    tests(s, {"CBC", "ESR", "Sugar"});
    EXPECT_EQ(listed(s),
              (std::vector<BillLine>{{"01", "CBC", "100"}, {"02", "ESR", "50"}, {"03", "Sugar", "25"}}));
    EXPECT_EQ(ScreenDriver(s).text("txtCTotal"), " 175");
    discount(s, "10");
    print(s);
    EXPECT_EQ(ScreenDriver(s).text("txtTotal"), " 157.5");
    ASSERT_EQ(printer->documents().size(), 1u);
    const Printed sheet = printedTexts(printer->documents()[0]);
    Printed lines(sheet.begin() + 6, sheet.end()); // after the header
    Printed expected;
    billLine(expected, "01", "CBC", "100.00", 1800);
    billLine(expected, "02", "ESR", "50.00", 2050);
    billLine(expected, "03", "Sugar", "25.00", 2300);
    billLine(expected, "", "Discount 10 %", "17.50", 2550);
    rightAligned(expected, "157.50", 4600);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(querySql(dbPath(),
                       "SELECT group_concat(r, ';') FROM (SELECT BillNo || '|' || TestName || '|' || "
                       "TestCharge || '|' || DiscountPercent || '|' || GrossTotal || '|' || total || "
                       "'|' || patientName || '|' || patientid || '|' || BillDelete AS r FROM "
                       "LabPrintDetails ORDER BY rowid)"),
              "1|CBC|100|10| 175| 157.5|Asha|OP7|Available;1|ESR|50|10| 175| 157.5|Asha|OP7|Available;"
              "1|Sugar|25|10| 175| 157.5|Asha|OP7|Available");
    EXPECT_EQ(stored("SettingsLabBillNo", "LastBillNo"), "1");
}

TEST_F(TestBillTest, TenLinesAndTheDiscountOrElevenLinesTakeTwoSheets) {
    // Lines on the second sheet, each with its Y, for 10 lines with a discount and for 11 without.
    const std::vector<std::tuple<int, QString, std::vector<std::pair<QString, double>>>> cases{
        {10, "10", {{"Discount 10 %", 1800}}}, {11, "0", {{"CBC", 1800}}}};
    for (const auto& [count, percent, second] : cases) {
        printer->clear();
        auto* s = open<frmLabBillReport>();
        ASSERT_NE(s, nullptr);
        choose(s, "OP7");
        tests(s, QStringList(count, "CBC"));
        discount(s, percent);
        print(s);
        const auto documents = printer->documents();
        ASSERT_EQ(documents.size(), 2u) << count;
        EXPECT_EQ(std::get<2>(printedTexts(documents[0]).back()), 1800 + 9 * 250) << count;
        const Printed rest = printedTexts(documents[1]);
        EXPECT_EQ(std::get<0>(rest[1]), second[0].first) << count;
        EXPECT_EQ(std::get<2>(rest[1]), second[0].second) << count;
        EXPECT_EQ(std::get<2>(rest.back()), 4600) << count; // the total, on the last sheet
        s->close();
    }
}

TEST_F(TestBillTest, AWrongDiscountOrNoTestIsRefusedAndNothingPrints) {
    auto* s = open<frmLabBillReport>();
    ASSERT_NE(s, nullptr);
    choose(s, "OP7");
    press(s, "Picture1");
    EXPECT_EQ(messages.last(), (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, AppTitle,
                                                "Please Select the Description First"}));
    EXPECT_EQ(s->focusWidget(), ScreenDriver(s).control("cmbPatientName"));
    tests(s, {"CBC"});
    for (const char* percent : {"100", "-5", "99.5"}) {
        discount(s, percent);
        press(s, "Picture2");
        EXPECT_EQ(messages.last(),
                  (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, AppTitle,
                                   "Please select Correct Discount ! This is Invalid Discount"}))
            << percent;
        EXPECT_EQ(s->focusWidget(), ScreenDriver(s).control("txtDiscount"));
    }
    EXPECT_TRUE(printer->events().empty());
    // An emptied discount is no discount.
    discount(s, "");
    print(s);
    EXPECT_EQ(stored("LabPrintDetails", "total"), " 100");
}

TEST_F(TestBillTest, XRayTestsArePricedByAgeAndNamedAsXRay) {
    // With no patient yet, aged 7 and aged 8.
    const std::vector<std::pair<QString, QString>> cases{{"", "300"}, {"IP3", "300"}, {"OP7", "400"}};
    auto* s = open<frmXRayBillReport>();
    ASSERT_NE(s, nullptr);
    for (const auto& [patient, price] : cases) {
        press(s, "Picture3");
        if (!patient.isEmpty()) choose(s, patient);
        tests(s, {"Chest PA"});
        ASSERT_EQ(listed(s).size(), 1u) << patient;
        EXPECT_EQ(listed(s)[0], (BillLine{"01", "XRay-Chest PA", price})) << patient;
    }
    print(s);
    EXPECT_EQ(stored("XRayPrintDetails", "TestName || '|' || TestCharge"), "XRay-Chest PA|400");
}
