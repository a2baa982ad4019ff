#include "data/Environment.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

namespace {

class PicturesTest : public AppTest {
protected:
    QImage read(const QString& name) {
        QFile f(folder() + "/" + name);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_TRUE(f.read(6) == "GIF89a") << name.toStdString() << " is not a GIF file";
        QImageReader reader(folder() + "/" + name);
        EXPECT_EQ(reader.format(), "gif") << name.toStdString();
        return reader.read();
    }
    static bool white(const QImage& img, int x, int y) { return (img.pixel(x, y) & RGB_MASK) == 0xffffff; }
};

const char* const kButtons[] = {"first",   "previous", "next",   "last",   "new",   "edit", "delete",
                                "viewall", "save",     "cancel", "ok",     "can",   "add",  "print",
                                "clear",   "newbill",  "gen",    "search", "copydb"};

} // namespace

TEST_F(PicturesTest, EveryButtonAndItsHoverTwinIsAGifOfOneSizeWhiteOutsideItsShape) {
    const QSize size = read("first.gif").size();
    EXPECT_GE(size.width(), 40);
    EXPECT_GE(size.height(), 24);
    for (const char* base : kButtons) {
        const QImage normal = read(QString(base) + ".gif"), lit = read(QString(base) + "1.gif");
        ASSERT_FALSE(normal.isNull()) << base;
        ASSERT_FALSE(lit.isNull()) << base;
        EXPECT_EQ(normal.size(), size) << base;
        EXPECT_EQ(lit.size(), size) << base;
        EXPECT_NE(normal, lit) << base << ": the hover twin must look different";
        for (const QImage* img : {&normal, &lit}) {
            const int w = img->width(), h = img->height();
            // The rounded corners are outside the shape; the middle and the edges' midpoints are inside.
            EXPECT_TRUE(white(*img, 0, 0) && white(*img, w - 1, 0) && white(*img, 0, h - 1) &&
                        white(*img, w - 1, h - 1))
                << base;
            EXPECT_FALSE(white(*img, w / 2, h / 2) || white(*img, w / 2, 2) || white(*img, 2, h / 2)) << base;
            // Inside the shape nothing is exactly white, so no hole opens in the button.
            int holes = 0;
            for (int y = 4; y < h - 4; ++y)
                for (int x = 4; x < w - 4; ++x)
                    holes += white(*img, x, y);
            EXPECT_EQ(holes, 0) << base;
        }
    }
}

TEST_F(PicturesTest, TheLogInButtonTheHelpIconAndTheBackgroundAreThere) {
    const QImage login = read("Login1.gif");
    ASSERT_FALSE(login.isNull());
    EXPECT_TRUE(white(login, 0, 0));
    EXPECT_FALSE(white(login, login.width() / 2, login.height() / 2));
    const QImage help = read("help1.gif");
    ASSERT_FALSE(help.isNull());
    EXPECT_TRUE(white(help, 0, 0));
    EXPECT_FALSE(white(help, help.width() / 2, 3));
    const QImage back = read("backall.gif");
    ASSERT_FALSE(back.isNull());
    EXPECT_GE(back.width(), 640);
    // A quiet light background: no pixel darker than a pale tint.
    int darkest = 255;
    for (int y = 0; y < back.height(); y += 7)
        for (int x = 0; x < back.width(); x += 7)
            darkest = std::min(darkest, qGray(back.pixel(x, y)));
    EXPECT_GT(darkest, 200);
}

TEST_F(PicturesTest, AFolderWithoutAPictureTakesItFromThePictureFolderAndItsOwnCopyWins) {
    ASSERT_TRUE(QFile::remove(folder() + "/save.gif"));
    const QString shared = QDir(SANAVO_PICTURES_DIR).absolutePath();
    setPictureFolder(SANAVO_PICTURES_DIR);
    EXPECT_EQ(PictureFile("save.gif"), shared + "/save.gif");
    EXPECT_EQ(PictureFile("print.gif"), folder() + "/print.gif");
    EXPECT_FALSE(QImage(PictureFile("save.gif")).isNull());
    setPictureFolder({});
    EXPECT_EQ(PictureFile("save.gif"), folder() + "/save.gif");
}
