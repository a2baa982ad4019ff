#pragma once

#include "support/AppFixture.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QTableWidget;

// An application folder with the delivered database, connected; every window a test opened is closed and
// unloaded when it ends.
class ConnectedAppTest : public AppTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A row stored behind the screens' back: `values` in the table's column order, from column 0.
    void insertRow(const QString& table, const QStringList& columns, const QStringList& values);
    int rowCount(const QString& table);
};

// Drives a screen as the operator does, by the given names of its controls.
class ScreenDriver {
public:
    explicit ScreenDriver(QWidget* screen) : screen_(screen) {}
    QWidget* screen() const { return screen_; }

    // The control of that name; fails the test when there is none.
    template <class T = QWidget> T* control(const QString& name) const {
        T* c = screen_->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    // Shows the screen and makes it the active window.
    void activate() const;
    // Focuses the control and types the keys one by one, so its filters apply.
    void type(const QString& name, const QString& keys) const;
    // The text a text box, list or text edit shows.
    QString text(const QString& name) const;
    // Clicks picture button `name` ("Picture9") at its centre.
    void click(const QString& name) const;
    // Presses CTRL + key where the keyboard is.
    void ctrl(Qt::Key key) const;
    // The texts of one grid row, left to right.
    QStringList gridRow(const QString& gridName, int row) const;

private:
    QWidget* screen_;
};
