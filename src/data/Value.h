#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// One column value of a record set: null, text, number or date.
class Value {
public:
    enum class Kind { Null, Text, Number, Date };

    Value() = default;
    static Value null() { return Value(); }
    static Value text(const QString& t);
    static Value number(double n);
    static Value date(const QDate& d);
    static Value dateTime(const QDateTime& dt);
    // Parses the stored form of a date column ("YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS"); null if it is not one.
    static Value fromStoredDate(const QString& iso);

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }

    // Text as a screen shows it: null is empty, whole numbers have no decimals,
    // dates read "dd/MM/yyyy" (with " HH:mm:ss" when a time of day is set).
    QString toText() const;
    // Number as a screen reads it: a text that is not a number is 0.
    double toNumber() const;
    // Date value; a text holding "dd/MM/yyyy" or an ISO date also reads as that date.
    QDate toDate() const;
    QDateTime toDateTime() const;
    bool hasTime() const { return hasTime_; }
    // The form written into the database file for a date ("YYYY-MM-DD[ HH:MM:SS]").
    QString storedDateText() const;

    bool operator==(const Value& o) const;

private:
    Kind kind_ = Kind::Null;
    QString text_;
    double number_ = 0;
    // Kept apart from any time zone: a date column means the same day wherever the program runs.
    QDate date_;
    QTime time_;
    bool hasTime_ = false;
};

// Whole numbers print without a decimal part; others with up to 15 significant digits.
QString numberText(double n);
