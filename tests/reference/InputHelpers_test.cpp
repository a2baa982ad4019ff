#include "reference/modInputHelpers.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

const QStringList kSexes{"Male", "Female"};

void expectBox(const TextBoxState& box, const QString& text, int selStart, int selLength) {
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.selStart, selStart) << box.text.toStdString();
    EXPECT_EQ(box.selLength, selLength) << box.text.toStdString();
}

} // namespace

TEST(NameOnlyKey, LettersAndBackspacePassAtTheirBoundaries) {
    for (int key : std::initializer_list<int>{'A', 'Z', 'a', 'z', 'M', 8}) {
        const KeyFilterResult r = nameOnlyKey(key);
        EXPECT_EQ(r.key, key);
        EXPECT_FALSE(r.caretToEnd);
    }
}

TEST(NameOnlyKey, EverythingElseIsDroppedAndSendsTheCaretToTheEnd) {
    for (int key :
         std::initializer_list<int>{'@', '[', '`', '{', ' ', '.', '\'', '-', '0', '9', 13, 27, 0xE9}) {
        const KeyFilterResult r = nameOnlyKey(key);
        EXPECT_EQ(r.key, 0) << key;
        EXPECT_TRUE(r.caretToEnd) << key;
    }
}

TEST(NumberOnlyKey, DigitsColonAndBackspacePassButNotTheirNeighbours) {
    for (bool decimals : {false, true}) {
        for (int key : std::initializer_list<int>{'0', '9', ':', 8})
            EXPECT_EQ(numberOnlyKey("12", key, decimals).key, key) << key;
        for (int key : std::initializer_list<int>{'/', ';', 'a', '-', ' ', '+', 13}) {
            const KeyFilterResult r = numberOnlyKey("12", key, decimals);
            EXPECT_EQ(r.key, 0) << key;
            EXPECT_TRUE(r.caretToEnd) << key;
        }
    }
}

TEST(NumberOnlyKey, PointRefusedWithoutDecimalsAndTheSecondOneLeavesTheCaret) {
    const KeyFilterResult noDecimals = numberOnlyKey("12", '.', false);
    EXPECT_EQ(noDecimals.key, 0);
    EXPECT_TRUE(noDecimals.caretToEnd);

    EXPECT_EQ(numberOnlyKey("12", '.', true).key, '.');
    EXPECT_EQ(numberOnlyKey("", '.', true).key, '.');

    const KeyFilterResult second = numberOnlyKey("12.5", '.', true);
    EXPECT_EQ(second.key, 0);
    EXPECT_FALSE(second.caretToEnd);
    // Digits still pass after the point.
    EXPECT_EQ(numberOnlyKey("12.5", '7', true).key, '7');
}

TEST(PasteThroughFilters, OnlyAcceptedCharactersReplaceTheSelection) {
    // "Jo|hn|ny" with "hn" selected; pasted "O'Neil 3" keeps its letters.
    expectBox(pasteNameOnly(
                  {
                      "Johnny",
                      2,
                      2,
                  },
                  "O'Neil 3"),
              "JoONeilny", 7, 0);
    expectBox(pasteNameOnly({"Ann", 3, 0}, "\b-1"), "Ann", 3, 0);

    // Each point is judged against the text built so far.
    expectBox(pasteNumberOnly({"", 0, 0}, "1.2.3", true), "1.23", 4, 0);
    expectBox(pasteNumberOnly({"", 0, 0}, "1.2.3", false), "123", 3, 0);
    // A point in the untouched tail refuses every pasted one...
    expectBox(pasteNumberOnly({"4.5", 0, 0}, "9.9", true), "994.5", 2, 0);
    // ...but a selected point is replaced, so one pasted point may take its place.
    expectBox(pasteNumberOnly({"4.5", 1, 1}, ".25", true), "4.255", 4, 0);
    // Control characters are never inserted, even the backspace the key rule lets through.
    expectBox(pasteNumberOnly({"1", 1, 0}, "\b2\r\n3", false), "123", 3, 0);
    // A selection reaching past the text is cut back to it.
    expectBox(pasteNumberOnly({"12", 5, 9}, "3", false), "123", 3, 0);
}

