#include "framework/Screens.h"

#include "data/DbError.h"
#include "data/Messages.h"
#include "data/ProgramState.h"
#include "data/modConnectDB.h"
#include "framework/Chrome.h"
#include "framework/Controls.h"
#include "framework/MenuControl.h"

#include <QCloseEvent>
#include <QVBoxLayout>

bool Trapped(TrapWording wording, const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const DbError& e) {
        ReportTrapped(wording, e.description(), e.statement());
    } catch (const std::exception& e) {
        ReportTrapped(wording, QString::fromUtf8(e.what()));
    }
    return false;
}

bool OpenWorkingSet(Recordset& rs, const QString& sql, Recordset::Mode mode) {
    if (rs.Open(sql, DbConnection, mode)) return true;
    ShowDatabaseError(rs.LastError(), rs.LastStatement());
    return false;
}

bool withRows(Recordset& rs, const std::function<void()>& fill) {
    bool empty = false;
    Trapped(TrapWording::DescriptionOnly, [&] {
        empty = rs.RecordCount() == 0;
        if (empty)
            MsgBox(MsgIcon::Exclamation, MsgButtons::Ok, "No Record Warning", "No Record Found");
        else
            fill();
    });
    return !empty;
}

ChildScreen::ChildScreen(ScreenInfo info) : info_(std::move(info)) {
    setObjectName(info_.objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    body_ = new QVBoxLayout(this);
    body_->setContentsMargins(18, TitleBarHeight + 10, 18, 14);
    body_->setSpacing(10);
}

bool ChildScreen::load() {
    enter();
    dress();
    fillLists();
    setPictures();
    setDefaults();
    if (!openSets()) return false;
    showRows();
    return !closing_;
}

void ChildScreen::dress() {
    FormDesign(this, info_.caption, info_.heightTwips, info_.widthTwips);
    CenterForm(this);
    setAccessibleName(info_.caption.trimmed());
    nameControls(this, info_.caption);
}

void ChildScreen::closeEvent(QCloseEvent* e) {
    if (!closing_) {
        closing_ = true;
        closing();
    }
    QWidget::closeEvent(e);
}

void MenuScreen::enter() {
    MenuHide();
    ActiveScreen = this;
}

void MenuScreen::closing() {
    hide();
    if (ActiveScreen == this) ActiveScreen = nullptr;
    MenuShow(CurrentUserType);
}

void ListScreen::LookUp(QWidget* caller) {
    if (!caller_) {
        if (caller) caller->setEnabled(false);
        caller_ = caller;
    } else {
        MsgBox(MsgIcon::None, MsgButtons::Ok, AppTitle,
               windowTitle() + " already in use." + LineBreak + "Please complete prvious request.");
    }
    show();
    raise();
    activateWindow();
}

void ListScreen::releaseCaller() {
    QWidget* c = caller_.data();
    caller_ = nullptr;
    if (!c) return;
    c->setEnabled(true);
    c->raise();
    c->activateWindow();
}

void ListScreen::closing() {
    hide();
    releaseCaller();
}

ListScreen::~ListScreen() {
    // A list unloaded without closing (the program ending) still gives its caller back.
    releaseCaller();
}
