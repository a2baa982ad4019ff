// Draws the program's icon, the hospital mark, as PNG files for the desktop's icon theme:
// makeicons OUTPUT_FOLDER SIZE... writes OUTPUT_FOLDER/<SIZE>x<SIZE>/apps/sanavo.png for each size.
// Every file written is read back and compared pixel by pixel.
#include "shell/HospitalMark.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

namespace {

QImage icon(int size) {
    // Below 32 px the mark's pulse line keeps a width of 2 px and closes into a white cross; drawn four
    // times as large and scaled down, it stays a thin zigzag.
    const int scale = size < 32 ? 4 : 1;
    const int side = size * scale;
    QImage img(side, side, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    // Icon themes leave a small margin round the badge; at 16 px every pixel counts.
    const int margin = size >= 32 ? side / 16 : 0;
    drawHospitalMark(p, QRect(margin, margin, side - 2 * margin, side - 2 * margin));
    p.end();
    return scale == 1 ? img : img.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool writeIcon(const QString& folder, int size) {
    const QString dir = QString("%1/%2x%2/apps").arg(folder).arg(size);
    const QString file = dir + "/sanavo.png";
    const QImage img = icon(size).convertToFormat(QImage::Format_ARGB32);
    if (!QDir().mkpath(dir) || !img.save(file, "PNG")) {
        std::fprintf(stderr, "makeicons: cannot write %s\n", qPrintable(file));
        return false;
    }
    const QImage back(file);
    if (back.convertToFormat(QImage::Format_ARGB32) != img) {
        std::fprintf(stderr, "makeicons: %s does not read back as drawn\n", qPrintable(file));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: makeicons OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        char* end = nullptr;
        const long size = std::strtol(argv[i], &end, 10);
        if (*end != '\0' || size < 16 || size > 1024) {
            std::fprintf(stderr, "makeicons: bad size %s (16 to 1024 pixels)\n", argv[i]);
            return 2;
        }
        if (!writeIcon(folder, int(size))) return 1;
    }
    std::printf("makeicons: %d icons\n", argc - 2);
    return 0;
}
