#include "data/Value.h"
#include "reports/Formats.h"

#include <gtest/gtest.h>

TEST(FormatAmount, TwoDecimalsAtLeastOneDigitNoSeparator) {
    EXPECT_EQ(formatAmount(0), "0.00");
    EXPECT_EQ(formatAmount(5), "5.00");
    EXPECT_EQ(formatAmount(0.5), "0.50");
    EXPECT_EQ(formatAmount(1234.5), "1234.50");
    EXPECT_EQ(formatAmount(1234567.891), "1234567.89");
    EXPECT_EQ(formatAmount(-12.5), "-12.50");
    EXPECT_EQ(formatAmount(-0.07), "-0.07");
}

TEST(FormatAmount, HalvesRoundAwayFromZeroAsTyped) {
    EXPECT_EQ(formatAmount(0.125), "0.13");
    EXPECT_EQ(formatAmount(-0.125), "-0.13");
    EXPECT_EQ(formatAmount(2.675), "2.68"); // binary 2.67499999...
    EXPECT_EQ(formatAmount(1.005), "1.01");
    EXPECT_EQ(formatAmount(-1.005), "-1.01");
    EXPECT_EQ(formatAmount(0.004), "0.00");
    EXPECT_EQ(formatAmount(0.994), "0.99");
    EXPECT_EQ(formatAmount(0.995), "1.00");
    EXPECT_EQ(formatAmount(99.995), "100.00");
    // A negative that rounds to nothing is no negative amount.
    EXPECT_EQ(formatAmount(-0.004), "0.00");
    EXPECT_EQ(formatAmount(100.50 + 49.50), "150.00");
}

TEST(FormatAmount, RoundAmountKeepsWhatIsShown) {
    EXPECT_DOUBLE_EQ(roundAmount(2.675), 2.68);
    EXPECT_DOUBLE_EQ(roundAmount(-0.125), -0.13);
    EXPECT_DOUBLE_EQ(roundAmount(0.1 + 0.2), 0.3);
    EXPECT_EQ(formatAmount(roundAmount(150.505)), "150.51");
}

TEST(NumericValue, LeadingNumberOfAText) {
    EXPECT_EQ(numericValue(QString("abc")), 0);
    EXPECT_EQ(numericValue(QString("")), 0);
    EXPECT_EQ(numericValue(QString("12.5 Rs")), 12.5);
    EXPECT_EQ(numericValue(QString("   150")), 150);
    EXPECT_EQ(numericValue(QString(" 135.5")), 135.5);
    EXPECT_EQ(numericValue(QString("-20.25")), -20.25);
    EXPECT_EQ(numericValue(QString("+7")), 7);
    EXPECT_EQ(numericValue(QString(".5")), 0.5);
    EXPECT_EQ(numericValue(QString("12.")), 12);
    EXPECT_EQ(numericValue(QString("1.2.3")), 1.2);
    EXPECT_EQ(numericValue(QString("1,234.50")), 1);
    EXPECT_EQ(numericValue(QString("Rs 12")), 0);
    EXPECT_EQ(numericValue(QString("-")), 0);
    EXPECT_EQ(numericValue(QString("- 5")), 0);
    EXPECT_EQ(numericValue(QString("1e3")), 1);
}

TEST(NumericValue, ColumnValues) {
    EXPECT_EQ(numericValue(Value::number(99.5)), 99.5);
    EXPECT_EQ(numericValue(Value::text("12.5 Rs")), 12.5);
    EXPECT_EQ(numericValue(Value::text("abc")), 0);
    EXPECT_EQ(numericValue(Value::null()), 0);
    EXPECT_EQ(formatAmount(numericValue(Value::text("abc"))), "0.00");
}

TEST(PaperFormats, DatesAndSerials) {
    EXPECT_EQ(formatDate(QDate(2026, 3, 4)), "04/03/2026");
    EXPECT_EQ(formatDate(QDate(2026, 12, 31)), "31/12/2026");
    EXPECT_EQ(formatDate(QDate()), "");
    EXPECT_EQ(formatSerial(1), "01");
    EXPECT_EQ(formatSerial(0), "00");
    EXPECT_EQ(formatSerial(99), "99");
    EXPECT_EQ(formatSerial(100), "100");
    EXPECT_EQ(formatSerial(32767), "32767");
    EXPECT_EQ(formatSerial(-3), "-03");
}
