// What the out-patient and in-patient bills do beyond their family: the sheet each prints, the Others lines,
// the advances.
#include "BillFixture.h"
#include "billing/frmBill.h"
#include "billing/frmInBill.h"

#include <QCheckBox>
#include <QLabel>

namespace {

const QString Gross = QString(26, ' ') + "Gross Total";
const QString Less = QString(26, ' ') + "Less Advance";

class OutPatientBillTest : public BillTest {
protected:
    void SetUp() override {
        BillTest::SetUp();
        addDoctor();
        addOutPatient("OP7", "Asha");
    }
    // An Others line typed and added.
    static void other(BillScreen* s, const QString& text, const QString& amount) {
        type(s, "Text2", text);
        type(s, "Text1_6", amount);
        ScreenDriver(s).control<QCheckBox>("CheckBox2")->setChecked(true);
        press(s, "Picture1");
    }
};

class InPatientBillTest : public BillTest {
protected:
    void SetUp() override {
        BillTest::SetUp();
        addDoctor();
        admit("IP3", "Bala");
    }
    QString advancePaid() {
        return stored("SettingsInPatient", "coalesce(AdvancePaid, '<empty>')", "EmployeeID = 'IP3'");
    }
    // One bill for IP3 from a fresh screen: an advance paid now, or fees.
    void bill(const QString& advanceNow, const std::vector<std::pair<QString, QString>>& fees = {}) {
        auto* s = open<frmInBill>();
        ASSERT_NE(s, nullptr);
        choose(s, "IP3");
        type(s, "txtAdvance", advanceNow);
        for (const auto& [box, amount] : fees)
            type(s, box, amount);
        press(s, "Picture1");
        print(s);
        ASSERT_TRUE(s->printed());
        s->close();
    }
};

} // namespace

TEST_F(OutPatientBillTest, PrintsEveryPlaceOfTheSheetAndStoresTheRowAsTyped) {
    auto* s = open<frmBill>();
    ASSERT_NE(s, nullptr);
    choose(s, "OP7");
    ScreenDriver(s).control<QCheckBox>("CheckBox1")->setChecked(true);
    type(s, "Text1_0", "100");
    type(s, "Text1_4", "50.5");
    press(s, "Picture1");
    press(s, "Picture1"); // twice: the same two lines
    EXPECT_EQ(listed(s), (std::vector<BillLine>{{"01", "Dr Fees", "100.00"}, {"02", "ECG", "50.50"}}));
    print(s);
    ASSERT_EQ(printer->documents().size(), 1u);
    Printed expected{{"Name  :  Asha ( OP7 )", 0, 555},
                     {"3 Hill Street", 0, 755},
                     {"Galle", 0, 955},
                     {"1", 3580, 700},
                     {"07/12/2026", 4930, 700},
                     {"41", 3580, 920},
                     {"Female", 4930, 920},
                     {"Dr.Rao", 3580, 1150}};
    billLine(expected, "01", "Dr Fees", "100.00", 1800);
    billLine(expected, "02", "ECG", "50.50", 2050);
    rightAligned(expected, "150.50", 4600);
    EXPECT_EQ(printedTexts(printer->documents()[0]), expected);
    EXPECT_EQ(
        stored("OutPatientPrintDetails",
               "DrFees || '|' || DressingCharges || '|' || EcgCharge || '|' || OtherCharge || '|' || total"),
        "100||50.5|| 150.5");
}

TEST_F(OutPatientBillTest, OthersLinesNumberOnAndAPlainAddDropsThem) {
    auto* s = open<frmBill>();
    ASSERT_NE(s, nullptr);
    choose(s, "OP7");
    type(s, "Text1_0", "100");
    press(s, "Picture1");
    other(s, "Dressing kit", "20");
    other(s, "Syringe", "0.1");
    EXPECT_EQ(listed(s),
              (std::vector<BillLine>{
                  {"01", "Dr Fees", "100.00"}, {"02", "Dressing kit", "20.00"}, {"03", "Syringe", "0.10"}}));
    EXPECT_EQ(ScreenDriver(s).text("txtTotal"), " 120.1");
    for (const char* box : {"Text2", "Text1_6"})
        EXPECT_EQ(ScreenDriver(s).text(box), "") << box;
    EXPECT_FALSE(ScreenDriver(s).control<QCheckBox>("CheckBox2")->isChecked());
    press(s, "Picture1");
    EXPECT_EQ(listed(s), (std::vector<BillLine>{{"01", "Dr Fees", "100.00"}}));
    // An Others line is stored in the total only; the amount columns hold the fees the lines were listed
    // from, even when a box was changed after Add.
    other(s, "Dressing kit", "20");
    ScreenDriver(s).control<QLineEdit>("Text1_0")->setText("900");
    print(s);
    EXPECT_EQ(stored("OutPatientPrintDetails", "DrFees || '|' || OtherCharge || '|' || total"), "100|| 120");
}

