#include "rules/BillLines.h"

#include "rules/Formats.h"

void BillLines::append(const QString& particulars, Cents amount) {
    lines_.push_back({formatSerial(++counter_), particulars, formatCents(amount)});
    gross_ += amount;
}

void BillLines::dropDeduction() {
    if (!deduction_) return;
    lines_.resize(lines_.size() - 2);
    deducted_ = 0;
    deduction_ = false;
}

void BillLines::rebuild(const std::vector<FixedFee>& fees) {
    clear();
    for (const FixedFee& fee : fees)
        if (const Cents amount = amountCents(fee.amountText.trimmed())) append(fee.caption, amount);
}

void BillLines::addOther(const QString& particulars, const QString& amountText) {
    const bool deducting = deduction_;
    const Cents advance = deducted_;
    dropDeduction();
    append(particulars, amountCents(amountText));
    if (deducting) deductAdvance(formatCents(advance));
}

void BillLines::addPriced(const QString& particulars, const QString& priceText) {
    lines_.push_back({formatSerial(++counter_), particulars, priceText});
    gross_ += amountCents(priceText);
}

void BillLines::advanceReceipt(const QString& amountText) {
    clear();
    append(AdvanceCaption, amountCents(amountText));
}

void BillLines::deductAdvance(const QString& advanceText) {
    dropDeduction();
    if (advanceText.trimmed().isEmpty()) return;
    const Cents advance = amountCents(advanceText);
    lines_.push_back({QString(), GrossTotalCaption, formatCents(gross_)});
    lines_.push_back({QString(), LessAdvanceCaption, formatCents(advance)});
    deducted_ = advance;
    deduction_ = true;
}

void BillLines::clear() {
    lines_.clear();
    counter_ = 0;
    gross_ = 0;
    deducted_ = 0;
    deduction_ = false;
}
