#include "printing/PrintBackends.h"

#include "printing/PrintSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

PainterBackend::~PainterBackend() = default;

void PainterBackend::begin() {
    device_ = openDevice();
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(device_)) {
        painter_.reset();
        discardDevice();
        throw PrintError(cannotPaint());
    }
    unitsPerTwipX_ = device_->logicalDpiX() / 1440.0;
    unitsPerTwipY_ = device_->logicalDpiY() / 1440.0;
    if (const QRectF clip = clipTwips(); !clip.isEmpty())
        painter_->setClipRect(QRectF(clip.x() * unitsPerTwipX_, clip.y() * unitsPerTwipY_,
                                     clip.width() * unitsPerTwipX_, clip.height() * unitsPerTwipY_));
    font_.reset();
}

void PainterBackend::drawText(double x, double y, const QString& text, const PrintFont& font) {
    if (!painter_) begin();
    if (font_ != font) {
        QFont f(font.name);
        f.setPointSizeF(font.size);
        f.setBold(font.bold);
        painter_->setFont(f);
        ascent_ = QFontMetricsF(painter_->font(), device_).ascent();
        font_ = font;
    }
    // The position is the text's top-left corner; the painter wants the start of its baseline.
    painter_->drawText(QPointF(x * unitsPerTwipX_, y * unitsPerTwipY_ + ascent_), text);
}

void PainterBackend::endDocument() {
    if (!painter_) return;
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended) {
        discardDevice();
        throw PrintError(cannotPaint());
    }
    closeDevice();
}

void PainterBackend::abandonDocument() noexcept {
    if (!painter_) return;
    cancelDevice();
    painter_->end();
    painter_.reset();
    discardDevice();
}

// ---- PDF files

namespace {
// Shared by every PDF back end of the process, so names keep rising even within one millisecond.
// UTC, so that the change from summer time never makes a later file sort earlier.
QString g_lastStamp;
int g_sequence = 0;
std::function<QDateTime()> g_clock;
} // namespace

void PdfBackend::setClock(std::function<QDateTime()> clock) {
    g_clock = std::move(clock);
    g_lastStamp.clear();
    g_sequence = 0;
}

PdfBackend::PdfBackend(QString folder, int resolutionDpi)
    : folder_(std::move(folder)), resolution_(resolutionDpi) {}

PdfBackend::~PdfBackend() {
    abandonDocument();
}

QString PdfBackend::nextFileName() {
    const QDateTime now = g_clock ? g_clock() : QDateTime::currentDateTimeUtc();
    QString stamp = now.toUTC().toString("yyyyMMdd-HHmmss-zzz");
    if (stamp <= g_lastStamp) {
        stamp = g_lastStamp;
        ++g_sequence;
    } else {
        g_sequence = 1;
    }
    g_lastStamp = stamp;
    return QString("sanavo-%1-%2.pdf").arg(stamp).arg(g_sequence, 4, 10, QChar('0'));
}

QPaintDevice* PdfBackend::openDevice() {
    if (!QDir().mkpath(folder_)) throw PrintError("The folder " + folder_ + " cannot be made");
    for (;;) {
        file_.setFileName(QDir(folder_).filePath(nextFileName()));
        if (file_.open(QIODevice::WriteOnly | QIODevice::NewOnly)) break;
        // A file of that name is there already: take the next name, never overwrite it.
        if (!file_.exists())
            throw PrintError("The file " + file_.fileName() + " cannot be written: " + file_.errorString());
    }
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setResolution(resolution_);
    writer_->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer_->setCreator("Sanavo");
    writer_->setTitle("Sanavo");
    return writer_.get();
}

void PdfBackend::closeDevice() {
    writer_.reset();
    const bool flushed = file_.flush();
    const QString name = file_.fileName();
    file_.close();
    if (!flushed || file_.error() != QFileDevice::NoError) {
        const QString why = file_.errorString();
        file_.remove();
        throw PrintError("The file " + name + " cannot be written: " + why);
    }
    files_.append(name);
}

