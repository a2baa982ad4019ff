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
    v.dateTime_ = QDateTime(d, QTime(0, 0));
    return v;
}

Value Value::dateTime(const QDateTime& dt) {
    if (!dt.isValid()) return Value();
    Value v = date(dt.date());
    v.dateTime_ = dt;
    v.hasTime_ = dt.time() != QTime(0, 0);
    return v;
}

Value Value::fromStoredDate(const QString& iso) {
    const QString t = iso.trimmed();
    if (t.size() == 10) return date(QDate::fromString(t, Qt::ISODate));
    QDateTime dt = QDateTime::fromString(t, "yyyy-MM-dd HH:mm:ss");
    if (!dt.isValid()) dt = QDateTime::fromString(t, Qt::ISODate);
    return dateTime(dt);
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
        return hasTime_ ? dateTime_.toString("dd/MM/yyyy HH:mm:ss") : dateTime_.date().toString("dd/MM/yyyy");
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

QDate Value::toDate() const { return toDateTime().date(); }

QDateTime Value::toDateTime() const {
    if (kind_ == Kind::Date) return dateTime_;
    if (kind_ == Kind::Text) {
        const QString t = text_.trimmed();
        QDate d = QDate::fromString(t, "dd/MM/yyyy");
        if (d.isValid()) return QDateTime(d, QTime(0, 0));
        return fromStoredDate(t).dateTime_;
    }
    return QDateTime();
}

QString Value::storedDateText() const {
    const QDateTime dt = toDateTime();
    if (!dt.isValid()) return QString();
    return hasTime_ ? dt.toString("yyyy-MM-dd HH:mm:ss") : dt.date().toString("yyyy-MM-dd");
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
        return dateTime_ == o.dateTime_;
    }
    return false;
}
