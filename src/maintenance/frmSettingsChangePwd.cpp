#include "maintenance/frmSettingsChangePwd.h"

#include "data/ProgramState.h"
#include "data/modConnectDB.h"
#include "data/modVBDes.h"
#include "framework/Controls.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

namespace {
constexpr PictureSpec kButtons[] = {{"Picture1", "ok", "OK", "OK"}, {"Picture2", "can", "Cancel", "Cancel"}};
} // namespace

frmSettingsChangePwd::frmSettingsChangePwd()
    : MenuScreen({"frmSettingsChangePwd", "         Settings Change Password", 3675, 6780}) {
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(12);
    txtPassword = textBox("txtPassword", this);
    txtConfirmPassword = textBox("txtConfirmPassword", this);
    for (QLineEdit* secret : {txtPassword, txtConfirmPassword})
        secret->setEchoMode(QLineEdit::Password);
    Picture11 = helpIcon("Picture11", "Enter your New Password Here!", this);
    auto* first = new QHBoxLayout;
    first->addWidget(txtPassword, 1);
    first->addWidget(Picture11);
    form->addRow("New Password", first);
    form->addRow("Confirm New Password", txtConfirmPassword);
    body()->addLayout(form);
    body()->addStretch(1);
    buttons_ = PictureRow::centred(kButtons, body(), this);
    Picture1 = buttons_.button(0);
    Picture2 = buttons_.button(1);
    connect(Picture1, &PictureButton::clicked, this, &frmSettingsChangePwd::ok);
    connect(Picture2, &PictureButton::clicked, this, &QWidget::close);
}

void frmSettingsChangePwd::setPictures() {
    buttons_.setUp(this);
}

bool frmSettingsChangePwd::openSets() {
    return OpenWorkingSet(rs_, "SELECT * FROM SettingsNewUser", Recordset::Mode::Editable);
}

void frmSettingsChangePwd::showRows() {
    txtPassword->setFocus();
}

bool frmSettingsChangePwd::warn(QLineEdit* focus, const QString& text) {
    MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", text);
    focus->setFocus();
    return false;
}

void frmSettingsChangePwd::ok() {
    const QString typed = txtPassword->text();
    if (typed.trimmed().isEmpty()) {
        warn(txtPassword, "Please Mentioned New Password");
        return;
    }
    if (txtConfirmPassword->text().trimmed().isEmpty()) {
        warn(txtConfirmPassword, "Please Mentioned Confirm New Password");
        return;
    }
    if (typed.trimmed() != txtConfirmPassword->text().trimmed()) {
        txtPassword->clear();
        txtConfirmPassword->clear();
        warn(txtPassword, "Password Doesnt match! Please Type Correctly");
        return;
    }
    bool changed = false;
    const bool ran = Trapped(TrapWording::DescriptionOnly, [&] {
        // The user's first row in table order, the name compared exactly (the login's own comparison).
        if (rs_.RecordCount() == 0) return;
        for (rs_.MoveFirst(); !rs_.AtEOF(); rs_.MoveNext()) {
            if (rs_.FieldText(1) != CurrentUserName) continue;
            rs_.SetField(2, Encipher(typed));
            rs_.Update();
            changed = true;
            return;
        }
    });
    if (changed) {
        close();
        return;
    }
    // A write that failed is dropped, so a later move cannot store it.
    if (rs_.EditPending()) Trapped(TrapWording::DescriptionOnly, [this] { rs_.CancelUpdate(); });
    // The account went away since the login: say so rather than leave the operator guessing.
    if (ran) warn(txtPassword, "Your account was not found, so the password was not changed.");
}
