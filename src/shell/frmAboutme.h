#pragma once

#include "framework/InfoScreen.h"

// About the program: its name, version and the libraries it is built on, with their licences.
class frmAboutme : public InfoScreen {
    Q_OBJECT
public:
    frmAboutme();
};

// "Version 1.0"
QString versionText();
// The libraries the program uses, one line each: name, version in use, licence.
QStringList libraryLines();
