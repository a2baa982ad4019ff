#pragma once

#include <QPixmap>
#include <QWidget>
#include <memory>

class QProgressBar;
class QTimer;
class frmLogin;

// The splash window: the product title, version and platform, and a progress bar that fills in ten
// steps of 500 ms; then the log-in hint and the login window. It stays loaded, hidden, afterwards.
class frmLoading : public QWidget {
    Q_OBJECT
public:
    frmLoading();
    ~frmLoading() override;

    // Centres the window, records the display mode, shows the window, makes the application folder
    // the current folder and starts Timer1.
    void start();
    // One tick of Timer1.
    void Timer1_Timer();

    QProgressBar* progressBar() const { return progress_; }
    QTimer* timer() const { return timer_; }
    frmLogin* loginWindow() const { return login_.get(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QProgressBar* progress_;
    QTimer* timer_;
    QPixmap background_;
    std::unique_ptr<frmLogin> login_;
};

// The hint shown before the login window, while it is true.
inline const QString LoginHint = QStringLiteral("Please type - User name : admin , Password : larch");
// "For Linux" on this platform.
QString platformLine();
