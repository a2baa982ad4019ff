#include "billing/TestBill.h"

#include "framework/Controls.h"
#include "framework/DatePicker.h"
#include "framework/FieldBinding.h"
#include "framework/ItemListModel.h"
#include "framework/modInputHelpers.h"
#include "printing/BillSheet.h"
#include "rules/Formats.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
// Enter in the description adds the test while a price is selected.
class AddOnEnter : public QObject {
public:
    AddOnEnter(QComboBox* box, std::function<bool()> add) : QObject(box), add_(std::move(add)) {
        box->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        return (key == Qt::Key_Return || key == Qt::Key_Enter) && add_();
    }

private:
    std::function<bool()> add_;
};

QLabel* named(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
} // namespace

TestBill::TestBill(TestBillRow row)
    : BillScreen(
          row.info, row.tables,
          {{"SELECT * FROM SettingsInPatient Order by FirstName", "Please add the OutPatient Details First"},
           {"SELECT * FROM SettingsOutPatient Order by FirstName",
            "Please add the OutPatient Details First"}}),
      row_(std::move(row)) {
    cmbDescription = editableCombo("cmbDescription", this);
    useItemList(cmbDescription);
    attachAutoComplete(cmbDescription, true);
    txtCTotal = textBox("txtCTotal", this);
    txtCTotal->setReadOnly(true);
    txtCTotal->setFocusPolicy(Qt::ClickFocus);
    txtCTotal->setAlignment(Qt::AlignRight);
    txtDiscount = textBox("txtDiscount", this);
    txtDiscount->setText("0");
    placeFee(0, named("Label7", "Description", this), cmbDescription);
    placeFee(1, named("Label8", "Grass Total", this), txtCTotal);
    placeFee(2, named("Label9", "Discount", this), txtDiscount);
    fees()->setRowStretch(3, 1);
    fees()->setColumnMinimumWidth(1, 220);
    modToolTip(Picture5, AddressHint, this);
    connect(cmbDescription, &QComboBox::editTextChanged, this, [this] { chooseTest(); });
    connect(cmbDescription, &QComboBox::activated, this, [this] { chooseTest(); });
    new AddOnEnter(cmbDescription, [this] {
        if (numericValue(selectedPrice_) == 0) return false;
        add();
        return true;
    });
}

bool TestBill::openOwnSets() {
    if (!OpenWorkingSet(catalogue_, row_.catalogue, Recordset::Mode::Snapshot)) return false;
    bool ok = false;
    Trapped(TrapWording::ErrorColon, [&] {
        if (catalogue_.RecordCount() == 0) {
            MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", "Please add the Description Details First");
            return;
        }
        const QSignalBlocker quiet(cmbDescription);
        itemListOf(cmbDescription)->setItems(catalogue_.ColumnTexts(0));
        emptyControl(cmbDescription); // no test is chosen until the operator chooses one
        ok = true;
    });
    return ok;
}

void TestBill::chooseTest() {
    const QString test = cmbDescription->currentText().trimmed();
    if (test.isEmpty()) return;
    Trapped(TrapWording::DescriptionOnly, [&] {
        const int at = catalogue_.FindTrimmed(0, test, false);
        if (at < 0) return;
        catalogue_.MoveTo(at);
        // Children below 8 (and anyone while no patient is chosen) pay the children's price.
        const bool adult = !chosenId().isEmpty() && numericValue(chosenAge()) >= 8;
        selectedPrice_ = catalogue_.FieldText(adult ? row_.adultColumn : row_.childrenColumn);
    });
}

void TestBill::listLines() {
    if (cmbDescription->currentText().trimmed().isEmpty()) {
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, AppTitle, "Please Select the Description First");
        cmbPatientName->setFocus();
        return;
    }
    lines_.addPriced(row_.prefix + cmbDescription->currentText(), selectedPrice_);
}

void TestBill::showTotals() {
    txtCTotal->setText(lines_.totalText());
}

double TestBill::discount() const {
    return numericValue(txtDiscount->text());
}

double TestBill::gross() const {
    return numericValue(txtCTotal->text());
}

bool TestBill::beforePrint() {
    if (printed()) return true; // printed again as it was stored
    const double d = discount();
    if (d < 0 || d > 99) {
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, AppTitle,
               "Please select Correct Discount ! This is Invalid Discount");
        txtDiscount->setFocus();
        return false;
    }
    const double g = gross();
    txtTotal->setText(d == 0 ? txtCTotal->text() : formatPlainTotal(g - g * (d / 100)));
    return true;
}

BillSheet TestBill::sheet() const {
    BillSheet s = BillScreen::sheet();
    if (const double d = discount(); d != 0)
        s.lines.push_back(
            {QString(), "Discount " + txtDiscount->text() + " %", formatAmount(gross() * d / 100)});
    s.total = formatAmount(numericValue(txtTotal->text()));
    return s;
}

std::vector<std::vector<Value>> TestBill::billRows() const {
    std::vector<std::vector<Value>> rows;
    for (const BillLine& line : lines_.lines()) {
        std::vector<Value> row{Value(), Value::date(DTPicker1->date())};
        for (const QString& text : {line.particulars, line.amount, txtDiscount->text(), txtCTotal->text(),
                                    txtTotal->text(), txtPatientID->text(), cmbPatientName->currentText()})
            row.push_back(Value::text(text));
        rows.push_back(row);
    }
    return rows;
}

void TestBill::clearFields() {
    txtCTotal->clear();
    emptyControl(cmbDescription);
    txtDiscount->setText("0");
}

QString TestBill::alreadyPrinted() const {
    return "You cannt Change the Bill Already Printed ! Cancel the Bill First then Again Give Print";
}
