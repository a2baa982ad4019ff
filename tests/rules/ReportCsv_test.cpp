#include "rules/CollectionReport.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const QStringList kThree = {"Sl No", "Details", "Amount"};
const QStringList kFour = {"Sl No", "Details", "Bill No", "Amount"};

// A strict RFC 4180 reader: every record ends in CRLF; a quoted field ends at a quote not doubled and is
// followed by a comma or the record's end; nothing is read without its proof. Empty on a malformed text.
std::optional<std::vector<QStringList>> readCsv(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    std::vector<QStringList> records;
    QStringList record;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        QString field;
        if (text[i] == '"') {
            for (++i;; ++i) {
                if (i >= n) return std::nullopt;
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            for (; i < n && text[i] != ',' && text[i] != '\r'; ++i) {
                if (text[i] == '"' || text[i] == '\n') return std::nullopt;
                field += text[i];
            }
        }
        record << field;
        if (i < n && text[i] == ',') {
            ++i;
            continue;
        }
        if (i + 1 >= n || text[i] != '\r' || text[i + 1] != '\n') return std::nullopt;
        i += 2;
        records.push_back(record);
        record.clear();
    }
    return records;
}

ReportLine line(const QString& serial, const QString& description, const QString& billNumber,
                const QString& amount) {
    return {serial, description, billNumber, amount};
}

} // namespace

TEST(ReportCsv, ThreeAndFourColumnLayouts) {
    const std::vector<ReportLine> lines = {line("01", "1-Asha Perera-OP7", "", "150.50"),
                                           line("02", "2-Ravi Kumar-OP9", "", "100.00")};
    EXPECT_EQ(reportCsv(kThree, lines, 25050), "Sl No,Details,Amount\r\n"
                                               "01,1-Asha Perera-OP7,150.50\r\n"
                                               "02,2-Ravi Kumar-OP9,100.00\r\n"
                                               "Total,,250.50\r\n");
    const std::vector<ReportLine> cancelled = {line("01", "Asha Perera-OP7", "17", "150.50"),
                                               line("02", "Ravi Kumar-OP9", "230", "0.00")};
    EXPECT_EQ(reportCsv(kFour, cancelled, 15050), "Sl No,Details,Bill No,Amount\r\n"
                                                  "01,Asha Perera-OP7,17,150.50\r\n"
                                                  "02,Ravi Kumar-OP9,230,0.00\r\n"
                                                  "Total,,,150.50\r\n");
    // Three headings leave out a bill number a line carries.
    EXPECT_EQ(reportCsv(kThree, cancelled, 0), "Sl No,Details,Amount\r\n"
                                               "01,Asha Perera-OP7,150.50\r\n"
                                               "02,Ravi Kumar-OP9,0.00\r\n"
                                               "Total,,0.00\r\n");
}

TEST(ReportCsv, AnEmptyListIsTheHeadingsAndANilTotal) {
    EXPECT_EQ(reportCsv(kThree, {}, 0), "Sl No,Details,Amount\r\nTotal,,0.00\r\n");
    EXPECT_EQ(reportCsv(kFour, {}, 0), "Sl No,Details,Bill No,Amount\r\nTotal,,,0.00\r\n");
}

TEST(ReportCsv, TotalInCents) {
    const std::vector<std::pair<Cents, const char*>> cases = {
        {0, "0.00"}, {5, "0.05"}, {150, "1.50"}, {123456789, "1234567.89"}, {-1250, "-12.50"},
    };
    for (const auto& [cents, text] : cases)
        EXPECT_EQ(reportCsv(kThree, {}, cents), "Sl No,Details,Amount\r\nTotal,," + QByteArray(text) + "\r\n")
            << cents;
}

TEST(ReportCsv, FieldsQuotedWhenTheyMustBe) {
    // A description as the list shows it, and as the file carries it: UTF-8 with no byte-order mark.
    const std::vector<std::pair<QString, QByteArray>> cases = {
        {"1-Asha Perera-OP7", "1-Asha Perera-OP7"},
        {"Zoë, \"Jr\"", "\"Zo\xC3\xAB, \"\"Jr\"\"\""},
        {"Perera, Asha", "\"Perera, Asha\""},
        {"\"", "\"\"\"\""},
        {"6\" dressing", "\"6\"\" dressing\""},
        {" 12-Asha", "\" 12-Asha\""},
        {"12-Asha ", "\"12-Asha \""},
        {"\t12", "\"\t12\""},
        {"12 - Asha - 04/03/2026", "12 - Asha - 04/03/2026"},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"line\n", "\"line\n\""},
        {"cr\rhere", "\"cr\rhere\""},
        {"Zoë", "Zo\xC3\xAB"},
        {"", ""},
    };
    for (const auto& [description, field] : cases)
        EXPECT_EQ(reportCsv(kThree, {line("01", description, "", "5.00")}, 500),
                  "Sl No,Details,Amount\r\n01," + field + ",5.00\r\nTotal,,5.00\r\n")
            << description.toStdString();
    EXPECT_EQ(reportCsv({"No.", "Patient, ID", "\"Bill\"", " Amount"}, {}, 0),
              "No.,\"Patient, ID\",\"\"\"Bill\"\"\",\" Amount\"\r\nTotal,,,0.00\r\n");
}

TEST(ReportCsv, ReadsBackFieldForField) {
    const std::vector<ReportLine> lines = {
        line("01", "Zoë, \"Jr\"", " 17", "150.50"),
        line("02", " Ravi Kumar ", "18,", "0.00"),
        line("03", "two\r\nlines\nand\rthree", "\"", "-5.25"),
        line("04", "", "", "1234567.89"),
        line("05", ",", "\"\"", "100.00"),
    };
    for (const QStringList& headings : {kThree, kFour, QStringList{"Sl, No", " Details", "\"Amount\""}}) {
        const bool four = headings.size() == 4;
        const auto records = readCsv(reportCsv(headings, lines, 123456));
        ASSERT_TRUE(records.has_value()) << headings.join('|').toStdString();
        std::vector<QStringList> expected = {headings};
        for (const ReportLine& l : lines)
            expected.push_back(four ? QStringList{l.serial, l.description, l.billNumber, l.amount}
                                    : QStringList{l.serial, l.description, l.amount});
        expected.push_back(four ? QStringList{"Total", "", "", "1234.56"}
                                : QStringList{"Total", "", "1234.56"});
        EXPECT_EQ(*records, expected) << headings.join('|').toStdString();
    }
    // The reader is strict: a field left bare where it must be quoted does not read back.
    EXPECT_FALSE(readCsv("01,a\"b,1.00\r\n").has_value());
    EXPECT_FALSE(readCsv("01,\"a\"b,1.00\r\n").has_value());
    EXPECT_FALSE(readCsv("01,a\nb,1.00\r\n").has_value());
    EXPECT_FALSE(readCsv("01,a,1.00").has_value());
}
