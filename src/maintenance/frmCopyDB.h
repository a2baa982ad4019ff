#pragma once

#include "data/Recordset.h"
#include "framework/PictureButton.h"
#include "framework/Screens.h"

#include <functional>

class QLabel;
class QPushButton;

// Backs the database up into a folder the operator picks, under the fixed name "backupsanavo.mdb", and
// remembers the folder in SettingsCopyDB.
class frmCopyDB : public MenuScreen {
    Q_OBJECT
public:
    frmCopyDB();
    // dirList: asks for a folder; a chosen one becomes the backup folder.
    void chooseFolder();
    // Picture1: asks, then backs up into the folder shown.
    void backup();

    // The folder chooser (tests answer for it); an empty answer keeps the folder shown.
    using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;
    static void setFolderChooser(FolderChooser chooser);
    static constexpr const char* BackupFileName = "backupsanavo.mdb";

protected:
    void setPictures() override;
    bool openSets() override;
    void showRows() override;

    QLabel* Label1;
    QLabel* lblFilesCount;
    QPushButton* dirList;
    PictureButton* Picture1;
    PictureButton* Picture11;
    QLabel* Label2;
    QLabel* Label4;

private:
    PictureRow buttons_;
    Recordset rs_;
};
