#include "PatientFixture.h"

#include "framework/FlexGrid.h"
#include "patients/frmViewOutPatient.h"

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
    EXPECT_EQ(ScreenDriver(v).gridRow("MSFlexGrid1", 1),
              QStringList({"OP2", "Bala", "Female", "022", "33", "Hill Road", "Galle"}));
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
