#pragma once

#include "support/ScreenDriver.h"

#include "data/ProgramState.h"
#include "patients/frmAddOutPatient.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// The out-patient screens' own tests: what the family rows cannot say.
class PatientTest : public ConnectedAppTest {
protected:
    // An out-patient row stored behind the screen's back.
    void addPatient(const QString& id, const QString& name, const QString& sex = "Male",
                    const QString& phone = "9840012345", const QString& age = "30",
                    const QString& address = "12 Lake Road", const QString& location = "Kandy") {
        execSql(dbPath(),
                QString("INSERT INTO SettingsOutPatient (EmployeeID, FirstName, Sex, MobilePhone, Age, "
                        "Address, Location) VALUES ('%1', '%2', '%3', '%4', '%5', '%6', '%7')")
                    .arg(id, name, sex, phone, age, address, location));
    }
    int patientRows() { return querySql(dbPath(), "SELECT COUNT(*) FROM SettingsOutPatient").toInt(); }

    // Opens the registration screen as the menu does and makes it the active window.
    frmAddOutPatient* openScreen() {
        frmAddOutPatient* s = ShowScreen<frmAddOutPatient>();
        if (s) activate(s);
        return s;
    }
    static void activate(QWidget* w) {
        w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w);
        (void)QTest::qWaitForWindowActive(w, 1000);
    }

    template <class T> static T* control(QWidget* screen, const QString& name) {
        T* c = screen->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    static QString text(QWidget* screen, const QString& name) {
        QWidget* w = screen->findChild<QWidget*>(name);
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
        ADD_FAILURE() << "no text control " << name.toStdString();
        return {};
    }
    // Types into a control as the operator does, key by key (the control's filters apply).
    static void type(QWidget* screen, const QString& name, const QString& keys) {
        QWidget* w = screen->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        w->setFocus();
        QTest::keyClicks(w, keys);
    }
    static void click(RecordScreen* s, int picture) {
        ASSERT_NE(s->picture(picture), nullptr);
        QTest::mouseClick(s->picture(picture), Qt::LeftButton);
    }
    static void ctrl(QWidget* target, Qt::Key key) { QTest::keyClick(target, key, Qt::ControlModifier); }

    // Fills every field of a new patient (the ID as typed).
    static void fillPatient(QWidget* s, const QString& id, const QString& name = "Asha") {
        type(s, "cmbPatientID", id);
        type(s, "txtFirstName", name);
        type(s, "cmbSex", "F");
        type(s, "txtMobilePhone", "0771234567");
        type(s, "txtAge", "41");
        type(s, "txtAddress", "3 Hill Street");
        type(s, "txtEmailId", "Galle");
    }
    static QStringList items(QComboBox* c) {
        QStringList l;
        for (int i = 0; i < c->count(); ++i)
            l << c->itemText(i);
        return l;
    }
    static bool shown(RecordScreen* s, int picture) { return !s->picture(picture)->isHidden(); }
    // The last box shown had this icon, title and text (and an OK button unless it asked).
    void expectLastBox(MsgIcon icon, const QString& title, const QString& text) {
        ASSERT_GT(messages.count(), 0u);
        const RecordedMessage m = messages.last();
        EXPECT_EQ(m.icon, icon);
        EXPECT_EQ(m.title, title);
        EXPECT_EQ(m.text, text);
        EXPECT_EQ(m.buttons, icon == MsgIcon::Question ? MsgButtons::YesNo : MsgButtons::Ok);
    }
    // A screen whose table is missing told so once and ended the program.
    void expectDatabaseErrorEnd() {
        ASSERT_EQ(messages.count(), 1u);
        expectLastBox(MsgIcon::Critical, "Database Error",
                      "Database Error. Please Check the database and try again");
        EXPECT_EQ(programEnds, 1);
    }
};

inline std::ostream& operator<<(std::ostream& os, const QString& s) {
    return os << s.toStdString();
}
