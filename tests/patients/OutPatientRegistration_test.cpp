#include "PatientFixture.h"

#include "framework/modHotkey.h"
#include "patients/frmViewOutPatient.h"

#include <QDateEdit>

namespace {
const QString kDuplicate = "Please Select the Another Patient Id\r\nThis Patient ID Already Assigned";
}

TEST_F(PatientTest, OpensWithItsCaptionListsTipsAndABirthDateThatRefusesTheFuture) {
    frmAddOutPatient* s = openScreen();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->windowTitle(), "                        Add New Out-Patient Details");
    EXPECT_EQ(text(s, "cmbSex"), "");
    EXPECT_EQ(items(control<QComboBox>(s, "cmbSex")), QStringList({"Male", "Female"}));
    EXPECT_EQ(items(control<QComboBox>(s, "cmbMartialStatus")), QStringList({"Married", "Unmarried"}));
    EXPECT_EQ(control<QWidget>(s, "Picture11")->toolTip(), "Select Married or Unmarried");
    // The birth date refuses the future, as the picker helper does.
    auto* picker = control<QDateEdit>(s, "DTPicker1");
    picker->setDate(kToday.addDays(1));
    EXPECT_EQ(messages.texts(), QStringList({"Sorry ! Sir,you have not born yet. "}));
    EXPECT_EQ(picker->date(), kToday);
}

TEST_F(PatientTest, EveryStoredColumnIsShown) {
    addPatient("OP10", "Chitra", "Female", "0112", "7", "Main Street", "Colombo");
    frmAddOutPatient* s = openScreen();
    QStringList shownFields;
    for (const char* f :
         {"cmbPatientID", "txtFirstName", "cmbSex", "txtMobilePhone", "txtAge", "txtAddress", "txtEmailId"})
        shownFields << text(s, f);
    EXPECT_EQ(shownFields, QStringList({"OP10", "Chitra", "Female", "0112", "7", "Main Street", "Colombo"}));
}

TEST_F(PatientTest, WhatTheTableDoesNotHoldIsNotCarriedOnToTheNextPatient) {
    addPatient("OP1", "Anil");
    addPatient("OP2", "Bala");
    frmAddOutPatient* s = openScreen();
    control<QLineEdit>(s, "txtLastName")->setText("K");
    control<QComboBox>(s, "cmbMartialStatus")->setCurrentIndex(0);
    control<QLineEdit>(s, "txtHomePhone")->setText("0112");
    control<QLineEdit>(s, "txtPagerNumber")->setText("0113");
    click(s, 3);
    EXPECT_EQ(text(s, "cmbPatientID"), "OP2");
    for (const char* unstored : {"txtLastName", "cmbMartialStatus", "txtHomePhone", "txtPagerNumber"})
        EXPECT_EQ(text(s, unstored), "") << unstored;
}

TEST_F(PatientTest, CancelAndTheLastDeleteEmptyEveryFieldAndDeletesRebuildTheIdList) {
    addPatient("OP1", "Anil");
    addPatient("OP2", "Bala");
    frmAddOutPatient* s = openScreen();
    const char* fields[] = {"cmbPatientID", "txtFirstName",    "cmbSex",     "txtMobilePhone",
                            "txtAge",       "txtAddress",      "txtEmailId", "txtHomePhone",
                            "txtLastName",  "cmbMartialStatus"};
    click(s, 5);
    fillPatient(s, "3");
    type(s, "txtHomePhone", "555");
    type(s, "txtLastName", "K");
    click(s, 10);
    for (const char* f : fields)
        EXPECT_EQ(text(s, f), "") << f;
    EXPECT_EQ(s->focusWidget(), control<QWidget>(s, "cmbPatientID"));
    click(s, 4);
    for (int i = 0; i < 2; ++i) {
        messages.answer(MsgAnswer::Yes);
        click(s, 7);
    }
    for (const char* f : fields)
        EXPECT_EQ(text(s, f), "") << f;
    EXPECT_EQ(control<QComboBox>(s, "cmbPatientID")->count(), 0);
}

TEST_F(PatientTest, DuplicateIdsAreFoundTrimmedAndPrefixed) {
    addPatient("OP12", "Anil");
    frmAddOutPatient* s = openScreen();
    for (const QString typed : {" 12", "12 ", "OP12"}) {
        messages.clear();
        click(s, 5);
        fillPatient(s, typed, "Other");
        click(s, 9);
        EXPECT_EQ(messages.texts(), QStringList({kDuplicate})) << typed;
        click(s, 10);
    }
    EXPECT_EQ(patientRows(), 1);

    // A new ID with a trailing blank and no duplicate is stored with its blank.
    click(s, 5);
    fillPatient(s, "7 ");
    click(s, 9);
    EXPECT_EQ(querySql(dbPath(),
                       "SELECT '[' || EmployeeID || ']' FROM SettingsOutPatient WHERE FirstName = 'Asha' "
                       "AND EmployeeID <> 'OP12'"),
              "[OP7 ]");
}

