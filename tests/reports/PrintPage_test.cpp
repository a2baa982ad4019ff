#include "reports/PrintBackends.h"
#include "support/AppFixture.h"

using PageModelTest = AppTest;

TEST_F(PageModelTest, PrintTextStartsAtPositionThenReturnsToLeftAndMovesDownOneLine) {
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
    PrintPage.endDocument();

    const auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 1u);
    ASSERT_EQ(docs[0].size(), 2u);
    EXPECT_EQ(docs[0][0].text, "17");
    EXPECT_EQ(docs[0][0].x, 3580);
    EXPECT_EQ(docs[0][0].y, 700);
    EXPECT_EQ(docs[0][0].font, (PrintFont{"Arial", 9, true}));
    EXPECT_EQ(docs[0][1].x, 0);
    EXPECT_DOUBLE_EQ(docs[0][1].y, 700 + line);
}

TEST_F(PageModelTest, LineHeightFollowsSizeAndFont) {
    EXPECT_LT(lineHeightTwips({ReportTypeface, 10, false}), lineHeightTwips({ReportTypeface, 12, false}));
    EXPECT_LT(lineHeightTwips({ReportTypeface, 12, false}), lineHeightTwips({ReportTypeface, 18, false}));
    EXPECT_NEAR(lineHeightTwips({ReportTypeface, 18, false}) / lineHeightTwips({ReportTypeface, 9, false}),
                2.0, 0.1);
}

TEST_F(PageModelTest, FontSettingsCarryOverFromJobToJobAndEachJobIsItsOwnDocument) {
    EXPECT_EQ(PrintPage.fontName(), ReportTypeface);
    EXPECT_FALSE(PrintPage.fontBold());
    PrintPage.setFontName("Arial");
    PrintPage.setFontSize(9);
    PrintPage.setFontBold(true);
    PrintPage.printAt(0, 555, "bill");
    EXPECT_TRUE(PrintPage.documentOpen());
    PrintPage.endDocument();
    EXPECT_FALSE(PrintPage.documentOpen());
    PrintPage.printAt(0, 555, "bill again");
    PrintPage.endDocument();

    const auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_EQ(docs[1][0].text, "bill again");
    EXPECT_EQ(docs[1][0].font, (PrintFont{"Arial", 9, true}));
}

TEST_F(PageModelTest, EndingWithNothingPrintedHandsNothingOver) {
    PrintPage.endDocument();
    PrintPage.printAt(0, 0, "x");
    PrintPage.endDocument();
    PrintPage.endDocument();
    EXPECT_EQ(printer->endDocuments(), 1);
}

TEST_F(PageModelTest, RightAlignedOnA110TwipPitchWhateverTheCharacters) {
    printRightAligned("1234.50", 10000, 5000);
    const auto t = printer->texts();
    ASSERT_EQ(t.size(), 7u);
    const double xs[] = {10000, 9890, 9780, 9670, 9560, 9450, 9340};
    const char* chars[] = {"0", "5", ".", "4", "3", "2", "1"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(t[i].text, chars[i]) << i;
        EXPECT_EQ(t[i].x, xs[i]) << i;
        EXPECT_EQ(t[i].y, 5000) << i; // Y is set again before every character
    }
}

TEST_F(PageModelTest, RightAlignedTotalOfNothingStartsAt8790) {
    printRightAligned("Total : 0.00", 10000, 14300);
    const auto t = printer->texts();
    ASSERT_EQ(t.size(), 12u);
    EXPECT_EQ(t.back().text, "T");
    EXPECT_EQ(t.back().x, 8790);
    // Blanks take their place on the pitch like any character.
    EXPECT_EQ(t[4].text, " ");
    EXPECT_EQ(t[4].x, 10000 - 4 * 110);
}

TEST_F(PageModelTest, RuleIsFiveBlanksAnd134Underscores) {
    PrintPage.setFontSize(10);
    printRule(4600, 100);
    printRule(13800);
    const auto t = printer->texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, QString(5, ' ') + QString(134, '_'));
    EXPECT_EQ(t[0].x, 100);
    EXPECT_EQ(t[0].y, 4600);
    EXPECT_EQ(t[1].x, 0);
    EXPECT_EQ(t[1].y, 13800);
    EXPECT_EQ(t[1].font.size, 10);
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
    const auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 1u);
    ASSERT_EQ(docs[0].size(), 1u);
    EXPECT_EQ(docs[0][0].text, "again");
}

TEST_F(PageModelTest, FailureAtTheEndOfADocumentHandsNothingOver) {
    printer->failAtEndDocument(1);
    PrintPage.printAt(0, 0, "bill");
    EXPECT_THROW(PrintPage.endDocument(), PrintError);
    EXPECT_FALSE(PrintPage.documentOpen());
    EXPECT_TRUE(printer->documents().empty());
}

TEST_F(PageModelTest, FailureBoxes) {
    ShowPrinterFailure("No printer is installed");
    ShowBillPrinterFailure("No printer is installed");
    ShowBillPrinterFailure();
    ASSERT_EQ(messages.count(), 3u);
    const auto& c = messages.calls();
    EXPECT_EQ(c[0].icon, MsgIcon::Critical);
    EXPECT_EQ(c[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(c[0].title, "Printer Info");
    EXPECT_EQ(c[0].text, "Please Check the Printer is Connected or Switch OnNo printer is installed");
    EXPECT_EQ(c[1].icon, MsgIcon::Critical);
    EXPECT_EQ(c[1].title, "Sanavo");
    EXPECT_EQ(c[1].text, "Please Check the Printer is Correctly InstalledNo printer is installed");
    EXPECT_EQ(c[2].title, "Sanavo");
    EXPECT_EQ(c[2].text, "Please Check the Printer is Correctly Installed");
}

TEST_F(PageModelTest, AlwaysFailingBackEnd) {
    auto failing = std::make_shared<FailingBackend>("Printer switched off");
    PrintPage.setBackend(failing);
    try {
        printRightAligned("12.00", 5500, 1800);
        FAIL();
    } catch (const PrintError& e) {
        EXPECT_EQ(e.description(), "Printer switched off");
    }
    EXPECT_EQ(failing->abandoned(), 1);
}