TEST(AutoCompleteKey, CompletesToTheFirstItemAndSelectsTheTail) {
    TypeAheadResult r = autoCompleteKey(kSexes, {"", 0, 0}, 'm', false);
    expectBox(r.box, "Male", 1, 3);
    EXPECT_EQ(r.matched, 0);
    EXPECT_EQ(r.key, 0);
    EXPECT_EQ(r.dropDown, DropDown::Open);

    r = autoCompleteKey(kSexes, {"", 0, 0}, 'f', false);
    expectBox(r.box, "Female", 1, 5);
    EXPECT_EQ(r.matched, 1);

    // The next key replaces the selected completion.
    r = autoCompleteKey(kSexes, r.box, 'E', false);
    expectBox(r.box, "Female", 2, 4);
}

TEST(AutoCompleteKey, MatchIgnoresCaseButShowsTheItemAsListed) {
    const QStringList ids{"OP10", "OP2", "op3"};
    TypeAheadResult r = autoCompleteKey(ids, {"", 0, 0}, 'o', true);
    expectBox(r.box, "OP10", 1, 3);
    r = autoCompleteKey(ids, r.box, 'p', true);
    expectBox(r.box, "OP10", 2, 2);
    r = autoCompleteKey(ids, r.box, '2', true);
    expectBox(r.box, "OP2", 3, 0);
    EXPECT_EQ(r.matched, 1);
    // The first item in list order wins, whatever its case.
    r = autoCompleteKey({"fee", "Female"}, {"", 0, 0}, 'F', false);
    expectBox(r.box, "fee", 1, 2);
}

TEST(AutoCompleteKey, TypedCharacterGoesAtTheEndWhereverTheCaretIs) {
    const TypeAheadResult r = autoCompleteKey(kSexes, {"Ma", 0, 0}, 'l', false);
    expectBox(r.box, "Male", 3, 1);
}

TEST(AutoCompleteKey, NoMatchWithoutFreeTextClearsTheBox) {
    TypeAheadResult r = autoCompleteKey(kSexes, {"", 0, 0}, 'x', false);
    expectBox(r.box, "", 0, 0);
    EXPECT_EQ(r.matched, -1);
    EXPECT_EQ(r.key, 0);
    EXPECT_EQ(r.dropDown, DropDown::Open);

    r = autoCompleteKey(kSexes, {"Male", 1, 3}, 'x', false);
    expectBox(r.box, "", 0, 0);
    EXPECT_EQ(r.matched, -1);
    EXPECT_EQ(r.dropDown, DropDown::Open);
}

TEST(AutoCompleteKey, NoMatchWithFreeTextKeepsTheTypingAndClosesTheList) {
    TypeAheadResult r = autoCompleteKey(kSexes, {"Male", 1, 3}, 'x', true);
    expectBox(r.box, "Mx", 2, 0);
    EXPECT_EQ(r.dropDown, DropDown::Close);
    EXPECT_EQ(r.matched, -1);
    r = autoCompleteKey({}, {"", 0, 0}, '1', true);
    expectBox(r.box, "1", 1, 0);
}

TEST(AutoCompleteKey, BackspaceRemovesTheCompletedTailOrTheLastCharacter) {
    TypeAheadResult r = autoCompleteKey(kSexes, {"Male", 1, 3}, 8, false);
    expectBox(r.box, "M", 1, 0);
    EXPECT_EQ(r.key, 0);
    EXPECT_EQ(r.dropDown, DropDown::Keep);

    // Without a selection the last character goes, even with the caret elsewhere.
    expectBox(autoCompleteKey(kSexes, {"Male", 1, 0}, 8, false).box, "Mal", 3, 0);
    expectBox(autoCompleteKey(kSexes, {"", 0, 0}, 8, false).box, "", 0, 0);
}

TEST(AutoCompleteKey, EnterIsPassedOnAndOtherControlKeysOnlyDropTheSelection) {
    TypeAheadResult r = autoCompleteKey(kSexes, {"Male", 1, 3}, 13, false);
    EXPECT_EQ(r.key, 13);
    expectBox(r.box, "Male", 4, 0);

    r = autoCompleteKey(kSexes, {"Male", 1, 3}, 27, false);
    EXPECT_EQ(r.key, 0);
    expectBox(r.box, "Male", 1, 0);
    EXPECT_EQ(r.dropDown, DropDown::Keep);
}

TEST(AutoCompleteKey, StateOutsideTheTextIsCutBack) {
    expectBox(autoCompleteKey(kSexes, {"Ma", 7, 4}, 'l', false).box, "Male", 3, 1);
    expectBox(autoCompleteKey(kSexes, {"Ma", -3, 9}, 8, false).box, "", 0, 0);
}

