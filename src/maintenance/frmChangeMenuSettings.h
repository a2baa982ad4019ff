#pragma once

#include "framework/PictureButton.h"
#include "framework/Screens.h"

class QRadioButton;

// Lays the main window's menu out horizontally or vertically until the program ends. A choice takes
// effect at once in MenuView; the menu shows it when the screen closes.
class frmChangeMenuSettings : public MenuScreen {
    Q_OBJECT
public:
    frmChangeMenuSettings();

protected:
    void setPictures() override;
    void showRows() override;

    QRadioButton* Option1;
    QRadioButton* Option2;
    PictureButton* Picture1;
    PictureButton* Picture2;

private:
    PictureRow buttons_;
};
