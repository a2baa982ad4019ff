#include "printing/PdfWords.h"
#include "printing/PrintBackends.h"
#include "printing/PrintSettings.h"
#include "printing/ReportLayout.h"
#include "rules/Formats.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace {
void writeIni(const QString& folder, const QString& printerPart) {
    QFile ini(folder + "/sanavo.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(("[Hospital]\nHospitalName=St. Luke's Hospital\nHospitalAddress=12, Lake Road; Riverside\n"
               "HospitalPhone=0471 555 0199\n\n[Printer]\n" +
               printerPart + "\n")
                  .toUtf8());
}

QStringList pdfFiles(const QString& folder) {
    return QDir(folder).entryList({"*.pdf"}, QDir::Files, QDir::Name);
}

struct At {
    QString text;
    double x, y; // twips
};

// Each word within half a point of where the twips say.
void expectAt(const std::vector<PdfWord>& words, const std::vector<At>& where) {
    for (const At& a : where) {
        const PdfWord* w = findWord(words, a.text);
        ASSERT_NE(w, nullptr) << a.text.toStdString();
        EXPECT_NEAR(w->xMin, a.x / 20, 0.5) << a.text.toStdString();
        EXPECT_NEAR(w->yMin, a.y / 20, 0.5) << a.text.toStdString();
    }
}

// Right-aligned texts come back one word per character: each on the 110-twip pitch ending at rightX.
void expectRightAligned(const std::vector<PdfWord>& words, const QString& text, double rightX,
                        double yTwips) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        const double x = (rightX - (text.size() - 1 - i) * 110) / 20;
        const bool found = std::any_of(words.begin(), words.end(), [&](const PdfWord& w) {
            return w.text == text[i] && std::fabs(w.xMin - x) <= 0.5 &&
                   std::fabs(w.yMin - yTwips / 20) <= 0.5;
        });
        EXPECT_TRUE(found) << text.toStdString() << " character " << i << " not at " << x << " pt";
    }
}

RecordedMessage printerInfo(const QString& text) {
    return {MsgIcon::Critical, MsgButtons::Ok, "Printer Info",
            "Please Check the Printer is Connected or Switch On" + text};
}

bool printLines(int n) {
    std::vector<ReportLine> out;
    for (int i = 1; i <= n; ++i)
        out.push_back(
            {formatSerial(i), QString("%1-Name%1-OP%1").arg(i), QString(), formatAmount(100 + i * 0.25)});
    return printReport(out, ReportLayout::daily("T", QDate(2026, 12, 7), "D"), 0);
}
} // namespace

class PdfOutputTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        PrintPage.setBackend(nullptr); // what sanavo.ini chooses
    }
    void TearDown() override {
        PdfBackend::setClock(nullptr);
        AppTest::TearDown();
    }
};

TEST_F(PdfOutputTest, TwipsMapExactlyAtAnyResolution) {
    for (const int dpi : {72, 300, 600, 1200, 1440}) {
        const QString dir = folder() + QString("/dpi%1").arg(dpi);
        auto pdf = std::make_shared<PdfBackend>(dir, dpi);
        PrintPage.setBackend(pdf);
        PrintPage.setFontSize(12);
        PrintPage.printAt(1234, 2345, "alpha");
        PrintPage.printAt(10007, 15011, "omega");
        PrintPage.setFontName("Arial");
        PrintPage.setFontSize(9);
        printRightAligned("57.25", 5500, 4600);
        PrintPage.endDocument();
        ASSERT_EQ(pdf->files().size(), 1) << dpi;
        const auto words = pdfWords(pdf->files()[0]);
        SCOPED_TRACE(dpi);
        expectAt(words, {{"alpha", 1234, 2345}, {"omega", 10007, 15011}});
        expectRightAligned(words, "57.25", 5500, 4600);
        PrintPage.setFontName(ReportTypeface);
    }
}

