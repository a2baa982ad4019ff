#include "data/modVBDes.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
bool storable(const QString& c) {
    return !c.isEmpty() && !c.contains(QChar(0)) && c == c.trimmed();
}
} // namespace

TEST(Cipher, RoundTrip) {
    const QStringList texts = {"",           "larch",       "Admin",    "a b  c", QString(1000, 'z'),
                               "पासवर्ड ü €", "tab\tinside", "12345678", "1234567"};
    for (const QString& t : texts) {
        const QString c = Encipher(t);
        EXPECT_TRUE(storable(c)) << t.toStdString();
        EXPECT_NE(c, t);
        EXPECT_EQ(Decipher(c), t) << t.toStdString();
        // Stored values are trimmed before they are deciphered.
        EXPECT_EQ(Decipher("  " + c + " "), t);
    }
}

TEST(Cipher, TextThatIsNoCipherTextGivesNoValueNotAnEmptyText) {
    const QString good = Encipher("larch");
    QString flipped = good;
    flipped[flipped.size() - 1] = flipped.back() == 'A' ? 'B' : 'A';
    for (const QString& bad : {QString(), QString(" "), QString("larch"), QString("ABCD"),
                               QString("0123456789ABCDEF"), good.left(good.size() - 2), good + "0",
                               QString("ZZ") + good.mid(2), flipped, "\u0661" + good.mid(1)})
        EXPECT_EQ(Decipher(bad), std::nullopt) << bad.toStdString();
    // An enciphered empty text is a value, and a different thing.
    EXPECT_EQ(Decipher(Encipher("")), QString(""));
}
