#include "PatientFixture.h"

#include "framework/FlexGrid.h"
#include "patients/frmViewOutPatient.h"
#include "patients/frmViewOutPatientDetails.h"

namespace {
QStringList gridRow(FlexGrid* g, int row) {
    QStringList cells;
    for (int c = 0; c < g->Cols(); ++c)
        cells << g->TextMatrix(row, c);
    return cells;
}
} // namespace

TEST_F(PatientTest, ViewAllListsEveryPatientInTableOrder) {
    addPatient("OP7", "Gita", "Female", "0112", "64", "Station Road", "Jaffna");
    addPatient("OP3", "Hari");
    frmAddOutPatient* s = openScreen();
    click(s, 8);
    frmViewOutPatientDetails* list = LoadedScreen<frmViewOutPatientDetails>();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->windowTitle(), "                            View Out-Patient Details");
    EXPECT_EQ(list->caller(), s);
    EXPECT_FALSE(s->isEnabled());
    EXPECT_EQ(messages.count(), 0u);

    auto* grid = control<FlexGrid>(list, "MSFlexGrid1");
    ASSERT_EQ(grid->Rows(), 3);
    ASSERT_EQ(grid->Cols(), 8);
    EXPECT_EQ(gridRow(grid, 0), QStringList({"No.", "Patient ID", "Patient Name", "Sex", "Phone Number",
                                             "Age", "Address", "Location"}));
    const int widths[] = {500, 1500, 1500, 900, 1500, 800, 5000, 2000};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(grid->colWidthTwips(c), widths[c]) << c;
    // Table order, not ID order.
    EXPECT_EQ(gridRow(grid, 1),
              QStringList({"1", "OP7", "Gita", "Female", "0112", "64", "Station Road", "Jaffna"}));
    EXPECT_EQ(gridRow(grid, 2).mid(0, 3), QStringList({"2", "OP3", "Hari"}));

    // A second request while the list is open is refused, and the list stays in front.
    list->LookUp(s);
    ASSERT_EQ(messages.count(), 1u);
    expectLastBox(MsgIcon::None, AppTitle,
                  "                            View Out-Patient Details already in use.\r\n"
                  "Please complete prvious request.");
    EXPECT_EQ(list->caller(), s);

    // Its close control gives the registration screen back.
    QMetaObject::invokeMethod(list, "close");
    EXPECT_TRUE(s->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Opened again, the list takes a new request without complaint.
    click(s, 8);
    EXPECT_EQ(messages.count(), 1u);
    EXPECT_FALSE(s->isEnabled());
}

TEST_F(PatientTest, ViewAllOnAnEmptyTableSaysNoRecordFound) {
    frmAddOutPatient* s = openScreen();
    click(s, 8);
    ASSERT_EQ(messages.count(), 1u);
    expectLastBox(MsgIcon::Exclamation, "No Record Warning", "No Record Found");
    auto* grid = control<FlexGrid>(LoadedScreen<frmViewOutPatientDetails>(), "MSFlexGrid1");
    EXPECT_EQ(grid->Rows(), 2);
    EXPECT_EQ(grid->TextMatrix(1, 1), "");
}

TEST_F(PatientTest, SearchShowsThePatientOfTheChosenName) {
    addPatient("OP1", "Anil", "Male", "011", "40", "Old Town", "Kandy");
    addPatient("OP2", "Bala");
    addPatient("OP9", "Anil", "Male", "099", "19", "New Town", "Galle");
    frmViewOutPatient* v = ShowScreen<frmViewOutPatient>();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->windowTitle(), "                View Patient Details");
    EXPECT_EQ(ActiveScreen.data(), v);
    EXPECT_EQ(messages.count(), 0u);
    auto* names = control<QComboBox>(v, "cmbEmpName");
    EXPECT_EQ(items(names), QStringList({"Anil", "Bala", "Anil"}));
    EXPECT_EQ(names->currentText(), "");
    auto* grid = control<FlexGrid>(v, "MSFlexGrid1");
    EXPECT_EQ(gridRow(grid, 0), QStringList({"Patient ID", "Patient Name", "Sex", "Phone Number", "Age",
                                             "Address", "Location"}));
    auto* search = control<PictureButton>(v, "Picture1");
    EXPECT_EQ(search->toolTip(), "Search Dr Details .. ");
    EXPECT_EQ(control<QWidget>(v, "Picture11")->toolTip(), "Select One Patient Name From List .. ");

    QTest::mouseClick(search, Qt::LeftButton);
    ASSERT_EQ(messages.count(), 1u);
    expectLastBox(MsgIcon::None, AppTitle, "Please select the Employee Name");

    // The later of two patients with the name stays shown.
    names->setEditText("Anil ");
    QTest::mouseClick(search, Qt::LeftButton);
    EXPECT_EQ(messages.count(), 1u);
    EXPECT_EQ(gridRow(grid, 1), QStringList({"OP9", "Anil", "Male", "099", "19", "New Town", "Galle"}));

    // The comparison is exact apart from the blanks around the chosen name.
    names->setEditText("anil");
    QTest::mouseClick(search, Qt::LeftButton);
    ASSERT_EQ(messages.count(), 2u);
    expectLastBox(MsgIcon::Critical, "Warning", "Employee Name Not Found");
}

TEST_F(PatientTest, TheSearchRunsFromTheKeyboard) {
    addPatient("OP1", "Anil");
    addPatient("OP2", "Bala", "Female", "022", "33", "Hill Road", "Galle");
    frmViewOutPatient* v = ShowScreen<frmViewOutPatient>();
    ASSERT_NE(v, nullptr);
    activate(v);
    auto* names = control<QComboBox>(v, "cmbEmpName");
    auto* grid = control<FlexGrid>(v, "MSFlexGrid1");
    ASSERT_TRUE(names->hasFocus());
    // Enter in the open list takes the completed name and searches at once.
    QTest::keyClicks(keyboard(), "b");
    QTest::keyClick(keyboard(), Qt::Key_Return);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(gridRow(grid, 1), QStringList({"OP2", "Bala", "Female", "022", "33", "Hill Road", "Galle"}));
    // Enter in the closed list, and Space on the search picture, which Tab reaches next.
    names->setEditText("Anil");
    QTest::keyClick(keyboard(), Qt::Key_Enter);
    EXPECT_EQ(grid->TextMatrix(1, 0), "OP1");
    names->setEditText("Bala");
    QTest::keyClick(keyboard(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(v, "Picture1"));
    QTest::keyClick(keyboard(), Qt::Key_Space);
    EXPECT_EQ(grid->TextMatrix(1, 0), "OP2");
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(PatientTest, SearchOnAnEmptyTableSaysNoRecordFound) {
    frmViewOutPatient* v = ShowScreen<frmViewOutPatient>();
    ASSERT_NE(v, nullptr);
    ASSERT_EQ(messages.count(), 1u);
    expectLastBox(MsgIcon::Exclamation, "No Record Warning", "No Record Found");
    EXPECT_EQ(control<QComboBox>(v, "cmbEmpName")->count(), 0);
    v->close();
    EXPECT_EQ(ActiveScreen.data(), nullptr);
}

TEST_F(PatientTest, TheSearchScreenEndsTheProgramWhenItsTableIsMissing) {
    execSql(dbPath(), "DROP TABLE SettingsOutPatient");
    EXPECT_EQ(ShowScreen<frmViewOutPatient>(), nullptr);
    expectDatabaseErrorEnd();
}
