#include "data/Recordset.h"

#include "data/DbError.h"
#include "data/modConnectDB.h"

#include <QAbstractEventDispatcher>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>
#include <sqlite3.h>
#include <sys/mman.h>

// How a column's cells are read: by the declared type where it settles what the column holds.
enum class ColumnKind : unsigned char { Text, Date, Other };

namespace {

const char* const kDeletedRow = "Row handle referred to a deleted row or a row marked for deletion.";
// Marks a cached rowid whose row is no longer in the table.
constexpr unsigned long long kGone = ~0ull;
// A keyed set forgets its pages when they hold more than this.
constexpr size_t kCacheBytes = 4 * 1024 * 1024;

const char* const kNoCurrentRow = "Either BOF or EOF is True, or the current record has been deleted. "
                                  "Requested operation requires a current record.";

// A cell is one header byte (kind in the top three bits, a short length in the low five) and its bytes.
enum Tag : unsigned char { TNull = 0, TText = 1, TInt = 2, TReal = 3, TDate = 4 };
constexpr unsigned kShortMax = 31;

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
long long unzigzag(unsigned long long v) {
    return static_cast<long long>(v >> 1) ^ -static_cast<long long>(v & 1);
}

Tag tagOf(const char* p) {
    return static_cast<Tag>(static_cast<unsigned char>(*p) >> 5);
}

// Reads a text cell's length and leaves p on its first byte.
size_t textLength(const char*& p) {
    const unsigned small = static_cast<unsigned char>(*p++) & kShortMax;
    return small < kShortMax ? small : kShortMax + getVarint(p);
}

const char* skipCell(const char* p) {
    switch (tagOf(p)) {
    case TText:
    case TDate: {
        const size_t n = textLength(p);
        return p + n;
    }
    case TInt:
        ++p;
        getVarint(p);
        return p;
    case TReal:
        return p + 1 + sizeof(double);
    default:
        return p + 1;
    }
}

void putText(std::string& out, Tag tag, const char* t, size_t n) {
    // Written through a pointer: this runs for every cell of every row opened.
    const size_t at = out.size();
    out.resize(at + n + 11);
    char* p = out.data() + at;
    if (n < kShortMax) {
        *p++ = static_cast<char>(tag << 5 | n);
    } else {
        *p++ = static_cast<char>(tag << 5 | kShortMax);
        for (size_t v = n - kShortMax;; v >>= 7) {
            if (v < 0x80) {
                *p++ = static_cast<char>(v);
                break;
            }
            *p++ = static_cast<char>(v | 0x80);
        }
    }
    std::memcpy(p, t, n);
    out.resize(static_cast<size_t>(p + n - out.data()));
}

void appendColumn(std::string& out, sqlite3_stmt* st, int col, ColumnKind kind) {
    if (kind != ColumnKind::Other) {
        // Text and date columns hold text or null, so the text pointer alone tells which.
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
        if (!t) {
            out.push_back(static_cast<char>(TNull << 5));
            return;
        }
        putText(out, kind == ColumnKind::Date ? TDate : TText, t,
                static_cast<size_t>(sqlite3_column_bytes(st, col)));
        return;
    }
    switch (sqlite3_column_type(st, col)) {
    case SQLITE_NULL:
        out.push_back(static_cast<char>(TNull << 5));
        break;
    case SQLITE_INTEGER:
        out.push_back(static_cast<char>(TInt << 5));
        putVarint(out, zigzag(sqlite3_column_int64(st, col)));
        break;
    case SQLITE_FLOAT: {
        out.push_back(static_cast<char>(TReal << 5));
        const double d = sqlite3_column_double(st, col);
        out.append(reinterpret_cast<const char*>(&d), sizeof d);
        break;
    }
    default: {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
        const int n = sqlite3_column_bytes(st, col);
        putText(out, TText, t, static_cast<size_t>(n));
    }
    }
}

Value decodeCell(const char* p) {
    switch (tagOf(p)) {
    case TText: {
        const size_t n = textLength(p);
        return Value::text(QString::fromUtf8(p, static_cast<qsizetype>(n)));
    }
    case TDate: {
        const size_t n = textLength(p);
        const QString t = QString::fromUtf8(p, static_cast<qsizetype>(n));
        Value v = Value::fromStoredDate(t);
        return v.isNull() ? Value::text(t) : v;
    }
    case TInt:
        ++p;
        return Value::number(static_cast<double>(unzigzag(getVarint(p))));
    case TReal: {
        double d;
        std::memcpy(&d, p + 1, sizeof d);
        return Value::number(d);
    }
    default:
        return Value();
    }
}

struct Statement {
    sqlite3_stmt* st = nullptr;
    QString sql;
    Statement(sqlite3* db, const QString& text) : sql(text) {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(db)), sql);
    }
    // Steps a statement that returns no rows; the engine's reason and the statement on failure.
    void run(sqlite3* db) {
        if (sqlite3_step(st) != SQLITE_DONE) throw DbError(QString::fromUtf8(sqlite3_errmsg(db)), sql);
    }
    ~Statement() { sqlite3_finalize(st); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
};