void PdfBackend::discardDevice() noexcept {
    writer_.reset();
    if (file_.isOpen()) file_.close();
    if (!file_.fileName().isEmpty()) file_.remove();
}

QRectF PdfBackend::clipTwips() const {
    const QRectF page = writer_->pageLayout().fullRectPoints();
    return QRectF(0, 0, page.width() * 20 - 288, page.height() * 20);
}

QString PdfBackend::cannotPaint() const {
    return "The file " + file_.fileName() + " cannot be written";
}

// ---- the system printer

namespace {
// Refuses a queue that would keep or refuse the document: CUPS takes jobs into a stopped queue and holds them
// there, and a refusal would otherwise go unnoticed.
void refuseUnlessReady(const QString& printerName) {
    const QString queue = printerName.section('/', 0, 0);
    const QByteArray name = queue.toLocal8Bit();
    const QByteArray instance = printerName.section('/', 1).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        throw PrintError("The printer " + queue +
                         " is not available: " + QString::fromUtf8(cupsLastErrorString()));
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    QString why;
    if (state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED)
        why = "The printer " + queue + " is stopped";
    else if (accepting && qstrcmp(accepting, "true") != 0)
        why = "The printer " + queue + " does not accept jobs";
    cupsFreeDests(1, dest);
    if (!why.isEmpty()) throw PrintError(why);
}

// Hands the file to the queue with the options Qt's own CUPS engine gives a document; the job's id, or 0 with
// cupsLastErrorString() saying why.
int handOver(const QString& queue, const QString& file, const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const bool portrait = layout.orientation() == QPageLayout::Portrait;
    const char* sides = "one-sided";
    switch (printer.duplex()) {
    case QPrinter::DuplexLongSide:
        sides = "two-sided-long-edge";
        break;
    case QPrinter::DuplexShortSide:
        sides = "two-sided-short-edge";
        break;
    case QPrinter::DuplexAuto:
        sides = portrait ? "two-sided-long-edge" : "two-sided-short-edge";
        break;
    case QPrinter::DuplexNone:
        break;
    }
    cups_option_t* options = nullptr;
    int count = cupsAddOption("media", layout.pageSize().key().toUtf8().constData(), 0, &options);
    count = cupsAddOption("sides", sides, count, &options);
    if (!portrait) count = cupsAddOption("landscape", "", count, &options);
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.toLocal8Bit().constData(), file.toLocal8Bit().constData(),
                       printer.docName().toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    return job;
}
} // namespace

SystemPrinterBackend::SystemPrinterBackend(PrinterFactory factory) : factory_(std::move(factory)) {}

SystemPrinterBackend::~SystemPrinterBackend() {
    abandonDocument();
}

bool SystemPrinterBackend::printerInstalled() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

QPaintDevice* SystemPrinterBackend::openDevice() {
    if (factory_) {
        printer_ = factory_();
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) throw PrintError("No printer is installed");
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    if (!printer_) throw PrintError("No printer is installed");
    printer_->setFullPage(false);
    printer_->setDocName("Sanavo");
    if (!printer_->isValid()) {
        const QString why = cannotPaint();
        printer_.reset();
        throw PrintError(why);
    }
    if (printer_->outputFormat() == QPrinter::NativeFormat && printer_->outputFileName().isEmpty()) {
        try {
            refuseUnlessReady(printer_->printerName());
        } catch (const PrintError&) {
            printer_.reset();
            throw;
        }
        queue_ = printer_->printerName().section('/', 0, 0);
        spool_ = std::make_unique<QTemporaryFile>(QDir::temp().filePath("sanavo-print-XXXXXX.job"));
        if (!spool_->open()) {
            const QString why = "The printer " + queue_ + " is not ready: the file " +
                                spool_->fileTemplate() + " cannot be written: " + spool_->errorString();
            discardDevice();
            throw PrintError(why);
        }
        spool_->close();
        // The printer's own engine (and so its page, margins and resolution) writes the document into the
        // file instead of handing it over; without a .pdf suffix the printer stays the system's.
        printer_->setOutputFileName(spool_->fileName());
    }
    return printer_.get();
}

