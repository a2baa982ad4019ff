#include "reports/PrintSettings.h"
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

TEST_F(PrintSettingsTest, DeliveredFileHoldsPlaceholdersAndChoosesAuto) {
    EXPECT_EQ(HospitalName(), "Your Hospital Name");
    EXPECT_EQ(HospitalAddress(), "Street, Town, Postal Code");
    EXPECT_EQ(HospitalPhone(), "000 000 0000");
    EXPECT_EQ(printerOutput(), PrinterOutput::Auto);
    EXPECT_EQ(pdfFolder(), folder() + "/prints");
}

TEST_F(PrintSettingsTest, TextsArePrintedAsTheInstallerWroteThem) {
    write(folder() + "/sanavo.ini", "\xEF\xBB\xBF; edited by the installer\n"
                                    "[hospital]\n"
                                    "hospitalname =  Sri Rāma Hospital  \n"
                                    "HospitalAddress=12,Lake Road; Riverside # east\n"
                                    "HospitalPhone=\" 0471 555 0199 \"\n"
                                    "[Printer]\nOutput= PDF \nPdfFolder=/srv/sanavo/prints/\n"
                                    "[Other]\nHospitalName=not this one\n");
    EXPECT_EQ(HospitalName(), QString::fromUtf8("Sri Rāma Hospital"));
    EXPECT_EQ(HospitalAddress(), "12,Lake Road; Riverside # east");
    EXPECT_EQ(HospitalPhone(), " 0471 555 0199 ");
    EXPECT_EQ(printerOutput(), PrinterOutput::Pdf);
    EXPECT_EQ(pdfFolder(), "/srv/sanavo/prints");
}

TEST_F(PrintSettingsTest, MissingFileOrKeysGiveEmptyTextsAndDefaults) {
    QFile::remove(folder() + "/sanavo.ini");
    EXPECT_EQ(HospitalName(), "");
    EXPECT_EQ(HospitalPhone(), "");
    EXPECT_EQ(printerOutput(), PrinterOutput::Auto);
    EXPECT_EQ(pdfFolder(), folder() + "/prints");
    write(folder() + "/sanavo.ini", "[Printer]\nOutput=printer\nPdfFolder=\n");
    EXPECT_EQ(printerOutput(), PrinterOutput::Printer);
    EXPECT_EQ(pdfFolder(), folder() + "/prints");
    EXPECT_EQ(HospitalAddress(), "");
}
