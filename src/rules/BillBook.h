#pragma once

#include "data/Recordset.h"
#include "data/Value.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class Connection;

// The tables of one kind of bill: its bill table and its one-row counter of the last number stored.
struct BillTables {
    QString bills;   // "OutPatientPrintDetails"
    QString counter; // "SettingsOutBillNo"
    QString kind;    // the kind a cancellation record names: "OutPatient", "InPatient", "Lab", "XRay"
};
inline const BillTables OutPatientBills{"OutPatientPrintDetails", "SettingsOutBillNo", "OutPatient"};
inline const BillTables InPatientBills{"InPatientPrintDetails", "SettingsInBillNo", "InPatient"};
inline const BillTables LabBills{"LabPrintDetails", "SettingsLabBillNo", "Lab"};
inline const BillTables XRayBills{"XRayPrintDetails", "SettingsXRayBillNo", "XRay"};

// Cancels stored bill `number` in one transaction: each of its rows (at `rows` of the set, an updatable set
// over the bill table) marked "Deleted", and a row in BillCancellations saying which bill, when and by
// whom. Either both or neither are written; after a failure the set is read again and the failure thrown
// on (DbError). The counter and every other table stay as they are.
void cancelBill(const BillTables& kind, Recordset& set, const std::vector<int>& rows, long long number,
                const QString& user);

// The bill numbers of one kind and the storing of its bills.
class BillBook {
public:
    explicit BillBook(BillTables tables) : tables_(std::move(tables)) {}

    // Opens the counter on the connection; false when it does not open (its error in LastError()).
    bool open(std::shared_ptr<Connection> connection);
    const QString& LastError() const { return error_; }
    const QString& LastStatement() const { return statement_; }
    const BillTables& tables() const { return tables_; }

    // The number the next bill gets: the counter read afresh, plus 1; 1 when it holds 0 or has no row.
    // Nothing is written. Throws DbError.
    long long nextNumber();

    // Stores a bill in one transaction: its rows (each the values of the bill table's columns from column
    // 0; column 0 takes `number` and BillDelete "Available"), then the counter set to `number` (its row made
    // when missing), then `alsoWrite` (the in-patient's advance). A number the counter has reached meanwhile
    // is refused. Any failure rolls all of it back; the
    // counter and every set in `involved` are then read again, so none shows a row the file does not hold,
    // and the failure is thrown on (DbError).
    void store(long long number, const std::vector<std::vector<Value>>& rows,
               const std::function<void()>& alsoWrite = {}, const std::vector<Recordset*>& involved = {});

private:
    BillTables tables_;
    std::shared_ptr<Connection> conn_;
    Recordset counter_;
    QString error_, statement_;
};
