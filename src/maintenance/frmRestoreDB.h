#pragma once

#include "framework/PictureButton.h"
#include "framework/Screens.h"

#include <functional>

class QLabel;
class QPushButton;

// Puts a backup back in place of the database: the file is checked and described first, the operator asked,
// the database as it stands kept as a dated copy in "backups", and the operator then logs in again.
class frmRestoreDB : public MenuScreen {
    Q_OBJECT
public:
    frmRestoreDB();
    // cmdChoose: asks for a backup file; a sound one is described, another refused with its reason.
    void chooseFile();
    // Picture1: asks, keeps the database as it stands, restores the chosen backup.
    void restore();

    // The file chooser (tests answer for it); an empty answer keeps the file shown.
    using FileChooser = std::function<QString(QWidget* parent, const QString& start)>;
    static void setFileChooser(FileChooser chooser);

protected:
    void setPictures() override;
    void showRows() override;

    QLabel* lblFile;
    QLabel* lblDetails;
    QPushButton* cmdChoose;
    PictureButton* Picture1;
    PictureButton* Picture2;

private:
    PictureRow buttons_;
    QString file_; // the checked backup, empty until one is chosen
};
