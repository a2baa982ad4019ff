#include "maintenance/frmCopyDB.h"

#include "data/DatabaseBackup.h"
#include "data/modConnectDB.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr PictureSpec kButtons[] = {{"Picture1", "copydb", "Back-Up", "Take the Back-up"}};

frmCopyDB::FolderChooser& chooser() {
    static frmCopyDB::FolderChooser c = [](QWidget* parent, const QString& start) {
        return QFileDialog::getExistingDirectory(parent, "Back-Up Database", start);
    };
    return c;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

void frmCopyDB::setFolderChooser(FolderChooser c) {
    chooser() = std::move(c);
}

frmCopyDB::frmCopyDB() : MenuScreen({"frmCopyDB", "                    Back-Up Database", 3750, 9450}) {
    Label1 = label("Label1", "Old Back-up Driectory Path", this);
    lblFilesCount = label("lblFilesCount", QString(), this);
    lblFilesCount->setFrameShape(QFrame::Panel);
    lblFilesCount->setFrameShadow(QFrame::Sunken);
    lblFilesCount->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setBuddy(lblFilesCount);
    dirList = new QPushButton("Choose &Folder...", this);
    dirList->setObjectName("dirList");
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(Label1);
    folderRow->addWidget(lblFilesCount, 1);
    folderRow->addWidget(dirList);
    body()->addLayout(folderRow);
    Label2 = label("Label2", "Note: We Recommended to take Back Up Periodically ", this);
    Label4 = label("Label4", "    Please take up the Back-up in Different Drive.", this);
    body()->addWidget(Label2);
    body()->addWidget(Label4);
    body()->addStretch(1);
    // The backup button with its help picture beside it, centred.
    auto* pictures = new QHBoxLayout;
    pictures->addStretch(1);
    buttons_ = PictureRow(kButtons, pictures, this);
    Picture1 = buttons_.button(0);
    Picture11 = helpIcon("Picture11", "Click to take Back up on Selected Drive", this);
    pictures->addWidget(Picture11);
    pictures->addStretch(1);
    body()->addLayout(pictures);
    connect(Picture1, &PictureButton::clicked, this, &frmCopyDB::backup);
    connect(dirList, &QPushButton::clicked, this, &frmCopyDB::chooseFolder);
}

void frmCopyDB::setPictures() {
    buttons_.setUp(this);
}

bool frmCopyDB::openSets() {
    return OpenWorkingSet(rs_, "SELECT * FROM SettingsCopyDB", Recordset::Mode::Editable);
}

void frmCopyDB::showRows() {
    Trapped(TrapWording::ErrorColon, [this] {
        // The delivered row holds no folder yet: the operator's home folder then, never the root folder.
        const QString stored = rs_.RecordCount() > 0 ? rs_.FieldText(0) : QString();
        lblFilesCount->setText(stored.trimmed().isEmpty() ? QDir::toNativeSeparators(QDir::homePath())
                                                          : stored);
    });
    Picture1->setFocus();
}

void frmCopyDB::chooseFolder() {
    Trapped(TrapWording::DescriptionOnly, [this] {
        const QString chosen = chooser()(this, lblFilesCount->text().trimmed());
        if (chosen.isEmpty()) return;
        lblFilesCount->setText(chosen);
        Label1->setText("New Back-up Directory Path");
    });
}

void frmCopyDB::backup() {
    if (MsgBox(MsgIcon::None, MsgButtons::YesNo, "Back-up",
               "Do you really want to take Back-up On this Folder") != MsgAnswer::Yes)
        return;
    const QString shown = lblFilesCount->text();
    const QString target = QDir(shown.trimmed()).filePath(BackupFileName);
    QString error = "no folder chosen";
    bool copied = false;
    Trapped(TrapWording::DescriptionOnly, [&] {
        // An empty path would name the current folder: it is no folder the operator chose.
        if (!shown.trimmed().isEmpty() && DbConnection)
            copied = BackupDatabase(*DbConnection, target, &error);
    });
    if (!copied) {
        LogFailure("Backup failed", error, target);
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", "Backup Error! Select Correct Folder");
        return;
    }
    const bool stored = Trapped(TrapWording::ErrorSpaceColon, [&] {
        rs_.MoveFirst();
        rs_.SetField(0, shown);
        rs_.Update();
    });
    if (!stored) {
        // A write that failed is dropped, so a later move cannot store it.
        if (rs_.EditPending()) Trapped(TrapWording::DescriptionOnly, [this] { rs_.CancelUpdate(); });
        return;
    }
    MsgBox(MsgIcon::None, MsgButtons::Ok, AppTitle,
           "Back-up Successfully stored in " + shown + " this Directory");
}
