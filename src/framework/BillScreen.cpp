#include "framework/BillScreen.h"

#include "data/DbError.h"
#include "data/Environment.h"
#include "data/modConnectDB.h"
#include "framework/Controls.h"
#include "framework/DatePicker.h"
#include "framework/FieldBinding.h"
#include "framework/ItemListModel.h"
#include "framework/modInputHelpers.h"
#include "printing/BillSheet.h"
#include "printing/PrintPage.h"
#include "rules/Formats.h"
#include "rules/Money.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {
constexpr PictureSpec kToolbar[] = {{"Picture1", "add", "Add", "Add"},
                                    {"Picture2", "print", "Print", "Print"},
                                    {"Picture3", "clear", "Clear", "Clear"},
                                    {"Picture4", "newbill", "New Bill", "New Bill"}};

// Enter in the patient box chooses the patient typed and moves on; leaving the box (not for its own list)
// shows the patient typed, the keyboard going where the operator sent it.
class PickOnLeave : public QObject {
public:
    PickOnLeave(QComboBox* box, std::function<void(bool)> pick) : QObject(box), pick_(std::move(pick)) {
        box->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusOut) {
            if (static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) pick_(false);
        } else if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                pick_(true);
                return true;
            }
        }
        return false;
    }

private:
    std::function<void(bool)> pick_;
};

} // namespace

BillScreen::BillScreen(ScreenInfo info, BillTables tables, std::vector<PatientSource> patients)
    : MenuScreen(std::move(info)), book_(std::move(tables)), sources_(std::move(patients)) {
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setMinimumWidth(90);
    Label2->setFrameShape(QFrame::Panel);
    Label2->setFrameShadow(QFrame::Sunken);
    DTPicker1 = new DatePicker("DTPicker1", this);
    cmbPatientName = editableCombo("cmbPatientName", this);
    useItemList(cmbPatientName);
    attachAutoComplete(cmbPatientName, true);
    txtPatientID = textBox("txtPatientID", this);
    txtPatientID->setReadOnly(true); // the chosen patient's name, as stored with the bill
    txtPatientID->setFocusPolicy(Qt::ClickFocus);
    cmbDrName = editableCombo("cmbDrName", this);
    useItemList(cmbDrName);
    attachAutoComplete(cmbDrName, true);
    CheckBox1 = new QCheckBox("Address", this);
    CheckBox1->setObjectName("CheckBox1");
    Picture5 = helpIcon("Picture5", QString(), this);

    auto* head = new QGridLayout;
    head->setHorizontalSpacing(10);
    head->addWidget(fieldLabel("Bill Number", Label2, this), 0, 0);
    head->addWidget(Label2, 0, 1, Qt::AlignLeft);
    head->addWidget(fieldLabel("Date", DTPicker1, this), 0, 3);
    head->addWidget(DTPicker1, 0, 4);
    head->addWidget(fieldLabel("Patient ID", cmbPatientName, this), 1, 0);
    head->addWidget(cmbPatientName, 1, 1);
    head->addWidget(fieldLabel("Patient Name", txtPatientID, this), 1, 3);
    head->addWidget(txtPatientID, 1, 4);
    head->addWidget(fieldLabel("Dr Name", cmbDrName, this), 2, 0);
    head->addWidget(cmbDrName, 2, 1);
    auto* address = new QHBoxLayout;
    address->addWidget(CheckBox1);
    address->addWidget(Picture5);
    address->addStretch(1);
    head->addLayout(address, 2, 4);
    head->setColumnStretch(1, 1);
    head->setColumnStretch(4, 1);
    head->setColumnMinimumWidth(2, 24);
    body()->addLayout(head);

    auto* middle = new QHBoxLayout;
    fees_ = new QGridLayout;
    fees_->setVerticalSpacing(4);
    middle->addLayout(fees_);
    middle->addSpacing(16);
    auto* right = new QVBoxLayout;
    List = billLinesList(this);
    right->addWidget(List, 1);
    txtTotal = textBox("txtTotal", this);
    txtTotal->setReadOnly(true); // the total printed and stored is the listed lines' own
    txtTotal->setFocusPolicy(Qt::ClickFocus);
    txtTotal->setAlignment(Qt::AlignRight);
    auto* total = new QHBoxLayout;
    total->addStretch(1);
    total->addWidget(fieldLabel("Total", txtTotal, this));
    total->addWidget(txtTotal);
    right->addLayout(total);
    middle->addLayout(right, 1);
    body()->addLayout(middle, 1);

    auto* tools = new QHBoxLayout;
    tools->addStretch(1);
    toolbar_ = PictureRow(kToolbar, tools, this);
    Picture1 = toolbar_.button(0);
    Picture2 = toolbar_.button(1);
    Picture3 = toolbar_.button(2);
    Picture4 = toolbar_.button(3);
    Picture11 = helpIcon("Picture11", "Select the Fees which ever you want and Click me!", this);
    Picture12 = helpIcon("Picture12", "Check Before Click Me ! Printer is ON", this);
    tools->insertWidget(2, Picture11);
    tools->insertWidget(4, Picture12);
    tools->addStretch(1);
    body()->addLayout(tools);

    attachFutureDateRefusal(DTPicker1, MsgIcon::Critical, "Warning",
                            "Please Select date Less than Equal To Current Date" + LineBreak +
                                "You cannt Bill for Future Date");
    connect(cmbPatientName, &QComboBox::editTextChanged, this, [this] { choosePatient(false); });
    connect(cmbPatientName, &QComboBox::activated, this, [this] { choosePatient(true); });
    pickOnLeave_ = new PickOnLeave(cmbPatientName, [this](bool pick) { choosePatient(pick); });
    connect(Picture1, &PictureButton::clicked, this, &BillScreen::add);
    connect(Picture2, &PictureButton::clicked, this, &BillScreen::print);
    connect(Picture3, &PictureButton::clicked, this, &BillScreen::clearBill);
    connect(Picture4, &PictureButton::clicked, this, &BillScreen::clearBill);
}

