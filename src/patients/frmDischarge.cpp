#include "patients/frmDischarge.h"

#include "data/DbError.h"
#include "data/Environment.h"
#include "data/modConnectDB.h"
#include "framework/Controls.h"
#include "framework/DatePicker.h"
#include "framework/FieldBinding.h"
#include "framework/ItemListModel.h"
#include "framework/modInputHelpers.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
constexpr PictureSpec kButtons[] = {{"Picture1", "ok", "Save", "Save"},
                                    {"Picture2", "can", "Close", "Close"}};
// Who is still in the hospital: the patients the screen lists.
const QString kListed = QStringLiteral("SELECT * FROM SettingsInPatient WHERE Discharged = 'No'");
} // namespace

frmDischarge::frmDischarge()
    : MenuScreen({"frmDischarge", "         Settings Discharge Details", 5400, 9000}) {
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(12);
    cmbPatientName = editableCombo("cmbPatientName", this);
    useItemList(cmbPatientName);
    Picture11 = helpIcon("Picture11", "Select the Patient Name Here!", this);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(cmbPatientName, 1);
    nameRow->addWidget(Picture11);
    txtPatientID = new QComboBox(this);
    txtPatientID->setObjectName("txtPatientID");
    txtPrescription = textBox("txtPrescription", this);
    txtDisease = textBox("txtDisease", this);
    txtHealth = textBox("txtHealth", this);
    DTPicker1 = new DatePicker("DTPicker1", this);
    form->addRow("Patient Name", nameRow);
    form->addRow("Patient ID", txtPatientID);
    form->addRow("Prescription Details", txtPrescription);
    form->addRow("Disease Details", txtDisease);
    form->addRow("Health Details", txtHealth);
    form->addRow("Discharge Date", DTPicker1);
    body()->addLayout(form);
    body()->addStretch(1);
    buttons_ = PictureRow::centred(kButtons, body(), this);
    Picture1 = buttons_.button(0);
    Picture2 = buttons_.button(1);

    attachAutoComplete(cmbPatientName, true);
    attachFutureDateRefusal(DTPicker1, MsgIcon::Critical, "Warning",
                            "Please Select date Less than Equal To Current Date" + LineBreak +
                                "You cannt Bill for Future Date");
    connect(cmbPatientName, &QComboBox::editTextChanged, this, [this] { choosePatient(); });
    connect(cmbPatientName, &QComboBox::activated, this, [this] { choosePatient(); });
    connect(Picture1, &PictureButton::clicked, this, &frmDischarge::save);
    connect(Picture2, &PictureButton::clicked, this, &QWidget::close);
}

void frmDischarge::setPictures() {
    buttons_.setUp(this);
}

bool frmDischarge::openSets() {
    return OpenWorkingSet(rs_, "SELECT * FROM SettingsInPatient", Recordset::Mode::Editable);
}

void frmDischarge::showRows() {
    Trapped(TrapWording::DescriptionOnly, [this] {
        if (rs_.RecordCount() == 0) {
            MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", "Please add the OutPatient Details First");
            close();
            return;
        }
        Recordset listed;
        if (!listed.Open(kListed, rs_.ActiveConnection(), Recordset::Mode::Snapshot))
            throw DbError(listed.LastError(), listed.LastStatement());
        listedNames_ = listed.ColumnTexts(1);
        listedIds_ = listed.ColumnTexts(0);
        const QSignalBlocker quiet(cmbPatientName);
        itemListOf(cmbPatientName)->setItems(listedNames_);
        cmbPatientName->setCurrentIndex(-1);
        cmbPatientName->clearEditText();
    });
    cmbPatientName->setFocus();
}

void frmDischarge::choosePatient() {
    // Only the patients listed (still in the hospital) can be chosen; several of one name are all offered.
    const QString wanted = cmbPatientName->currentText().trimmed();
    txtPatientID->clear();
    if (wanted.isEmpty()) return;
    for (qsizetype i = 0; i < listedNames_.size(); ++i)
        if (listedNames_[i] == wanted) txtPatientID->addItem(listedIds_.value(i));
}

bool frmDischarge::warn(QWidget* focus, const QString& text) {
    MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", text);
    focus->setFocus();
    return false;
}

void frmDischarge::save() {
    const std::pair<QWidget*, const char*> required[] = {
        {cmbPatientName, "Please Select the Patient Name"},
        {txtPrescription, "Please Select the Prescription  Details"},
        {txtDisease, "Please Select the Disease Details"},
        {txtHealth, "Please Select the Health Details"}};
    for (const auto& [field, text] : required)
        if (textOf(field).trimmed().isEmpty()) {
            warn(field, text);
            return;
        }
    // A name that matches no listed patient ends the save without a word.
    const QString id = txtPatientID->currentText().trimmed();
    if (id.isEmpty()) return;
    bool saved = false;
    Trapped(TrapWording::DescriptionOnly, [&] {
        const int row = rs_.FindTrimmed(0, id, false);
        if (row >= 0) rs_.MoveTo(row);
        if (row < 0 || rs_.FieldText(17) != "No") {
            warn(cmbPatientName, "Patient " + id +
                                     " is no longer among the patients in the hospital, so nothing "
                                     "was written.");
            return;
        }
        rs_.SetField(13, txtPrescription->text());
        rs_.SetField(14, txtDisease->text());
        rs_.SetField(15, txtHealth->text());
        rs_.SetField(16, Value::date(DTPicker1->date()));
        rs_.SetField(17, "Yes");
        rs_.Update();
        saved = true;
    });
    if (rs_.EditPending()) Trapped(TrapWording::DescriptionOnly, [this] { rs_.CancelUpdate(); });
    if (!saved) return;
    MsgBox(MsgIcon::None, MsgButtons::Ok, AppTitle, "Record Saved Successfully");
    close();
}
