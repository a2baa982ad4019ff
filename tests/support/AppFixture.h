#pragma once

#include "printing/PrintBackends.h"
#include "support/MessageRecorder.h"

#include <QDate>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// Each test gets a fresh application folder holding the delivered database, sanavo.ini and the
// pictures; messages are recorded, prints are recorded, today is fixed and ending the program is only
// counted.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString folder() const { return dir_->path(); }
    QString dbPath() const { return dir_->path() + "/sanavodb.mdb"; }
    // Opens DbConnection on the test folder; fails the test when it does not open.
    void connect();

    static const QDate kToday;
    MessageRecorder messages;
    int programEnds = 0;
    // Every print goes to this recorder (never to a real printer) unless a test installs another.
    std::shared_ptr<RecordingBackend> printer;

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

// Where a key pressed now goes: the open popup (menu or drop-down list), else the focus, else the active
// window. (Offscreen, a closed popup stays the focus window, which is where QTest would send it.)
QWidget* keyboard();

// Runs SQL on the test database behind the program's back (to set up rows or to check them).
void execSql(const QString& dbPath, const QString& sql);
// The first column of the first row, as text.
QString querySql(const QString& dbPath, const QString& sql);
