#include "printing/BillSheet.h"

#include "printing/PrintPage.h"

namespace {
constexpr double FirstLineY = 1800;
constexpr double LineStep = 250;
constexpr double TotalY = 4600;
constexpr double AmountRightX = 5500;
} // namespace

void printBillSheet(const BillSheet& sheet) {
    // The bill page set-up: the printer's own settings stay as the installation has them; only the font is
    // the bill's.
    PrintPage.setFontName("Arial");
    PrintPage.setFontSize(9);
    PrintPage.setFontBold(sheet.bold);
    PrintPage.printAt(0, 555, "Name  :  " + sheet.patientName + " ( " + sheet.patientId + " )");
    if (sheet.address) {
        PrintPage.printAt(0, 755, sheet.patientAddress);
        PrintPage.printAt(0, 955, sheet.patientLocation);
    }
    PrintPage.printAt(3580, 700, sheet.number);
    PrintPage.printAt(4930, 700, sheet.date);
    PrintPage.printAt(3580, 920, sheet.age);
    PrintPage.printAt(4930, 920, sheet.sex);
    PrintPage.printAt(3580, 1150, sheet.doctor);
    double y = FirstLineY;
    for (size_t i = 0; i < sheet.lines.size(); ++i) {
        if (i > 0 && i % BillLinesPerSheet == 0) {
            PrintPage.endDocument();
            y = FirstLineY;
        }
        const BillLine& line = sheet.lines[i];
        PrintPage.printAt(0, y, line.serial);
        PrintPage.printAt(800, y, line.particulars);
        printRightAligned(line.amount, AmountRightX, y);
        y += LineStep;
    }
    printRightAligned(sheet.total, AmountRightX, TotalY);
    PrintPage.endDocument();
}
