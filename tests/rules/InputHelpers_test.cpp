#include "rules/InputRules.h"

#include <QDate>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QStringList kSexes{"Male", "Female"};

void expectBox(const TextBoxState& box, const QString& text, int selStart, int selLength) {
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.selStart, selStart) << box.text.toStdString();
    EXPECT_EQ(box.selLength, selLength) << box.text.toStdString();
}

} // namespace

TEST(NameOnlyKey, LettersAndBackspacePassEverythingElseSendsTheCaretToTheEnd) {
    for (int key : std::initializer_list<int>{'A', 'Z', 'a', 'z', 'M', 8}) {
        EXPECT_EQ(nameOnlyKey(key).key, key);
        EXPECT_FALSE(nameOnlyKey(key).caretToEnd);
    }
    for (int key :
         std::initializer_list<int>{'@', '[', '`', '{', ' ', '.', '\'', '-', '0', '9', 13, 27, 0xE9}) {
        EXPECT_EQ(nameOnlyKey(key).key, 0) << key;
        EXPECT_TRUE(nameOnlyKey(key).caretToEnd) << key;
    }
}

TEST(NumberOnlyKey, DigitsColonBackspaceAndOnePointPass) {
    for (bool decimals : {false, true}) {
        for (int key : std::initializer_list<int>{'0', '9', ':', 8})
            EXPECT_EQ(numberOnlyKey("12", key, decimals).key, key) << key;
        for (int key : std::initializer_list<int>{'/', ';', 'a', '-', ' ', '+', 13}) {
            EXPECT_EQ(numberOnlyKey("12", key, decimals).key, 0) << key;
            EXPECT_TRUE(numberOnlyKey("12", key, decimals).caretToEnd) << key;
        }
    }
    EXPECT_EQ(numberOnlyKey("12", '.', false).key, 0);
    EXPECT_TRUE(numberOnlyKey("12", '.', false).caretToEnd);
    EXPECT_EQ(numberOnlyKey("12", '.', true).key, '.');
    EXPECT_EQ(numberOnlyKey("", '.', true).key, '.');
    // The second point is refused with the caret left where it is; digits still pass after it.
    EXPECT_EQ(numberOnlyKey("12.5", '.', true).key, 0);
    EXPECT_FALSE(numberOnlyKey("12.5", '.', true).caretToEnd);
    EXPECT_EQ(numberOnlyKey("12.5", '7', true).key, '7');
}

