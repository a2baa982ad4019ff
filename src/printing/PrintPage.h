#pragma once

#include "data/DbError.h"

#include <QString>
#include <exception>
#include <memory>

// The printed page of the whole program. Every bill and report places its texts at absolute
// positions in twips (1/1440 inch) from the top-left corner of the printable area, X to the right
// and Y downwards, through the one object PrintPage; a back end puts them on paper or into files.

// Reports never set the font name, so they print in this typeface: the Arial-metric sans of Debian
// (fonts-liberation2); fontconfig stands in Nimbus Sans or DejaVu Sans where it is not installed.
// Its digits are as wide as the 110-twip pitch of right-aligned amounts at 10 points.
inline const QString ReportTypeface = QStringLiteral("Liberation Sans");

// A failure of the printer or of the page model; its description is the system's text for the box.
class PrintError : public DescribedError {
public:
    using DescribedError::DescribedError;
};

struct PrintFont {
    QString name;
    double size = 10; // points
    bool bold = false;
    bool operator==(const PrintFont&) const = default;
};

// Height of one line of the font in twips: what print text advances Y by. It does not depend on the
// back end, so the recorder, the PDF files and the printer lay out alike.
double lineHeightTwips(const PrintFont& font);

// What puts documents on paper. The first text after an end of document starts a new document.
// Failures throw PrintError; after one, the page model calls abandonDocument.
class PrintBackend {
public:
    virtual ~PrintBackend() = default;
    // Draws the text with its top-left corner at (x, y) twips.
    virtual void drawText(double x, double y, const QString& text, const PrintFont& font) = 0;
    // Closes the open document and hands it over as one print job.
    virtual void endDocument() = 0;
    // Throws the open document away; nothing of it is handed over.
    virtual void abandonDocument() noexcept = 0;
};

class PrintPageModel {
public:
    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double twips) { x_ = twips; }
    void setCurrentY(double twips) { y_ = twips; }
    const QString& fontName() const { return font_.name; }
    double fontSize() const { return font_.size; }
    bool fontBold() const { return font_.bold; }
    void setFontName(const QString& name) { font_.name = name; }
    void setFontSize(double points) { font_.size = points; }
    void setFontBold(bool bold) { font_.bold = bold; }
    const PrintFont& font() const { return font_; }

    // Prints the text at (currentX, currentY) in the current font; then currentX is 0 and currentY
    // has advanced by one line of that font. Throws PrintError.
    void printText(const QString& text);
    // Sets the position and prints.
    void printAt(double x, double y, const QString& text);
    // Hands the document begun since the last end over as one print job; the next print starts a new
    // document on a fresh page. Font settings stay. Nothing printed since the last end: nothing happens.
    void endDocument();
    // Throws the open document away (the page model does this itself when the back end fails).
    void abandonDocument() noexcept;
    bool documentOpen() const { return open_; }

    // The back end for every following document; null goes back to the one sanavo.ini chooses,
    // which is chosen afresh for each document.
    void setBackend(std::shared_ptr<PrintBackend> backend);
    // Font, position and back end as at start-up (tests start from here).
    void reset();

private:
    PrintBackend& backend();

    double x_ = 0, y_ = 0;
    PrintFont font_{ReportTypeface, 10, false};
    bool open_ = false;
    std::shared_ptr<PrintBackend> installed_;
    std::shared_ptr<PrintBackend> current_;
};

// The one page model of the program.
extern PrintPageModel PrintPage;

// Prints the text one character at a time from its last character to its first: the last at X =
// rightX, each earlier one 110 twips further left, currentY set to y before each. Throws PrintError.
void printRightAligned(const QString& text, double rightX, double y);
// The rule line (five blanks and 134 underscores) at (x, y) in the current font size. Throws PrintError.
void printRule(double y, double x = 0);
inline constexpr double RightAlignPitch = 110;

// Failure boxes. A report: critical, "Printer Info", "Please Check the Printer is Connected or Switch
// On" followed by the description. A bill: critical, the application title, "Please Check the Printer
// is Correctly Installed" followed by the description (the out-patient bill) or alone (the others).
void ShowPrinterFailure(const QString& description);
void ShowBillPrinterFailure(const QString& description = QString());
