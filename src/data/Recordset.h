#pragma once

#include "data/Value.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class Connection;
struct sqlite3_stmt;
enum class ColumnKind : unsigned char;

// One SELECT text with a current-row cursor.
// A set over "SELECT * FROM <table> [WHERE ...] [ORDER BY ...]" holds only the rowids of its rows, in
// order (so it does not see rows stored later until a requery), and reads the rows themselves in pages
// when they are visited, keeping a few pages. Its SELECT is stepped once: the first page when the set
// opens, then further as the cursor walks forward, its rows read straight from the engine; whatever needs
// every key (the count, the last row, a write, the program waiting for the operator) reads the remaining
// keys at once, so no read is left open while the operator works. A set over any other SELECT holds a
// compact copy of every row.
// Editable and Grid sets over the plain form may be changed and written back; Snapshot sets, and sets over
// any other SELECT, are read-only.
// Operations that need a current row, or that fail in the database, throw DbError; so does reading a row
// that another program deleted after the keys were read.
class Recordset {
public:
    enum class Mode { Editable, Snapshot, Grid };

    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Runs the SELECT text and copies its rows. Returns whether the set is open; never throws.
    bool Open(const QString& sql, std::shared_ptr<Connection> connection, Mode mode);
    void Close();
    bool IsOpen() const { return open_; }
    int State() const { return open_ ? 1 : 0; }
    const QString& LastError() const { return lastError_; }
    // The statement that failed last, for the failure log.
    const QString& LastStatement() const { return lastStatement_; }
    const QString& Source() const { return sql_; }
    // The connection the set reads and writes through (a transaction around its writes must use it).
    const std::shared_ptr<Connection>& ActiveConnection() const { return conn_; }
    bool IsUpdatable() const { return !table_.isEmpty(); }

    int RecordCount() const;
    int FieldCount() const { return static_cast<int>(names_.size()); }
    QString FieldName(int pos) const;
    bool AtBOF() const;
    bool AtEOF() const;
    // The current row's index counted from 0, or -1 when there is none.
    int CurrentIndex() const;

    // A pending new or changed row is written first, as the screens expect.
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    // Moves to the row at `index` counted from 0 (clamped to the rows there are).
    void MoveTo(int index);

    Value Field(int pos) const;
    QString FieldText(int pos) const;
    // Column `pos` of every row held, in order, as FieldText shows it (a row pending addition not included).
    QStringList ColumnTexts(int pos) const;
    // Changes the current row in the copy only; Update writes it.
    void SetField(int pos, const Value& v);
    void SetField(int pos, const QString& text) { SetField(pos, Value::text(text)); }

    // The row of the set, first or last in its order, whose column `pos` read without its surrounding
    // blanks is `text`; -1 when none is. Asks the file for the matching rows rather than reading the set.
    int FindTrimmed(int pos, const QString& text, bool last) const;
    // Whether the set's SELECT, run afresh (so rows stored since it opened count), gives a row whose
    // column `pos` without its surrounding blanks is `text`. Runs inside the connection's transaction.
    bool StoredTrimmed(int pos, const QString& text) const;

    void AddNew();
    void Update();
    void CancelUpdate();
    bool EditPending() const { return edit_ != Edit::None; }
    // Removes the current row from the copy and from the file; no row is current until a move.
    void Delete();
    // Runs the SELECT text again; the cursor is then on the first row.
    void Requery();

    // Reads the keys the set has not read yet and ends its read of the file (see above).
    void FinishReading() const;

    // Bytes the set holds, for the benchmark.
    size_t MemoryBytes() const;
    // Rows read per page of a keyed set.
    static constexpr int PageRows = 256;

private:
    enum class Edit { None, Change, New };

