#include "data/Environment.h"
#include "framework/WidgetMessages.h"
#include "shell/GuardedApplication.h"
#include "shell/frmLoading.h"

#include "framework/Palette.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyleFactory>

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName("Sanavo");
    QApplication::setApplicationVersion(SANAVO_VERSION);
    // The splash and login windows hide rather than close, and the program ends only through
    // EndProgram, never because the last window went out of sight.
    QApplication::setQuitOnLastWindowClosed(false);

    // --folder DIR runs the program on another application folder.
    QString folder = QApplication::applicationDirPath();
    const QStringList args = QApplication::arguments();
    const qsizetype at = args.indexOf("--folder");
    if (at >= 0 && at + 1 < args.size()) folder = args[at + 1];
    setAppFolder(folder);
    // The pictures stand beside the program in a build, and in the shared files of an installation
    // (<prefix>/lib/sanavo/sanavo and <prefix>/share/sanavo/pictures).
    const QDir programDir(QApplication::applicationDirPath());
    for (const QString& pictures : {programDir.path(), programDir.filePath("../../share/sanavo/pictures")})
        if (QFileInfo::exists(pictures + "/backall.gif")) {
            setPictureFolder(pictures);
            break;
        }
    installWidgetMessages();

    // One look on every desktop: the Fusion style in the program's colours.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Window, Palette::paper());
    pal.setColor(QPalette::WindowText, Palette::ink());
    pal.setColor(QPalette::Button, Palette::blush());
    pal.setColor(QPalette::ButtonText, Palette::ink());
    pal.setColor(QPalette::Highlight, Palette::crimson());
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::ToolTipBase, Palette::paper());
    pal.setColor(QPalette::ToolTipText, Palette::ink());
    QApplication::setPalette(pal);

    // A second copy on the same database is refused before it reads or writes anything.
    if (!ClaimAppFolder()) return 1;

    int code = 1;
    RunGuarded([&] {
        frmLoading splash;
        splash.start();
        code = QApplication::exec();
    });
    return code;
}
