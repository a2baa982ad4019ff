#include "printing/BillSheet.h"
#include "printing/PrintBackends.h"
#include "support/AppFixture.h"

#include <algorithm>
#include <ostream>
#include <tuple>

namespace {
template <class In, class Out> using Cases = std::vector<std::pair<In, Out>>;

// A text where it landed on the sheet.
struct Placed {
    QString text;
    double x = 0, y = 0;
    bool operator==(const Placed&) const = default;
};
using Sheet = std::vector<Placed>;

// Texts in reading order (top to bottom, left to right), so lists compare whatever order they were drawn in.
Sheet sorted(Sheet sheet) {
    std::sort(sheet.begin(), sheet.end(), [](const Placed& a, const Placed& b) {
        return std::tie(a.y, a.x, a.text) < std::tie(b.y, b.x, b.text);
    });
    return sheet;
}

// What a document put on paper, in reading order.
Sheet placed(const std::vector<PrintEvent>& doc) {
    Sheet out;
    for (const PrintEvent& e : doc)
        out.push_back({e.text, e.x, e.y});
    return sorted(out);
}

void PrintTo(const Placed& p, std::ostream* os) {
    *os << "{\"" << p.text.toStdString() << "\", " << p.x << ", " << p.y << "}";
}

// An amount right-aligned on the 110-twip pitch with its last character at X 5500.
Sheet amountAt(const QString& amount, double y) {
    Sheet out;
    for (qsizetype i = 0; i < amount.size(); ++i)
        out.push_back({amount.mid(i, 1), 5500 - 110.0 * static_cast<double>(amount.size() - 1 - i), y});
    return out;
}

Sheet lineAt(const BillLine& line, double y) {
    Sheet out{{line.serial, 0, y}, {line.particulars, 800, y}};
    for (const Placed& p : amountAt(line.amount, y))
        out.push_back(p);
    return out;
}

bool holds(const std::vector<PrintEvent>& doc, const Placed& p) {
    return std::any_of(doc.begin(), doc.end(), [&](const PrintEvent& e) {
        return Placed{e.text, e.x, e.y} == p;
    });
}

Sheet operator+(Sheet a, const Sheet& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

BillSheet outPatientBill(int lines = 2) {
    BillSheet bill;
    bill.patientName = "Ravi Kumar";
    bill.patientId = "OP12";
    bill.patientAddress = "12 Hill Road";
    bill.patientLocation = "Salem";
    bill.number = "7";
    bill.date = "07/12/2026";
    bill.age = "34";
    bill.sex = "Male";
    bill.doctor = "Dr Rao";
    for (int i = 1; i <= lines; ++i)
        bill.lines.push_back({QString("%1").arg(i, 2, 10, QChar('0')), QString("Fee %1").arg(i),
                              QString::number(100 + i) + ".50"});
    bill.total = "150.50";
    return bill;
}

const Sheet kHeader = {{"Name  :  Ravi Kumar ( OP12 )", 0, 555},
                       {"7", 3580, 700},
                       {"07/12/2026", 4930, 700},
                       {"34", 3580, 920},
                       {"Male", 4930, 920},
                       {"Dr Rao", 3580, 1150}};
} // namespace

using BillSheetTest = AppTest;

TEST_F(BillSheetTest, HeaderLinesAndTotalAtTheirPlacesOnTheStationery) {
    BillSheet bill = outPatientBill(0);
    bill.lines = {{"01", "Dr Fees", "100.00"}, {"02", "ECG", "50.50"}};
    printBillSheet(bill);
    bill.address = true;
    printBillSheet(bill);

    const auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 2u);
    const Sheet body = lineAt(bill.lines[0], 1800) + lineAt(bill.lines[1], 2050) + amountAt("150.50", 4600);
    EXPECT_EQ(placed(docs[0]), sorted(kHeader + body));
    const Sheet address = {{"12 Hill Road", 0, 755}, {"Salem", 0, 955}};
    EXPECT_EQ(placed(docs[1]), sorted(kHeader + address + body));
    // "100.00" ends at 5500 and begins five characters further left.
    EXPECT_TRUE(holds(docs[0], {"1", 4950, 1800}));
    EXPECT_TRUE(holds(docs[0], {"0", 5500, 1800}));
}

