#include "printing/PrintBackends.h"
#include "support/AppFixture.h"

#include <QPrinter>

using PageModelTest = AppTest;

TEST_F(PageModelTest, PrintTextReturnsToLeftMovesDownOneLineAndFontsCarryOverToTheNextJob) {
    PrintPage.endDocument(); // nothing printed yet: nothing handed over
    EXPECT_EQ(PrintPage.fontName(), ReportTypeface);
    EXPECT_FALSE(PrintPage.fontBold());
    PrintPage.setFontName("Arial");
    PrintPage.setFontSize(9);
    PrintPage.setFontBold(true);
    PrintPage.setCurrentX(3580);
    PrintPage.setCurrentY(700);
    PrintPage.printText("17");
    const double line = lineHeightTwips({"Arial", 9, true});
    EXPECT_GT(line, 9 * 20);     // a line is taller than the type size
    EXPECT_LT(line, 9 * 20 * 2); // and not two lines
    EXPECT_EQ(PrintPage.currentX(), 0);
    EXPECT_DOUBLE_EQ(PrintPage.currentY(), 700 + line);
    PrintPage.printText("next");
    EXPECT_TRUE(PrintPage.documentOpen());
    PrintPage.endDocument();
    EXPECT_FALSE(PrintPage.documentOpen());
    PrintPage.printAt(0, 555, "bill again");
    PrintPage.endDocument();
    PrintPage.endDocument();

    const auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_EQ(printer->endDocuments(), 2);
    ASSERT_EQ(docs[0].size(), 2u);
    EXPECT_EQ(docs[0][0].text, "17");
    EXPECT_EQ(QPointF(docs[0][0].x, docs[0][0].y), QPointF(3580, 700));
    EXPECT_EQ(docs[0][0].font, (PrintFont{"Arial", 9, true}));
    EXPECT_EQ(docs[0][1].x, 0);
    EXPECT_DOUBLE_EQ(docs[0][1].y, 700 + line);
    EXPECT_EQ(docs[1][0].text, "bill again");
    EXPECT_EQ(docs[1][0].font, (PrintFont{"Arial", 9, true}));
}

TEST_F(PageModelTest, FailureThrowsAwayTheOpenDocumentAndTheNextPrintStartsAFreshOne) {
    PrintPage.printAt(0, 555, "first");
    printer->failAtText(2, "Printer out of paper");
    PrintPage.printAt(0, 755, "second");
    try {
        PrintPage.printAt(0, 955, "third");
        FAIL() << "the failure did not reach the caller";
    } catch (const PrintError& e) {
        EXPECT_EQ(e.description(), "Printer out of paper");
    }
    EXPECT_FALSE(PrintPage.documentOpen());
    EXPECT_EQ(printer->abandoned(), 1);
    EXPECT_TRUE(printer->documents().empty());

    PrintPage.printAt(0, 555, "again");
    PrintPage.endDocument();
    ASSERT_EQ(printer->documents().size(), 1u);
    ASSERT_EQ(printer->documents()[0].size(), 1u);
    EXPECT_EQ(printer->documents()[0][0].text, "again");

    // Failing at the end of a document hands nothing over either.
    printer->failAtEndDocument(1);
    PrintPage.printAt(0, 0, "bill");
    EXPECT_THROW(PrintPage.endDocument(), PrintError);
    EXPECT_FALSE(PrintPage.documentOpen());
    EXPECT_EQ(printer->documents().size(), 1u);
}

TEST_F(PageModelTest, FailureBoxes) {
    ShowBillPrinterFailure("No printer is installed");
    ShowBillPrinterFailure();
    const auto box = [](const QString& title, const QString& text) {
        return RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, title, text};
    };
    EXPECT_EQ(messages.calls(),
              (std::vector<RecordedMessage>{
                  box("Sanavo", "Please Check the Printer is Correctly InstalledNo printer is installed"),
                  box("Sanavo", "Please Check the Printer is Correctly Installed")}));
}

TEST_F(PageModelTest, RightAlignedTextKeepsACharacterOutsideTheBasicPlaneWholeAndANullPrinterIsNoPrinter) {
    auto rec = std::make_shared<RecordingBackend>();
    PrintPage.setBackend(rec);
    const QString smile = QString::fromUcs4(U"\U0001F600");
    printRightAligned(smile + "a" + smile, 1000, 50);
    std::vector<std::pair<QString, double>> placed;
    for (const PrintEvent& e : rec->texts())
        placed.emplace_back(e.text, e.x);
    EXPECT_EQ(placed, (std::vector<std::pair<QString, double>>{{smile, 1000}, {"a", 890}, {smile, 780}}));

    PrintPage.setBackend(std::make_shared<SystemPrinterBackend>([] { return std::unique_ptr<QPrinter>(); }));
    try {
        PrintPage.printAt(0, 0, "x");
        ADD_FAILURE() << "printed without a printer";
    } catch (const PrintError& e) {
        EXPECT_EQ(e.description(), "No printer is installed");
    }
}