QString quoted(const QString& name) {
    return '"' + QString(name).replace('"', "\"\"") + '"';
}

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

// The statements that read a keyed set's rows, kept prepared between pages.
struct Recordset::Reader {
    Statement range;                   // the rows whose rowids lie between two keys, in rowid order
    Statement one;                     // the row of one key
    std::unique_ptr<Statement> stream; // the set's own SELECT, with the rowid first
    Reader(sqlite3* db, const QString& table)
        : range(db, "SELECT rowid, * FROM " + quoted(table) + " WHERE rowid BETWEEN ? AND ? ORDER BY rowid"),
          one(db, "SELECT rowid, * FROM " + quoted(table) + " WHERE rowid = ?") {}
};

namespace {
// The sets whose SELECT is still being stepped.
std::vector<const Recordset*>& streamingSets() {
    static std::vector<const Recordset*> sets;
    return sets;
}

// The program waiting for the operator ends every open read, so no lock is held while nothing happens.
void finishReadsWhenIdle() {
    static bool hooked = false;
    if (hooked) return;
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                         [] { FinishOpenReads(nullptr); });
        hooked = true;
    }
}
} // namespace

void FinishOpenReads(const Connection* connection) {
    const std::vector<const Recordset*> sets = streamingSets();
    for (const Recordset* set : sets) {
        if (connection && set->ActiveConnection().get() != connection) continue;
        try {
            set->FinishReading();
        } catch (const DbError&) {
            // Kept by the set and reported by its next read.
        }
    }
}

Recordset::Recordset() = default;
Recordset::~Recordset() {
    endStream();
}

