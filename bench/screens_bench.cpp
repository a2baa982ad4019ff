// The out-patient screens at a decade of data: N out-patients (365,000 by default, --patients N) and as many
// out-patient bills in a temporary application folder, each operation timed offscreen as the median of 5
// runs. The last lines give open_registration_ms=, save_ms=, typeahead_key_ms=, open_list_ms=,
// open_search_ms=, open_bill_ms=, choose_patient_ms=, print_and_store_bill_ms=, open_cancel_ms=,
// show_bill_to_cancel_ms=, peak_rss_mb= and
// ratio_open_vs_sqlite= (opening the registration screen against plain SQLite stepping its query).
#include "billing/frmBill.h"
#include "billing/frmCancelBill.h"
#include "data/Environment.h"
#include "data/Messages.h"
#include "data/modConnectDB.h"
#include "framework/Screens.h"
#include "patients/frmAddOutPatient.h"
#include "patients/frmViewOutPatient.h"
#include "patients/frmViewOutPatientDetails.h"
#include "printing/PrintBackends.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kRuns = 5;
const char* kRegistrationQuery = "SELECT * FROM SettingsOutPatient Order by EmployeeID";

void fill(const QString& path, int patients) {
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO SettingsOutPatient (EmployeeID, FirstName, Sex, MobilePhone, Age, Address, "
        "Location) VALUES (?,?,?,?,?,?,?)",
        -1, &st, nullptr);
    static const char* first[] = {"Lakshmi", "Mohammed",       "Anitha", "Ravi",  "Fathima", "Suresh",
                                  "Mary",    "Gopalakrishnan", "Priya",  "Abdul", "Kavitha", "Joseph"};
    static const char* last[] = {"Narayanan", "Ashraf", "Joseph", "Kumar", "Beevi", "Babu", "Thomas", "Nair"};
    static const char* places[] = {"Kandy", "Galle", "Jaffna", "Colombo", "Matara", "Negombo"};
    srand(11);
    for (int i = 1; i <= patients; ++i) {
        const QByteArray id = "OP" + QByteArray::number(i);
        const QByteArray name = QByteArray(first[rand() % 12]) + " " + last[rand() % 8];
        const QByteArray phone = "07" + QByteArray::number(10000000 + rand() % 89999999);
        const QByteArray age = QByteArray::number(rand() % 95);
        const QByteArray address = QByteArray::number(1 + rand() % 300) + " Temple Road, Ward " +
                                   QByteArray::number(1 + rand() % 40);
        const QByteArray* texts[] = {&id, &name, nullptr, &phone, &age, &address};
        for (int c = 0; c < 6; ++c) {
            if (c == 2)
                sqlite3_bind_text(st, 3, rand() % 2 ? "Male" : "Female", -1, SQLITE_STATIC);
            else
                sqlite3_bind_text(st, c + 1, texts[c]->constData(), -1, SQLITE_TRANSIENT);
        }
        sqlite3_bind_text(st, 7, places[rand() % 6], -1, SQLITE_STATIC);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// One bill per patient, numbered 1 to `bills`, the counter at the last, and a doctor to bill for.
void fillBills(const QString& path, int bills) {
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO OutPatientPrintDetails (BillNo, Date, DrFees, EcgCharge, total, patientName, "
        "patientid, BillDelete) VALUES (?, date('2016-12-07', '+' || (? / 100) || ' days'), '100', "
        "'50.5', ' 150.5', 'Asha Perera', 'OP' || ?, 'Available')",
        -1, &st, nullptr);
    for (int i = 1; i <= bills; ++i) {
        for (int c = 1; c <= 3; ++c)
            sqlite3_bind_int(st, c, i);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "INSERT INTO SettingDrDetails (DoctorID) VALUES ('Dr.Rao')", nullptr, nullptr, nullptr);
    sqlite3_exec(db, ("UPDATE SettingsOutBillNo SET LastBillNo = " + std::to_string(bills)).c_str(), nullptr,
                 nullptr, nullptr);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds of `step`, with `before` and `after` untimed around it; the median of kRuns.
double timed(const std::function<void()>& step, const std::function<void()>& before = {},
             const std::function<void()>& after = {}) {
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        if (before) before();
        QElapsedTimer t;
        t.start();
        step();
        ms.push_back(t.nsecsElapsed() / 1e6);
        if (after) after();
    }
    return median(ms);
}

void unload(QWidget* screen) {
    if (screen) screen->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double plainSqlite(const QString& path) {
    return timed([&] {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, kRegistrationQuery, -1, &st, nullptr);
        size_t bytes = 0;
        while (sqlite3_step(st) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                bytes += size_t(sqlite3_column_bytes(st, c)) + (sqlite3_column_text(st, c) ? 1 : 0);
        sqlite3_finalize(st);
        sqlite3_close(db);
        if (bytes == 0) std::puts("(no rows)");
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int patients = 365000;
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf("--patients"); at >= 0 && at + 1 < args.size())
        patients = args[at + 1].toInt();

    QTemporaryDir dir;
    const QString db = dir.path() + "/sanavodb.mdb";
    QFile::copy(SANAVO_DELIVERED_DB, db);
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    fill(db, patients);
    fillBills(db, patients);
    setAppFolder(dir.path());
    // Every question is answered Yes and every box closes at once; nothing ends the process.
    setMessageHandler([](MsgIcon, MsgButtons b, const QString&, const QString&) {
        return b == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    });
    setEndProgramHandler([](int) {});
    if (!ConnectDB()) return 1;
    std::printf("patients=%d\n", patients);

    const double sqliteMs = plainSqlite(db);
    const double openMs =
        timed([] { ShowScreen<frmAddOutPatient>(); }, {}, [] { unload(LoadedScreen<frmAddOutPatient>()); });

    frmAddOutPatient* s = ShowScreen<frmAddOutPatient>();
    int next = patients + 1;
    const auto newPatient = [&] {
        s->addnew();
        s->findChild<QComboBox*>("cmbPatientID")->setEditText(QString::number(next++));
        s->findChild<QLineEdit*>("txtFirstName")->setText("Asha Perera");
        s->findChild<QComboBox*>("cmbSex")->setEditText("Female");
        s->findChild<QLineEdit*>("txtMobilePhone")->setText("0771234567");
        s->findChild<QLineEdit*>("txtAge")->setText("41");
        s->findChild<QLineEdit*>("txtAddress")->setText("3 Hill Street");
        s->findChild<QLineEdit*>("txtEmailId")->setText("Galle");
    };
    const double saveMs = timed([&] { s->save(); }, newPatient);
    auto* id = s->findChild<QComboBox*>("cmbPatientID");
    const double keyMs = timed([&] { QTest::keyClick(id->lineEdit(), Qt::Key_7); },
                               [&] {
                                   s->addnew();
                                   id->setFocus();
                                   QTest::keyClicks(id->lineEdit(), "OP1");
                               },
                               [&] { s->Cancel(); });
    unload(s);

    const double listMs = timed([] { LoadedScreen<frmViewOutPatientDetails>(); }, {},
                                [] { unload(LoadedScreen<frmViewOutPatientDetails>()); });
    const double searchMs = timed(
        [] {
            frmViewOutPatient* v = ShowScreen<frmViewOutPatient>();
            v->findChild<QComboBox*>("cmbEmpName")->setEditText("Priya Nair");
            v->search();
        },
        {}, [] { unload(LoadedScreen<frmViewOutPatient>()); });

    PrintPage.setBackend(std::make_shared<RecordingBackend>());
    const double openBillMs =
        timed([] { ShowScreen<frmBill>(); }, {}, [] { unload(LoadedScreen<frmBill>()); });
    frmBill* bill = ShowScreen<frmBill>();
    auto* patient = bill->findChild<QComboBox*>("cmbPatientName");
    int chosen = 1000;
    const double chooseMs = timed([&] { patient->setEditText("OP" + QString::number(chosen += 997)); });
    const double billMs = timed([&] { bill->print(); },
                                [&] {
                                    bill->clearBill();
                                    patient->setEditText("OP" + QString::number(chosen += 997));
                                    bill->findChild<QLineEdit*>("Text1_0")->setText("100");
                                    bill->add();
                                });
    if (!bill->printed()) std::puts("(the bill was not stored)");
    unload(bill);
    const double openCancelMs =
        timed([] { ShowScreen<frmCancelBill>(); }, {}, [] { unload(LoadedScreen<frmCancelBill>()); });
    frmCancelBill* cancel = ShowScreen<frmCancelBill>();
    auto* number = cancel->findChild<QComboBox*>("cmbBillNumber");
    int shown = 1000;
    const double showBillMs = timed([&] { number->setEditText(QString::number(shown += 997)); });
    unload(cancel);

    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("sqlite_step_ms=%.1f\n", sqliteMs);
    std::printf("open_registration_ms=%.1f\n", openMs);
    std::printf("save_ms=%.1f\n", saveMs);
    std::printf("typeahead_key_ms=%.2f\n", keyMs);
    std::printf("open_list_ms=%.1f\n", listMs);
    std::printf("open_search_ms=%.1f\n", searchMs);
    std::printf("open_bill_ms=%.1f\n", openBillMs);
    std::printf("choose_patient_ms=%.2f\n", chooseMs);
    std::printf("print_and_store_bill_ms=%.2f\n", billMs);
    std::printf("open_cancel_ms=%.1f\n", openCancelMs);
    std::printf("show_bill_to_cancel_ms=%.2f\n", showBillMs);
    std::printf("peak_rss_mb=%.0f\n", usage.ru_maxrss / 1024.0);
    std::printf("ratio_open_vs_sqlite=%.2f\n", openMs / sqliteMs);
    return 0;
}
