#include "cups/CupsScheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <cups/cups.h>
#include <grp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
// Registered before main runs, so that its SetUp comes before every test.
[[maybe_unused]] const CupsScheduler& registered = CupsScheduler::instance();

QString executable(const QString& name) {
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin", "/sbin", "/bin"})
                           : found;
}

bool writeFile(const QString& name, const QString& text, QFileDevice::Permissions permissions = {}) {
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text.toUtf8()) < 0) return false;
    f.close();
    return !permissions || f.setPermissions(permissions);
}

// What the scheduler said: its emergencies (it gives up, though it may not end) or else its last lines.
QString said(const QString& dir) {
    QStringList lines, emergencies;
    for (const char* log : {"/log/cupsd.out", "/log/error_log"}) {
        QFile f(dir + log);
        if (f.open(QIODevice::ReadOnly)) lines += QString::fromUtf8(f.readAll()).trimmed().split('\n');
    }
    for (const QString& line : lines)
        if (line.startsWith("X ")) emergencies << line;
    return (emergencies.isEmpty() ? lines.mid(std::max<qsizetype>(0, lines.size() - 4)) : emergencies)
        .join(" | ");
}

constexpr auto Executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                            QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                            QFileDevice::ExeOther;

// A printer that takes PDF as it comes: one filter that copies the job's file to the output file.
// (CUPS runs no process at all for a pass-through "-" filter on a file: device, so nothing would be
// written; and a raw queue has no PPD, so no printable area to count from.)
const char* const Ppd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "SANAVO.PPD"
*Manufacturer: "Sanavo"
*Product: "(Sanavo Test Printer)"
*ModelName: "Sanavo Test Printer"
*ShortNickName: "Sanavo Test Printer"
*NickName: "Sanavo Test Printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*cupsVersion: 2.4
*cupsFilter: "application/pdf 0 %1"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 24 577 806"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*DefaultResolution: 600dpi
)ppd";
} // namespace

CupsScheduler& CupsScheduler::instance() {
    static CupsScheduler* const scheduler = [] {
        auto* s = new CupsScheduler;
        testing::AddGlobalTestEnvironment(s); // gtest owns it
        return s;
    }();
    return *scheduler;
}

QString CupsScheduler::output() const {
    return path("out/" + Queue + ".pdf");
}