    bool load();
    void readColumns(sqlite3_stmt* st, int first);
    // Copied updatable sets keep each row's rowid in front of its cells.
    bool rowidInData() const { return !keyed_ && IsUpdatable(); }
    void requireOpen() const;
    void requireCurrent() const;
    void requireUpdatable() const;
    void commitPending();
    int storedRows() const;
    // Steps the set's SELECT to its next row and keeps the key; false at its end.
    bool stepStream() const;
    void endStream() const;
    // Whether the set has a row at `row`, stepping its SELECT as far as needed.
    bool reach(int row) const;
    bool isEmpty() const;
    void cacheStreamRow() const;
    const char* rowData(int row) const;
    // Reads the page of a keyed set that holds `row` into the cache.
    void readPage(int row) const;
    void forgetPages() const;
    const char* cell(int row, int pos) const;
    long long rowidOf(int row) const;
    std::vector<Value> rowValues(int row) const;
    // Reads the row back from the file so the copy holds what the file holds.
    void refreshRow(long long rowid, int row);

    std::shared_ptr<Connection> conn_;
    QString sql_;
    QString table_;    // set only for updatable sets
    QString keyTable_; // set for keyed sets (the plain form), updatable or not
    QString keyQuery_;
    QString filter_; // a keyed set's WHERE condition, if any
    bool keyed_ = false;
    Mode mode_ = Mode::Snapshot;
    bool open_ = false;
    QString lastError_;
    QString lastStatement_;

    QStringList names_;
    std::vector<bool> isDate_;
    std::vector<ColumnKind> kinds_;
    // Rows encoded one after another ([rowid for updatable sets] then every cell) in blocks that
    // never move, so growing the copy neither copies it nor needs twice its size.
    class RowStore {
    public:
        void clear();
        // Copies an encoded row into the store; the reference stays valid until clear().
        unsigned long long place(const std::string& row);
        const char* at(unsigned long long ref) const {
            return blocks_[ref >> 32]->data + (ref & 0xffffffffu);
        }
        size_t bytes() const { return allocated_; }

    private:
        struct Block {
            Block(char* d, size_t s) : data(d), size(s) {}
            ~Block();
            Block(const Block&) = delete;
            Block& operator=(const Block&) = delete;
            char* data;
            size_t size;
        };
        std::vector<std::unique_ptr<Block>> blocks_;
        size_t used_ = 0, capacity_ = 0, allocated_ = 0;
    };
    // A copied set: every row, in order. A keyed set: the pages visited lately, by rowid.
    mutable RowStore store_;
    mutable std::string scratch_;
    std::vector<unsigned long long> rowRef_;
    mutable std::vector<long long> keys_;
    mutable std::unordered_map<long long, unsigned long long> cached_;
    struct Reader;
    mutable std::unique_ptr<Reader> reader_;
    // While true, the set's SELECT stands on the row of the last key read (keys_.back()).
    mutable bool streaming_ = false;
    mutable bool streamRowCached_ = false;
    // Why reading the remaining keys failed, reported by every read that needs them.
    mutable QString streamError_, streamErrorStatement_;
    // The row whose cells cell() found last; any change to the rows held forgets it.
    mutable int cachedRow_ = -1;
    mutable const char* cachedData_ = nullptr;
    mutable std::vector<unsigned> cellOffset_;

    int pos_ = 0;
    bool onDeleted_ = false;
    Edit edit_ = Edit::None;
    int editReturnPos_ = 0;
    std::vector<Value> pending_;
    std::vector<bool> changed_;
};

// The statements that give a table the indexes its key column needs at a decade of rows: the column in
// order (the ID list), and the column without its surrounding blanks (FindTrimmed, StoredTrimmed).
QStringList KeyIndexStatements(const QString& table, const QString& column);

// Steps a SELECT and hands each row to `row` as the texts a record set shows for its columns, keeping no
// row: for reading many rows once, in order. `names` receives the column names first. Throws DbError.
void ForEachRowText(const std::shared_ptr<Connection>& connection, const QString& sql, QStringList* names,
                    const std::function<void(const std::vector<QString>& texts)>& row);

// Ends every open read of `connection`'s sets (all connections' when null) before something writes
// through it or the program waits for the operator.
void FinishOpenReads(const Connection* connection);
