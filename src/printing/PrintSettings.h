#pragma once

#include <QString>

// Settings of the installation, read from sanavo.ini in the application folder each time they are
// needed, so an edited file takes effect at the next print.

// The hospital texts at the head of every report ([Hospital] in sanavo.ini); empty when missing.
QString HospitalName();
QString HospitalAddress();
QString HospitalPhone();

// Where print jobs go ([Printer] Output): "auto" (the default), "printer" or "pdf". Anything else
// counts as auto, so a mistyped value never loses a bill.
enum class PrinterOutput { Auto, Printer, Pdf };
PrinterOutput printerOutput();
// The folder for PDF files ([Printer] PdfFolder, default "prints"), inside the application folder
// unless the setting gives an absolute path.
QString pdfFolder();
