#pragma once

#include "printing/PrintPage.h"

#include <QDateTime>
#include <QFile>
#include <QFont>
#include <QRectF>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;
class QPdfWriter;
class QPrinter;
class QTemporaryFile;

// Draws through a QPainter on a paged device, mapping twips to device units at the device's own
// resolution: X twips lands X/1440 inch right of the device's origin (the printable area's corner).
class PainterBackend : public PrintBackend {
public:
    ~PainterBackend() override;
    void drawText(double x, double y, const QString& text, const PrintFont& font) override;
    void endDocument() override;
    void abandonDocument() noexcept override;

protected:
    // Makes the device for a new document; throws PrintError when there is none.
    virtual QPaintDevice* openDevice() = 0;
    // The painter has ended: the document is complete; hand it over or throw PrintError.
    virtual void closeDevice() = 0;
    // While the painter is still active: stop the job so that ending the painter sends nothing.
    virtual void cancelDevice() noexcept {}
    // After the painter has ended on a cancelled document: drop the device and anything written.
    virtual void discardDevice() noexcept = 0;
    // Why the painter could not start on the device.
    virtual QString cannotPaint() const = 0;
    // Where drawing may reach, in twips; empty: wherever the device allows.
    virtual QRectF clipTwips() const { return QRectF(); }

private:
    void begin();

    std::unique_ptr<QPainter> painter_;
    QPaintDevice* device_ = nullptr;
    double unitsPerTwipX_ = 0, unitsPerTwipY_ = 0;
    std::optional<PrintFont> font_;
    double ascent_ = 0; // of font_ on the device, in device units
};

// Each document becomes one A4 PDF file in the folder (made when missing), placed on the page with no
// margin so that twips count from the page's corner. Drawing stops 1/5 inch short of the right edge, as
// a printer's printable area would, so the rule lines (longer than the page is wide) end as far from
// the right edge as their leading blanks start from the left. File names sort in the order of printing and an
// existing file is never overwritten: sanavo-<yyyyMMdd-HHmmss-zzz>-<sequence>.pdf, local time.
class PdfBackend : public PainterBackend {
public:
    explicit PdfBackend(QString folder, int resolutionDpi = 1440);
    ~PdfBackend() override;
    // Files this back end has completed, oldest first.
    const QStringList& files() const { return files_; }
    // Tests fix the clock the names are made from (null: the real one); the naming starts afresh.
    static void setClock(std::function<QDateTime()> clock);

protected:
    QPaintDevice* openDevice() override;
    void closeDevice() override;
    void discardDevice() noexcept override;
    QString cannotPaint() const override;
    QRectF clipTwips() const override;

private:
    QString nextFileName();

    QString folder_;
    int resolution_;
    QFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    QStringList files_;
    QString lastStamp_;
    int sequence_ = 0;
};

// Each document is one job on the system's default printer (CUPS), origin at the printable area. Qt hands a
// document to CUPS without asking whether the queue runs (CUPS keeps jobs in a stopped queue) and drops a
// refusal, so a queue that is stopped or does not accept jobs is refused before anything is drawn, and the
// printer's own engine writes the document into a spool file that is handed to CUPS here, its answer checked.
class SystemPrinterBackend : public PainterBackend {
public:
    // The printer for a document; the default makes one on the default printer, or throws PrintError
    // when none is installed. Tests give a printer of their own (for example one writing a PDF file).
    using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;
    explicit SystemPrinterBackend(PrinterFactory factory = {});
    ~SystemPrinterBackend() override;

    static bool printerInstalled();

protected:
    QPaintDevice* openDevice() override;
    void closeDevice() override;
    void cancelDevice() noexcept override;
    void discardDevice() noexcept override;
    QString cannotPaint() const override;

private:
    PrinterFactory factory_;
    std::unique_ptr<QPrinter> printer_;
    // While a document goes to a CUPS queue: the queue and the file it is written into first. (A printer
    // from the factory that writes a file of its own has neither.)
    QString queue_;
    std::unique_ptr<QTemporaryFile> spool_;
};

// The back end sanavo.ini chooses: the default printer, PDF files, or (auto) the default printer
// when one is installed and PDF files otherwise.
std::shared_ptr<PrintBackend> backendFromSettings();

// For tests: keeps every text with its position and font, every end of document and every document
// thrown away. It can be told to fail at its nth text or nth end of document (counted from 1 from
// now on), as a printer that is switched off part-way would.
struct PrintEvent {
    enum class Kind { Text, EndDocument, Abandon };
    Kind kind = Kind::Text;
    QString text;
    double x = 0, y = 0;
    PrintFont font;
};

class RecordingBackend : public PrintBackend {
public:
    void drawText(double x, double y, const QString& text, const PrintFont& font) override;
    void endDocument() override;
    void abandonDocument() noexcept override;

    void failAtText(int n, QString description = "The printer is not ready");
    void failAtEndDocument(int n, QString description = "The printer is not ready");

    const std::vector<PrintEvent>& events() const { return events_; }
    // The texts of each document that was ended, in order.
    std::vector<std::vector<PrintEvent>> documents() const;
    // Every text drawn, ended or not.
    std::vector<PrintEvent> texts() const;
    int endDocuments() const;
    int abandoned() const;
    void clear() { events_.clear(); }

private:
    std::vector<PrintEvent> events_;
    int textCount_ = 0, endCount_ = 0;
    int failText_ = 0, failEnd_ = 0;
    QString failDescription_;
};

// For tests: a printer that fails at once with the given description.
class FailingBackend : public PrintBackend {
public:
    explicit FailingBackend(QString description = "The printer is not ready")
        : description_(std::move(description)) {}
    void drawText(double, double, const QString&, const PrintFont&) override {
        throw PrintError(description_);
    }
    void endDocument() override { throw PrintError(description_); }
    void abandonDocument() noexcept override { ++abandoned_; }
    int abandoned() const { return abandoned_; }

private:
    QString description_;
    int abandoned_ = 0;
};