BillScreen::~BillScreen() {
    delete pickOnLeave_;
}

void BillScreen::placeFee(int row, QLabel* label, QWidget* box, QWidget* extra) {
    label->setBuddy(box);
    if (box->focusPolicy() != Qt::NoFocus) entries_.push_back(box);
    fees_->addWidget(label, row, 0);
    fees_->addWidget(box, row, 1);
    if (extra) fees_->addWidget(extra, row, 2);
}

QLineEdit* BillScreen::amountBox(const QString& objectName) {
    QLineEdit* box = textBox(objectName, this);
    attachNumberOnly(box, true);
    box->setMaximumWidth(140);
    return box;
}

void BillScreen::makeFees(const QStringList& captions) {
    const auto label = [this](int i, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName("Label1_" + QString::number(i));
        Label1.push_back(l);
        return l;
    };
    for (int i = 0; i < captions.size(); ++i) {
        Text1.push_back(amountBox("Text1_" + QString::number(i)));
        placeFee(i, label(i, captions[i]), Text1.back());
    }
    const int others = static_cast<int>(captions.size());
    Text2 = textBox("Text2", this);
    Text1.push_back(amountBox("Text1_" + QString::number(others)));
    Text1.back()->setAccessibleName("Others amount");
    CheckBox2 = new QCheckBox(this);
    CheckBox2->setObjectName("CheckBox2");
    CheckBox2->setAccessibleName("List the Others line");
    auto* amount = new QHBoxLayout;
    amount->addWidget(Text1.back());
    amount->addWidget(CheckBox2);
    placeFee(others, label(others, "Others"), Text2);
    fees_->addLayout(amount, others + 1, 1);
    entries_.push_back(Text1.back());
    entries_.push_back(CheckBox2);
    fees_->setRowStretch(others + 2, 1);
}

void BillScreen::listFees() {
    const int others = static_cast<int>(Text1.size()) - 1;
    if (!Text2->text().trimmed().isEmpty() && CheckBox2->isChecked()) {
        lines_.addOther(Text2->text(), Text1[static_cast<size_t>(others)]->text());
        Text2->clear();
        Text1[static_cast<size_t>(others)]->clear();
        CheckBox2->setChecked(false);
        return;
    }
    std::vector<FixedFee> fees;
    listedFees_.clear();
    for (int i = 0; i < others; ++i) {
        fees.push_back({Label1[static_cast<size_t>(i)]->text(), Text1[static_cast<size_t>(i)]->text()});
        listedFees_ << Text1[static_cast<size_t>(i)]->text();
    }
    lines_.rebuild(fees);
}

