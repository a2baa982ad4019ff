#include "patients/PatientRegistration.h"

#include "data/Environment.h"
#include "framework/Controls.h"
#include "framework/DatePicker.h"
#include "framework/ItemListModel.h"
#include "framework/modInputHelpers.h"
#include "rules/Formats.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

// Runs `then` whenever the watched control loses the focus.
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

QString prefixedPatientId(const QString& prefix, const QString& typed) {
    return typed.trimmed().startsWith(prefix) ? typed : prefix + typed;
}

PatientRegistration::PatientRegistration(ScreenInfo info, QString query, const QString& prefix)
    : RecordScreen(std::move(info), std::move(query)), prefix_(prefix) {
    QWidget* area = fields()->parentWidget();
    // Created in the order the Tab key walks them.
    auto* idBox = new QWidget(area);
    auto* idRow = new QHBoxLayout(idBox);
    idRow->setContentsMargins(0, 0, 0, 0);
    idRow->setSpacing(4);
    lblPrefix = new QLabel(prefix_, idBox);
    lblPrefix->setObjectName("lblPrefix");
    lblPrefix->setToolTip("Stored in front of the number you type");
    lblPrefix->hide();
    cmbPatientID = editableCombo("cmbPatientID", idBox);
    ids_ = useItemList(cmbPatientID);
    idRow->addWidget(lblPrefix);
    idRow->addWidget(cmbPatientID, 1);
    txtFirstName = textBox("txtFirstName", area);
    txtLastName = textBox("txtLastName", area);
    cmbSex = editableCombo("cmbSex", area);
    cmbMartialStatus = editableCombo("cmbMartialStatus", area);
    txtAge = textBox("txtAge", area);
    txtMobilePhone = textBox("txtMobilePhone", area);
    txtHomePhone = textBox("txtHomePhone", area);
    txtPagerNumber = textBox("txtPagerNumber", area);
    DTPicker1 = new DatePicker("DTPicker1", area);
    txtAddress = textBox("txtAddress", area);
    txtEmailId = textBox("txtEmailId", area);
    Picture12 = helpIcon("Picture12", "Last Name May be Your Initial or Father Name ", this);
    Picture11 = helpIcon("Picture11", "Select Married or Unmarried", this);

    placeField(0, 0, "Patient ID", idBox);
    placeField(1, 0, "First Name", txtFirstName);
    placeField(2, 0, "Last Name", txtLastName, Picture12);
    placeField(3, 0, "Sex", cmbSex);
    placeField(4, 0, "Marital Status", cmbMartialStatus, Picture11);
    placeField(5, 0, "Age", txtAge);
    placeField(0, 1, "Mobile Phone", txtMobilePhone);
    placeField(1, 1, "Home Phone", txtHomePhone);
    placeField(2, 1, "Pager Number", txtPagerNumber);
    placeField(3, 1, "Date Of Birth", DTPicker1);
    placeField(4, 1, "Address", txtAddress);
    placeField(5, 1, "Location", txtEmailId);
    fields()->setColumnStretch(1, 1);
    fields()->setColumnStretch(4, 1);
    fields()->setColumnMinimumWidth(2, 24);
    fields()->setColumnMinimumWidth(3, 110);

    bind(0, Field::text(cmbPatientID, [this](const QString& t) { return prefixedPatientId(prefix_, t); }));
    bind(1, txtFirstName);
    bind(3, cmbSex);
    bind(4, txtMobilePhone);
    bind(7, txtAge);
    bind(9, txtAddress);
    bind(10, txtEmailId);

    attachNameOnly(txtLastName);
    for (QLineEdit* digits : {txtMobilePhone, txtHomePhone, txtPagerNumber, txtAge})
        attachNumberOnly(digits, false);
    attachAutoComplete(cmbSex, false);
    attachAutoComplete(cmbMartialStatus, false);
    // Free IDs may be typed; the list completes them only while a record is being added or edited.
    attachAutoComplete(cmbPatientID, true, [this] { return state() != State::Browsing; });
    attachFutureDateRefusal(DTPicker1, MsgIcon::None, AppTitle, NotBornYetText);
    caretToEndOnFocus(txtEmailId);

    connect(cmbPatientID, &QComboBox::editTextChanged, this, [this] { chooseId(); });
    connect(cmbPatientID, &QComboBox::activated, this, [this] { chooseId(); });
    focusOut_ = new FocusOut(cmbPatientID, [this] { chooseId(); });
}