TEST(PasteAutoComplete, TypesThePastedTextCharacterByCharacter) {
    TypeAheadResult r = pasteAutoComplete(kSexes, {"", 0, 0}, "female", false);
    expectBox(r.box, "Female", 6, 0);
    EXPECT_EQ(r.matched, 1);

    // Refused characters are skipped; the item reached so far stays.
    r = pasteAutoComplete(kSexes, {"", 0, 0}, "Fx\r\n", false);
    expectBox(r.box, "Female", 1, 5);
    EXPECT_EQ(r.matched, 1);
    r = pasteAutoComplete(kSexes, {"Male", 1, 3}, "xyz", false);
    expectBox(r.box, "Male", 1, 3);
    EXPECT_EQ(r.matched, -1);

    r = pasteAutoComplete(kSexes, {"", 0, 0}, "Fx", true);
    expectBox(r.box, "Fx", 2, 0);
    EXPECT_EQ(r.dropDown, DropDown::Close);
}

TEST(WrapCellText, ShortTextGetsOneLineAndTwoHundredTwips) {
    const QString thirty(30, u'a');
    const WrappedCell cell = wrapCellText(thirty, 240);
    EXPECT_EQ(cell.heightTwips, 440);
    EXPECT_EQ(cell.text, thirty + "\r\n");

    const WrappedCell empty = wrapCellText("", 240);
    EXPECT_EQ(empty.heightTwips, 440);
    EXPECT_EQ(empty.text, "");
}

TEST(WrapCellText, LinesRoundHalfToEven) {
    // length -> n in (h + 500) * n
    const std::vector<std::pair<int, int>> cases{{31, 1}, {44, 1}, {45, 2},  {46, 2},  {61, 2},
                                                 {75, 2}, {76, 3}, {105, 4}, {135, 4}, {136, 5}};
    for (const auto& [length, lines] : cases)
        EXPECT_EQ(wrapCellText(QString(length, u'x'), 240).heightTwips, 740 * lines) << length;
}

TEST(WrapCellText, PiecesOfThirtyTheLastUpToThirtyOne) {
    const auto pieces = [](int length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'a' + i % 26);
        const QString wrapped = wrapCellText(text, 0).text;
        EXPECT_TRUE(wrapped.endsWith("\r\n"));
        EXPECT_EQ(unwrapCellText(wrapped), text);
        std::vector<int> sizes;
        for (const QString& piece : wrapped.split("\r\n", Qt::SkipEmptyParts))
            sizes.push_back(int(piece.size()));
        return sizes;
    };
    EXPECT_EQ(pieces(31), (std::vector<int>{31}));
    EXPECT_EQ(pieces(32), (std::vector<int>{30, 2}));
    EXPECT_EQ(pieces(61), (std::vector<int>{30, 31}));
    EXPECT_EQ(pieces(62), (std::vector<int>{30, 30, 2}));
    EXPECT_EQ(pieces(90), (std::vector<int>{30, 30, 30}));
}

TEST(AgeText, BirthdaysMonthEndsAndLeapDays) {
    struct Case {
        QDate birth, today;
        const char* text;
    };
    const std::vector<Case> cases{
        {{2026, 12, 7}, {2026, 12, 7}, " 0 Years,  0 Months,  0 Days"}, // born today
        {{1990, 12, 7}, {2026, 12, 7}, " 36 Years,  0 Months,  0 Days"},
        // The day before a birthday borrows a year and a 30-day month.
        {{1990, 12, 8}, {2026, 12, 7}, " 35 Years,  11 Months,  29 Days"},
        {{2000, 1, 15}, {2026, 1, 14}, " 25 Years,  11 Months,  29 Days"},
        // A borrowed month counts 30 days, whatever its length.
        {{2026, 1, 31}, {2026, 3, 1}, " 0 Years,  1 Months,  0 Days"},
        {{2000, 5, 31}, {2026, 6, 30}, " 26 Years,  0 Months,  29 Days"},
        {{2024, 2, 29}, {2025, 2, 28}, " 0 Years,  11 Months,  29 Days"},
        {{2024, 2, 29}, {2025, 3, 1}, " 1 Years,  0 Months,  2 Days"},
        {{2024, 2, 29}, {2028, 2, 29}, " 4 Years,  0 Months,  0 Days"},
        // Screens refuse a date after today first; the text still writes a negative number without the blank.
        {{2026, 12, 8}, {2026, 12, 7}, "-1 Years,  11 Months,  29 Days"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ageText(c.birth, c.today), c.text) << c.birth.toString(Qt::ISODate).toStdString();
}