std::vector<Value> BillScreen::storedFees() const {
    std::vector<Value> out;
    for (size_t i = 0; i + 1 < Text1.size(); ++i)
        out.push_back(Value::text(listedFees_.value(static_cast<qsizetype>(i))));
    out.push_back(Value::text(Text1.back()->text()));
    return out;
}

std::vector<Value> BillScreen::feeBillRow() const {
    std::vector<Value> row{Value(), Value::date(DTPicker1->date())};
    for (const Value& fee : storedFees())
        row.push_back(fee);
    for (const QString& text : {txtTotal->text(), txtPatientID->text(), cmbPatientName->currentText()})
        row.push_back(Value::text(text));
    return row;
}

void BillScreen::emptyFees() {
    for (QLineEdit* box : Text1)
        box->clear();
    listedFees_.clear();
}

void BillScreen::setPictures() {
    toolbar_.setUp(this);
}

bool BillScreen::openSets() {
    // Each table opened is tested at once, in order: an empty one closes the screen with its own box.
    const auto listed = [](Recordset& rs, const QString& missing, QStringList& into) {
        bool ok = false;
        Trapped(TrapWording::ErrorColon, [&] {
            if (rs.RecordCount() == 0) {
                MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", missing);
                return;
            }
            into += rs.ColumnTexts(0);
            ok = true;
        });
        return ok;
    };
    if (!openOwnSets()) return false;
    QStringList doctors, ids;
    Recordset doctorSet; // only its names are kept
    if (!OpenWorkingSet(doctorSet, "SELECT * FROM SettingDrDetails Order by DoctorID",
                        Recordset::Mode::Snapshot) ||
        !listed(doctorSet, "Please add the Dr. Details First", doctors))
        return false;
    for (const PatientSource& source : sources_) {
        auto rs = std::make_unique<Recordset>();
        if (!OpenWorkingSet(*rs, source.query, Recordset::Mode::Editable) ||
            !listed(*rs, source.missing, ids))
            return false;
        patients_.push_back(std::move(rs));
    }
    if (!book_.open(DbConnection)) {
        ShowDatabaseError(book_.LastError(), book_.LastStatement());
        return false;
    }
    // Quietly: a list given its items would otherwise choose its first patient, whose name then showed
    // beside an empty patient box.
    const QSignalBlocker quietPatients(cmbPatientName), quietDoctors(cmbDrName);
    itemListOf(cmbDrName)->setItems(doctors);
    itemListOf(cmbPatientName)->setItems(ids);
    return true;
}

void BillScreen::showRows() {
    {
        const QSignalBlocker quietPatients(cmbPatientName), quietDoctors(cmbDrName);
        emptyControl(cmbPatientName);
        emptyControl(cmbDrName);
    }
    offerNumber();
    // Tab goes through the bill as it is filled in: date, patient, doctor, address, amounts, then the
    // pictures.
    std::vector<QWidget*> chain{DTPicker1, cmbPatientName, cmbDrName, CheckBox1};
    chain.insert(chain.end(), entries_.begin(), entries_.end());
    chain.insert(chain.end(), {Picture1, Picture2, Picture3, Picture4, List});
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    cmbPatientName->setFocus();
}

void BillScreen::offerNumber() {
    Trapped(TrapWording::DescriptionOnly, [this] {
        number_ = book_.nextNumber();
        Label2->setText(QString::number(number_));
    });
}

bool BillScreen::warn(QWidget* focus, const QString& text, const QString& title) {
    MsgBox(MsgIcon::Critical, MsgButtons::Ok, title, text);
    if (focus) focus->setFocus();
    return false;
}

void BillScreen::choosePatient(bool pick) {
    const QString id = cmbPatientName->currentText().trimmed();
    if (id.isEmpty()) return;
    Trapped(TrapWording::DescriptionOnly, [&] {
        for (const auto& rs : patients_) {
            const int row = rs->FindTrimmed(0, id, false);
            if (row < 0) continue;
            rs->MoveTo(row);
            if (id != chosenId_ && !printed_ && !lines_.empty()) {
                // The lines listed were another patient's bill.
                lines_.clear();
                showLines();
            }
            chosen_ = rs.get();
            chosenId_ = id;
            txtPatientID->setText(rs->FieldText(1));
            sex_ = rs->FieldText(3);
            age_ = rs->FieldText(7);
            address_ = rs->FieldText(9);
            location_ = rs->FieldText(10);
            patientChosen(*rs);
            // Typing goes on in the patient box; a choice moves on to the doctor.
            if (pick) cmbDrName->setFocus();
            return;
        }
    });
}