void CupsScheduler::SetUp() {
    dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/sanavo-cups-XXXXXX");
    // Before anything asks CUPS: this process and the tools it runs talk to this scheduler alone, read no
    // client.conf or lpoptions of the machine's, and take no printer from the environment.
    qputenv("CUPS_SERVER", (dir_->isValid() ? path("cups.sock") : "/nonexistent/cups.sock").toLocal8Bit());
    qputenv("CUPS_SERVERROOT", path("conf").toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    unavailable_ = start();
    if (!unavailable_.isEmpty()) return;
    broken_ = run("lpadmin", {"-p", Queue, "-E", "-v", "file:" + output(), "-P", path(Queue + ".ppd")});
    if (broken_.isEmpty()) broken_ = run("lpadmin", {"-d", Queue});
    if (broken_.isEmpty() && QPrinterInfo::defaultPrinterName() != Queue)
        broken_ = "the default printer is \"" + QPrinterInfo::defaultPrinterName() + "\", not " + Queue +
                  " (a Default in ~/.cups/lpoptions?)";
}

QString CupsScheduler::start() {
    if (!dir_->isValid()) return "no temporary folder: " + dir_->errorString();
    const QString cupsd = executable("cupsd");
    if (cupsd.isEmpty()) return "cupsd is not installed (Debian package cups-daemon)";
    if (executable("lpadmin").isEmpty()) return "lpadmin is not installed (Debian package cups-client)";
    // Run as root, the scheduler runs filters as user lp: they must reach the folder and the filter.
    QFile::setPermissions(dir_->path(), Executable);
    for (const char* sub : {"conf", "spool", "cache", "state", "tmp", "log", "out", "filter"})
        QDir(dir_->path()).mkdir(sub);
    const group* g = getgrgid(getgid());
    const QString d = dir_->path();
    const bool written =
        writeFile(path("filter/passthrough"),
                  "#!/bin/sh\n# printer job user title copies options [file]\n"
                  "if [ -n \"$6\" ]; then exec cat \"$6\"; fi\nexec cat\n",
                  Executable) &&
        QFile::setPermissions(path("filter"), Executable) &&
        writeFile(path(Queue + ".ppd"), QString::fromLatin1(Ppd).arg(path("filter/passthrough"))) &&
        writeFile(path("conf/cups-files.conf"),
                  QString("ServerRoot %1/conf\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                          "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                          "PageLog %1/log/page_log\nPrintcap %1/conf/printcap\nFileDevice Yes\n"
                          "SystemGroup %2\n")
                      .arg(d, g ? QString::fromLocal8Bit(g->gr_name) : QStringLiteral("root"))) &&
        writeFile(path("conf/cupsd.conf"),
                  QString("LogLevel info\nListen %1/cups.sock\nBrowsing No\nWebInterface No\n"
                          "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                          "<Policy default>\n  JobPrivateAccess all\n  JobPrivateValues none\n"
                          "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
                          "  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                      .arg(d));
    if (!written) return "its configuration could not be written into " + d;

    cupsd_ = std::make_unique<QProcess>();
    cupsd_->setProcessChannelMode(QProcess::MergedChannels);
    cupsd_->setStandardOutputFile(path("log/cupsd.out"));
    // The scheduler ends with this program, even when a timeout kills it.
    cupsd_->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd_->start(cupsd, {"-f", "-c", path("conf/cupsd.conf"), "-s", path("conf/cups-files.conf")});
    if (!cupsd_->waitForStarted(5000)) return cupsd + " does not run: " + cupsd_->errorString();
    for (QDeadlineTimer deadline(15000); !deadline.hasExpired(); QTest::qWait(50)) {
        if (cupsd_->state() == QProcess::NotRunning)
            return QString("cupsd ended with status %1: %2").arg(cupsd_->exitCode()).arg(said(d));
        if (said(d).startsWith("X ")) return "cupsd gave up: " + said(d);
        QProcess lpstat;
        lpstat.start(executable("lpstat"), {"-r"});
        if (lpstat.waitForFinished(5000) && lpstat.readAllStandardOutput().startsWith("scheduler is running"))
            return QString();
    }
    return "cupsd did not answer on " + path("cups.sock") + " within 15 s: " + said(d);
}

void CupsScheduler::TearDown() {
    if (cupsd_ && cupsd_->state() != QProcess::NotRunning) {
        cupsd_->terminate();
        if (!cupsd_->waitForFinished(10000)) {
            cupsd_->kill();
            cupsd_->waitForFinished(5000);
        }
    }
    cupsd_.reset();
    dir_.reset();
}

QString CupsScheduler::run(const QString& tool, const QStringList& args) const {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(executable(tool), args);
    if (!p.waitForFinished(15000) || p.exitStatus() != QProcess::NormalExit)
        return tool + " " + args.join(' ') + ": " + p.errorString();
    return p.exitCode() == 0
               ? QString()
               : tool + " " + args.join(' ') + ": " + QString::fromLocal8Bit(p.readAll()).trimmed();
}

std::vector<int> CupsScheduler::jobStates() const {
    cups_job_t* jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, Queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    std::vector<std::pair<int, int>> byId;
    for (int i = 0; i < count; ++i)
        byId.emplace_back(jobs[i].id, jobs[i].state);
    cupsFreeJobs(count, jobs);
    std::sort(byId.begin(), byId.end());
    std::vector<int> states;
    for (const auto& [id, state] : byId)
        states.push_back(state);
    return states;
}

bool CupsScheduler::waitForJobs(size_t count) const {
    for (QDeadlineTimer deadline(20000); !deadline.hasExpired(); QTest::qWait(50)) {
        const std::vector<int> states = jobStates();
        if (states.size() == count &&
            std::all_of(states.begin(), states.end(), [](int s) { return s >= IPP_JSTATE_CANCELED; }))
            return true;
    }
    return false;
}
