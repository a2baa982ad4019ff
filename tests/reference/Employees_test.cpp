// What the employee screen's family rows cannot say: the fullest check order, its three questions and
// the "Not Available" placeholders.
#include "data/Environment.h"
#include "reference/frmAddEmployeeDetail.h"
#include "support/ScreenDriver.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QTest>

namespace {

class EmployeeTest : public ConnectedAppTest {
protected:
    frmAddEmployeeDetail* open() {
        frmAddEmployeeDetail* s = ShowScreen<frmAddEmployeeDetail>();
        if (s) ScreenDriver(s).activate();
        return s;
    }
    static void press(RecordScreen* s, int picture) {
        QTest::mouseClick(s->picture(picture), Qt::LeftButton);
    }
    // The required fields in check order, and what each typed gives.
    static const std::vector<std::pair<QString, QString>>& required() {
        static const std::vector<std::pair<QString, QString>> fields{
            {"txtEmployeeID", "202"},     {"txtFirstName", "Asha"},
            {"txtLastName", "K"},         {"cmbSex", "F"},
            {"txtAddress", "Hill"},       {"DTPicker1", ""},
            {"txtEmployeeType", "Nurse"}, {"txtQualification", "BSc"}};
        return fields;
    }
    // Fills the first `n` required fields (the birth date one day before today).
    static void fillRequired(const ScreenDriver& d, size_t n) {
        for (size_t i = 0; i < n && i < required().size(); ++i) {
            if (required()[i].first == "DTPicker1")
                d.control<QDateEdit>("DTPicker1")->setDate(Today().addDays(-1));
            else
                d.type(required()[i].first, required()[i].second);
        }
    }
    static RecordedMessage warning(const QString& text) {
        return {MsgIcon::Critical, MsgButtons::Ok, "Warning", text};
    }
};

const QString kMobile =
    "Please Fill the Mobile Phone\r\nDo u have Mobile then Press 'Yes' Otherwise Press 'No'";
const QString kHome =
    "Please Fill the Home Phone\r\nDo u have Home Phone then Press 'Yes' Otherwise Press 'No'";
const QString kMail = "Please Fill the Email ID \r\nDo u have Mail ID then Press 'Yes' Otherwise Press 'No'";

} // namespace

TEST_F(EmployeeTest, TheDuplicateTestComesFirstThenEachRequiredFieldInOrder) {
    insertRow("SettingsEmployeeDetails", {"EmployeeID"}, {"101"});
    frmAddEmployeeDetail* s = open();
    ScreenDriver d(s);
    press(s, 5);
    d.type("txtEmployeeID", " 101");
    press(s, 9);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{warning(
                                    "Please Select the Another Employee Id\r\nThis Employee ID Already "
                                    "Assigned")}));
    press(s, 10);
    const QStringList texts{"Please Fill the Employee ID",   "Please Fill the First Name",
                            "Please Fill the LastName",      "Please Select the Sex",
                            "Please Fill the Address",       "Please Select the Correct Date",
                            "Please Fill the Employee Type", "Please Fill the Qualification"};
    for (size_t n = 0; n < required().size(); ++n) {
        SCOPED_TRACE(texts[int(n)].toStdString());
        messages.clear();
        press(s, 5);
        fillRequired(d, n);
        press(s, 9);
        EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{warning(texts[int(n)])}));
        EXPECT_EQ(s->focusWidget(), d.control(required()[n].first));
        press(s, 10);
    }
    EXPECT_EQ(rowCount("SettingsEmployeeDetails"), 1);
}

TEST_F(EmployeeTest, YesKeepsTheOperatorTypingNoStoresNotAvailableAndEditAsksAgain) {
    frmAddEmployeeDetail* s = open();
    ScreenDriver d(s);
    press(s, 5);
    fillRequired(d, required().size());
    messages.answer(MsgAnswer::Yes);
    press(s, 9);
    EXPECT_EQ(messages.calls(),
              (std::vector<RecordedMessage>{{MsgIcon::Critical, MsgButtons::YesNo, "Warning", kMobile}}));
    EXPECT_EQ(s->focusWidget(), d.control("txtMobilePhone"));
    EXPECT_EQ(rowCount("SettingsEmployeeDetails"), 0);
    messages.clear();
    d.type("txtMobilePhone", "0771");
    for (int i = 0; i < 2; ++i)
        messages.answer(MsgAnswer::No);
    press(s, 9);
    EXPECT_EQ(messages.texts(), QStringList({kHome, kMail, "Record Saved Successfully"}));
    EXPECT_EQ(querySql(dbPath(),
                       "SELECT MobilePhone || '|' || HomePhone || '|' || EmailId || '|' || PagerNumber "
                       "|| '|' || DateOfBirth FROM SettingsEmployeeDetails"),
              "0771|Not Available|Not Available|Not Available|" + Today().addDays(-1).toString("dd/MM/yyyy"));

    // Edit empties the placeholders; saving again asks again, and the birth date goes back unchanged.
    press(s, 6);
    EXPECT_EQ(d.text("txtEmailId"), "");
    EXPECT_EQ(d.control<QDateEdit>("DTPicker1")->date(), Today().addDays(-1));
    messages.clear();
    d.type("txtHomePhone", "0112");
    messages.answer(MsgAnswer::No);
    press(s, 9);
    EXPECT_EQ(messages.texts(), QStringList({kMail, "Record Saved Successfully"}));
    EXPECT_EQ(querySql(dbPath(),
                       "SELECT HomePhone || '|' || EmailId || '|' || PagerNumber || '|' || DateOfBirth "
                       "FROM SettingsEmployeeDetails"),
              "0112|Not Available|Not Available|" + Today().addDays(-1).toString("dd/MM/yyyy"));
}