TEST_F(PatientTest, SaveChecksRunInOrderAndStopAtTheFirst) {
    frmAddOutPatient* s = openScreen();
    click(s, 5);
    struct Step {
        const char* field;
        const char* value;
        const char* message; // the box and the focus on the empty field
    };
    const Step steps[] = {
        {"cmbPatientID", "5", "Please Fill the Employee ID"},
        {"txtFirstName", "Ravi", "Please Fill the First Name"},
        {"txtMobilePhone", "0779", "Please Fill the Phone Number"},
        {"txtAge", "33", "Please Select the Age"},
        {"cmbSex", "M", "Please Select the Sex"},
        {"txtAddress", "Temple Lane", "Please Fill the Address"},
        {"txtEmailId", "Matara", "Please Fill the Location"},
    };
    for (const Step& step : steps) {
        messages.clear();
        click(s, 9);
        EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{
                                        {MsgIcon::Critical, MsgButtons::Ok, "Warning", step.message}}));
        EXPECT_EQ(s->focusWidget(), control<QWidget>(s, step.field)) << step.message;
        type(s, step.field, step.value);
    }
    EXPECT_EQ(patientRows(), 0);
    click(s, 9);
    EXPECT_EQ(querySql(dbPath(),
                       "SELECT EmployeeID||'|'||FirstName||'|'||Sex||'|'||MobilePhone||'|'||Age||'|'||"
                       "Address||'|'||Location||'|'||quote(LastName)||quote(HomePhone)||"
                       "quote(DateOfBirth)||quote(PagerNumber) FROM SettingsOutPatient"),
              "OP5|Ravi|Male|0779|33|Temple Lane|Matara|NULLNULLNULLNULL");
}

TEST_F(PatientTest, TheAgeTakesDigitsOnlyAndUpTo120) {
    frmAddOutPatient* s = openScreen();
    click(s, 5);
    fillPatient(s, "1");
    QLineEdit* age = control<QLineEdit>(s, "txtAge");
    age->clear();
    type(s, "txtAge", "1-2a1"); // the box takes digits only
    EXPECT_EQ(age->text(), "121");
    click(s, 9);
    EXPECT_EQ(messages.texts(), QStringList({"Please Select the Correct Ages"}));
    EXPECT_EQ(s->focusWidget(), age);
    age->setText("120");
    click(s, 9);
    EXPECT_EQ(querySql(dbPath(), "SELECT Age FROM SettingsOutPatient"), "120");
}

TEST_F(PatientTest, EditKeepsOnePrefixAndSkipsTheDuplicateTest) {
    addPatient("OP12", "Anil");
    addPatient("OP13", "Bala", "Male", "0112", "20", "Not Available", "Kandy");
    frmAddOutPatient* s = openScreen();
    click(s, 6);
    EXPECT_TRUE(s->EditFlag());
    EXPECT_TRUE(shown(s, 9));
    EXPECT_FALSE(shown(s, 1));
    QLineEdit* name = control<QLineEdit>(s, "txtFirstName");
    name->setText("Anil Kumar");
    click(s, 9);
    EXPECT_FALSE(s->EditFlag());
    EXPECT_EQ(querySql(dbPath(),
                       "SELECT group_concat(EmployeeID || ':' || FirstName, ',') FROM SettingsOutPatient"),
              "OP12:Anil Kumar,OP13:Bala");

    // A number typed without the prefix gets it once.
    click(s, 6);
    control<QComboBox>(s, "cmbPatientID")->setEditText("14");
    click(s, 9);
    EXPECT_EQ(querySql(dbPath(), "SELECT group_concat(EmployeeID, ',') FROM (SELECT EmployeeID FROM "
                                 "SettingsOutPatient ORDER BY rowid)"),
              "OP14,OP13");

    // Edit empties the "Not Available" placeholder so the operator types over it.
    click(s, 3);
    EXPECT_EQ(text(s, "txtAddress"), "Not Available");
    click(s, 6);
    EXPECT_EQ(text(s, "txtAddress"), "");
    click(s, 10);
    EXPECT_FALSE(s->EditFlag());
    EXPECT_EQ(querySql(dbPath(), "SELECT Address FROM SettingsOutPatient WHERE EmployeeID = 'OP13'"),
              "Not Available");
}

TEST_F(PatientTest, ChoosingAnIdShowsItsRecordOnlyWhileBrowsing) {
    addPatient("OP1", "Anil");
    addPatient("OP2", "Bala");
    frmAddOutPatient* s = openScreen();
    QComboBox* id = control<QComboBox>(s, "cmbPatientID");
    id->setCurrentIndex(1);
    EXPECT_EQ(text(s, "txtFirstName"), "Bala");
    // The browse position follows the choice: delete now removes OP2.
    messages.answer(MsgAnswer::Yes);
    click(s, 7);
    EXPECT_EQ(querySql(dbPath(), "SELECT group_concat(EmployeeID) FROM SettingsOutPatient"), "OP1");

    click(s, 5);
    type(s, "txtFirstName", "Typed");
    id->setCurrentIndex(0);
    EXPECT_EQ(text(s, "txtFirstName"), "Typed");
}