TEST_F(PdfOutputTest, SystemPrinterPathCountsFromThePrintableArea) {
    // The printer back end on a printer that writes a PDF file, with margins and its own resolution.
    const QString out = folder() + "/printer.pdf";
    auto backend = std::make_shared<SystemPrinterBackend>([out] {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(out);
        p->setResolution(600);
        p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 36, 18, 18), QPageLayout::Point));
        return p;
    });
    PrintPage.setBackend(backend);
    PrintPage.setFontName("Arial");
    PrintPage.setFontSize(9);
    PrintPage.setFontBold(true);
    PrintPage.printAt(3580, 700, "1201");
    PrintPage.printAt(0, 555, "Name");
    PrintPage.endDocument();
    expectAt(pdfWords(out), {{"1201", 3580 + 18 * 20, 700 + 36 * 20}, {"Name", 0 + 18 * 20, 555 + 36 * 20}});
}

TEST_F(PdfOutputTest, FileNamesSortInPrintOrderAndNeverOverwrite) {
    QDateTime now(QDate(2026, 12, 7), QTime(10, 15, 30, 250), Qt::UTC);
    PdfBackend::setClock([&now] { return now; });
    writeIni(folder(), "Output=pdf");
    const QString prints = folder() + "/prints/";
    QDir().mkpath(prints);
    // A file from an earlier run that happens to carry the name the third job would take.
    QFile keep(prints + "sanavo-20261207-101530-250-0003.pdf");
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("kept");
    keep.close();

    for (int job = 1; job <= 4; ++job) {
        PrintPage.printAt(1000, 1000, QString("job%1").arg(job));
        PrintPage.endDocument();
    }
    const QStringList files = pdfFiles(prints);
    ASSERT_EQ(files.size(), 5);
    EXPECT_EQ(files[0], "sanavo-20261207-101530-250-0001.pdf");
    QFile kept(prints + "sanavo-20261207-101530-250-0003.pdf");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "kept");
    QStringList order;
    for (const QString& f : files)
        if (!f.endsWith("-0003.pdf")) order << pdfWords(prints + f).at(0).text;
    EXPECT_EQ(order, (QStringList{"job1", "job2", "job3", "job4"}));

    // A clock that is set back an hour never makes a later job sort earlier.
    now = now.addSecs(-3600);
    PrintPage.printAt(0, 0, "later");
    PrintPage.endDocument();
    const QStringList after = pdfFiles(prints);
    ASSERT_EQ(after.size(), 6);
    EXPECT_EQ(pdfWords(prints + after.last()).at(0).text, "later");
}

TEST_F(PdfOutputTest, ThrownAwayDocumentLeavesNoFile) {
    auto pdf = std::make_shared<PdfBackend>(folder() + "/prints");
    PrintPage.setBackend(pdf);
    PrintPage.printAt(0, 0, "half a bill");
    ASSERT_EQ(QDir(folder() + "/prints").entryList(QDir::Files).size(), 1);
    PrintPage.abandonDocument();
    EXPECT_TRUE(QDir(folder() + "/prints").entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(pdf->files().isEmpty());
}

TEST_F(PdfOutputTest, UnwritableFolderIsAPrinterFailure) {
    writeIni(folder(), "Output=pdf\nPdfFolder=sanavo.ini/prints"); // a file where the folder should be
    EXPECT_FALSE(printLines(3));
    EXPECT_EQ(messages.calls(),
              std::vector{printerInfo("The folder " + folder() + "/sanavo.ini/prints cannot be made")});
    EXPECT_FALSE(PrintPage.documentOpen());
}

TEST_F(PdfOutputTest, WithoutAPrinterAutoAndUnknownChoicesGoToPdfAndPrinterFails) {
    if (SystemPrinterBackend::printerInstalled())
        GTEST_SKIP() << "a printer is installed here; nothing is sent to it";
    for (const char* choice : {"Output=auto", "Output=Laser", ""}) {
        writeIni(folder(), choice);
        PrintPage.printAt(0, 0, "x");
        PrintPage.endDocument();
    }
    EXPECT_EQ(pdfFiles(folder() + "/prints").size(), 3);
    QDir(folder() + "/prints").removeRecursively();
    writeIni(folder(), "Output=printer");
    EXPECT_FALSE(printLines(2));
    EXPECT_EQ(messages.calls(), std::vector{printerInfo("No printer is installed")});
    EXPECT_FALSE(QDir(folder() + "/prints").exists());
}
