#include "data/modVBDes.h"
#include "framework/DatePicker.h"
#include "framework/FieldBinding.h"
#include "support/AppFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimeEdit>

// Every kind of bound control: what a stored value shows, what it gives back to store, and what emptying
// leaves. One row per kind.
TEST_F(AppTest, EveryKindOfFieldShowsReadsBackAndEmpties) {
    QWidget screen;
    auto* box = new QLineEdit(&screen);
    auto* list = new QComboBox(&screen);
    list->setEditable(true);
    auto* fixedList = new QComboBox(&screen);
    fixedList->addItems({"Male", "Female"});
    auto* note = new QPlainTextEdit(&screen);
    auto* birth = new DatePicker("DTPicker1", &screen);
    auto* admitted = new DatePicker("DTPicker4", &screen);
    auto* inTime = new QTimeEdit(&screen);
    QList<QAbstractButton*> options;
    for (int i = 0; i < 3; ++i)
        options << new QRadioButton(&screen);
    auto* password = new QLineEdit(&screen);
    auto* type = new QWidget(&screen);
    QList<QAbstractButton*> typeOptions;
    for (int i = 0; i < 3; ++i)
        typeOptions << new QRadioButton(type);

    struct Row {
        const char* kind;
        Field field;
        Value stored;    // a value as the table holds it
        Value readBack;  // what the field gives back after showing it
        QString shown;   // what the operator sees
        QString emptied; // what the operator sees once emptied
        std::function<QString()> seen;
    };
    const QStringList types{"Admin", "Doctor", "Employee"};
    const auto chosen = [](const QList<QAbstractButton*>& buttons) {
        QString s;
        for (QAbstractButton* b : buttons)
            s += b->isChecked() ? '1' : '0';
        return s;
    };
    std::vector<Row> rows{
        {"text box", Field::text(box), Value::text(" 12 Lake Road "), Value::text(" 12 Lake Road "),
         " 12 Lake Road ", "", [&] { return box->text(); }},
        {"text box with a stored form", Field::text(box, [](const QString& t) { return "OP" + t; }),
         Value::text("12"), Value::text("OP12"), "12", "", [&] { return box->text(); }},
        {"editable list", Field::text(list), Value::text("Kandy"), Value::text("Kandy"), "Kandy", "",
         [&] { return list->currentText(); }},
        {"fixed list", Field::text(fixedList), Value::text("Female"), Value::text("Female"), "Female", "",
         [&] { return fixedList->currentText(); }},
        {"text edit", Field::text(note), Value::text("two\nlines"), Value::text("two\nlines"), "two\nlines",
         "", [&] { return note->toPlainText(); }},
        {"date as dd/mm/yyyy text", Field::dateText(birth), Value::text("04/03/1980"),
         Value::text("04/03/1980"), "04/03/1980", "07/12/2026", [&] { return birth->text(); }},
        {"date as dd/mm/yyyy text, stored as a date", Field::dateText(birth), Value::date(QDate(1980, 3, 4)),
         Value::text("04/03/1980"), "04/03/1980", "07/12/2026", [&] { return birth->text(); }},
        {"date value", Field::date(admitted), Value::text("2026-11-30"), Value::date(QDate(2026, 11, 30)),
         "30/11/2026", "07/12/2026", [&] { return admitted->text(); }},
        {"date that is none", Field::dateText(birth), Value::text("soon"), Value::text("07/12/2026"),
         "07/12/2026", "07/12/2026", [&] { return birth->text(); }},
        {"time", Field::time(inTime), Value::text("09:30"), Value::text("09:30"), "09:30", "00:00",
         [&] { return inTime->time().toString("HH:mm"); }},
        {"option group", Field::options(options, types), Value::text("Doctor"), Value::text("Doctor"), "010",
         "000", [&] { return chosen(options); }},
        {"option group, unknown value", Field::options(options, types), Value::text("Nurse"), Value::text(""),
         "000", "000", [&] { return chosen(options); }},
        {"enciphered, damaged", Field::enciphered(Field::text(password)), Value::text("ZZ12"), Value(), "",
         "", [&] { return password->text(); }},
    };
    for (Row& r : rows) {
        SCOPED_TRACE(r.kind);
        r.field.show(r.stored);
        EXPECT_EQ(r.seen().toStdString(), r.shown.toStdString());
        if (!r.readBack.isNull()) {
            EXPECT_EQ(r.field.read().kind(), r.readBack.kind());
            EXPECT_EQ(r.field.read().toText().toStdString(), r.readBack.toText().toStdString());
        }
        r.field.empty();
        EXPECT_EQ(r.seen().toStdString(), r.emptied.toStdString());
    }

    // Enciphered columns: shown plain, written enciphered, for text boxes and option groups alike.
    Field secret = Field::enciphered(Field::text(password));
    secret.show(Value::text("  " + Encipher("larch") + " "));
    EXPECT_EQ(password->text(), "larch");
    EXPECT_EQ(Decipher(secret.read().toText()), QString("larch"));
    EXPECT_NE(secret.read().toText(), "larch");
    Field kind = Field::enciphered(Field::options(typeOptions, types));
    kind.show(Value::text(Encipher("Employee")));
    EXPECT_EQ(chosen(typeOptions), "001");
    EXPECT_EQ(Decipher(kind.read().toText()), QString("Employee"));
}
