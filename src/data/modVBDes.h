#pragma once

#include <QString>
#include <optional>

// The password cipher for stored passwords and user types: triple DES over a fixed key,
// written as upper-case hex (never a NUL, never a blank at either end).
// Throws DescribedError when the cipher cannot run, rather than hand back a text nobody can decipher.
QString Encipher(const QString& text);
// Undoes Encipher. A text that is not a cipher text (damaged, truncated, plain, empty) gives no value, so
// that a caller never mistakes it for an enciphered empty text.
std::optional<QString> Decipher(const QString& text);
