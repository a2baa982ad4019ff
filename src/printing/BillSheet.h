#pragma once

#include "rules/BillLines.h"

#include <QString>
#include <vector>

// A bill printed onto the pre-printed bill stationery: no headings, only the values at their places.
struct BillSheet {
    QString patientName;
    QString patientId;
    bool address = false; // the patient's address and location printed under the name
    QString patientAddress;
    QString patientLocation;
    QString number;
    QString date; // "dd/mm/yyyy"
    QString age;
    QString sex;
    QString doctor;
    std::vector<BillLine> lines;
    QString total; // "0.00"
    bool bold = false;
};

// Lines a sheet of the stationery holds (Y 1800 to 4050); the total stands at Y 4600 below them.
inline constexpr int BillLinesPerSheet = 10;

// Prints the bill through PrintPage: the bill page set-up (font "Arial" 9, bold as the bill says), the
// header on the first sheet, the lines, ten to a sheet (a further sheet starts again at Y 1800 without the
// header), and the total on the last sheet; each sheet is ended as its own document. Throws PrintError;
// the sheet being printed is then thrown away.
void printBillSheet(const BillSheet& sheet);
