#pragma once

#include "framework/PictureButton.h"
#include "framework/Screens.h"

class QListWidget;

// The working days of a doctor, several picked at once; OK adds them to the doctor screen's available days.
class frmAvailableDays : public ListScreen {
    Q_OBJECT
public:
    frmAvailableDays();
    // Picture1: appends the days picked to the caller's txtAvailabledays and closes.
    void ok();

protected:
    void fillLists() override;
    void setPictures() override;
    void showRows() override;

    QListWidget* List1;
    PictureButton* Picture1;

private:
    PictureRow okButton_;
};
