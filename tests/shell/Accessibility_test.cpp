#include "data/ProgramState.h"
#include "shell/CommandTable.h"
#include "shell/frmLogin.h"
#include "shell/frmMain.h"
#include "support/ScreenDriver.h"

#include <QAccessible>
#include <QApplication>
#include <QSet>

namespace {

// What an operator can reach and act on; its name is what a screen reader announces.
bool interactive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTabList:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

// Where an element sits, by the given names of its widget and the widgets around it.
QString whereIs(QAccessibleInterface* element) {
    QStringList path;
    for (QObject* o = element->object(); o; o = o->parent())
        if (!o->objectName().isEmpty()) path.prepend(o->objectName());
    return path.join("/") + " (role " + QString::number(element->role()) + ")";
}

// Every visible interactive element under `root` that a screen reader would announce without a name. Items
// inside lists and grids are their data, not controls, and are not walked.
void findUnnamed(QAccessibleInterface* element, QStringList& unnamed, QSet<QObject*>& seen) {
    if (!element || !element->isValid() || element->state().invisible) return;
    if (element->object() && seen.contains(element->object())) return;
    if (element->object()) seen.insert(element->object());
    const QAccessible::Role role = element->role();
    if (interactive(role)) {
        const auto* widget = qobject_cast<const QWidget*>(element->object());
        const bool input = role == QAccessible::EditableText || role == QAccessible::ComboBox ||
                           role == QAccessible::SpinBox;
        // A box is read by its label (on Linux a combo box's name is its text, its label a relation).
        const bool named = input ? !element->relations(QAccessible::Label).isEmpty() ||
                                       (widget && !widget->accessibleName().isEmpty())
                                 : !element->text(QAccessible::Name).trimmed().isEmpty();
        if (!named) unnamed << whereIs(element);
        // A picture says nothing itself: its tip is its description.
        if (widget && widget->inherits("PictureButton") &&
            element->text(QAccessible::Description) != widget->toolTip())
            unnamed << whereIs(element) + " without its tip";
    }
    if (role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree ||
        role == QAccessible::ComboBox)
        return;
    for (int i = 0; i < element->childCount(); ++i)
        findUnnamed(element->child(i), unnamed, seen);
}

QStringList unnamedIn(QWidget* window) {
    QStringList unnamed;
    QSet<QObject*> seen;
    findUnnamed(QAccessible::queryAccessibleInterface(window), unnamed, seen);
    return unnamed;
}

class AccessibilityTest : public ConnectedAppTest {
protected:
    void SetUp() override {
        ConnectedAppTest::SetUp();
        CurrentUserName = "admin";
        CurrentUserType = "Admin";
        // Enough for every screen to open: a doctor, a patient of each kind, a test of each kind.
        insertRow("SettingDrDetails", {"DoctorID"}, {"Dr.Rao"});
        insertRow("SettingsOutPatient", {"EmployeeID", "FirstName", "Age"}, {"OP1", "Asha", "41"});
        insertRow("SettingsInPatient", {"EmployeeID", "FirstName", "Age", "Discharged"},
                  {"IP1", "Bala", "7", "No"});
        insertRow("SettingsLab", {"Description", "Amount"}, {"Blood sugar", "150"});
        insertRow("SettingsXRay", {"Description", "AdultAmount", "ChildrenAmount"}, {"Chest", "400", "300"});
    }
};

} // namespace

// A screen reader reaches every control of every screen by a name: the picture buttons by their action,
// the boxes by their labels, the lists and grids by what they hold.
TEST_F(AccessibilityTest, EveryControlOfEveryScreenHasAName) {
    QAccessible::setActive(true);
    frmLogin login;
    login.show();
    EXPECT_EQ(unnamedIn(&login).join("; ").toStdString(), "") << "frmLogin";
    login.hide();

    frmMain main;
    main.show();
    EXPECT_EQ(unnamedIn(&main).join("; ").toStdString(), "") << "frmMain";
    for (const DispatchRow& row : dispatchTable()) {
        main.menuCommand(row.command);
        QCoreApplication::processEvents();
        QStringList unnamed = unnamedIn(&main);
        // Screens that stand on their own, besides those the main window holds.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != &main && w != &login) unnamed << unnamedIn(w);
        EXPECT_EQ(unnamed.join("; ").toStdString(), "") << row.command;
        for (QWidget* w : main.screenArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            w->close();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &main && w != &login) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    messages.clear();
}
