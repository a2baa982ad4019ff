#include "support/AppFixture.h"

#include "data/Environment.h"
#include "data/ProgramState.h"
#include "data/modConnectDB.h"
#include "printing/PrintPage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <sqlite3.h>

const QDate AppTest::kToday(2026, 12, 7);

void AppTest::SetUp() {
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    ASSERT_TRUE(QFile::copy(SANAVO_DELIVERED_DB, dbPath()));
    QFile::setPermissions(dbPath(), QFile::ReadOwner | QFile::WriteOwner);
    QFile::copy(QString(SANAVO_SOURCE_DIR) + "/assets/sanavo.ini", folder() + "/sanavo.ini");
    QDir pictures(SANAVO_PICTURES_DIR);
    for (const QString& f : pictures.entryList({"*.gif"}, QDir::Files))
        QFile::copy(pictures.filePath(f), folder() + "/" + f);
    setAppFolder(folder());
    setToday(kToday);
    setEndProgramHandler([this](int) { ++programEnds; });
    CurrentUserName.clear();
    CurrentUserType.clear();
    MenuView = "Horizontal";
    ActiveScreen = nullptr;
    printer = std::make_shared<RecordingBackend>();
    PrintPage.reset();
    PrintPage.setBackend(printer);
}

void AppTest::TearDown() {
    PrintPage.reset();
    DbConnection.reset();
    setEndProgramHandler(nullptr);
    setToday(std::nullopt);
    dir_.reset();
}

void AppTest::connect() {
    ASSERT_TRUE(ConnectDB());
    ASSERT_EQ(programEnds, 0);
}

QWidget* keyboard() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    return QApplication::activeWindow();
}

void execSql(const QString& dbPath, const QString& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(dbPath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    char* err = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    EXPECT_EQ(rc, SQLITE_OK) << (err ? err : "") << " in " << sql.toStdString();
    sqlite3_free(err);
    sqlite3_close(db);
}

QString querySql(const QString& dbPath, const QString& sql) {
    sqlite3* db = nullptr;
    QString out;
    if (sqlite3_open_v2(dbPath.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW) {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
            out = t ? QString::fromUtf8(t) : QString();
        } else {
            ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql.toStdString();
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return out;
}
