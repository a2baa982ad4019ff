#include "PatientFixture.h"

#include "patients/frmViewOutPatient.h"
#include "patients/frmViewOutPatientDetails.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

// A screen reader reads only what the accessibility layer carries: each frame its caption (the drawn
// title bar merely paints it), each input the label beside it, each picture button its action, as a button,
// with its tip.
TEST_F(PatientTest, FramesAndPictureButtonsCarryTheirNamesForAScreenReader) {
    addPatient("OP1", "Anil");
    QWidget* add = openScreen();
    QWidget* list = LoadedScreen<frmViewOutPatientDetails>();
    QWidget* search = ShowScreen<frmViewOutPatient>();
    ASSERT_TRUE(add && list && search);
    const struct {
        QWidget* screen;
        QString control; // empty: the frame
        QString name;
        QString description;
    } cases[] = {
        {add, "", "Add New Out-Patient Details", ""},
        {add, "Picture1", "Move First", "Move First ( CTRL +  F ) "},
        {add, "Picture8", "View All Records", "View All the Record ( CTRL +  V ) "},
        {add, "Picture10", "Cancel Record", "Cancel the Record ( CTRL +  C ) "},
        {add, "Picture12", "Help", "Last Name May be Your Initial or Father Name "},
        {add, "txtFirstName", "First Name", ""},
        {add, "txtEmailId", "Location", ""},
        {add, "cmbMartialStatus", "Marital Status", ""},
        {list, "", "View Out-Patient Details", ""},
        {search, "", "View Patient Details", ""},
        {search, "Picture1", "Search", "Search Dr Details .. "},
        {search, "Picture11", "Help", "Select One Patient Name From List .. "},
        {search, "cmbEmpName", "Patient Name", ""},
    };
    for (const auto& c : cases) {
        QWidget* w = c.control.isEmpty() ? c.screen : control<QWidget>(c.screen, c.control);
        ASSERT_NE(w, nullptr);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr) << c.name;
        EXPECT_EQ(a->text(QAccessible::Name), c.name);
        EXPECT_EQ(a->text(QAccessible::Description), c.description) << c.name;
        if (c.control.startsWith("Picture")) {
            EXPECT_EQ(a->role(), QAccessible::Button) << c.name;
        }
    }
    // Pressed through the accessibility layer, a picture button does what a click does.
    QAccessible::queryAccessibleInterface(control<QWidget>(search, "Picture1"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(messages.texts(), QStringList({"Please select the Employee Name"}));
}