bool BillScreen::patientReady() {
    const QString id = cmbPatientName->currentText().trimmed();
    if (!id.isEmpty() && id == chosenId_) return true;
    // No patient, or an ID that is no patient's: the bill would be money recorded against nobody.
    return warn(cmbPatientName, "Please Select the Patient Name First");
}

void BillScreen::add() {
    if (printed_) {
        warn(nullptr, alreadyPrinted());
        return;
    }
    if (addNeedsPatient() && !patientReady()) return;
    Trapped(TrapWording::DescriptionOnly, [this] {
        listLines();
        showLines();
    });
}

void BillScreen::showLines() {
    List->clear();
    for (const BillLine& line : lines_.lines()) {
        auto* item = new QTreeWidgetItem(List, {line.serial, line.particulars, line.amount});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter); // amounts read by their decimal points
    }
    showTotals();
}

void BillScreen::showTotals() {
    txtTotal->setText(lines_.totalText());
}

BillSheet BillScreen::sheet() const {
    BillSheet s;
    s.patientName = txtPatientID->text();
    s.patientId = cmbPatientName->currentText();
    s.address = CheckBox1->isChecked();
    s.patientAddress = address_;
    s.patientLocation = location_;
    s.number = Label2->text();
    s.date = formatDate(DTPicker1->date());
    s.age = age_;
    s.sex = sex_;
    s.doctor = cmbDrName->currentText();
    s.lines = lines_.lines();
    for (BillLine& line : s.lines)
        line.amount =
            formatCents(amountCents(line.amount)); // a test's price is listed as the catalogue has it
    s.total = formatCents(lines_.total());
    s.bold = boldBill();
    return s;
}

void BillScreen::print() {
    if (!beforePrint()) return;
    if (lines_.empty()) {
        warn(nullptr, "Please add the Amount");
        return;
    }
    if (!printed_ && !patientReady()) return;
    if (MsgBox(MsgIcon::None, MsgButtons::YesNo, "Print", "Do you wish to Print this Bill") != MsgAnswer::Yes)
        return;
    // A printed bill prints again as it was stored, whatever the boxes show now.
    const BillSheet bill = printed_ ? *printedSheet_ : sheet();
    QString failure;
    try {
        printBillSheet(bill);
    } catch (const DescribedError& e) {
        failure = e.description();
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    if (!failure.isNull()) {
        LogFailure("Printing bill " + bill.number, failure);
        ShowBillPrinterFailure(describesFailure() ? failure : QString());
        return;
    }
    if (printed_ || !store()) return;
    MsgBox(MsgIcon::Information, MsgButtons::Ok, "Print Info", "Bill Printed and Saved Successfully");
    printed_ = true;
    printedSheet_ = std::make_unique<BillSheet>(bill);
}

bool BillScreen::store() {
    QString reason, statement;
    try {
        book_.store(
            number_, billRows(), [this] { alsoWrite(); }, involvedSets());
        return true;
    } catch (const DbError& e) {
        reason = e.description();
        statement = e.statement();
    } catch (const std::exception& e) {
        reason = QString::fromUtf8(e.what());
    }
    LogFailure("Storing bill " + Label2->text(), reason, statement);
    // The sheet has printed, so the box says what did not happen: the bill is not stored and may be printed
    // again to store it.
    ShowBillPrinterFailure("The bill was printed but not stored, so it may be printed again: " + reason);
    return false;
}

void BillScreen::clearBill() {
    printed_ = false;
    printedSheet_.reset();
    lines_.clear();
    List->clear();
    txtTotal->clear();
    clearFields();
    {
        const QSignalBlocker quiet(cmbPatientName);
        emptyControl(cmbPatientName);
    }
    emptyControl(cmbDrName);
    txtPatientID->clear();
    chosen_ = nullptr;
    chosenId_.clear();
    age_.clear();
    sex_.clear();
    address_.clear();
    location_.clear();
    offerNumber();
    cmbPatientName->setFocus(); // the next bill starts with its patient
}