TEST_F(PatientTest, AMissingTableEndsTheProgramFromEitherScreenWithTheDatabaseError) {
    execSql(dbPath(), "DROP TABLE SettingsOutPatient");
    EXPECT_EQ(ShowScreen<frmAddOutPatient>(), nullptr);
    EXPECT_FALSE(HotkeyRegistered(0));
    EXPECT_EQ(ShowScreen<frmViewOutPatient>(), nullptr);
    EXPECT_EQ(messages.calls(),
              std::vector<RecordedMessage>(2, {MsgIcon::Critical, MsgButtons::Ok, "Database Error",
                                               "Database Error. Please Check the database and try again"}));
    EXPECT_EQ(programEnds, 2);
}

TEST_F(PatientTest, ADeleteThatFailsShowsTheDescriptionAloneAndKeepsTheRow) {
    addPatient("OP1", "Anil");
    addPatient("OP2", "Asha");
    frmAddOutPatient* s = openScreen();
    click(s, 4);
    execSql(dbPath(), "ALTER TABLE SettingsOutPatient RENAME TO Elsewhere");
    messages.answer(MsgAnswer::Yes);
    click(s, 7);
    ASSERT_EQ(messages.count(), 2u);
    EXPECT_TRUE(messages.last().text.startsWith("no such table: SettingsOutPatient")) << messages.last().text;
    EXPECT_EQ(querySql(dbPath(), "SELECT COUNT(*) FROM Elsewhere"), "2");
    EXPECT_EQ(text(s, "cmbPatientID"), "OP2");
}

TEST_F(PatientTest, APatientCanBeRegisteredWithTheKeyboardAlone) {
    frmAddOutPatient* s = openScreen();
    auto focused = [] { return QApplication::focusWidget(); };
    ctrl(focused() ? focused() : s, Qt::Key_A);
    ASSERT_EQ(s->state(), RecordScreen::State::Adding);
    // Typed into each control before Tab leaves it; Tab takes a completed item and closes its list.
    const QStringList typed{"21", "Mala", "K", "f", "u", "45", "0112223334", "", "", "", "Beach Road"};
    QStringList walked;
    for (const QString& t : typed) {
        QTest::keyClicks(keyboard(), t);
        QTest::keyClick(keyboard(), Qt::Key_Tab);
        walked << focused()->objectName();
    }
    QTest::keyClicks(keyboard(), "Negombo");
    EXPECT_EQ(walked, QStringList({"txtFirstName", "txtLastName", "cmbSex", "cmbMartialStatus", "txtAge",
                                   "txtMobilePhone", "txtHomePhone", "txtPagerNumber", "DTPicker1",
                                   "txtAddress", "txtEmailId"}));
    EXPECT_EQ(text(s, "cmbMartialStatus"), "Unmarried"); // shown, not stored
    // Shift+Tab back into the list and out of it again, open: its item is taken too.
    control<QWidget>(s, "txtAge")->setFocus();
    QTest::keyClick(keyboard(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClicks(keyboard(), "m");
    QTest::keyClick(keyboard(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), control<QComboBox>(s, "cmbSex"));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(text(s, "cmbMartialStatus"), "Married");
    ctrl(focused(), Qt::Key_S);
    EXPECT_EQ(querySql(dbPath(),
                       "SELECT EmployeeID||'|'||FirstName||'|'||Sex||'|'||MobilePhone||'|'||Age||'|'||"
                       "Address||'|'||Location FROM SettingsOutPatient"),
              "OP21|Mala|Female|0112223334|45|Beach Road|Negombo");
}

TEST_F(PatientTest, TheIdListAfterEverySaveAndDeleteIsTheListReadFromTheTable) {
    for (const char* id : {"OP2", "OP10", "OP1", "OP10"})
        addPatient(id, "Anil");
    frmAddOutPatient* s = openScreen();
    auto* ids = control<QComboBox>(s, "cmbPatientID");
    const auto expectTableOrder = [&](const char* step) {
        EXPECT_EQ(items(ids).join(','),
                  querySql(dbPath(), "SELECT group_concat(EmployeeID, ',') FROM (SELECT EmployeeID FROM "
                                     "SettingsOutPatient ORDER BY EmployeeID, rowid)"))
            << step;
    };
    expectTableOrder("opened");
    for (const char* typed : {"3", "100", "0", "7 "}) {
        click(s, 5);
        fillPatient(s, typed);
        click(s, 9);
        expectTableOrder(typed);
    }
    EXPECT_EQ(ids->currentText(), "OP7 "); // the saved row's ID, prefixed
    // An edited ID leaves its old place; a deleted one leaves the list.
    ScreenDriver(s).type("cmbPatientID", "OP100");
    click(s, 6);
    ids->setEditText("OP21");
    click(s, 9);
    expectTableOrder("edited");
    for (int i = 0; i < 3; ++i) {
        messages.answer(MsgAnswer::Yes);
        click(s, 7);
        expectTableOrder("deleted");
    }
    EXPECT_EQ(patientRows(), 5);
}
