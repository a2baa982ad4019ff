#pragma once

#include <QString>

// The password cipher for stored passwords and user types: triple DES over a fixed key,
// written as upper-case hex (never a NUL, never a blank at either end).
QString Encipher(const QString& text);
// Undoes Encipher; a text that is not a cipher text gives an empty text.
QString Decipher(const QString& text);
