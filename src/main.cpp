#include "data/Environment.h"
#include "data/modConnectDB.h"
#include "shell/WidgetMessages.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sanavo");
    QApplication::setApplicationVersion(SANAVO_VERSION);

    // --folder DIR runs the program on another application folder.
    QString folder = QApplication::applicationDirPath();
    const QStringList args = QApplication::arguments();
    const qsizetype at = args.indexOf("--folder");
    if (at >= 0 && at + 1 < args.size()) folder = args[at + 1];
    setAppFolder(folder);
    installWidgetMessages();

    if (!ConnectDB()) return 1;
    QMainWindow main;
    main.setWindowTitle("Sanavo");
    main.showMaximized();
    return QApplication::exec();
}
