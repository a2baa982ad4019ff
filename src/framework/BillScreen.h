#pragma once

#include "data/Recordset.h"
#include "framework/PictureButton.h"
#include "framework/Screens.h"
#include "rules/BillBook.h"
#include "rules/BillLines.h"

#include <QString>
#include <memory>
#include <vector>

class DatePicker;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTreeWidget;
struct BillSheet;

// The tip of the help picture beside the address box.
inline const QString AddressHint = QStringLiteral("Select me If you want Address in the Bill");

// The bill screen every bill derives from: the bill number, date, patient and doctor, the listed lines and
// their total, the printed mark, and Add, Print, Clear and New bill (Picture1..Picture4).
//
// Print asks, prints every sheet, and only then stores the bill, its counter and whatever the screen
// writes besides, in one transaction; a bill that does not print, or does not store, uses no number and
// may be printed again. Once stored, Print prints again and stores nothing, and Add is refused until Clear.
//
// A screen supplies its amount fields (in fees()), how Add lists them, the row(s) it stores, and what it
// writes besides the bill.
class BillScreen : public MenuScreen {
    Q_OBJECT
public:
    ~BillScreen() override;
    // Picture1: lists the lines (refused once printed, and without a patient).
    void add();
    // Picture2: the question, the sheets, then the store.
    void print();
    // Picture3 and Picture4: an empty bill under the next number.
    void clearBill();

    bool printed() const { return printed_; }
    long long billNumber() const { return number_; }
    const BillLines& billLines() const { return lines_; }

protected:
    // A patient table the bill reads patients from, and the box an empty one closes the screen with.
    struct PatientSource {
        QString query;
        QString missing;
    };
    BillScreen(ScreenInfo info, BillTables tables, std::vector<PatientSource> patients);

    // ---- what a screen supplies
    // Add, once the printed mark and the patient have been checked: lines_ filled from the screen's boxes.
    virtual void listLines() = 0;
    // The rows stored for the bill, each the bill table's columns from column 0 (the number and the status
    // are the book's).
    virtual std::vector<std::vector<Value>> billRows() const = 0;
    // Written in the bill's transaction after the bill and its counter; throws DbError.
    virtual void alsoWrite() {}
    // Record sets alsoWrite changes, read again when the store fails.
    virtual std::vector<Recordset*> involvedSets() { return {}; }
    // The chosen patient's row, current in `patients`.
    virtual void patientChosen(const Recordset& patients) { (void)patients; }
    // Clear: the screen's own boxes emptied.
    virtual void clearFields() {}
    // The wording of Add once printed.
    virtual QString alreadyPrinted() const = 0;
    // Whether the failure box names the failure after its text.
    virtual bool describesFailure() const { return false; }
    virtual bool boldBill() const { return false; }
    // Before the doctors: the screen's own tables (a test catalogue); false closes the screen.
    virtual bool openOwnSets() { return true; }
    // Whether Add asks for the patient first (a test bill asks only when it prints).
    virtual bool addNeedsPatient() const { return true; }
    // The first step of Print, before the empty-list check; false stops the print.
    virtual bool beforePrint() { return true; }
    // The totals shown after the lines have changed.
    virtual void showTotals();
    // What the sheet prints, from the screen as it stands: the header, the lines with their amounts
    // "0.00", the total.
    virtual BillSheet sheet() const;

    // ---- the opening steps
    void setPictures() override;
    // The doctors, then each patient table (an empty one closes the screen with its box), then the counter.
    bool openSets() override;
    void showRows() override;

    // The grid the screen puts its amount boxes in, left of the list.
    QGridLayout* fees() const { return fees_; }
    // A caption and a box in row `row` of the fee grid; Tab visits the boxes in the order they are placed.
    void placeFee(int row, QLabel* caption, QWidget* box, QWidget* extra = nullptr);
    // An amount box: numbers with one decimal point.
    QLineEdit* amountBox(const QString& objectName);

    // ---- fixed fees and the Others line (the out-patient and in-patient bills)
    // Text1_0.. with their captions Label1_0.., then the Others line: Label1_<n> "Others", Text2 (its
    // description), Text1_<n> (its amount) and CheckBox2 (ticked, Add lists the line).
    void makeFees(const QStringList& captions);
    // Add's fee step: the Others line when it is described and ticked (appended, then its boxes emptied),
    // else the list rebuilt from the fixed fees.
    void listFees();
    // The amount columns stored: each fixed fee's text as it was when the list was last rebuilt from them
    // (so the row holds what the sheet printed), then the Others box as it stands.
    std::vector<Value> storedFees() const;
    // The row of a fee bill up to its status: number (the book's), date, the fees (storedFees), the total
    // as the total box shows it, the patient's name and ID.
    std::vector<Value> feeBillRow() const;
    // Clear's emptying of the fee boxes (Text2 and CheckBox2 stay).
    void emptyFees();
    // The list no longer comes from the fixed fees (an advance receipt): none are stored.
    void forgetListedFees() { listedFees_.clear(); }
    std::vector<QLabel*> Label1;
    std::vector<QLineEdit*> Text1;
    QLineEdit* Text2 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    // Lines_ shown in the list and the total box.
    void showLines();
    // The patient set the chosen patient was found in (null when none is chosen).
    Recordset* chosenSet() const { return chosen_; }
    const QString& chosenId() const { return chosenId_; }
    // The chosen patient's age as stored (empty before a patient is chosen).
    const QString& chosenAge() const { return age_; }

    QLabel* Label2;
    DatePicker* DTPicker1;
    QComboBox* cmbPatientName;
    QLineEdit* txtPatientID;
    QComboBox* cmbDrName;
    QTreeWidget* List;
    QLineEdit* txtTotal;
    QCheckBox* CheckBox1;
    PictureButton* Picture1;
    PictureButton* Picture2;
    PictureButton* Picture3;
    PictureButton* Picture4;
    PictureButton* Picture11;
    PictureButton* Picture12;
    PictureButton* Picture5;

    BillLines lines_;
    // One record set per patient table, in the order they are searched.
    std::vector<std::unique_ptr<Recordset>> patients_;

private:
    // On a change of the patient box: the first patient whose ID is its trimmed text is shown; `pick` (a
    // choice from the list, Enter, leaving the box) also moves on to the doctor.
    void choosePatient(bool pick);
    void offerNumber();
    bool warn(QWidget* focus, const QString& text, const QString& title = "Warning");
    // The patient box holds the chosen patient's ID; otherwise the box that asks for one (false).
    bool patientReady();
    // The store after a printed bill; false when it failed (the box has been shown).
    bool store();

    BillBook book_;
    std::vector<PatientSource> sources_;
    PictureRow toolbar_;
    QGridLayout* fees_;
    bool printed_ = false;
    std::unique_ptr<BillSheet> printedSheet_;
    long long number_ = 1;
    Recordset* chosen_ = nullptr;
    QString chosenId_;
    QString age_, sex_, address_, location_;
    QStringList listedFees_;
    std::vector<QWidget*> entries_; // the fee grid's inputs, in the order Tab visits them
    QObject* pickOnLeave_;          // gone before the controls, whose destruction moves the focus
};