bool Recordset::Open(const QString& sql, std::shared_ptr<Connection> connection, Mode mode) {
    Close();
    conn_ = std::move(connection);
    sql_ = sql;
    mode_ = mode;
    table_.clear();
    lastStatement_.clear();
    if (!conn_ || conn_->State() != 1) {
        lastError_ = "The connection is not open.";
        lastStatement_ = sql;
        return false;
    }
    keyed_ = false;
    filter_.clear();
    keyTable_.clear();
    keyQuery_.clear();
    static const QRegularExpression plain(R"(^\s*select\s+\*\s+from\s+([A-Za-z_][A-Za-z0-9_]*)\b(.*)$)",
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    if (const auto m = plain.match(sql); m.hasMatch()) {
        if (mode != Mode::Snapshot) table_ = m.captured(1);
        // Only a filter and an order keep one table row per set row: those sets are read by key.
        QString rest = m.captured(2).trimmed();
        while (rest.endsWith(';'))
            rest = rest.chopped(1).trimmed();
        static const QRegularExpression filterOrOrder(R"(^((where|order)\b.*)?$)",
                                                      QRegularExpression::CaseInsensitiveOption |
                                                          QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression otherClauses(
            R"(\b(limit|offset|group|having|union|intersect|except|join|select|distinct)\b)",
            QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression orderBy(R"(\border\s+by\b)",
                                                QRegularExpression::CaseInsensitiveOption);
        if (filterOrOrder.match(rest).hasMatch() && !otherClauses.match(rest).hasMatch()) {
            keyed_ = true;
            static const QRegularExpression where(R"(^where\s+(.*?)\s*(\border\s+by\b.*)?$)",
                                                  QRegularExpression::CaseInsensitiveOption |
                                                      QRegularExpression::DotMatchesEverythingOption);
            filter_ = where.match(rest).captured(1);
            keyTable_ = m.captured(1);
            // Rows the order leaves tied come in table order, as a scan of the table gives them.
            keyQuery_ = "SELECT rowid FROM " + keyTable_ + (rest.isEmpty() ? QString() : " " + rest) +
                        (orderBy.match(rest).hasMatch() ? ", rowid" : " ORDER BY rowid");
        }
    }
    open_ = load();
    return open_;
}

bool Recordset::load() {
    names_.clear();
    isDate_.clear();
    kinds_.clear();
    store_.clear();
    rowRef_.clear();
    cachedRow_ = -1;
    pos_ = 0;
    onDeleted_ = false;
    edit_ = Edit::None;
    endStream();
    streamError_.clear();
    keys_.clear();
    forgetPages();
    reader_.reset();
    try {
        if (keyed_) {
            reader_ = std::make_unique<Reader>(conn_->handle(), keyTable_);
            reader_->stream = std::make_unique<Statement>(
                conn_->handle(),
                QString(keyQuery_).replace(QRegularExpression("^SELECT rowid FROM"), "SELECT rowid, * FROM"));
            readColumns(reader_->stream->st, 1);
            streaming_ = true;
            streamingSets().push_back(this);
            finishReadsWhenIdle();
            // The first page now: a short set is then whole, and a lock or a fault shows at once.
            while (keys_.size() < PageRows && stepStream())
                cacheStreamRow();
            return true;
        }
        QString text = sql_;
        if (IsUpdatable()) {
            // The rowid identifies the row on write-back; it is not one of the set's columns.
            static const QRegularExpression star(R"(^\s*select\s+\*)",
                                                 QRegularExpression::CaseInsensitiveOption);
            text.replace(star, "SELECT rowid, *");
        }
        Statement s(conn_->handle(), text);
        const int first = IsUpdatable() ? 1 : 0;
        const int n = sqlite3_column_count(s.st);
        readColumns(s.st, first);
        int rc;
        while ((rc = sqlite3_step(s.st)) == SQLITE_ROW) {
            scratch_.clear();
            if (first) putVarint(scratch_, zigzag(sqlite3_column_int64(s.st, 0)));
            for (int i = first; i < n; ++i)
                appendColumn(scratch_, s.st, i, kinds_[static_cast<size_t>(i - first)]);
            rowRef_.push_back(store_.place(scratch_));
        }
        if (rc != SQLITE_DONE) throw DbError(conn_->lastError(), text);
        rowRef_.shrink_to_fit();
        return true;
    } catch (const DbError& e) {
        endStream();
        lastError_ = e.description();
        lastStatement_ = e.statement();
        names_.clear();
        store_.clear();
        rowRef_.clear();
        keys_.clear();
        return false;
    }
}

void Recordset::readColumns(sqlite3_stmt* st, int first) {
    const int n = sqlite3_column_count(st);
    for (int i = first; i < n; ++i) {
        names_ << QString::fromUtf8(sqlite3_column_name(st, i));
        const char* decl = sqlite3_column_decltype(st, i);
        const bool date = decl && (qstricmp(decl, "DATE") == 0 || qstricmp(decl, "DATETIME") == 0);
        isDate_.push_back(date);
        kinds_.push_back(date                                  ? ColumnKind::Date
                         : decl && qstricmp(decl, "TEXT") == 0 ? ColumnKind::Text
                                                               : ColumnKind::Other);
    }
}

bool Recordset::stepStream() const {
    if (!streaming_) return false;
    Statement& s = *reader_->stream;
    const int rc = sqlite3_step(s.st);
    if (rc == SQLITE_ROW) {
        keys_.push_back(sqlite3_column_int64(s.st, 0));
        streamRowCached_ = false;
        return true;
    }
    if (rc != SQLITE_DONE) {
        streamError_ = conn_->lastError();
        streamErrorStatement_ = s.sql;
    }
    endStream();
    if (!streamError_.isEmpty()) throw DbError(streamError_, streamErrorStatement_);
    return false;
}

void Recordset::endStream() const {
    if (!streaming_) return;
    streaming_ = false;
    if (reader_) reader_->stream.reset();
    auto& sets = streamingSets();
    sets.erase(std::remove(sets.begin(), sets.end(), this), sets.end());
}

void Recordset::cacheStreamRow() const {
    scratch_.clear();
    for (int i = 0; i < FieldCount(); ++i)
        appendColumn(scratch_, reader_->stream->st, i + 1, kinds_[static_cast<size_t>(i)]);
    cached_[keys_.back()] = store_.place(scratch_);
    streamRowCached_ = true;
}

void Recordset::FinishReading() const {
    if (!streaming_) return;
    // The remaining keys come from the key query, which an index on the order can answer alone: stepping
    // the set's own SELECT on would read every remaining row from the table for its key only.
    const size_t have = keys_.size();
    std::vector<long long> rest;
    bool same = true;
    try {
        Statement k(conn_->handle(), keyQuery_);
        size_t i = 0;
        int rc;
        while ((rc = sqlite3_step(k.st)) == SQLITE_ROW) {
            const long long key = sqlite3_column_int64(k.st, 0);
            if (i < have) {
                if (keys_[i] != key) {
                    same = false;
                    break;
                }
            } else {
                rest.push_back(key);
            }
            ++i;
        }
        if (same && rc != SQLITE_DONE) throw DbError(conn_->lastError(), k.sql);
    } catch (const DbError& e) {
        streamError_ = e.description();
        streamErrorStatement_ = e.statement();
        endStream();
        throw;
    }
    if (!same) {
        // Not the keys the set has read (it cannot happen while the read is open): step the SELECT itself.
        while (stepStream()) {
        }
        return;
    }
    keys_.insert(keys_.end(), rest.begin(), rest.end());
    endStream();
}

bool Recordset::reach(int row) const {
    if (!streamError_.isEmpty()) throw DbError(streamError_, streamErrorStatement_);
    while (row >= static_cast<int>(keys_.size()) && stepStream()) {
    }
    return row >= 0 && row < static_cast<int>(keys_.size());
}

int Recordset::storedRows() const {
    if (!keyed_) return static_cast<int>(rowRef_.size());
    if (!streamError_.isEmpty()) throw DbError(streamError_, streamErrorStatement_);
    FinishReading();
    return static_cast<int>(keys_.size());
}

bool Recordset::isEmpty() const {
    return edit_ != Edit::New && (keyed_ ? !reach(0) : rowRef_.empty());
}

void Recordset::forgetPages() const {
    cached_.clear();
    streamRowCached_ = false;
    if (keyed_) store_.clear();
    cachedRow_ = -1;
}

const char* Recordset::rowData(int row) const {
    if (!keyed_) return store_.at(rowRef_[static_cast<size_t>(row)]);
    const long long key = keys_[static_cast<size_t>(row)];
    auto at = cached_.find(key);
    if (at == cached_.end()) {
        readPage(row);
        at = cached_.find(key);
    }
    if (at == cached_.end() || at->second == kGone) throw DbError(kDeletedRow);
    return store_.at(at->second);
}

void Recordset::readPage(int row) const {
    if (store_.bytes() > kCacheBytes) forgetPages();
    if (!reader_) reader_ = std::make_unique<Reader>(conn_->handle(), keyTable_);
    const size_t first = static_cast<size_t>(row - row % PageRows);
    const size_t end = std::min(first + PageRows, keys_.size());
    const auto keep = [this](sqlite3_stmt* st, long long key) {
        scratch_.clear();
        for (int i = 0; i < FieldCount(); ++i)
            appendColumn(scratch_, st, i + 1, kinds_[static_cast<size_t>(i)]);
        cached_[key] = store_.place(scratch_);
    };
    const auto failed = [this](Statement& s) {
        const QString reason = conn_->lastError();
        sqlite3_reset(s.st);
        throw DbError(reason, s.sql);
    };
    bool ascending = true;
    for (size_t i = first + 1; i < end && ascending; ++i)
        ascending = keys_[i] > keys_[i - 1];
    const long long span = keys_[end - 1] - keys_[first];
    int rc;
    if (ascending && span < static_cast<long long>(4 * (end - first) + 64)) {
        // Keys that follow the table's order: one scan of their stretch of the table, the rows between
        // them skipped.
        Statement& s = reader_->range;
        sqlite3_bind_int64(s.st, 1, keys_[first]);
        sqlite3_bind_int64(s.st, 2, keys_[end - 1]);
        size_t next = first;
        while ((rc = sqlite3_step(s.st)) == SQLITE_ROW) {
            const long long rowid = sqlite3_column_int64(s.st, 0);
            for (; next < end && keys_[next] < rowid; ++next)
                cached_[keys_[next]] = kGone;
            if (next < end && keys_[next] == rowid) keep(s.st, keys_[next++]);
        }
        if (rc != SQLITE_DONE) failed(s);
        sqlite3_reset(s.st);
        for (; next < end; ++next)
            cached_[keys_[next]] = kGone;
        return;
    }
    Statement& s = reader_->one;
    for (size_t i = first; i < end; ++i) {
        if (cached_.count(keys_[i])) continue;
        sqlite3_bind_int64(s.st, 1, keys_[i]);
        rc = sqlite3_step(s.st);
        if (rc == SQLITE_ROW)
            keep(s.st, keys_[i]);
        else if (rc == SQLITE_DONE)
            cached_[keys_[i]] = kGone;
        else
            failed(s);
        sqlite3_reset(s.st);
    }
}

void Recordset::Close() {
    endStream();
    streamError_.clear();
    open_ = false;
    conn_.reset();
    names_.clear();
    isDate_.clear();
    kinds_.clear();
    store_.clear();
    rowRef_.clear();
    rowRef_.shrink_to_fit();
    keys_.clear();
    keys_.shrink_to_fit();
    forgetPages();
    reader_.reset();
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
        throw DbError(
            "Current Recordset does not support updating. This may be a limitation of the provider, "
            "or of the selected locktype.");
}

int Recordset::RecordCount() const {
    return storedRows() + (edit_ == Edit::New ? 1 : 0);
}

QString Recordset::FieldName(int pos) const {
    return pos >= 0 && pos < names_.size() ? names_[pos] : QString();
}

bool Recordset::AtBOF() const {
    return isEmpty() || (!onDeleted_ && pos_ < 0);
}

bool Recordset::AtEOF() const {
    if (isEmpty()) return true;
    if (edit_ == Edit::New || !keyed_) return pos_ >= RecordCount();
    return pos_ >= 0 && !reach(pos_);
}

int Recordset::CurrentIndex() const {
    if (!open_ || onDeleted_ || pos_ < 0) return -1;
    if (edit_ == Edit::New) return pos_ < RecordCount() ? pos_ : -1;
    return (keyed_ ? reach(pos_) : pos_ < storedRows()) ? pos_ : -1;
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

void Recordset::MoveTo(int index) {
    requireOpen();
    commitPending();
    onDeleted_ = false;
    pos_ = std::clamp(index, 0, std::max(0, RecordCount() - 1));
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
        const char* p = rowData(row);
        cachedData_ = p;
        if (rowidInData()) getVarint(p);
        cellOffset_.resize(static_cast<size_t>(FieldCount()));
        for (int i = 0; i < FieldCount(); ++i) {
            cellOffset_[static_cast<size_t>(i)] = static_cast<unsigned>(p - cachedData_);
            p = skipCell(p);
        }
        cachedRow_ = row;
    }
    return cachedData_ + cellOffset_[static_cast<size_t>(pos)];
}

long long Recordset::rowidOf(int row) const {
    if (keyed_) return keys_[static_cast<size_t>(row)];
    const char* p = rowData(row);
    return unzigzag(getVarint(p));
}

std::vector<Value> Recordset::rowValues(int row) const {
    std::vector<Value> v;
    v.reserve(static_cast<size_t>(FieldCount()));
    for (int i = 0; i < FieldCount(); ++i)
        v.push_back(decodeCell(cell(row, i)));
    return v;
}

Value Recordset::Field(int pos) const {
    requireCurrent();
    if (pos < 0 || pos >= FieldCount())
        throw DbError(
            "Item cannot be found in the collection corresponding to the requested name or ordinal.");
    if (edit_ != Edit::None && pos_ == (edit_ == Edit::New ? storedRows() : editReturnPos_))
        return pending_[static_cast<size_t>(pos)];
    return decodeCell(cell(pos_, pos));
}

namespace {
// A cell as a screen shows it: texts as stored, "YYYY-MM-DD" as "DD/MM/YYYY" without a date parser.
QString shownText(const char* p) {
    if (tagOf(p) == TText) {
        const size_t n = textLength(p);
        return QString::fromUtf8(p, static_cast<qsizetype>(n));
    }
    if (tagOf(p) == TDate) {
        const char* start = p;
        const size_t n = textLength(p);
        if (n == 10 && p[4] == '-' && p[7] == '-') {
            const char shown[10] = {p[8], p[9], '/', p[5], p[6], '/', p[0], p[1], p[2], p[3]};
            return QString::fromLatin1(shown, 10);
        }
        p = start;
    }
    return decodeCell(p).toText();
}
} // namespace

QString Recordset::FieldText(int pos) const {
    // The common read: straight from the rows held, without building a Value.
    // A forward walk reads the row the set's SELECT stands on, without keeping it.
    if (streaming_ && !streamRowCached_ && edit_ == Edit::None && !onDeleted_ &&
        pos_ + 1 == static_cast<int>(keys_.size()) && pos >= 0 && pos < FieldCount()) {
        sqlite3_stmt* st = reader_->stream->st;
        const int col = pos + 1;
        switch (kinds_[static_cast<size_t>(pos)]) {
        case ColumnKind::Text: {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
            return t ? QString::fromUtf8(t, sqlite3_column_bytes(st, col)) : QString();
        }
        case ColumnKind::Other:
            // A whole number as numberText writes it, without going through a double.
            if (sqlite3_column_type(st, col) == SQLITE_INTEGER) {
                const long long v = sqlite3_column_int64(st, col);
                if (v > -(1LL << 53) && v < (1LL << 53)) return QString::number(v);
            }
            break;
        case ColumnKind::Date: {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
            if (t && sqlite3_column_bytes(st, col) == 10 && t[4] == '-' && t[7] == '-') {
                const char shown[10] = {t[8], t[9], '/', t[5], t[6], '/', t[0], t[1], t[2], t[3]};
                return QString::fromLatin1(shown, 10);
            }
            break;
        }
        }
        scratch_.clear();
        appendColumn(scratch_, st, pos + 1, kinds_[static_cast<size_t>(pos)]);
        return shownText(scratch_.data());
    }
    if (edit_ == Edit::None && CurrentIndex() >= 0 && pos >= 0 && pos < FieldCount())
        return shownText(cell(pos_, pos));
    return Field(pos).toText();
}

QStringList Recordset::ColumnTexts(int pos) const {
    requireOpen();
    if (pos < 0 || pos >= FieldCount())
        throw DbError(
            "Item cannot be found in the collection corresponding to the requested name or ordinal.");
    const int rows = storedRows();
    if (!keyed_) {
        QStringList out;
        out.reserve(rows);
        for (int row = 0; row < rows; ++row)
            out << shownText(cell(row, pos));
        return out;
    }
    // The column is read in rowid order, one pass over the table, and each text put at its key's place in the
    // set's order: asking for it in the set's own order would visit the table row by row through an index
    // that does not hold the column. A row another program deleted since the keys were read is empty; one it
    // changed shows what it holds now.
    std::vector<std::pair<long long, int>> byRowid(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row)
        byRowid[static_cast<size_t>(row)] = {keys_[static_cast<size_t>(row)], row};
    std::sort(byRowid.begin(), byRowid.end());
    QList<QString> out(rows);
    const QString text = "SELECT rowid, " + quoted(names_[pos]) + " FROM " + quoted(keyTable_) +
                         (filter_.isEmpty() ? QString() : " WHERE " + filter_) + " ORDER BY rowid";
    Statement s(conn_->handle(), text);
    size_t next = 0;
    int rc = SQLITE_DONE;
    while (next < byRowid.size() && (rc = sqlite3_step(s.st)) == SQLITE_ROW) {
        const long long rowid = sqlite3_column_int64(s.st, 0);
        while (next < byRowid.size() && byRowid[next].first < rowid)
            ++next; // gone since the keys were read
        if (next < byRowid.size() && byRowid[next].first == rowid) {
            scratch_.clear();
            appendColumn(scratch_, s.st, 1, kinds_[static_cast<size_t>(pos)]);
            out[byRowid[next++].second] = shownText(scratch_.data());
        }
    }
    if (next < byRowid.size() && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw DbError(conn_->lastError(), text);
    return out;
}

void Recordset::SetField(int pos, const Value& v) {
    requireUpdatable();
    requireCurrent();
    if (pos < 0 || pos >= FieldCount())
        throw DbError(
            "Item cannot be found in the collection corresponding to the requested name or ordinal.");
    if (edit_ == Edit::None) {
        edit_ = Edit::Change;
        editReturnPos_ = pos_;
        pending_ = rowValues(pos_);
        changed_.assign(static_cast<size_t>(FieldCount()), false);
    }
    pending_[static_cast<size_t>(pos)] = v;
    changed_[static_cast<size_t>(pos)] = true;
}

namespace {
// A column compared without its surrounding blanks, as QString::trimmed() reads it.
QString trimmedColumn(const QString& column) {
    return "trim(CAST(" + quoted(column) + " AS TEXT), ' ' || char(9, 10, 11, 12, 13, 133, 160))";
}
} // namespace

QStringList KeyIndexStatements(const QString& table, const QString& column) {
    return {"CREATE INDEX IF NOT EXISTS " + quoted(table + column) + " ON " + quoted(table) + " (" +
                quoted(column) + ")",
            "CREATE INDEX IF NOT EXISTS " + quoted(table + "Trimmed" + column) + " ON " + quoted(table) +
                " (" + trimmedColumn(column) + ")"};
}

int Recordset::FindTrimmed(int pos, const QString& text, bool last) const {
    requireOpen();
    if (pos < 0 || pos >= FieldCount() || storedRows() == 0) return -1;
    const int rows = storedRows();
    if (!keyed_) {
        for (int i = 0; i < rows; ++i) {
            const int row = last ? rows - 1 - i : i;
            if (shownText(cell(row, pos)).trimmed() == text) return row;
        }
        return -1;
    }
    const QString sql =
        "SELECT rowid FROM " + quoted(keyTable_) + " WHERE " + trimmedColumn(names_[pos]) + " = ?";
    Statement s(conn_->handle(), sql);
    const QByteArray wanted = text.toUtf8();
    sqlite3_bind_text(s.st, 1, wanted.constData(), static_cast<int>(wanted.size()), SQLITE_TRANSIENT);
    std::vector<long long> found;
    int rc;
    while ((rc = sqlite3_step(s.st)) == SQLITE_ROW)
        found.push_back(sqlite3_column_int64(s.st, 0));
    if (rc != SQLITE_DONE) throw DbError(conn_->lastError(), sql);
    if (found.empty()) return -1;
    std::sort(found.begin(), found.end());
    for (int i = 0; i < rows; ++i) {
        const int row = last ? rows - 1 - i : i;
        if (std::binary_search(found.begin(), found.end(), keys_[static_cast<size_t>(row)])) return row;
    }
    return -1;
}

bool Recordset::StoredTrimmed(int pos, const QString& text) const {
    requireOpen();
    if (pos < 0 || pos >= FieldCount())
        throw DbError(
            "Item cannot be found in the collection corresponding to the requested name or ordinal.");
    // A plain set asks its table, so an index on the trimmed column serves; any other asks its SELECT.
    const QString sql =
        keyed_ ? "SELECT 1 FROM " + quoted(keyTable_) + " WHERE " + trimmedColumn(names_[pos]) + " = ?" +
                     (filter_.isEmpty() ? QString() : " AND (" + filter_ + ")") + " LIMIT 1"
               : "SELECT 1 FROM (" + sql_ + ") WHERE " + trimmedColumn(names_[pos]) + " = ? LIMIT 1";
    Statement s(conn_->handle(), sql);
    const QByteArray wanted = text.toUtf8();
    sqlite3_bind_text(s.st, 1, wanted.constData(), static_cast<int>(wanted.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(s.st);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) throw DbError(conn_->lastError(), sql);
    return rc == SQLITE_ROW;
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
    scratch_.clear();
    if (sqlite3_step(s.st) == SQLITE_ROW) {
        if (rowidInData()) putVarint(scratch_, zigzag(rowid));
        for (int i = 0; i < FieldCount(); ++i)
            appendColumn(scratch_, s.st, i + 1, kinds_[static_cast<size_t>(i)]);
    } else {
        throw DbError(
            "Row cannot be located for updating. Some values may have been changed since it was last read.");
    }
    const auto ref = store_.place(scratch_);
    cachedRow_ = -1;
    if (keyed_) {
        cached_[rowid] = ref;
        if (row == storedRows()) keys_.push_back(rowid);
        return;
    }
    if (row == storedRows())
        rowRef_.push_back(ref);
    else
        rowRef_[static_cast<size_t>(row)] = ref;
}

void Recordset::Update() {
    requireOpen();
    if (edit_ == Edit::None) return;
    requireUpdatable();
    FinishOpenReads(conn_.get());
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
            for (qsizetype i = 0; i < cols.size(); ++i)
                marks << "?";
            sql += " (" + cols.join(", ") + ") VALUES (" + marks.join(", ") + ")";
        }
        Statement s(db, sql);
        int k = 1;
        for (int i = 0; i < FieldCount(); ++i)
            if (changed_[static_cast<size_t>(i)])
                bindValue(s.st, k++, pending_[static_cast<size_t>(i)], isDate_[static_cast<size_t>(i)]);
        s.run(db);
        rowid = sqlite3_last_insert_rowid(db);
    } else {
        rowid = rowidOf(editReturnPos_);
        if (!cols.isEmpty()) {
            Statement s(db,
                        "UPDATE " + quoted(table_) + " SET " + cols.join(" = ?, ") + " = ? WHERE rowid = ?");
            int k = 1;
            for (int i = 0; i < FieldCount(); ++i)
                if (changed_[static_cast<size_t>(i)])
                    bindValue(s.st, k++, pending_[static_cast<size_t>(i)], isDate_[static_cast<size_t>(i)]);
            sqlite3_bind_int64(s.st, k, rowid);
            s.run(db);
            if (sqlite3_changes(db) != 1)
                throw DbError(
                    "Row cannot be located for updating. Some values may have been changed since it "
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
    FinishOpenReads(conn_.get());
    edit_ = Edit::None;
    pending_.clear();
    Statement s(conn_->handle(), "DELETE FROM " + quoted(table_) + " WHERE rowid = ?");
    sqlite3_bind_int64(s.st, 1, rowidOf(pos_));
    s.run(conn_->handle());
    if (keyed_) {
        cached_.erase(keys_[static_cast<size_t>(pos_)]);
        keys_.erase(keys_.begin() + pos_);
    } else {
        rowRef_.erase(rowRef_.begin() + pos_);
    }
    cachedRow_ = -1;
    onDeleted_ = true;
}

void Recordset::Requery() {
    requireOpen();
    if (!load()) {
        open_ = false;
        throw DbError(lastError_, lastStatement_);
    }
}

size_t Recordset::MemoryBytes() const {
    return store_.bytes() + rowRef_.capacity() * sizeof(rowRef_[0]) + keys_.capacity() * sizeof(keys_[0]) +
           cached_.size() * 32 + cellOffset_.capacity() * sizeof(unsigned);
}

namespace {
constexpr size_t kFirstBlock = 16 * 1024, kHugeBlock = 2 * 1024 * 1024;

// A 2 MiB block aligned to 2 MiB, which the kernel can back with one huge page.
char* mapHugeBlock() {
    void* raw = mmap(nullptr, 2 * kHugeBlock, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = (start + kHugeBlock - 1) & ~(uintptr_t{kHugeBlock} - 1);
    if (aligned > start) munmap(raw, aligned - start);
    const uintptr_t end = aligned + kHugeBlock;
    if (start + 2 * kHugeBlock > end) munmap(reinterpret_cast<void*>(end), start + 2 * kHugeBlock - end);
    madvise(reinterpret_cast<void*>(aligned), kHugeBlock, MADV_HUGEPAGE);
    return reinterpret_cast<char*>(aligned);
}
} // namespace

Recordset::RowStore::Block::~Block() {
    if (size == kHugeBlock)
        munmap(data, size);
    else
        std::free(data);
}

void Recordset::RowStore::clear() {
    blocks_.clear();
    used_ = capacity_ = allocated_ = 0;
}

unsigned long long Recordset::RowStore::place(const std::string& row) {
    // Blocks double from 16 KiB, so a short list stays small, up to 2 MiB huge pages: first touching
    // a large copy then costs a few page faults instead of thousands.
    if (blocks_.empty() || used_ + row.size() > capacity_) {
        const size_t next = blocks_.empty() ? kFirstBlock : std::min(capacity_ * 2, kHugeBlock);
        capacity_ = std::max(next, row.size() + 1);
        char* block = capacity_ == kHugeBlock ? mapHugeBlock() : static_cast<char*>(std::malloc(capacity_));
        if (!block) throw DbError("Not enough memory to hold the records.");
        blocks_.push_back(std::make_unique<Block>(block, capacity_));
        allocated_ += capacity_;
        used_ = 0;
    }
    std::memcpy(blocks_.back()->data + used_, row.data(), row.size());
    const unsigned long long ref = (static_cast<unsigned long long>(blocks_.size() - 1) << 32) | used_;
    used_ += row.size();
    return ref;
}

namespace {
// Reads a cell's text into `text`, reusing its buffer for plain ASCII, as most cells are: a long report then
// allocates nothing per cell.
void readInto(QString& text, const char* t, int bytes) {
    if (!t) {
        text = QString();
        return;
    }
    const auto* in = reinterpret_cast<const unsigned char*>(t);
    bool ascii = true;
    for (int i = 0; i < bytes && ascii; ++i)
        ascii = in[i] < 0x80;
    if (!ascii) {
        text = QString::fromUtf8(t, bytes);
        return;
    }
    if (!text.isDetached() || text.capacity() < bytes) {
        // Room for the longer cells to come, so that the buffer is kept from row to row.
        text = QString();
        text.reserve(std::max(bytes, 64));
    }
    text.resize(bytes);
    QChar* out = text.data();
    for (int i = 0; i < bytes; ++i)
        out[i] = QChar(in[i]);
}
} // namespace

void ForEachRowText(const std::shared_ptr<Connection>& connection, const QString& sql, QStringList* names,
                    const std::function<void(const std::vector<QString>& texts)>& row) {
    if (!connection) throw DbError("Operation is not allowed when the object is closed.");
    Statement s(connection->handle(), sql);
    const int n = sqlite3_column_count(s.st);
    std::vector<ColumnKind> kinds;
    for (int i = 0; i < n; ++i) {
        if (names) *names << QString::fromUtf8(sqlite3_column_name(s.st, i));
        const char* decl = sqlite3_column_decltype(s.st, i);
        kinds.push_back(decl && (qstricmp(decl, "DATE") == 0 || qstricmp(decl, "DATETIME") == 0)
                            ? ColumnKind::Date
                        : decl && qstricmp(decl, "TEXT") == 0 ? ColumnKind::Text
                                                              : ColumnKind::Other);
    }
    std::vector<QString> texts(static_cast<size_t>(n));
    std::string cell;
    int rc;
    while ((rc = sqlite3_step(s.st)) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i) {
            const ColumnKind kind = kinds[static_cast<size_t>(i)];
            QString& text = texts[static_cast<size_t>(i)];
            if (kind == ColumnKind::Text || sqlite3_column_type(s.st, i) == SQLITE_TEXT) {
                // Most cells are plain text: read straight, as a record set shows them.
                const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s.st, i));
                const int bytes = sqlite3_column_bytes(s.st, i);
                if (kind != ColumnKind::Date) {
                    readInto(text, t, bytes);
                    continue;
                }
            }
            cell.clear();
            appendColumn(cell, s.st, i, kind);
            text = shownText(cell.data());
        }
        row(texts);
    }
    if (rc != SQLITE_DONE) throw DbError(connection->lastError(), sql);
}