void SystemPrinterBackend::closeDevice() {
    const QString why =
        "The printer " + (queue_.isEmpty() ? printer_->printerName() : queue_) + " did not take the document";
    bool failed = printer_->printerState() == QPrinter::Error;
    QString reason;
    if (!failed && !queue_.isEmpty() && handOver(queue_, spool_->fileName(), *printer_) == 0) {
        failed = true;
        reason = QString::fromUtf8(cupsLastErrorString());
    }
    discardDevice();
    if (failed) throw PrintError(reason.isEmpty() ? why : why + ": " + reason);
}

void SystemPrinterBackend::cancelDevice() noexcept {
    if (printer_) printer_->abort();
}

void SystemPrinterBackend::discardDevice() noexcept {
    printer_.reset();
    spool_.reset();
    queue_.clear();
}

QString SystemPrinterBackend::cannotPaint() const {
    const QString name = printer_ ? printer_->printerName() : QString();
    return name.isEmpty() ? QStringLiteral("The printer is not ready")
                          : "The printer " + name + " is not ready";
}

std::shared_ptr<PrintBackend> backendFromSettings() {
    switch (printerOutput()) {
    case PrinterOutput::Printer:
        return std::make_shared<SystemPrinterBackend>();
    case PrinterOutput::Pdf:
        return std::make_shared<PdfBackend>(pdfFolder());
    case PrinterOutput::Auto:
        break;
    }
    if (SystemPrinterBackend::printerInstalled()) return std::make_shared<SystemPrinterBackend>();
    return std::make_shared<PdfBackend>(pdfFolder());
}

// ---- for tests

void RecordingBackend::drawText(double x, double y, const QString& text, const PrintFont& font) {
    ++textCount_;
    if (textCount_ == failText_) throw PrintError(failDescription_);
    events_.push_back({PrintEvent::Kind::Text, text, x, y, font});
}

void RecordingBackend::endDocument() {
    ++endCount_;
    if (endCount_ == failEnd_) throw PrintError(failDescription_);
    events_.push_back({PrintEvent::Kind::EndDocument, {}, 0, 0, {}});
}

void RecordingBackend::abandonDocument() noexcept {
    events_.push_back({PrintEvent::Kind::Abandon, {}, 0, 0, {}});
}

void RecordingBackend::failAtText(int n, QString description) {
    failText_ = textCount_ + n;
    failDescription_ = std::move(description);
}

void RecordingBackend::failAtEndDocument(int n, QString description) {
    failEnd_ = endCount_ + n;
    failDescription_ = std::move(description);
}

std::vector<std::vector<PrintEvent>> RecordingBackend::documents() const {
    std::vector<std::vector<PrintEvent>> docs;
    std::vector<PrintEvent> open;
    for (const PrintEvent& e : events_) {
        if (e.kind == PrintEvent::Kind::Text) {
            open.push_back(e);
        } else {
            if (e.kind == PrintEvent::Kind::EndDocument) docs.push_back(open);
            open.clear();
        }
    }
    return docs;
}

std::vector<PrintEvent> RecordingBackend::texts() const {
    std::vector<PrintEvent> out;
    for (const PrintEvent& e : events_)
        if (e.kind == PrintEvent::Kind::Text) out.push_back(e);
    return out;
}

int RecordingBackend::endDocuments() const {
    return static_cast<int>(std::count_if(events_.begin(), events_.end(), [](const PrintEvent& e) {
        return e.kind == PrintEvent::Kind::EndDocument;
    }));
}

int RecordingBackend::abandoned() const {
    return static_cast<int>(std::count_if(events_.begin(), events_.end(), [](const PrintEvent& e) {
        return e.kind == PrintEvent::Kind::Abandon;
    }));
}
