#include "reference/frmAvailableDays.h"

#include "rules/AvailableDays.h"

#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
constexpr PictureSpec kOk[] = {{"Picture1", "ok", "OK", "OK"}};
} // namespace

frmAvailableDays::frmAvailableDays() : ListScreen({"frmAvailableDays", " Days", 4125, 2640}) {
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    body()->addWidget(List1, 1);
    okButton_ = PictureRow::centred(kOk, body(), this);
    Picture1 = okButton_.button(0);
    connect(Picture1, &PictureButton::clicked, this, &frmAvailableDays::ok);
}

void frmAvailableDays::fillLists() {
    List1->addItem(AllDays);
    List1->addItems(WeekDays);
}

void frmAvailableDays::setPictures() {
    okButton_.setUp(this);
}

void frmAvailableDays::showRows() {
    List1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    List1->setFocus();
}

void frmAvailableDays::ok() {
    QStringList picked;
    for (int i = 0; i < List1->count(); ++i)
        if (List1->item(i)->isSelected()) picked << List1->item(i)->text();
    if (QWidget* doctor = caller())
        if (auto* days = doctor->findChild<QLineEdit*>("txtAvailabledays"))
            days->setText(pickedDays(days->text(), picked));
    close();
}
