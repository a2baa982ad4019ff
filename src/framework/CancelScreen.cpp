#include "framework/CancelScreen.h"

#include "data/DbError.h"
#include "data/ProgramState.h"
#include "data/modConnectDB.h"
#include "framework/Controls.h"
#include "framework/DatePicker.h"
#include "framework/FieldBinding.h"
#include "framework/ItemListModel.h"
#include "framework/modInputHelpers.h"
#include "rules/Formats.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {
constexpr PictureSpec kButtons[] = {{"Picture1", "ok", "Cancel Bill", "Cancel Bill"},
                                    {"Picture2", "can", "Close", "Close"}};

// What the screen shows of a bill is only read: nothing typed here is stored.
QLineEdit* shownBox(const QString& name, QWidget* parent) {
    QLineEdit* box = textBox(name, parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus); // Tab goes from the number to the pictures
    return box;
}

} // namespace

CancelScreen::CancelScreen(CancelLayout layout) : MenuScreen(layout.info), layout_(std::move(layout)) {
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(12);
    cmbBillNumber = editableCombo("cmbBillNumber", this);
    useItemList(cmbBillNumber);
    attachAutoComplete(cmbBillNumber, true);
    Picture11 = helpIcon("Picture11", "Select the Bill Number that you wish to Cancel!", this);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(cmbBillNumber, 1);
    numberRow->addWidget(Picture11);
    DTPicker1 = new DatePicker("DTPicker1", this);
    txtPatientName = shownBox("txtPatientName", this);
    txtPatientID = shownBox("txtPatientID", this);
    form->addRow("Bill Number", numberRow);
    form->addRow("Date", DTPicker1);
    form->addRow("Patient Name", txtPatientName);
    form->addRow("Patient ID", txtPatientID);
    auto* middle = new QHBoxLayout;
    middle->addLayout(form, 1);
    auto* amounts = new QFormLayout;
    amounts->setHorizontalSpacing(12);
    if (layout_.feeCaptions.isEmpty()) {
        List = billLinesList(this);
        amounts->addRow(List);
        txtGrassTotal = shownBox("txtGrassTotal", this);
        txtDiscount = shownBox("txtDiscount", this);
        amounts->addRow("Grass Total", txtGrassTotal);
        amounts->addRow("Discount", txtDiscount);
    } else {
        for (int i = 0; i < layout_.feeCaptions.size(); ++i) {
            Text1.push_back(shownBox("Text1_" + QString::number(i), this));
            amounts->addRow(layout_.feeCaptions[i], Text1.back());
        }
    }
    txtTotal = shownBox("txtTotal", this);
    amounts->addRow("Total", txtTotal);
    middle->addSpacing(20);
    middle->addLayout(amounts, 1);
    body()->addLayout(middle);
    body()->addStretch(1);
    buttons_ = PictureRow::centred(kButtons, body(), this);
    Picture1 = buttons_.button(0);
    Picture2 = buttons_.button(1);

    attachFutureDateRefusal(DTPicker1, MsgIcon::Critical, "Warning",
                            "Please Select date Less than Equal To Current Date" + LineBreak +
                                "You cannt Bill for Future Date");
    connect(cmbBillNumber, &QComboBox::editTextChanged, this, [this] { chooseBill(); });
    connect(cmbBillNumber, &QComboBox::activated, this, [this] { chooseBill(); });
    chooseOnLeave_ = onFocusOut(cmbBillNumber, [this] { chooseBill(); });
    connect(Picture1, &PictureButton::clicked, this, &CancelScreen::cancelBill);
    connect(Picture2, &PictureButton::clicked, this, &QWidget::close);
}

CancelScreen::~CancelScreen() {
    delete chooseOnLeave_;
}

void CancelScreen::setPictures() {
    buttons_.setUp(this);
}

bool CancelScreen::openSets() {
    if (!OpenWorkingSet(rows_, layout_.rowsQuery, Recordset::Mode::Editable)) return false;
    Recordset numbers;
    if (!layout_.numbersQuery.isEmpty() &&
        !OpenWorkingSet(numbers, layout_.numbersQuery, Recordset::Mode::Snapshot))
        return false;
    Trapped(TrapWording::ErrorColon, [&] {
        const QSignalBlocker quiet(cmbBillNumber);
        itemListOf(cmbBillNumber)
            ->setItems(layout_.numbersQuery.isEmpty() ? rows_.ColumnTexts(0) : numbers.ColumnTexts(0));
        emptyControl(cmbBillNumber);
    });
    return true;
}

void CancelScreen::showRows() {
    setTabOrder(cmbBillNumber, Picture1);
    setTabOrder(Picture1, Picture2);
    setTabOrder(Picture2, DTPicker1);
    cmbBillNumber->setFocus();
}

void CancelScreen::emptyBill() {
    shown_.clear();
    shownNumber_ = 0;
    for (QLineEdit* box : Text1)
        box->clear();
    for (QLineEdit* box : {txtPatientName, txtPatientID, txtTotal, txtDiscount, txtGrassTotal})
        if (box) box->clear();
    if (List) List->clear();
}

void CancelScreen::chooseBill() {
    const QString number = cmbBillNumber->currentText().trimmed();
    if (number.isEmpty()) return;
    Trapped(TrapWording::DescriptionOnly, [&] {
        emptyBill();
        // A bill's rows are stored together, so they lie between its first and its last row.
        const int first = rows_.FindTrimmed(0, number, false);
        if (first < 0) return;
        const int last = List ? rows_.FindTrimmed(0, number, true) : first;
        for (int row = first; row <= last; ++row) {
            rows_.MoveTo(row);
            if (rows_.FieldText(0).trimmed() != number) continue;
            shown_.push_back(row);
            txtPatientName->setText(rows_.FieldText(layout_.nameColumn));
            txtPatientID->setText(rows_.FieldText(layout_.idColumn));
            txtTotal->setText(rows_.FieldText(layout_.totalColumn));
            {
                const QSignalBlocker quiet(DTPicker1); // shown, not chosen: no refusal
                DTPicker1->setDate(rows_.Field(1).toDate());
            }
            for (size_t i = 0; i < Text1.size(); ++i)
                Text1[i]->setText(rows_.FieldText(2 + static_cast<int>(i)));
            if (List) {
                auto* line = new QTreeWidgetItem(List, {formatSerial(static_cast<int>(shown_.size())),
                                                        rows_.FieldText(2), rows_.FieldText(3)});
                line->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
                txtDiscount->setText(rows_.FieldText(4));
                txtGrassTotal->setText(rows_.FieldText(5));
            }
        }
        shownNumber_ = static_cast<long long>(numericValue(number));
    });
}

void CancelScreen::cancelBill() {
    if (txtPatientID->text().isEmpty() || shown_.empty()) {
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", "Please select the Bill Number");
        cmbBillNumber->setFocus();
        return;
    }
    if (MsgBox(MsgIcon::Critical, MsgButtons::YesNo, "Warning",
               "Do you Wish to Cancel ( Delete ) the Current Bill") != MsgAnswer::Yes)
        return;
    if (!Trapped(TrapWording::DescriptionOnly,
                 [&] { ::cancelBill(layout_.kind, rows_, shown_, shownNumber_, CurrentUserName); }))
        return;
    MsgBox(MsgIcon::Information, MsgButtons::Ok, AppTitle, "Record Deleted ! Bill Cancelled ");
    // The screen closes, and opened again it lists the live numbers afresh.
    close();
}
