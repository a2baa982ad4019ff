#include "rules/BillBook.h"

#include "data/DbError.h"
#include "data/Environment.h"
#include "data/modConnectDB.h"
#include "rules/Formats.h"

#include <QDateTime>

namespace {
// After a rolled-back transaction a set reads again what the file holds; a set that cannot is left as it is,
// since the failure being reported is the one that matters.
void readAgain(Recordset& rs) noexcept {
    try {
        if (rs.EditPending()) rs.CancelUpdate();
        rs.Requery();
    } catch (...) {
    }
}
} // namespace

bool BillBook::open(std::shared_ptr<Connection> connection) {
    conn_ = std::move(connection);
    if (counter_.Open("SELECT * FROM " + tables_.counter, conn_, Recordset::Mode::Editable)) return true;
    error_ = counter_.LastError();
    statement_ = counter_.LastStatement();
    return false;
}

long long BillBook::nextNumber() {
    counter_.Requery();
    if (counter_.RecordCount() == 0) return 1;
    counter_.MoveFirst();
    return static_cast<long long>(numericValue(counter_.Field(0))) + 1;
}

void BillBook::store(long long number, const std::vector<std::vector<Value>>& rows,
                     const std::function<void()>& alsoWrite, const std::vector<Recordset*>& involved) {
    if (!conn_ || !counter_.IsOpen()) throw DbError("Operation is not allowed when the object is closed.");
    try {
        Connection::Transaction tx(*conn_);
        // Only the rows of this bill are read: the table may hold a decade of bills.
        Recordset bills;
        if (!bills.Open("SELECT * FROM " + tables_.bills + " WHERE BillNo = " + QString::number(number),
                        conn_, Recordset::Mode::Editable))
            throw DbError(bills.LastError(), bills.LastStatement());
        int status = -1;
        for (int c = 0; c < bills.FieldCount(); ++c)
            if (bills.FieldName(c) == QLatin1String("BillDelete")) status = c;
        for (const std::vector<Value>& row : rows) {
            bills.AddNew();
            for (int c = 0; c < static_cast<int>(row.size()) && c < bills.FieldCount(); ++c)
                bills.SetField(c, row[static_cast<size_t>(c)]);
            bills.SetField(0, Value::number(static_cast<double>(number)));
            if (status >= 0) bills.SetField(status, "Available");
            bills.Update();
        }
        counter_.Requery();
        if (counter_.RecordCount() == 0) {
            counter_.AddNew();
        } else {
            counter_.MoveFirst();
            // Another desk stored a bill since this number was offered: two bills never share a number.
            if (numericValue(counter_.Field(0)) >= static_cast<double>(number))
                throw DbError(
                    "Bill number " + QString::number(number) +
                    " has been stored meanwhile; clear the bill and print it under the next number.");
        }
        counter_.SetField(0, Value::number(static_cast<double>(number)));
        counter_.Update();
        if (alsoWrite) alsoWrite();
        tx.commit();
    } catch (...) {
        // The transaction has rolled back: what the sets hold is read again from the file.
        for (Recordset* rs : involved)
            readAgain(*rs);
        readAgain(counter_);
        throw;
    }
}

void cancelBill(const BillTables& kind, Recordset& set, const std::vector<int>& rows, long long number,
                const QString& user) {
    const std::shared_ptr<Connection> connection = set.ActiveConnection();
    if (!connection) throw DbError("Operation is not allowed when the object is closed.");
    int status = -1;
    for (int c = 0; c < set.FieldCount(); ++c)
        if (set.FieldName(c) == QLatin1String("BillDelete")) status = c;
    if (status < 0)
        throw DbError(
            "Item cannot be found in the collection corresponding to the requested name or ordinal.");
    try {
        Connection::Transaction tx(*connection);
        for (const int row : rows) {
            set.MoveTo(row);
            set.SetField(status, "Deleted");
            set.Update();
        }
        Recordset record;
        if (!record.Open("SELECT * FROM BillCancellations WHERE BillNo = " + QString::number(number),
                         connection, Recordset::Mode::Editable))
            throw DbError(record.LastError(), record.LastStatement());
        record.AddNew();
        record.SetField(0, kind.kind);
        record.SetField(1, Value::number(static_cast<double>(number)));
        record.SetField(2, Value::dateTime(QDateTime(Today(), QTime::currentTime())));
        record.SetField(3, user);
        record.Update();
        tx.commit();
    } catch (...) {
        readAgain(set);
        throw;
    }
}
