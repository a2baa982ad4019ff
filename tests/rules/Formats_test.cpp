#include "data/Value.h"
#include "rules/Formats.h"

#include <gtest/gtest.h>

namespace {
template <class In, class Out> using Cases = std::vector<std::pair<In, Out>>;
} // namespace

TEST(FormatAmount, TwoDecimalsHalvesAwayFromZeroAsTyped) {
    // At least one digit, no separator; halves as typed (2.675 is binary 2.67499999...); a negative that
    // rounds to nothing is no negative amount.
    const Cases<double, const char*> cases = {
        {0, "0.00"},       {5, "5.00"},     {0.5, "0.50"},     {1234.5, "1234.50"}, {-12.5, "-12.50"},
        {-0.07, "-0.07"},  {0.125, "0.13"}, {-0.125, "-0.13"}, {2.675, "2.68"},     {1.005, "1.01"},
        {-1.005, "-1.01"}, {0.004, "0.00"}, {0.994, "0.99"},   {0.995, "1.00"},     {99.995, "100.00"},
        {-0.004, "0.00"},  {150, "150.00"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatAmount(value), text) << value;
    EXPECT_EQ(formatAmount(1234567.891), "1234567.89");
}

TEST(FormatAmount, RoundAmountKeepsWhatIsShown) {
    EXPECT_DOUBLE_EQ(roundAmount(2.675), 2.68);
    EXPECT_DOUBLE_EQ(roundAmount(-0.125), -0.13);
    EXPECT_DOUBLE_EQ(roundAmount(0.1 + 0.2), 0.3);
    EXPECT_EQ(formatAmount(roundAmount(150.505)), "150.51");
}

TEST(NumericValue, LeadingNumberOfATextOrAColumnValue) {
    const Cases<const char*, double> cases = {
        {"abc", 0}, {"", 0},     {"12.5 Rs", 12.5}, {"   150", 150}, {" 135.5", 135.5}, {"-20.25", -20.25},
        {"+7", 7},  {".5", 0.5}, {"12.", 12},       {"1.2.3", 1.2},  {"1,234.50", 1},   {"Rs 12", 0},
        {"-", 0},   {"- 5", 0},  {"1e3", 1},        {"12abc", 12},   {"12:30", 12},     {"\t7", 7},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(numericValue(QString(text)), value) << text;
    EXPECT_EQ(numericValue(Value::number(99.5)), 99.5);
    EXPECT_EQ(numericValue(Value::text("12.5 Rs")), 12.5);
    EXPECT_EQ(numericValue(Value::text("abc")), 0);
    EXPECT_EQ(numericValue(Value::null()), 0);
}

TEST(PaperFormats, DatesAndSerials) {
    EXPECT_EQ(formatDate(QDate(2026, 3, 4)), "04/03/2026");
    EXPECT_EQ(formatDate(QDate(2026, 12, 31)), "31/12/2026");
    EXPECT_EQ(formatDate(QDate()), "");
    const Cases<int, const char*> serials = {
        {1, "01"},      {0, "00"},        {99, "99"},       {100, "100"}, {1000, "1000"},
        {9999, "9999"}, {10000, "10000"}, {32767, "32767"}, {-3, "-03"},
    };
    for (const auto& [n, text] : serials)
        EXPECT_EQ(formatSerial(n), text) << n;
    // A serial changed by its holder leaves the others as they were.
    QString changed = formatSerial(7);
    changed[0] = 'X';
    changed += "!";
    EXPECT_EQ(formatSerial(7), "07");
}

TEST(PlainTotal, LeadingBlankWhereTheSignWouldStand) {
    const Cases<double, const char*> cases = {
        {150.5, " 150.5"},           {0, " 0"},     {-0.0, " 0"}, {-20.25, "-20.25"},
        {1234567.89, " 1234567.89"}, {100, " 100"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatPlainTotal(value), text) << value;
}
