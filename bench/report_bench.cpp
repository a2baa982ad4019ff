// How long a report takes to reach PDF files: 45 and 5,000 lines through the report layout and the PDF
// back end (one file per sheet), and the layout alone through the recorder.
// With --sample DIR it also leaves a 45-line daily out-patient report in DIR.
#include "data/Environment.h"
#include "printing/PrintBackends.h"
#include "printing/ReportLayout.h"
#include "rules/Formats.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
const char* kNames[] = {"Anita Sharma", "Ravi Kumar",  "Mohammed Iqbal", "Lakshmi Nair", "John Mathew",
                        "Priya Menon",  "Suresh Babu", "Fatima Begum",   "Arun Das",     "Meera Pillai"};

std::vector<ReportLine> makeLines(int n, double& total) {
    std::vector<ReportLine> lines;
    total = 0;
    for (int i = 1; i <= n; ++i) {
        const double amount = 100 + (i * 37 % 23) * 12.5 + (i % 4) * 0.25;
        total = roundAmount(total + amount);
        lines.push_back({formatSerial(i),
                         QString("%1-%2-OP%3").arg(1040 + i).arg(kNames[i % 10]).arg(200 + i * 7 % 500),
                         QString(), formatAmount(amount)});
    }
    return lines;
}

void writeIni(const QString& folder) {
    QFile ini(folder + "/sanavo.ini");
    ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
    ini.write("[Hospital]\nHospitalName=St. Luke's General Hospital\n"
              "HospitalAddress=12, Lake Road, Riverside - 682001\nHospitalPhone=0484 255 0199\n");
}

const ReportLayout kLayout = ReportLayout::daily("CASH COLLECTION OUT-PATIENT BILL REPORT",
                                                 QDate(2026, 12, 7), "Bill_No - Patient Name ");

// Milliseconds for one report of n lines into a fresh folder of PDF files (best of runs).
double timePdf(const QString& base, int n, int runs, int& files, qint64& bytes) {
    double total = 0;
    const auto lines = makeLines(n, total);
    double best = 1e300;
    for (int r = 0; r < runs; ++r) {
        const QString dir = QString("%1/pdf-%2-%3").arg(base).arg(n).arg(r);
        auto pdf = std::make_shared<PdfBackend>(dir);
        PrintPage.setBackend(pdf);
        QElapsedTimer t;
        t.start();
        if (!printReport(lines, kLayout, total)) std::fprintf(stderr, "printing failed\n");
        best = std::min(best, t.nsecsElapsed() / 1e6);
        files = static_cast<int>(pdf->files().size());
        bytes = 0;
        for (const QString& f : pdf->files())
            bytes += QFileInfo(f).size();
    }
    return best;
}

double timeLayout(int n, int runs) {
    double total = 0;
    const auto lines = makeLines(n, total);
    double best = 1e300;
    for (int r = 0; r < runs; ++r) {
        PrintPage.setBackend(std::make_shared<RecordingBackend>());
        QElapsedTimer t;
        t.start();
        printReport(lines, kLayout, total);
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir tmp;
    setAppFolder(tmp.path());
    writeIni(tmp.path());

    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf("--sample"); at >= 0 && at + 1 < args.size()) {
        double total = 0;
        const auto lines = makeLines(45, total);
        auto pdf = std::make_shared<PdfBackend>(args[at + 1]);
        PrintPage.setBackend(pdf);
        if (!printReport(lines, kLayout, total)) return 1;
        for (const QString& f : pdf->files())
            std::printf("%s\n", qPrintable(f));
        return 0;
    }

    int files = 0;
    qint64 bytes = 0;
    for (const int n : {45, 5000}) {
        const double ms = timePdf(tmp.path(), n, 3, files, bytes);
        std::printf("report of %5d lines to PDF: %8.1f ms (%d files, %lld bytes)\n", n, ms, files,
                    static_cast<long long>(bytes));
    }
    std::printf("report of  5000 lines, layout only (recorder): %.1f ms\n", timeLayout(5000, 3));
    return 0;
}
