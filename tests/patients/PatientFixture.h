#pragma once

#include "support/ScreenDriver.h"

#include "data/ProgramState.h"
#include "patients/frmAddOutPatient.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// Fills every field of a new out-patient (the ID as typed), key by key.
inline void fillPatient(QWidget* s, const QString& id, const QString& name = "Asha") {
    const ScreenDriver d(s);
    d.type("cmbPatientID", id);
    d.type("txtFirstName", name);
    d.type("cmbSex", "F");
    d.type("txtMobilePhone", "0771234567");
    d.type("txtAge", "41");
    d.type("txtAddress", "3 Hill Street");
    d.type("txtEmailId", "Galle");
}

// The out-patient screens' own tests: what the family rows cannot say.
class PatientTest : public ConnectedAppTest {
protected:
    // An out-patient row stored behind the screen's back.
    void addPatient(const QString& id, const QString& name, const QString& sex = "Male",
                    const QString& phone = "9840012345", const QString& age = "30",
                    const QString& address = "12 Lake Road", const QString& location = "Kandy") {
        insertRow("SettingsOutPatient",
                  {"EmployeeID", "FirstName", "Sex", "MobilePhone", "Age", "Address", "Location"},
                  {id, name, sex, phone, age, address, location});
    }
    int patientRows() { return rowCount("SettingsOutPatient"); }

    // Opens the registration screen as the menu does and makes it the active window.
    frmAddOutPatient* openScreen() {
        frmAddOutPatient* s = ShowScreen<frmAddOutPatient>();
        if (s) activate(s);
        return s;
    }
    static void activate(QWidget* w) { ScreenDriver(w).activate(); }
    template <class T> static T* control(QWidget* s, const QString& name) {
        return ScreenDriver(s).control<T>(name);
    }
    static QString text(QWidget* s, const QString& name) { return ScreenDriver(s).text(name); }
    static void type(QWidget* s, const QString& name, const QString& keys) {
        ScreenDriver(s).type(name, keys);
    }
    static void click(RecordScreen* s, int picture) {
        QTest::mouseClick(s->picture(picture), Qt::LeftButton);
    }
    static void ctrl(QWidget* target, Qt::Key key) { QTest::keyClick(target, key, Qt::ControlModifier); }

    static QStringList items(QComboBox* c) {
        QStringList l;
        for (int i = 0; i < c->count(); ++i)
            l << c->itemText(i);
        return l;
    }
    static bool shown(RecordScreen* s, int picture) { return !s->picture(picture)->isHidden(); }
    // The last box shown had this icon, title and text (and an OK button unless it asked).
    void expectLastBox(MsgIcon icon, const QString& title, const QString& text) {
        EXPECT_EQ(messages.last(),
                  (RecordedMessage{icon, icon == MsgIcon::Question ? MsgButtons::YesNo : MsgButtons::Ok,
                                   title, text}));
    }
    // A screen whose table is missing told so once and ended the program.
    void expectDatabaseErrorEnd() {
        EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{
                                        {MsgIcon::Critical, MsgButtons::Ok, "Database Error",
                                         "Database Error. Please Check the database and try again"}}));
        EXPECT_EQ(programEnds, 1);
    }
};

inline std::ostream& operator<<(std::ostream& os, const QString& s) {
    return os << s.toStdString();
}
