#include "maintenance/frmChangeMenuSettings.h"

#include "data/ProgramState.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr PictureSpec kButtons[] = {{"Picture1", "ok", "OK", "OK"}, {"Picture2", "can", "Cancel", "Cancel"}};
} // namespace

frmChangeMenuSettings::frmChangeMenuSettings()
    : MenuScreen({"frmChangeMenuSettings", "          Change Menu View Settings", 5430, 7290}) {
    auto* frame = new QGroupBox("Menu View Display", this);
    frame->setObjectName("Frame1");
    auto* choices = new QVBoxLayout(frame);
    Option1 = new QRadioButton("Horizontal", frame);
    Option1->setObjectName("Option1");
    Option2 = new QRadioButton("Vertical", frame);
    Option2->setObjectName("Option2");
    choices->addWidget(Option1);
    choices->addWidget(Option2);
    body()->addWidget(frame);
    body()->addStretch(1);
    buttons_ = PictureRow::centred(kButtons, body(), this);
    Picture1 = buttons_.button(0);
    Picture2 = buttons_.button(1);
    // Choosing takes effect at once; the selection made while loading is not a choice (connected after).
    connect(Option1, &QRadioButton::clicked, this, [] { MenuView = "Horizontal"; });
    connect(Option2, &QRadioButton::clicked, this, [] { MenuView = "Vertical"; });
    // OK and Cancel both only close: a choice made stays made.
    connect(Picture1, &PictureButton::clicked, this, &QWidget::close);
    connect(Picture2, &PictureButton::clicked, this, &QWidget::close);
}

void frmChangeMenuSettings::setPictures() {
    buttons_.setUp(this);
}

void frmChangeMenuSettings::showRows() {
    Option1->setChecked(true);
    Option1->setFocus();
}
