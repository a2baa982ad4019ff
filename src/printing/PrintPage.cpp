#include "printing/PrintPage.h"

#include "data/Messages.h"
#include "printing/PrintBackends.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <cmath>

PrintPageModel PrintPage;

double lineHeightTwips(const PrintFont& font) {
    static QHash<QString, double> heights;
    const QString key = font.name + '|' + QString::number(font.size) + (font.bold ? "|b" : "|");
    if (auto it = heights.constFind(key); it != heights.constEnd()) return *it;
    // A font sized in pixels of one twip measures in twips without any device.
    QFont f(font.name);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 20))));
    f.setBold(font.bold);
    const double height = QFontMetricsF(f).height();
    heights.insert(key, height);
    return height;
}

PrintBackend& PrintPageModel::backend() {
    if (!current_) current_ = installed_ ? installed_ : backendFromSettings();
    return *current_;
}

void PrintPageModel::printText(const QString& text) {
    try {
        backend().drawText(x_, y_, text, font_);
    } catch (const PrintError&) {
        abandonDocument();
        throw;
    }
    open_ = true;
    x_ = 0;
    y_ += lineHeightTwips(font_);
}

void PrintPageModel::printAt(double x, double y, const QString& text) {
    x_ = x;
    y_ = y;
    printText(text);
}

void PrintPageModel::endDocument() {
    if (!open_) return;
    try {
        current_->endDocument();
    } catch (const PrintError&) {
        abandonDocument();
        throw;
    }
    open_ = false;
    current_.reset();
}

void PrintPageModel::abandonDocument() noexcept {
    if (current_) current_->abandonDocument();
    open_ = false;
    current_.reset();
}

void PrintPageModel::setBackend(std::shared_ptr<PrintBackend> backend) {
    abandonDocument();
    installed_ = std::move(backend);
}

void PrintPageModel::reset() {
    setBackend(nullptr);
    x_ = y_ = 0;
    font_ = PrintFont{ReportTypeface, 10, false};
}

void printRightAligned(const QString& text, double rightX, double y) {
    double x = rightX;
    for (qsizetype end = text.size(); end > 0;) {
        // A character outside the basic plane is one character, not two halves.
        const qsizetype start =
            end >= 2 && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate() ? end - 2 : end - 1;
        PrintPage.printAt(x, y, text.mid(start, end - start));
        x -= RightAlignPitch;
        end = start;
    }
}

void printRule(double y, double x) {
    static const QString rule = QString(5, ' ') + QString(134, '_');
    PrintPage.printAt(x, y, rule);
}

void ShowPrinterFailure(const QString& description) {
    MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Printer Info",
           "Please Check the Printer is Connected or Switch On" + description);
}

void ShowBillPrinterFailure(const QString& description) {
    MsgBox(MsgIcon::Critical, MsgButtons::Ok, AppTitle,
           "Please Check the Printer is Correctly Installed" + description);
}
