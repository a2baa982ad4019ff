#include "framework/Controls.h"

#include <QComboBox>
#include <QLineEdit>

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