TEST_F(BillSheetTest, ArialNineBoldAsTheBillSaysAndNothingCarriesOver) {
    // Out-patient, in-patient, out-patient again: each sheet in its own weight.
    const Cases<bool, PrintFont> cases = {
        {false, {"Arial", 9, false}},
        {true, {"Arial", 9, true}},
        {false, {"Arial", 9, false}},
    };
    PrintPage.setFontName("Courier");
    PrintPage.setFontSize(14);
    PrintPage.setFontBold(true);
    for (const auto& [bold, font] : cases) {
        printer->clear();
        BillSheet bill = outPatientBill(12);
        bill.bold = bold;
        printBillSheet(bill);
        const auto texts = printer->texts();
        ASSERT_FALSE(texts.empty());
        for (const PrintEvent& e : texts)
            EXPECT_EQ(e.font, font) << "bold " << bold << " at " << e.x << "," << e.y;
    }
}

TEST_F(BillSheetTest, TenLinesToASheetTheHeaderOnTheFirstAndTheTotalOnTheLast) {
    // Lines of the bill -> lines on each sheet (250 twips apart from 1800).
    const Cases<int, std::vector<int>> cases = {
        {0, {0}}, {1, {1}}, {10, {10}}, {11, {10, 1}}, {12, {10, 2}}, {20, {10, 10}}, {21, {10, 10, 1}},
    };
    for (const auto& [count, perSheet] : cases) {
        printer->clear();
        const BillSheet bill = outPatientBill(count);
        printBillSheet(bill);
        const auto docs = printer->documents();
        ASSERT_EQ(docs.size(), perSheet.size()) << count << " lines";
        EXPECT_EQ(printer->events().back().kind, PrintEvent::Kind::EndDocument) << count;
        int next = 0;
        for (size_t d = 0; d < docs.size(); ++d) {
            Sheet expected = d == 0 ? kHeader : Sheet{};
            for (int i = 0; i < perSheet[d]; ++i, ++next)
                expected = expected + lineAt(bill.lines[static_cast<size_t>(next)], 1800 + 250 * i);
            if (d + 1 == docs.size()) expected = expected + amountAt("150.50", 4600);
            EXPECT_EQ(placed(docs[d]), sorted(expected)) << count << " lines, sheet " << d + 1;
        }
    }
}

TEST_F(BillSheetTest, PrinterFailingMidBillThrowsAndEndsNothingOfTheSheet) {
    const int firstSheetTexts = 6 + 10 * 8; // the header and ten lines of serial, particulars, "1nn.50"
    // Bill lines, the text the printer fails at -> sheets handed over before the failure.
    const Cases<std::pair<int, int>, int> cases = {
        {{2, 1}, 0},
        {{2, 9}, 0},
        {{12, firstSheetTexts + 3}, 1},
        {{12, firstSheetTexts + 8 * 2 + 4}, 1}, // at the total of the second sheet
    };
    for (const auto& [when, handedOver] : cases) {
        const auto [lines, failAt] = when;
        printer->clear();
        printer->failAtText(failAt, "Paper jam");
        try {
            printBillSheet(outPatientBill(lines));
            ADD_FAILURE() << lines << " lines, text " << failAt << ": no failure reached the caller";
        } catch (const PrintError& e) {
            EXPECT_EQ(e.description(), "Paper jam");
        }
        EXPECT_EQ(printer->endDocuments(), handedOver) << lines << " lines, text " << failAt;
        EXPECT_EQ(printer->abandoned(), 1) << lines << " lines, text " << failAt;
        EXPECT_EQ(printer->events().back().kind, PrintEvent::Kind::Abandon);
        EXPECT_FALSE(PrintPage.documentOpen());
    }
    // The next bill prints whole.
    printer->clear();
    printBillSheet(outPatientBill(2));
    ASSERT_EQ(printer->documents().size(), 1u);
    EXPECT_EQ(placed(printer->documents()[0]).front(), kHeader.front());
}
