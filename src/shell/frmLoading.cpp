#include "shell/frmLoading.h"

#include "data/Environment.h"
#include "data/Messages.h"
#include "framework/Chrome.h"
#include "framework/Palette.h"
#include "framework/clsStyle.h"
#include "shell/Desktop.h"
#include "shell/HospitalMark.h"
#include "shell/frmAboutme.h"
#include "shell/frmLogin.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QSysInfo>
#include <QTimer>

namespace {

void text(QWidget* parent, const QString& name, const QString& t, int pixelSize, bool bold, const QColor& c,
          const QRect& at) {
    windowText(parent, name, t, pixelSize, bold, c)->setGeometry(at);
}

} // namespace

QString platformLine() {
    return "For " + (QSysInfo::kernelType() == "linux" ? QString("Linux") : QSysInfo::prettyProductName());
}

frmLoading::frmLoading() {
    setObjectName("frmLoading");
    setWindowTitle(AppTitle);
    resize(520, 320);
    clsStyleForm style;
    style.Client(this);
    style.Titlebar(false);

    text(this, "lblTitle", AppTitle, 54, true, Palette::ink(), QRect(150, 62, 340, 70));
    text(this, "lblSubtitle", "Hospital Front Office", 17, false, Palette::wine(), QRect(153, 130, 340, 26));
    text(this, "lblVersion", versionText(), 14, false, Palette::slate(), QRect(153, 170, 340, 22));
    text(this, "lblPlatform", platformLine(), 14, false, Palette::slate(), QRect(153, 192, 340, 22));
    text(this, "lblLoading", "Loading ", 13, true, Palette::ink(), QRect(40, 262, 70, 20));
    progress_ = new QProgressBar(this);
    progress_->setObjectName("ProgressBar1");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setGeometry(112, 264, 368, 16);
    progress_->setStyleSheet(
        "QProgressBar { background: #fcfaf9; border: 1px solid #e4b8b8; border-radius: 7px; }"
        "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
        " stop:0 #e4b8b8, stop:1 #c42424); border-radius: 6px; }");
    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &frmLoading::Timer1_Timer);
    FormRoundRect(this);
}

frmLoading::~frmLoading() = default;

void frmLoading::start() {
    CenterForm(this);
    background_ = QPixmap(PictureFile("backall.gif"));
    SaveDisplayMode();
    show();
    QDir::setCurrent(AppFolder());
    timer_->start();
}

void frmLoading::Timer1_Timer() {
    if (progress_->value() <= 98) progress_->setValue(progress_->value() + 10);
    if (progress_->value() <= 98) return;
    // Stopped first: the hint box runs its own event loop, in which the timer must not tick again.
    timer_->stop();
    hide();
    // The hint names the delivered account; once its password is changed it would be false.
    if (hintAccountLogsIn()) MsgBox(MsgIcon::Information, MsgButtons::Ok, AppTitle, LoginHint);
    login_ = std::make_unique<frmLogin>();
    login_->show();
    login_->raise();
    login_->activateWindow();
}

void frmLoading::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!background_.isNull())
        p.drawPixmap(rect(), background_);
    else
        p.fillRect(rect(), Palette::paper());
    drawHospitalMark(p, QRect(44, 78, 88, 88));
    p.setPen(QPen(Palette::rose(), 1));
    p.drawLine(40, 240, width() - 40, 240);
}