TEST(PasteThroughFilters, OnlyAcceptedCharactersReplaceTheSelection) {
    // "Jo|hn|ny" with "hn" selected; pasted "O'Neil 3" keeps its letters.
    expectBox(pasteNameOnly({"Johnny", 2, 2}, "O'Neil 3"), "JoONeilny", 7, 0);
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

TEST(AutoCompleteKey, OneKeystrokeFromEachState) {
    constexpr int kAny = -2;
    struct Case {
        QStringList items;
        TextBoxState in;
        int key;
        bool freeText;
        TextBoxState out;
        int matched = kAny;
        int passedKey = 0;
        std::optional<DropDown> dropDown = std::nullopt;
    };
    const QStringList ids{"OP10", "OP2", "op3"};
    const std::vector<Case> cases{
        // The passed key is 0 but for Enter. Completes to the first item, selecting the tail; the next key
        // replaces the selection.
        {kSexes, {"", 0, 0}, 'm', false, {"Male", 1, 3}, 0, 0, DropDown::Open},
        {kSexes, {"", 0, 0}, 'f', false, {"Female", 1, 5}, 1},
        {kSexes, {"Female", 1, 5}, 'E', false, {"Female", 2, 4}},
        // The match ignores case but shows the item as listed; the first item in list order wins.
        {ids, {"", 0, 0}, 'o', true, {"OP10", 1, 3}},
        {ids, {"OP10", 1, 3}, 'p', true, {"OP10", 2, 2}},
        {ids, {"OP10", 2, 2}, '2', true, {"OP2", 3, 0}, 1},
        {{"fee", "Female"}, {"", 0, 0}, 'F', false, {"fee", 1, 2}},
        // The typed character goes at the end wherever the caret is.
        {kSexes, {"Ma", 0, 0}, 'l', false, {"Male", 3, 1}},
        // No match without free text clears the box and keeps the list open...
        {kSexes, {"", 0, 0}, 'x', false, {"", 0, 0}, -1, 0, DropDown::Open},
        {kSexes, {"Male", 1, 3}, 'x', false, {"", 0, 0}, -1, 0, DropDown::Open},
        // ...with free text it keeps the typing and closes the list.
        {kSexes, {"Male", 1, 3}, 'x', true, {"Mx", 2, 0}, -1, 0, DropDown::Close},
        {{}, {"", 0, 0}, '1', true, {"1", 1, 0}},
        // Backspace removes the completed tail, or else the last character wherever the caret is.
        {kSexes, {"Male", 1, 3}, 8, false, {"M", 1, 0}, kAny, 0, DropDown::Keep},
        {kSexes, {"Male", 1, 0}, 8, false, {"Mal", 3, 0}},
        {kSexes, {"", 0, 0}, 8, false, {"", 0, 0}},
        // Enter is passed on with the caret at the end; other control keys only drop the selection.
        {kSexes, {"Male", 1, 3}, 13, false, {"Male", 4, 0}, kAny, 13},
        {kSexes, {"Male", 1, 3}, 27, false, {"Male", 1, 0}, kAny, 0, DropDown::Keep},
        // State outside the text is cut back.
        {kSexes, {"Ma", 7, 4}, 'l', false, {"Male", 3, 1}},
        {kSexes, {"Ma", -3, 9}, 8, false, {"", 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.in.text.toStdString() << " + " << c.key);
        const TypeAheadResult r = autoCompleteKey(c.items, c.in, c.key, c.freeText);
        expectBox(r.box, c.out.text, c.out.selStart, c.out.selLength);
        if (c.matched != kAny) {
            EXPECT_EQ(r.matched, c.matched);
        }
        EXPECT_EQ(r.key, c.passedKey);
        if (c.dropDown) {
            EXPECT_EQ(r.dropDown, *c.dropDown);
        }
    }
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

TEST(WrapCellText, HeightsRoundHalfToEvenAndPiecesAreThirtyTheLastUpToThirtyOne) {
    const QString thirty(30, u'a');
    EXPECT_EQ(wrapCellText(thirty, 240).text, thirty + "\r\n");
    EXPECT_EQ(wrapCellText("", 240).text, "");
    // length -> height: up to 30 characters h + 200, beyond (h + 500) * n
    const std::vector<std::pair<int, int>> heights{
        {0, 440},      {30, 440},     {31, 740},     {44, 740},      {45, 740 * 2},  {46, 740 * 2},
        {61, 740 * 2}, {75, 740 * 2}, {76, 740 * 3}, {105, 740 * 4}, {135, 740 * 4}, {136, 740 * 5}};
    for (const auto& [length, height] : heights)
        EXPECT_EQ(wrapCellText(QString(length, u'x'), 240).heightTwips, height) << length;

    const std::vector<std::pair<int, std::vector<int>>> pieces{
        {31, {31}}, {32, {30, 2}}, {61, {30, 31}}, {62, {30, 30, 2}}, {90, {30, 30, 30}}};
    for (const auto& [length, sizes] : pieces) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'a' + i % 26);
        const QString wrapped = wrapCellText(text, 0).text;
        EXPECT_TRUE(wrapped.endsWith("\r\n"));
        EXPECT_EQ(unwrapCellText(wrapped), text);
        std::vector<int> got;
        for (const QString& piece : wrapped.split("\r\n", Qt::SkipEmptyParts))
            got.push_back(int(piece.size()));
        EXPECT_EQ(got, sizes) << length;
    }
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
