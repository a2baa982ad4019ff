#include "framework/Controls.h"

#include "framework/modInputHelpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>
#include <QTreeWidget>

namespace {
class FocusOut : public QObject {
public:
    FocusOut(QWidget* control, std::function<void()> then) : QObject(control), then_(std::move(then)) {
        control->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusOut) then_();
        return false;
    }

private:
    std::function<void()> then_;
};
} // namespace

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

QTreeWidget* billLinesList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName("List");
    list->setAccessibleName("Bill lines");
    list->setColumnCount(3);
    list->setHeaderLabels({"Sl No", "Particulars", "Amount"});
    list->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    list->setColumnWidth(0, 60);
    list->setColumnWidth(2, 100);
    return list;
}

QObject* onFocusOut(QWidget* control, std::function<void()> then) {
    return new FocusOut(control, std::move(then));
}

namespace {
QWidget* firstInput(QWidget* field) {
    if (!field || field->focusPolicy() != Qt::NoFocus) return field;
    for (QWidget* inner : field->findChildren<QWidget*>())
        if (inner->focusPolicy() != Qt::NoFocus) return inner;
    return field;
}

QWidget* firstInput(QLayoutItem* item) {
    if (!item) return nullptr;
    return item->widget() ? firstInput(item->widget()) : firstInput(item->layout());
}
} // namespace

QWidget* firstInput(QLayout* controls) {
    QWidget* found = nullptr;
    for (int i = 0; controls && i < controls->count() && !found; ++i)
        if (QWidget* w = firstInput(controls->itemAt(i)); w && w->focusPolicy() != Qt::NoFocus) found = w;
    return found;
}

void labelField(QLabel* label, QWidget* field) {
    QWidget* input = firstInput(field);
    if (!label || !input) return;
    label->setBuddy(input);
    if (input->parentWidget() != label->parentWidget() && input->accessibleName().isEmpty())
        input->setAccessibleName(QString(label->text()).remove('&').trimmed());
}

QLabel* fieldLabel(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    labelField(label, field);
    return label;
}

void nameControls(QWidget* screen, const QString& caption) {
    for (QFormLayout* form : screen->findChildren<QFormLayout*>())
        for (int row = 0; row < form->rowCount(); ++row) {
            auto* label = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)
                                                    ? form->itemAt(row, QFormLayout::LabelRole)->widget()
                                                    : nullptr);
            if (!label || label->buddy()) continue;
            QWidget* input = firstInput(form->itemAt(row, QFormLayout::FieldRole));
            if (input) labelField(label, input);
        }
    for (QAbstractItemView* view : screen->findChildren<QAbstractItemView*>())
        if (view->accessibleName().isEmpty() && !view->window()->inherits("QComboBoxPrivateContainer") &&
            !qobject_cast<QComboBox*>(view->parentWidget()))
            view->setAccessibleName(caption.trimmed());
}
