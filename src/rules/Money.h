#pragma once

#include <QString>

// Amounts on bills are counted in whole cents, so the sums an operator checks by hand come out the same
// (0.1 + 0.2 is 0.30, a typed 1.005 is 1.01).
using Cents = long long;

// The leading number of an amount text (as numericValue reads it) in cents, rounded half away from zero from
// its decimal digits, not from a binary fraction. An empty or non-numeric text is 0. Amounts beyond what a
// bill can carry (a trillion) are held at that bound.
Cents amountCents(const QString& text);
// "0.00": the amount with two decimals, "-" before a negative one.
QString formatCents(Cents cents);
// The plain total of the total box: a leading blank where the sign would stand, no trailing zeros
// (" 150.5", " 0", "-20.25").
QString plainCents(Cents cents);
