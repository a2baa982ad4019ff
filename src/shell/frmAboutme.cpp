#include "shell/frmAboutme.h"

#include "data/Messages.h"

#include <QVBoxLayout>
#include <openssl/crypto.h>
#include <sqlite3.h>

QString versionText() {
    return QStringLiteral("Version " SANAVO_VERSION);
}

QStringList libraryLines() {
    return {QString("Qt %1 \u2013 GNU Lesser General Public License 3").arg(qVersion()),
            QString("SQLite %1 \u2013 public domain").arg(sqlite3_libversion()),
            QString("OpenSSL %1 \u2013 Apache License 2.0").arg(OpenSSL_version(OPENSSL_VERSION_STRING))};
}

frmAboutme::frmAboutme() : InfoScreen({"frmAboutme", "          About Sanavo", 5430, 7290}) {
    addLine("lblTitle", AppTitle, 24, true);
    addLine("lblVersion", versionText(), 14);
    addLine("lblPurpose", "The front office of a small hospital: patients, bills, reports and the "
                          "hospital's reference lists, in one database file.");
    body()->addSpacing(12);
    addLine("lblLibraries", "Built with", 13, true);
    const QStringList libs = libraryLines();
    for (int i = 0; i < libs.size(); ++i)
        addLine(QString("lblLibrary%1").arg(i), libs[i]);
    body()->addStretch(1);
}
