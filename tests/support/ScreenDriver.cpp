#include "support/ScreenDriver.h"

#include "framework/FieldBinding.h"
#include "framework/FlexGrid.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>

void ConnectedAppTest::SetUp() {
    AppTest::SetUp();
    connect();
}

void ConnectedAppTest::TearDown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        delete w;
    AppTest::TearDown();
}

void ConnectedAppTest::insertRow(const QString& table, const QStringList& columns,
                                 const QStringList& values) {
    QStringList quoted;
    for (QString v : values)
        quoted << "'" + v.replace("'", "''") + "'";
    execSql(dbPath(),
            "INSERT INTO " + table + " (" + columns.join(", ") + ") VALUES (" + quoted.join(", ") + ")");
}

int ConnectedAppTest::rowCount(const QString& table) {
    return querySql(dbPath(), "SELECT COUNT(*) FROM " + table).toInt();
}

void ScreenDriver::activate() const {
    screen_->show();
    screen_->activateWindow();
    QApplication::setActiveWindow(screen_->window());
    (void)QTest::qWaitForWindowActive(screen_->window(), 1000);
}

void ScreenDriver::type(const QString& name, const QString& keys) const {
    QWidget* w = control(name);
    if (!w) return;
    // Moving to another field closes a list left open by the field before, as a click elsewhere does.
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    w->setFocus();
    QTest::keyClicks(w, keys);
}

QString ScreenDriver::text(const QString& name) const {
    const QWidget* w = control(name);
    return w ? textOf(w) : QString();
}

void ScreenDriver::click(const QString& name) const {
    if (QWidget* w = control(name)) QTest::mouseClick(w, Qt::LeftButton);
}

void ScreenDriver::ctrl(Qt::Key key) const {
    QTest::keyClick(keyboard() ? keyboard() : screen_, key, Qt::ControlModifier);
}

QStringList ScreenDriver::gridRow(const QString& gridName, int row) const {
    QStringList out;
    const auto* grid = control<FlexGrid>(gridName);
    if (!grid) return out;
    for (int c = 0; c < grid->Cols(); ++c)
        out << grid->TextMatrix(row, c);
    return out;
}
