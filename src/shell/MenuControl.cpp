#include "shell/MenuControl.h"

// First cut without a main window: nothing to hide or show.
void MenuHide() {}
void MenuShow(const QString&) {}