TEST_F(OutPatientBillTest, TwelveLinesPrintOnTwoSheetsAndAreStoredAsOneBill) {
    auto* s = open<frmBill>();
    ASSERT_NE(s, nullptr);
    choose(s, "OP7");
    for (int i = 0; i < 6; ++i)
        type(s, "Text1_" + QString::number(i), QString::number(i + 1));
    press(s, "Picture1");
    for (int i = 7; i <= 12; ++i)
        other(s, "Item " + QString::number(i), QString::number(i));
    ASSERT_EQ(listed(s).size(), 12u);
    print(s);
    EXPECT_EQ(printer->documents().size(), 2u);
    EXPECT_EQ(rowCount("OutPatientPrintDetails"), 1);
}

TEST_F(InPatientBillTest, AdvanceReceiptsAddUpAndTheFinalBillDeductsThemOnce) {
    bill("500");
    EXPECT_EQ(advancePaid(), "500");
    EXPECT_EQ(stored("InPatientPrintDetails", "total || '|' || Advance || '|' || BedCharges"), " 500|500|");
    bill("300");
    EXPECT_EQ(advancePaid(), "800");

    auto* s = open<frmInBill>();
    ASSERT_NE(s, nullptr);
    choose(s, "IP3");
    EXPECT_EQ(ScreenDriver(s).text("Text3"), "800");
    // The two advance boxes are read by their labels.
    for (const auto& [caption, box] :
         {std::pair{"Advance", "Text3"}, std::pair{"Adv.   Amt", "txtAdvance"}}) {
        const auto labels = s->findChildren<QLabel*>();
        const auto label =
            std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == caption; });
        ASSERT_NE(label, labels.end()) << caption;
        EXPECT_EQ((*label)->buddy(), ScreenDriver(s).control(box)) << caption;
    }
    type(s, "Text1_0", "1000");
    type(s, "Text1_2", "200");
    press(s, "Picture1");
    press(s, "Picture1");
    type(s, "Text2", "Bandage");
    type(s, "Text1_9", "30");
    ScreenDriver(s).control<QCheckBox>("CheckBox2")->setChecked(true);
    press(s, "Picture1");
    const std::vector<BillLine> lines{{"01", "Bed Charges", "1000.00"},
                                      {"02", "Nursing Charges", "200.00"},
                                      {"03", "Bandage", "30.00"},
                                      {"", Gross, "1230.00"},
                                      {"", Less, "800.00"}};
    EXPECT_EQ(listed(s), lines);
    EXPECT_EQ(ScreenDriver(s).text("txtTotal"), " 430");
    print(s);
    Printed expected{{"Name  :  Bala ( IP3 )", 0, 555},
                     {"3", 3580, 700},
                     {"07/12/2026", 4930, 700},
                     {"7", 3580, 920},
                     {"Male", 4930, 920},
                     {"Dr.Rao", 3580, 1150}};
    for (size_t i = 0; i < lines.size(); ++i)
        billLine(expected, lines[i].serial, lines[i].particulars, lines[i].amount, 1800 + 250.0 * i);
    rightAligned(expected, "430.00", 4600);
    const auto documents = printer->documents();
    ASSERT_EQ(documents.size(), 3u);
    EXPECT_EQ(printedTexts(documents[2]), expected);
    EXPECT_EQ(advancePaid(), "<empty>");
    EXPECT_EQ(stored("InPatientPrintDetails", "total || '|' || coalesce(Advance, '<empty>')", "BillNo = 3"),
              " 430|<empty>");
    EXPECT_EQ(stored("SettingsInBillNo", "LastBillNo"), "3");
}

TEST_F(InPatientBillTest, AReceiptsAdvanceIsStoredWithTheBillOrNotAtAll) {
    auto* s = open<frmInBill>();
    ASSERT_NE(s, nullptr);
    choose(s, "IP3");
    type(s, "txtAdvance", "500");
    press(s, "Picture1");
    EXPECT_EQ(listed(s), (std::vector<BillLine>{{"01", "Adv.   Amt", "500.00"}}));
    // The advance cannot be written: neither the bill nor its number is stored.
    execSql(dbPath(), "CREATE TRIGGER locked BEFORE UPDATE ON SettingsInPatient "
                      "BEGIN SELECT RAISE(ABORT, 'advance not written'); END");
    print(s);
    EXPECT_EQ(messages.last().text,
              "Please Check the Printer is Correctly Installed"
              "The bill was printed but not stored, so it may be printed again: advance "
              "not written");
    EXPECT_EQ(rowCount("InPatientPrintDetails"), 0);
    EXPECT_EQ(stored("SettingsInBillNo", "LastBillNo"), "0");
    EXPECT_EQ(advancePaid(), "<empty>");
    execSql(dbPath(), "DROP TRIGGER locked");
    print(s);
    EXPECT_EQ(messages.last(), kSaved);
    EXPECT_EQ(advancePaid(), "500");
    EXPECT_EQ(rowCount("InPatientPrintDetails"), 1);
}
