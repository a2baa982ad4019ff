#include "shell/MenuControl.h"

#include "shell/frmMain.h"

void MenuHide() {
    if (frmMain* m = frmMain::instance()) m->MenuHide();
}

void MenuShow(const QString& userType) {
    if (frmMain* m = frmMain::instance()) m->MenuShow(userType);
}
