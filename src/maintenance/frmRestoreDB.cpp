#include "maintenance/frmRestoreDB.h"

#include "data/DatabaseBackup.h"
#include "data/Environment.h"
#include "data/modConnectDB.h"
#include "framework/MenuControl.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr PictureSpec kButtons[] = {{"Picture1", "ok", "Restore", "Restore this Back-up"},
                                    {"Picture2", "can", "Close", "Close"}};

frmRestoreDB::FileChooser& chooser() {
    static frmRestoreDB::FileChooser c = [](QWidget* parent, const QString& start) {
        return QFileDialog::getOpenFileName(parent, "Restore Database", start,
                                            "Back-up files (*.mdb);;All files (*)");
    };
    return c;
}
} // namespace

void frmRestoreDB::setFileChooser(FileChooser c) {
    chooser() = std::move(c);
}

frmRestoreDB::frmRestoreDB()
    : MenuScreen({"frmRestoreDB", QString(20, ' ') + "Restore Database", 4500, 9450}) {
    auto* form = new QFormLayout;
    lblFile = new QLabel(this);
    lblFile->setObjectName("lblFile");
    lblFile->setFrameShape(QFrame::Panel);
    lblFile->setFrameShadow(QFrame::Sunken);
    cmdChoose = new QPushButton("Choose &File...", this);
    cmdChoose->setObjectName("cmdChoose");
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(lblFile, 1);
    fileRow->addWidget(cmdChoose);
    auto* fileCaption = new QLabel("Back-up File", this);
    fileCaption->setBuddy(cmdChoose);
    form->addRow(fileCaption, fileRow);
    lblDetails = new QLabel(this);
    lblDetails->setObjectName("lblDetails");
    form->addRow("Holds", lblDetails);
    body()->addLayout(form);
    body()->addWidget(
        new QLabel("Note: the database as it stands now is kept in the backups folder first.", this));
    body()->addStretch(1);
    buttons_ = PictureRow::centred(kButtons, body(), this);
    Picture1 = buttons_.button(0);
    Picture2 = buttons_.button(1);
    connect(cmdChoose, &QPushButton::clicked, this, &frmRestoreDB::chooseFile);
    connect(Picture1, &PictureButton::clicked, this, &frmRestoreDB::restore);
    connect(Picture2, &PictureButton::clicked, this, &QWidget::close);
}

void frmRestoreDB::setPictures() {
    buttons_.setUp(this);
}

void frmRestoreDB::showRows() {
    setTabOrder(cmdChoose, Picture1);
    setTabOrder(Picture1, Picture2);
    cmdChoose->setFocus();
}

void frmRestoreDB::chooseFile() {
    const QString file = chooser()(this, file_.isEmpty() ? QDir::homePath() : file_);
    if (file.isEmpty()) return;
    const BackupFileCheck check = CheckBackupFile(file);
    if (!check.ok) {
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning",
               "This file cannot be restored: " + check.problem + LineBreak + "Nothing was changed.");
        return;
    }
    file_ = file;
    lblFile->setText(QDir::toNativeSeparators(file));
    lblDetails->setText("Back-up of " + check.modified.toString("dd/MM/yyyy HH:mm") + ", " +
                        QString::number(check.patients) + " patients, " + QString::number(check.bills) +
                        " bills");
}

void frmRestoreDB::restore() {
    if (file_.isEmpty()) {
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", "Please select the Back-up File");
        cmdChoose->setFocus();
        return;
    }
    if (MsgBox(MsgIcon::Question, MsgButtons::YesNo, "Restore",
               "Do you really want to replace the database with this Back-up?" + LineBreak +
                   lblDetails->text()) != MsgAnswer::Yes)
        return;
    if (!DbConnection) return;
    // The database as it stands is kept first; without that copy nothing is replaced.
    QString error;
    const QString kept =
        AppFile("backups/sanavodb-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss") + ".mdb");
    if (!QDir().mkpath(AppFile("backups")) || !BackupDatabase(*DbConnection, kept, &error)) {
        LogFailure("Keeping the database before a restore", error, kept);
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, AppTitle,
               "The database could not be kept before the restore, so nothing was changed: " + error);
        return;
    }
    FinishOpenReads(nullptr);
    if (!RestoreDatabase(*DbConnection, file_, &error)) {
        LogFailure("Restoring " + file_, error);
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, AppTitle,
               "The Back-up could not be restored, so nothing was changed: " + error);
        return;
    }
    MsgBox(MsgIcon::Information, MsgButtons::Ok, AppTitle,
           "Database restored. The database as it was is kept in " + QDir::toNativeSeparators(kept) +
               LineBreak + "Please log in again.");
    close();
    if (ConnectDB()) LogOut();
}
