#include "framework/Controls.h"

#include "framework/modInputHelpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimeEdit>

QLineEdit* textBox(const QString& objectName, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(objectName);
    return e;
}

QComboBox* editableCombo(const QString& objectName, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(objectName);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

QComboBox* sexList(const QString& objectName, QWidget* parent) {
    QComboBox* c = editableCombo(objectName, parent);
    c->addItems({"Male", "Female"});
    c->setCurrentIndex(-1);
    c->clearEditText();
    attachAutoComplete(c, false);
    return c;
}

QTimeEdit* timePicker(const QString& objectName, QWidget* parent) {
    auto* t = new QTimeEdit(QTime(0, 0), parent);
    t->setObjectName(objectName);
    t->setDisplayFormat("HH:mm");
    return t;
}
