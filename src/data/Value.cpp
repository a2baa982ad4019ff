#include "data/Value.h"

#include <cmath>

Value Value::text(const QString& t) {
    Value v;
    v.kind_ = Kind::Text;
    v.text_ = t;
    return v;
}

Value Value::number(double n) {
    Value v;
    v.kind_ = Kind::Number;
    v.number_ = n;
    return v;
}

Value Value::date(const QDate& d) {
    if (!d.isValid()) return Value();
    Value v;
    v.kind_ = Kind::Date;
    v.date_ = d;
    v.time_ = QTime(0, 0);
    return v;
}

Value Value::dateTime(const QDateTime& dt) {
    if (!dt.isValid()) return Value();
    Value v = date(dt.date());
    v.time_ = dt.time();
    v.hasTime_ = dt.time() != QTime(0, 0);
    return v;
}

Value Value::fromStoredDate(const QString& iso) {
    const QString t = iso.trimmed();
    if (t.size() < 10) return Value();
    const QDate d = QDate::fromString(t.left(10), "yyyy-MM-dd");
    if (t.size() == 10) return date(d);
    const QTime tm = QTime::fromString(t.mid(11), "HH:mm:ss");
    if (!d.isValid() || !tm.isValid() || (t[10] != ' ' && t[10] != 'T')) return Value();
    return dateTime(QDateTime(d, tm, Qt::UTC));
}

QString numberText(double n) {
    if (std::isfinite(n) && n == std::floor(n) && std::fabs(n) < 1e15)
        return QString::number(static_cast<long long>(n));
    return QString::number(n, 'g', 15);
}

QString Value::toText() const {
    switch (kind_) {
    case Kind::Null:
        return QString();
    case Kind::Text:
        return text_;
    case Kind::Number:
        return numberText(number_);
    case Kind::Date:
        return hasTime_ ? date_.toString("dd/MM/yyyy") + time_.toString(" HH:mm:ss")
                        : date_.toString("dd/MM/yyyy");
    }
    return QString();
}

double Value::toNumber() const {
    switch (kind_) {
    case Kind::Number:
        return number_;
    case Kind::Text: {
        bool ok = false;
        const double d = text_.trimmed().toDouble(&ok);
        return ok ? d : 0;
    }
    default:
        return 0;
    }
}

// A date value, or a text that reads as one ("dd/MM/yyyy" as the pickers show it, or the stored form).
static Value asDate(const Value& v) {
    if (v.kind() == Value::Kind::Date) return v;
    if (v.kind() != Value::Kind::Text) return Value();
    const QString t = v.toText().trimmed();
    const QDate d = QDate::fromString(t, "dd/MM/yyyy");
    return d.isValid() ? Value::date(d) : Value::fromStoredDate(t);
}

QDate Value::toDate() const {
    const Value d = asDate(*this);
    return d.date_;
}

QDateTime Value::toDateTime() const {
    const Value d = asDate(*this);
    return d.isNull() ? QDateTime() : QDateTime(d.date_, d.time_, Qt::UTC);
}

QString Value::storedDateText() const {
    const Value d = asDate(*this);
    if (d.isNull()) return QString();
    return d.date_.toString("yyyy-MM-dd") + (d.hasTime_ ? d.time_.toString(" HH:mm:ss") : QString());
}

bool Value::operator==(const Value& o) const {
    if (kind_ != o.kind_) return false;
    switch (kind_) {
    case Kind::Null:
        return true;
    case Kind::Text:
        return text_ == o.text_;
    case Kind::Number:
        return number_ == o.number_;
    case Kind::Date:
        return date_ == o.date_ && time_ == o.time_;
    }
    return false;
}
