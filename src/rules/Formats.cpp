#include "rules/Formats.h"

#include "data/Value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
// Hundredths of the value, rounded half away from zero. The product is first read back with 15
// significant digits so that a typed 2.675 (stored in binary as 2.67499999...) rounds as 2.68.
double roundedCents(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value * 100.0);
    return std::round(std::strtod(text, nullptr));
}
} // namespace

double roundAmount(double value) {
    if (!std::isfinite(value)) return value;
    const double cents = roundedCents(value);
    return cents == 0 ? 0.0 : cents / 100.0;
}

QString formatAmount(double value) {
    if (!std::isfinite(value)) return QStringLiteral("0.00");
    const double cents = roundedCents(value);
    if (cents == 0) return QStringLiteral("0.00");
    const double magnitude = std::fabs(cents);
    QString digits;
    if (magnitude < 9e15) {
        digits = QString::number(static_cast<long long>(magnitude)).rightJustified(3, '0');
        digits.insert(digits.size() - 2, '.');
    } else {
        digits = QString::number(magnitude / 100.0, 'f', 2);
    }
    return cents < 0 ? "-" + digits : digits;
}

double numericValue(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
    bool digits = false, point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    return text.mid(start, i - start).toDouble();
}

double numericValue(const Value& value) {
    switch (value.kind()) {
    case Value::Kind::Number:
        return value.toNumber();
    case Value::Kind::Text:
        return numericValue(value.toText());
    default:
        return 0;
    }
}

QString formatDate(const QDate& date) {
    return date.isValid() ? date.toString("dd/MM/yyyy") : QString();
}

QString formatPlainTotal(double value) {
    // Fifteen significant digits, as far as a stored double carries; -0 is written as 0.
    const QString digits = QString::number(value == 0 ? 0.0 : value, 'g', 15);
    return value < 0 ? digits : " " + digits;
}

namespace {
// The serials 00 to 9999 as four digits each, so that a report's serials share this text rather than each
// allocating its own.
constexpr int SerialTableSize = 10000;
struct SerialDigits {
    char16_t digits[SerialTableSize * 4];
    constexpr SerialDigits() : digits() {
        for (int n = 0; n < SerialTableSize; ++n)
            for (int d = 0, v = n; d < 4; ++d, v /= 10)
                digits[n * 4 + 3 - d] = static_cast<char16_t>(u'0' + v % 10);
    }
};
constexpr SerialDigits Serials;
} // namespace

QString formatSerial(int number) {
    if (number >= 0 && number < SerialTableSize) {
        const int length = number < 100 ? 2 : number < 1000 ? 3 : 4;
        return QString::fromRawData(reinterpret_cast<const QChar*>(Serials.digits + number * 4 + 4 - length),
                                    length);
    }
    char buffer[16];
    char* end = buffer + sizeof buffer;
    char* p = end;
    unsigned magnitude = number < 0 ? 0U - static_cast<unsigned>(number) : static_cast<unsigned>(number);
    for (int digit = 0; digit < 2 || magnitude > 0; ++digit) {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    if (number < 0) *--p = '-';
    return QString::fromLatin1(p, end - p);
}
