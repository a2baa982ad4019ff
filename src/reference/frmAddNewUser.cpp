#include "reference/frmAddNewUser.h"

#include "data/ProgramState.h"
#include "data/modVBDes.h"
#include "framework/Controls.h"
#include "framework/modInputHelpers.h"
#include "reference/frmViewAllUsers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace {
// Option1(0..2): their captions and the user types they store.
const QStringList kTypeCaptions{"Admin", "Doctor", "Nurse/System Manager"};
const QStringList kUserTypes{"Admin", "Doctor", "Employee"};
} // namespace

frmAddNewUser::frmAddNewUser()
    : RecordScreen({"frmAddNewUser", QString(24, ' ') + "Add New User Details", 6300, 10995},
                   "SELECT * FROM SettingsNewUser") {
    QWidget* area = fields()->parentWidget();
    txtUserName = textBox("txtUserName", area);
    txtPassword = textBox("txtPassword", area);
    txtConfirmPassword = textBox("txtConfirmPassword", area);
    for (QLineEdit* secret : {txtPassword, txtConfirmPassword})
        secret->setEchoMode(QLineEdit::Password);
    auto* types = new QWidget(area);
    auto* typeRow = new QHBoxLayout(types);
    typeRow->setContentsMargins(0, 0, 0, 0);
    QRadioButton** options[] = {&Option1_0, &Option1_1, &Option1_2};
    for (int i = 0; i < 3; ++i) {
        *options[i] = new QRadioButton(kTypeCaptions[i], types);
        (*options[i])->setObjectName(QString("Option1_%1").arg(i));
        typeRow->addWidget(*options[i]);
    }
    typeRow->addStretch(1);
    Picture11 = helpIcon("Picture11", "Example : User Name may be john123,ram1980 and Etc .. ", this);
    placeField(0, 0, "User Name", txtUserName, Picture11);
    placeField(1, 0, "Password", txtPassword);
    placeField(2, 0, "Confirm Password", txtConfirmPassword);
    placeField(3, 0, "User Type", types);
    fields()->setColumnStretch(1, 1);

    bind(1, txtUserName);
    // Both boxes show the stored password; the one typed first is what is stored, so it is bound last.
    bind(2, Field::enciphered(Field::text(txtConfirmPassword)));
    bind(2, Field::enciphered(Field::text(txtPassword)));
    bind(3, Field::enciphered(Field::options({Option1_0, Option1_1, Option1_2}, kUserTypes)));
    attachNameOnly(txtUserName);
}

QString frmAddNewUser::ChosenUserType() const {
    const QRadioButton* options[] = {Option1_0, Option1_1, Option1_2};
    for (int i = 0; i < 3; ++i)
        if (options[i]->isChecked()) return kUserTypes[i];
    return {};
}

QWidget* frmAddNewUser::keyField() const {
    return txtUserName;
}

bool frmAddNewUser::checks() {
    if (txtUserName->text().trimmed().isEmpty()) return warn(txtUserName, "Please Fill the UserName");
    if (duplicateKey(1, txtUserName->text(), "Please Select the Another User Name",
                     "This User Name Already Assigned"))
        return false;
    if (txtPassword->text().trimmed().isEmpty()) return warn(txtPassword, "Please Fill the Password");
    if (txtConfirmPassword->text().trimmed().isEmpty())
        return warn(txtConfirmPassword, "Please Fill the ConfirmPassword");
    if (txtConfirmPassword->text().trimmed() != txtPassword->text().trimmed()) {
        txtPassword->clear();
        txtConfirmPassword->clear();
        return warn(txtPassword, "Password Doesnt Match Please Fill It");
    }
    if (ChosenUserType().trimmed().isEmpty()) return warn(nullptr, "Please Select Any User Type");
    return true;
}

bool frmAddNewUser::refusesDelete() {
    // Nobody could manage the accounts again (or log in at all) after these deletes.
    Recordset& rs = browseSet();
    if (rs.FieldText(1).trimmed() == CurrentUserName.trimmed())
        return !warn(txtUserName, "This account is the one logged in now. Log in with another account to "
                                  "delete it.");
    if (Decipher(rs.FieldText(3)).value_or(QString()) != "Admin") return false;
    refreshCheckSet();
    Recordset& all = checkSet();
    int admins = 0;
    for (all.MoveFirst(); !all.AtEOF(); all.MoveNext())
        if (Decipher(all.FieldText(3)).value_or(QString()) == "Admin") ++admins;
    if (admins > 1) return false;
    return !warn(txtUserName, "This is the only Admin account. Add another Admin account before deleting "
                              "this one.");
}

void frmAddNewUser::emptyFields(Emptying why) {
    // Deleting the last account empties what a new one would.
    RecordScreen::emptyFields(why == Emptying::AfterLastDelete ? Emptying::ForNew : why);
}

void frmAddNewUser::openList() {
    if (auto* list = LoadedScreen<frmViewAllUsers>()) list->LookUp(this);
}
