#include "data/Recordset.h"

#include "data/DbError.h"
#include "data/modConnectDB.h"

#include <QRegularExpression>
#include <cstring>
#include <sqlite3.h>

namespace {

const char* const kNoCurrentRow = "Either BOF or EOF is True, or the current record has been deleted. "
                                  "Requested operation requires a current record.";

enum Tag : char { TNull = 0, TText = 1, TInt = 2, TReal = 3, TDate = 4 };

void putVarint(std::string& out, unsigned long long v) {
    while (v >= 0x80) {
        out.push_back(static_cast<char>(v | 0x80));
        v >>= 7;
    }
    out.push_back(static_cast<char>(v));
}

unsigned long long getVarint(const char*& p) {
    unsigned long long v = 0;
    int shift = 0;
    for (;;) {
        const unsigned char b = static_cast<unsigned char>(*p++);
        v |= static_cast<unsigned long long>(b & 0x7f) << shift;
        if (!(b & 0x80)) return v;
        shift += 7;
    }
}

unsigned long long zigzag(long long v) {
    return (static_cast<unsigned long long>(v) << 1) ^ static_cast<unsigned long long>(v >> 63);
}
long long unzigzag(unsigned long long v) { return static_cast<long long>(v >> 1) ^ -static_cast<long long>(v & 1); }

// Skips one encoded cell.
const char* skipCell(const char* p) {
    switch (*p++) {
    case TText:
    case TDate: {
        const auto n = getVarint(p);
        return p + n;
    }
    case TInt:
        getVarint(p);
        return p;
    case TReal:
        return p + sizeof(double);
    default:
        return p;
    }
}

void appendColumn(std::string& out, sqlite3_stmt* st, int col, bool isDate) {
    switch (sqlite3_column_type(st, col)) {
    case SQLITE_NULL:
        out.push_back(TNull);
        break;
    case SQLITE_INTEGER:
        out.push_back(TInt);
        putVarint(out, zigzag(sqlite3_column_int64(st, col)));
        break;
    case SQLITE_FLOAT: {
        out.push_back(TReal);
        const double d = sqlite3_column_double(st, col);
        out.append(reinterpret_cast<const char*>(&d), sizeof d);
        break;
    }
    default: {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
        const int n = sqlite3_column_bytes(st, col);
        out.push_back(isDate ? TDate : TText);
        putVarint(out, static_cast<unsigned long long>(n));
        out.append(t, static_cast<size_t>(n));
    }
    }
}

Value decodeCell(const char* p) {
    switch (*p++) {
    case TText: {
        const auto n = getVarint(p);
        return Value::text(QString::fromUtf8(p, static_cast<qsizetype>(n)));
    }
    case TDate: {
        const auto n = getVarint(p);
        const QString t = QString::fromUtf8(p, static_cast<qsizetype>(n));
        Value v = Value::fromStoredDate(t);
        return v.isNull() ? Value::text(t) : v;
    }
    case TInt:
        return Value::number(static_cast<double>(unzigzag(getVarint(p))));
    case TReal: {
        double d;
        std::memcpy(&d, p, sizeof d);
        return Value::number(d);
    }
    default:
        return Value();
    }
}

struct Statement {
    sqlite3_stmt* st = nullptr;
    Statement(sqlite3* db, const QString& sql) {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    ~Statement() { sqlite3_finalize(st); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
};

QString quoted(const QString& name) { return '"' + QString(name).replace('"', "\"\"") + '"'; }

void bindValue(sqlite3_stmt* st, int index, const Value& v, bool dateColumn) {
    switch (v.kind()) {
    case Value::Kind::Null:
        sqlite3_bind_null(st, index);
        return;
    case Value::Kind::Number: {
        const double d = v.toNumber();
        if (d == static_cast<double>(static_cast<long long>(d)))
            sqlite3_bind_int64(st, index, static_cast<long long>(d));
        else
            sqlite3_bind_double(st, index, d);
        return;
    }
    case Value::Kind::Date:
    case Value::Kind::Text: {
        // A date column keeps the stored form whatever the screen handed over, when it reads as a date.
        QString t = v.toText();
        if (dateColumn || v.kind() == Value::Kind::Date) {
            const QString stored = v.storedDateText();
            if (!stored.isEmpty()) t = stored;
        }
        const QByteArray u = t.toUtf8();
        sqlite3_bind_text(st, index, u.constData(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
        return;
    }
    }
}

} // namespace

bool Recordset::Open(const QString& sql, std::shared_ptr<Connection> connection, Mode mode) {
    Close();
    conn_ = std::move(connection);
    sql_ = sql;
    mode_ = mode;
    table_.clear();
    if (!conn_ || conn_->State() != 1) {
        lastError_ = "The connection is not open.";
        return false;
    }
    if (mode != Mode::Snapshot) {
        static const QRegularExpression plain(R"(^\s*select\s+\*\s+from\s+([A-Za-z_][A-Za-z0-9_]*)\b)",
                                              QRegularExpression::CaseInsensitiveOption);
        const auto m = plain.match(sql);
        if (m.hasMatch()) table_ = m.captured(1);
    }
    open_ = load();
    return open_;
}

bool Recordset::load() {
    names_.clear();
    isDate_.clear();
    arena_.clear();
    rowStart_.clear();
    cachedRow_ = -1;
    pos_ = 0;
    onDeleted_ = false;
    edit_ = Edit::None;
    try {
        QString text = sql_;
        if (IsUpdatable()) {
            // The rowid identifies the row on write-back; it is not one of the set's columns.
            static const QRegularExpression star(R"(^\s*select\s+\*)", QRegularExpression::CaseInsensitiveOption);
            text.replace(star, "SELECT rowid, *");
        }
        Statement s(conn_->handle(), text);
        const int first = IsUpdatable() ? 1 : 0;
        const int n = sqlite3_column_count(s.st);
        for (int i = first; i < n; ++i) {
            names_ << QString::fromUtf8(sqlite3_column_name(s.st, i));
            const char* decl = sqlite3_column_decltype(s.st, i);
            isDate_.push_back(decl && (qstricmp(decl, "DATE") == 0 || qstricmp(decl, "DATETIME") == 0));
        }
        int rc;
        while ((rc = sqlite3_step(s.st)) == SQLITE_ROW) {
            rowStart_.push_back(arena_.size());
            if (first) putVarint(arena_, zigzag(sqlite3_column_int64(s.st, 0)));
            for (int i = first; i < n; ++i) appendColumn(arena_, s.st, i, isDate_[static_cast<size_t>(i - first)]);
        }
        if (rc != SQLITE_DONE) throw DbError(conn_->lastError());
        arena_.shrink_to_fit();
        rowStart_.shrink_to_fit();
        return true;
    } catch (const DbError& e) {
        lastError_ = e.description();
        names_.clear();
        arena_.clear();
        rowStart_.clear();
        return false;
    }
}

void Recordset::Close() {
    open_ = false;
    conn_.reset();
    names_.clear();
    isDate_.clear();
    arena_.clear();
    arena_.shrink_to_fit();
    rowStart_.clear();
    rowStart_.shrink_to_fit();
    cachedRow_ = -1;
    edit_ = Edit::None;
    pending_.clear();
    changed_.clear();
}

void Recordset::requireOpen() const {
    if (!open_) throw DbError("Operation is not allowed when the object is closed.");
}

void Recordset::requireCurrent() const {
    requireOpen();
    if (CurrentIndex() < 0) throw DbError(kNoCurrentRow);
}

void Recordset::requireUpdatable() const {
    requireOpen();
    if (!IsUpdatable() || mode_ == Mode::Snapshot)
        throw DbError("Current Recordset does not support updating. This may be a limitation of the provider, "
                      "or of the selected locktype.");
}

int Recordset::RecordCount() const { return storedRows() + (edit_ == Edit::New ? 1 : 0); }

QString Recordset::FieldName(int pos) const {
    return pos >= 0 && pos < names_.size() ? names_[pos] : QString();
}

bool Recordset::AtBOF() const { return RecordCount() == 0 || (!onDeleted_ && pos_ < 0); }

bool Recordset::AtEOF() const { return RecordCount() == 0 || pos_ >= RecordCount(); }

int Recordset::CurrentIndex() const {
    if (!open_ || onDeleted_ || pos_ < 0 || pos_ >= RecordCount()) return -1;
    return pos_;
}

void Recordset::commitPending() {
    if (edit_ != Edit::None) Update();
}

void Recordset::MoveFirst() {
    requireOpen();
    commitPending();
    onDeleted_ = false;
    pos_ = 0;
}

void Recordset::MoveLast() {
    requireOpen();
    commitPending();
    onDeleted_ = false;
    pos_ = RecordCount() == 0 ? 0 : RecordCount() - 1;
}

void Recordset::MoveNext() {
    requireOpen();
    if (onDeleted_) {
        // The row after the deleted one has moved into its place.
        onDeleted_ = false;
        return;
    }
    if (AtEOF()) throw DbError(kNoCurrentRow);
    commitPending();
    ++pos_;
}

void Recordset::MovePrevious() {
    requireOpen();
    if (onDeleted_) {
        onDeleted_ = false;
        pos_ = pos_ - 1;
        return;
    }
    if (AtBOF()) throw DbError(kNoCurrentRow);
    commitPending();
    pos_ = pos_ - 1;
}

const char* Recordset::cell(int row, int pos) const {
    if (cachedRow_ != row) {
        const char* p = arena_.data() + rowStart_[static_cast<size_t>(row)];
        const char* start = p;
        if (IsUpdatable()) getVarint(p);
        cellOffset_.resize(static_cast<size_t>(FieldCount()));
        for (int i = 0; i < FieldCount(); ++i) {
            cellOffset_[static_cast<size_t>(i)] = static_cast<unsigned>(p - start);
            p = skipCell(p);
        }
        cachedRow_ = row;
    }
    return arena_.data() + rowStart_[static_cast<size_t>(row)] + cellOffset_[static_cast<size_t>(pos)];
}

long long Recordset::rowidOf(int row) const {
    const char* p = arena_.data() + rowStart_[static_cast<size_t>(row)];
    return unzigzag(getVarint(p));
}

std::vector<Value> Recordset::rowValues(int row) const {
    std::vector<Value> v;
    v.reserve(static_cast<size_t>(FieldCount()));
    for (int i = 0; i < FieldCount(); ++i) v.push_back(decodeCell(cell(row, i)));
    return v;
}

Value Recordset::Field(int pos) const {
    requireCurrent();
    if (pos < 0 || pos >= FieldCount())
        throw DbError("Item cannot be found in the collection corresponding to the requested name or ordinal.");
    if (edit_ != Edit::None && pos_ == (edit_ == Edit::New ? storedRows() : editReturnPos_))
        return pending_[static_cast<size_t>(pos)];
    return decodeCell(cell(pos_, pos));
}

QString Recordset::FieldText(int pos) const {
    if (edit_ == Edit::None && CurrentIndex() >= 0 && pos >= 0 && pos < FieldCount()) {
        // The common read: straight from the copy, without building a Value.
        const char* p = cell(pos_, pos);
        if (*p == TText) {
            ++p;
            const auto n = getVarint(p);
            return QString::fromUtf8(p, static_cast<qsizetype>(n));
        }
    }
    return Field(pos).toText();
}

void Recordset::SetField(int pos, const Value& v) {
    requireUpdatable();
    requireCurrent();
    if (pos < 0 || pos >= FieldCount())
        throw DbError("Item cannot be found in the collection corresponding to the requested name or ordinal.");
    if (edit_ == Edit::None) {
        edit_ = Edit::Change;
        editReturnPos_ = pos_;
        pending_ = rowValues(pos_);
        changed_.assign(static_cast<size_t>(FieldCount()), false);
    }
    pending_[static_cast<size_t>(pos)] = v;
    changed_[static_cast<size_t>(pos)] = true;
}

void Recordset::AddNew() {
    requireUpdatable();
    commitPending();
    editReturnPos_ = onDeleted_ ? -1 : pos_;
    onDeleted_ = false;
    edit_ = Edit::New;
    pending_.assign(static_cast<size_t>(FieldCount()), Value());
    changed_.assign(static_cast<size_t>(FieldCount()), false);
    pos_ = storedRows();
}

void Recordset::CancelUpdate() {
    requireOpen();
    if (edit_ == Edit::None) return;
    if (edit_ == Edit::New) pos_ = editReturnPos_ < 0 ? 0 : editReturnPos_;
    edit_ = Edit::None;
    pending_.clear();
    changed_.clear();
}

void Recordset::refreshRow(long long rowid, int row) {
    Statement s(conn_->handle(), "SELECT rowid, * FROM " + quoted(table_) + " WHERE rowid = ?");
    sqlite3_bind_int64(s.st, 1, rowid);
    const size_t start = arena_.size();
    if (sqlite3_step(s.st) == SQLITE_ROW) {
        putVarint(arena_, zigzag(rowid));
        for (int i = 0; i < FieldCount(); ++i) appendColumn(arena_, s.st, i + 1, isDate_[static_cast<size_t>(i)]);
    } else {
        throw DbError("Row cannot be located for updating. Some values may have been changed since it was last read.");
    }
    if (row == storedRows())
        rowStart_.push_back(start);
    else
        rowStart_[static_cast<size_t>(row)] = start;
    cachedRow_ = -1;
}

void Recordset::Update() {
    requireOpen();
    if (edit_ == Edit::None) return;
    requireUpdatable();
    sqlite3* db = conn_->handle();
    QStringList cols;
    for (int i = 0; i < FieldCount(); ++i)
        if (changed_[static_cast<size_t>(i)]) cols << quoted(names_[i]);

    long long rowid = 0;
    if (edit_ == Edit::New) {
        QString sql = "INSERT INTO " + quoted(table_);
        if (cols.isEmpty()) {
            sql += " DEFAULT VALUES";
        } else {
            QStringList marks;
            for (qsizetype i = 0; i < cols.size(); ++i) marks << "?";
            sql += " (" + cols.join(", ") + ") VALUES (" + marks.join(", ") + ")";
        }
        Statement s(db, sql);
        int k = 1;
        for (int i = 0; i < FieldCount(); ++i)
            if (changed_[static_cast<size_t>(i)])
                bindValue(s.st, k++, pending_[static_cast<size_t>(i)], isDate_[static_cast<size_t>(i)]);
        if (sqlite3_step(s.st) != SQLITE_DONE) throw DbError(conn_->lastError());
        rowid = sqlite3_last_insert_rowid(db);
    } else {
        rowid = rowidOf(editReturnPos_);
        if (!cols.isEmpty()) {
            Statement s(db, "UPDATE " + quoted(table_) + " SET " + cols.join(" = ?, ") + " = ? WHERE rowid = ?");
            int k = 1;
            for (int i = 0; i < FieldCount(); ++i)
                if (changed_[static_cast<size_t>(i)])
                    bindValue(s.st, k++, pending_[static_cast<size_t>(i)], isDate_[static_cast<size_t>(i)]);
            sqlite3_bind_int64(s.st, k, rowid);
            if (sqlite3_step(s.st) != SQLITE_DONE) throw DbError(conn_->lastError());
            if (sqlite3_changes(db) != 1)
                throw DbError("Row cannot be located for updating. Some values may have been changed since it "
                              "was last read.");
        }
    }
    const int row = edit_ == Edit::New ? storedRows() : editReturnPos_;
    edit_ = Edit::None;
    pending_.clear();
    changed_.clear();
    refreshRow(rowid, row);
    pos_ = row;
}

void Recordset::Delete() {
    requireUpdatable();
    if (edit_ == Edit::New) {
        CancelUpdate();
        return;
    }
    requireCurrent();
    edit_ = Edit::None;
    pending_.clear();
    Statement s(conn_->handle(), "DELETE FROM " + quoted(table_) + " WHERE rowid = ?");
    sqlite3_bind_int64(s.st, 1, rowidOf(pos_));
    if (sqlite3_step(s.st) != SQLITE_DONE) throw DbError(conn_->lastError());
    rowStart_.erase(rowStart_.begin() + pos_);
    cachedRow_ = -1;
    onDeleted_ = true;
}

void Recordset::Requery() {
    requireOpen();
    if (!load()) {
        open_ = false;
        throw DbError(lastError_);
    }
}

size_t Recordset::MemoryBytes() const {
    return arena_.capacity() + rowStart_.capacity() * sizeof(size_t) + cellOffset_.capacity() * sizeof(unsigned);
}
