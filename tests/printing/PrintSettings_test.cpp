#include "printing/PrintSettings.h"
#include "support/AppFixture.h"

#include <QFile>

namespace {
void write(const QString& file, const QByteArray& text) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}
} // namespace

using PrintSettingsTest = AppTest;

#define EXPECT_SETTINGS(name, address, phone, output, pdf)                                                   \
    EXPECT_EQ(HospitalName(), name);                                                                         \
    EXPECT_EQ(HospitalAddress(), address);                                                                   \
    EXPECT_EQ(HospitalPhone(), phone);                                                                       \
    EXPECT_EQ(printerOutput(), output);                                                                      \
    EXPECT_EQ(pdfFolder(), pdf)

TEST_F(PrintSettingsTest, TextsArePrintedAsTheInstallerWroteThem) {
    write(folder() + "/sanavo.ini", "\xEF\xBB\xBF; edited by the installer\n"
                                    "HospitalName=before any section\n"
                                    "[hospital]\n"
                                    "hospitalname =  Sri Rāma Hospital  \n"
                                    "HospitalAddress=12,Lake Road; Riverside # east\n"
                                    "HospitalPhone=\" 0471 555 0199 \"\n"
                                    "[Printer]\nOutput= PDF \nPdfFolder=/srv/sanavo/prints/\n"
                                    "[Other]\nHospitalName=not this one\n");
    EXPECT_SETTINGS(QString::fromUtf8("Sri Rāma Hospital"), "12,Lake Road; Riverside # east",
                    " 0471 555 0199 ", PrinterOutput::Pdf, "/srv/sanavo/prints");
}

TEST_F(PrintSettingsTest, MissingFileOrKeysGiveEmptyTextsAndDefaults) {
    QFile::remove(folder() + "/sanavo.ini");
    EXPECT_SETTINGS("", "", "", PrinterOutput::Auto, folder() + "/prints");
    write(folder() + "/sanavo.ini", "[Printer]\nOutput=printer\nPdfFolder=\n");
    EXPECT_SETTINGS("", "", "", PrinterOutput::Printer, folder() + "/prints");
}
