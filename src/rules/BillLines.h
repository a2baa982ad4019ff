#pragma once

#include "rules/Money.h"

#include <QString>
#include <QStringList>
#include <vector>

// The lines of a bill as its screen lists and prints them, and their running total.
struct BillLine {
    QString serial;      // "01", "02", ...; empty on the advance deduction lines
    QString particulars; // a fee's caption, an Others description, "Adv.   Amt", ...
    QString amount;      // "0.00"
    bool operator==(const BillLine&) const = default;
};

// A fixed fee of a bill screen: its caption and the text of its amount box.
struct FixedFee {
    QString caption;
    QString amountText;
};

// The captions of the fixed fees, in the order of their boxes (Others follows them).
inline const QStringList OutPatientFees{"Dr Fees", "Dressing Charges", "X-Ray", "Lab Charge", "ECG", "Scan"};
inline const QStringList InPatientFees{"Bed Charges",
                                       "Professional Charges",
                                       "Nursing Charges",
                                       "O/T Charges",
                                       "Anesthetic Charges",
                                       "X-Ray",
                                       "Lab Charges",
                                       "ECG",
                                       "Scan"};

// The advance deduction lines (26 blanks before each caption) and the advance receipt's caption.
inline const QString GrossTotalCaption = QString(26, ' ') + "Gross Total";
inline const QString LessAdvanceCaption = QString(26, ' ') + "Less Advance";
inline const QString AdvanceCaption = QStringLiteral("Adv.   Amt");

class BillLines {
public:
    // A plain Add: the list rebuilt from the fixed fees alone, one line per fee whose amount is not 0, in
    // their order; Others lines listed before are dropped.
    void rebuild(const std::vector<FixedFee>& fees);
    // An Others line numbered on after the lines there are; the fee lines stay as they are.
    void addOther(const QString& particulars, const QString& amountText);
    // A test line numbered on, its price listed as the catalogue holds it (the sheet prints it "0.00").
    void addPriced(const QString& particulars, const QString& priceText);
    // An advance receipt: the list becomes the one line "01" "Adv.   Amt" with the advance.
    void advanceReceipt(const QString& amountText);
    // The advance paid so far deducted from the lines listed: "Gross Total" and "Less Advance" at the end of
    // the list, the total less the advance. Done again after another Add, the pair is rebuilt at the end,
    // so the advance is deducted exactly once. A blank advance text removes the pair.
    void deductAdvance(const QString& advanceText);
    void clear();

    const std::vector<BillLine>& lines() const { return lines_; }
    bool empty() const { return lines_.empty(); }
    // The running total: the listed amounts less the advance deducted.
    Cents total() const { return gross_ - deducted_; }
    // As the total box shows it (" 150.5").
    QString totalText() const { return plainCents(total()); }

private:
    void append(const QString& particulars, Cents amount);
    void dropDeduction();

    std::vector<BillLine> lines_;
    int counter_ = 0; // the serial of the last numbered line
    Cents gross_ = 0;
    Cents deducted_ = 0;
    bool deduction_ = false; // the two deduction lines end the list
};
