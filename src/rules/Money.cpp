#include "rules/Money.h"

namespace {
constexpr Cents Bound = 1'000'000'000'000LL; // a trillion
} // namespace

Cents amountCents(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    Cents whole = 0;
    int decimals = 0; // digits read after the point: two kept, the third decides the rounding
    int roundingDigit = 0;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        const int d = c.unicode() - '0';
        if (!point) {
            whole = whole < Bound ? whole * 10 + d : whole;
        } else if (decimals < 2) {
            whole = whole * 10 + d; // hundredths built up digit by digit
            ++decimals;
        } else if (decimals == 2) {
            roundingDigit = d;
            ++decimals;
        }
    }
    for (; decimals < 2; ++decimals)
        whole *= 10;
    if (roundingDigit >= 5) ++whole;
    const Cents cents = whole < Bound * 100 ? whole : Bound * 100; // rounded first, so it stays at the bound
    return negative ? -cents : cents;
}

QString formatCents(Cents cents) {
    // Written backwards into a buffer: a report formats one amount per line.
    char buffer[32];
    char* end = buffer + sizeof buffer;
    char* p = end;
    unsigned long long magnitude =
        cents < 0 ? 0ULL - static_cast<unsigned long long>(cents) : static_cast<unsigned long long>(cents);
    for (int digit = 0; digit < 3 || magnitude > 0; ++digit) {
        if (digit == 2) *--p = '.';
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    if (cents < 0) *--p = '-';
    return QString::fromLatin1(p, end - p);
}

QString plainCents(Cents cents) {
    const Cents magnitude = cents < 0 ? -cents : cents;
    QString digits = QString::number(magnitude / 100);
    if (const Cents rest = magnitude % 100) {
        digits += '.' + QString::number(rest).rightJustified(2, '0');
        if (digits.endsWith('0')) digits.chop(1);
    }
    return (cents < 0 ? "-" : " ") + digits;
}
