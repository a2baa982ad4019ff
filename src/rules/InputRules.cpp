#include "rules/InputRules.h"

#include "data/Messages.h"

#include <QDate>
#include <algorithm>

namespace {

TextBoxState clamped(const TextBoxState& box) {
    TextBoxState s = box;
    s.selStart = std::clamp(s.selStart, 0, int(s.text.size()));
    s.selLength = std::clamp(s.selLength, 0, int(s.text.size()) - s.selStart);
    return s;
}

// Pasted characters replace the selection; each is judged against the text as it stands by then.
template <typename Accepts>
TextBoxState pasteThrough(const TextBoxState& box, const QString& pasted, Accepts accepts) {
    const TextBoxState s = clamped(box);
    QString head = s.text.left(s.selStart);
    const QString tail = s.text.mid(s.selStart + s.selLength);
    for (const QChar c : pasted) {
        if (c.unicode() >= FirstPrintable && accepts(head + tail, c.unicode())) head += c;
    }
    return {head + tail, int(head.size()), 0};
}

bool isLetter(int key) {
    return (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
}

} // namespace

KeyFilterResult nameOnlyKey(int key) {
    if (isLetter(key) || key == KeyBackspace) return {key, false};
    return {0, true};
}

TextBoxState pasteNameOnly(const TextBoxState& box, const QString& pasted) {
    return pasteThrough(box, pasted, [](const QString&, int key) { return nameOnlyKey(key).key != 0; });
}

KeyFilterResult numberOnlyKey(const QString& text, int key, bool allowDecimal) {
    if (allowDecimal && key == '.') return {text.contains(u'.') ? 0 : key, false};
    if (key == KeyBackspace || (key >= '0' && key <= ':')) return {key, false};
    return {0, true};
}

TextBoxState pasteNumberOnly(const TextBoxState& box, const QString& pasted, bool allowDecimal) {
    return pasteThrough(box, pasted, [allowDecimal](const QString& text, int key) {
        return numberOnlyKey(text, key, allowDecimal).key != 0;
    });
}

TypeAheadResult autoCompleteKey(const ItemList& items, const TextBoxState& box, int key, bool allowFreeText) {
    const TextBoxState s = clamped(box);
    TypeAheadResult r;
    r.box = s;
    if (key < FirstPrintable) {
        r.box.selLength = 0;
        if (key == KeyBackspace) {
            // The selection is the completed tail: removing it leaves what was typed.
            const QString left = s.selLength > 0 ? s.text.left(s.selStart) : s.text.left(s.text.size() - 1);
            r.box = {left, int(left.size()), 0};
        } else if (key == KeyEnter) {
            r.box.selStart = int(s.text.size());
            r.key = KeyEnter;
        }
        return r;
    }
    const QString search = (s.selLength > 0 ? s.text.left(s.selStart) : s.text) + QChar(char16_t(key));
    if (const int i = items.firstStartingWith(search); i >= 0) {
        r.matched = i;
        r.box = {items.at(i), int(search.size()), int(items.at(i).size() - search.size())};
        r.dropDown = DropDown::Open;
        return r;
    }
    if (allowFreeText) {
        r.box = {search, int(search.size()), 0};
        r.dropDown = DropDown::Close;
    } else {
        // A character no item starts with clears the box; the open list shows what can be typed.
        r.box = {QString(), 0, 0};
        r.dropDown = DropDown::Open;
    }
    return r;
}

TypeAheadResult pasteAutoComplete(const ItemList& items, const TextBoxState& box, const QString& pasted,
                                  bool allowFreeText) {
    TypeAheadResult r;
    r.box = clamped(box);
    for (const QChar c : pasted) {
        if (c.unicode() < FirstPrintable) continue;
        const TypeAheadResult next = autoCompleteKey(items, r.box, c.unicode(), allowFreeText);
        if (next.matched < 0 && !allowFreeText) {
            r.dropDown = DropDown::Open; // a refused character keeps the item reached so far
            continue;
        }
        r = next;
    }
    return r;
}

WrappedCell wrapCellText(const QString& text, int heightTwips) {
    const int length = int(text.size());
    WrappedCell cell;
    if (length > CellLineLength) {
        // Lines = length / 30, rounded to the nearest whole number, halves to the even one.
        int lines = length / CellLineLength;
        const int rest = 2 * (length % CellLineLength);
        if (rest > CellLineLength || (rest == CellLineLength && lines % 2 == 1)) ++lines;
        cell.heightTwips = (heightTwips + 500) * lines;
    } else {
        cell.heightTwips = heightTwips + 200;
    }
    // A piece of 30 characters is cut only when more than 31 remain, so the last piece holds up to 31.
    for (int start = 0; start < length;) {
        const int take = start + CellLineLength + 1 < length ? CellLineLength : length - start;
        cell.text += text.mid(start, take) + LineBreak;
        start += take;
    }
    return cell;
}

QString unwrapCellText(const QString& text) {
    QString joined = text;
    return joined.remove(LineBreak);
}

QString ageText(const QDate& birth, const QDate& today) {
    // Numbers are written with a leading blank, or a minus sign when negative.
    const auto str = [](int n) { return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n); };
    int cy = today.year(), cm = today.month(), cd = today.day();
    const int by = birth.year(), bm = birth.month(), bd = birth.day();
    if (cd < bd) {
        cd += 30;
        --cm;
    }
    if (cm < bm) {
        cm += 12;
        --cy;
    }
    return str(cy - by) + " Years, " + str(cm - bm) + " Months, " + str(cd - bd) + " Days";
}