PatientRegistration::~PatientRegistration() {
    // The controls lose the focus while they are destroyed, after this screen's record sets.
    delete focusOut_;
    disconnect(cmbPatientID, nullptr, this, nullptr);
}

QWidget* PatientRegistration::keyField() const {
    return cmbPatientID;
}

void PatientRegistration::fillLists() {
    cmbSex->addItems({"Male", "Female"});
    cmbMartialStatus->addItems({"Married", "Unmarried"});
    emptyControl(cmbSex);
    emptyControl(cmbMartialStatus);
}

void PatientRegistration::setDefaults() {
    const QSignalBlocker quiet(DTPicker1);
    DTPicker1->setDate(Today());
}

void PatientRegistration::browseSetLoaded() {
    const QSignalBlocker quiet(cmbPatientID);
    ids_->setItems(browseSet().ColumnTexts(0));
}

bool PatientRegistration::checks() {
    const QString id = cmbPatientID->currentText().trimmed();
    if (duplicateKey(0, prefixedPatientId(prefix_, id), "Please Select the Another Patient Id",
                     "This Patient ID Already Assigned"))
        return false;
    if (id.isEmpty()) return warn(cmbPatientID, "Please Fill the Employee ID");
    if (txtFirstName->text().trimmed().isEmpty()) return warn(txtFirstName, "Please Fill the First Name");
    if (txtMobilePhone->text().trimmed().isEmpty())
        return warn(txtMobilePhone, "Please Fill the Phone Number");
    if (txtAge->text().trimmed().isEmpty()) return warn(txtAge, "Please Select the Age");
    const double age = numericValue(txtAge->text());
    if (age < 0 || age > 120) return warn(txtAge, "Please Select the Correct Ages");
    if (cmbSex->currentText().trimmed().isEmpty()) return warn(cmbSex, "Please Select the Sex");
    if (txtAddress->text().trimmed().isEmpty()) return warn(txtAddress, "Please Fill the Address");
    if (txtEmailId->text().trimmed().isEmpty()) return warn(txtEmailId, "Please Fill the Location");
    return true;
}

void PatientRegistration::emptyFields(Emptying why) {
    if (why == Emptying::AfterLastDelete)
        for (QWidget* w : inputControls())
            emptyControl(w);
    else
        RecordScreen::emptyFields(why);
}

void PatientRegistration::updateIdList(const QString& removed, const QString& added, const QString& shown) {
    // One ID out and one in, at its place in text order (OP1, OP10, OP2), as a read of the table gives.
    const QSignalBlocker quiet(cmbPatientID);
    if (!removed.isNull()) ids_->removeItem(ids_->list().sortedIndexOf(removed));
    if (!added.isNull()) ids_->insertItem(ids_->list().sortedPosition(added), added);
    cmbPatientID->setCurrentIndex(-1);
    cmbPatientID->setEditText(shown);
}

void PatientRegistration::afterSave() {
    const QString saved = browseSet().FieldText(0);
    updateIdList(editedId_, saved, saved);
    editedId_ = QString();
}

void PatientRegistration::beforeDelete() {
    deletedId_ = browseSet().FieldText(0);
}

void PatientRegistration::afterDelete() {
    updateIdList(deletedId_, QString(), cmbPatientID->currentText());
}

void PatientRegistration::stateChanged() {
    lblPrefix->setVisible(state() == State::Adding);
    // The ID the edited row had, to take out of the list when the row is saved under its new ID; kept
    // through the return to browsing that the save makes before afterSave.
    if (state() == State::Editing)
        editedId_ = browseSet().FieldText(0);
    else if (state() == State::Adding)
        editedId_ = QString();
}

void PatientRegistration::chooseId() {
    if (state() != State::Browsing || displaying()) return;
    const QString wanted = cmbPatientID->currentText().trimmed();
    if (wanted.isEmpty()) return;
    Trapped(TrapWording::ErrorColon, [&] {
        // The last row of that ID; without one the record shown stays.
        const int row = browseSet().FindTrimmed(0, wanted, true);
        if (row < 0) return;
        browseSet().MoveTo(row);
        display();
    });
}
