#pragma once

#include <QDate>
#include <QString>

class Value;

// The number and date formats of the printed page and of the lists that are printed.

// Pattern "0.00": at least one digit before the point, exactly two after it, no thousands separator,
// "-" before a negative value, halves rounded away from zero (2.675 gives 2.68, -0.125 gives -0.13).
QString formatAmount(double value);
// The amount rounded to two decimals as formatAmount rounds it (running totals are kept this way).
double roundAmount(double value);

// The numeric value of a stored amount text: its leading number (optional sign, digits, one decimal
// point) after leading blanks; a text that does not begin with a number counts as 0 ("12.5 Rs" is 12.5).
double numericValue(const QString& text);
// A number column gives its number; a text column its leading number; null and dates count as 0.
double numericValue(const Value& value);

// Dates on paper: "dd/mm/yyyy". An invalid date gives an empty text.
QString formatDate(const QDate& date);
// A total written as the program writes a plain number into a text: no fixed decimals, a leading blank
// where a minus sign would stand (" 150.5", " 0", "-20.25").
QString formatPlainTotal(double value);

// Pattern "00": at least two digits ("01", "99", "100").
QString formatSerial(int number);
