#include "billing/frmInBill.h"

#include "data/DbError.h"
#include "framework/Controls.h"
#include "framework/DatePicker.h"
#include "rules/Money.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int AdvancePaidColumn = 18;
} // namespace

frmInBill::frmInBill()
    : BillScreen({"frmInBill", QString(19, ' ') + "Settings In-Patient Bill Details", 8800, 11400},
                 InPatientBills,
                 {{"SELECT * FROM SettingsinPatient Order by FirstName",
                   "Please add the OutPatient Details First"}}) {
    makeFees(InPatientFees);
    // Read from the patient's row: typing into it would deduct an advance nobody paid.
    Text3 = textBox("Text3", this);
    Text3->setReadOnly(true);
    Text3->setFocusPolicy(Qt::ClickFocus);
    txtAdvance = amountBox("txtAdvance");
    auto* label4 = new QLabel("Advance", this);
    label4->setObjectName("Label4");
    auto* label5 = new QLabel(AdvanceCaption, this);
    label5->setObjectName("Label5");
    const int row = fees()->rowCount();
    placeFee(row, label4, Text3);
    placeFee(row + 1, label5, txtAdvance);
    fees()->setRowStretch(row + 2, 1);
    modToolTip(Picture5, AddressHint, this);
}

void frmInBill::listLines() {
    if (!txtAdvance->text().trimmed().isEmpty()) {
        lines_.advanceReceipt(txtAdvance->text());
        receipt_ = txtAdvance->text();
        deducted_ = false;
        forgetListedFees();
        return;
    }
    receipt_.clear();
    listFees();
    // The deduction pair is rebuilt at the end of the list after every Add: the advance is deducted once.
    lines_.deductAdvance(Text3->text());
    deducted_ = !Text3->text().trimmed().isEmpty();
}

std::vector<std::vector<Value>> frmInBill::billRows() const {
    std::vector<Value> row = feeBillRow();
    row.push_back(Value()); // BillDelete, the book's
    row.push_back(receipt_.trimmed().isEmpty() ? Value() : Value::text(receipt_));
    return {row};
}

void frmInBill::alsoWrite() {
    if (receipt_.trimmed().isEmpty() && !deducted_) return;
    Recordset& patients = *patients_.front();
    const int row = patients.FindTrimmed(0, chosenId(), false);
    if (row < 0)
        throw DbError("Patient " + chosenId() + " is no longer stored, so no advance could be written.");
    patients.MoveTo(row);
    if (!receipt_.trimmed().isEmpty()) {
        // Added to the advance the file holds, which is what the screen showed when the patient was chosen.
        const Cents advance = amountCents(patients.FieldText(AdvancePaidColumn)) + amountCents(receipt_);
        patients.SetField(AdvancePaidColumn, Value::number(static_cast<double>(advance) / 100.0));
    } else {
        patients.SetField(AdvancePaidColumn, Value());
    }
    patients.Update();
}

void frmInBill::patientChosen(const Recordset& patients) {
    Text3->setText(patients.FieldText(AdvancePaidColumn));
}

void frmInBill::clearFields() {
    emptyFees();
    Text2->clear();
    txtAdvance->clear();
    Text3->clear();
    receipt_.clear();
    deducted_ = false;
}

QString frmInBill::alreadyPrinted() const {
    return "You cannt Change the Bill Already Printed ! Cancel the Bill First then Again Give Print";
}
