#include "data/Recordset.h"
#include "data/modConnectDB.h"
#include "support/AppFixture.h"

#include <sqlite3.h>

using Mode = Recordset::Mode;

class DeliveredDbTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        connect();
    }
    QStringList columns(const QString& table) {
        Recordset rs;
        EXPECT_TRUE(rs.Open("SELECT * FROM " + table, DbConnection, Mode::Snapshot)) << table.toStdString();
        QStringList c;
        for (int i = 0; i < rs.FieldCount(); ++i)
            c << rs.FieldName(i);
        return c;
    }
};

TEST_F(DeliveredDbTest, EveryTableWithItsColumnsInOrder) {
    EXPECT_EQ(columns("SettingsNewUser"), QStringList({"UserNo", "UserName", "Password", "UserType"}));
    EXPECT_EQ(columns("SettingDrDetails"),
              QStringList({"DoctorID", "FirstName", "LastName", "Sex", "MobilePhone", "HomePhone",
                           "DateOfBirth", "Age", "PagerNumber", "Address", "EmailId", "DoctorType",
                           "Qualification", "Specialization", "InTime", "OutTime", "AvailableDays"}));
    EXPECT_EQ(
        columns("SettingsEmployeeDetails"),
        QStringList({"EmployeeID", "FirstName", "LastName", "Sex", "MobilePhone", "HomePhone", "DateOfBirth",
                     "Age", "PagerNumber", "Address", "EmailId", "EmployeeType", "Qualification"}));
    EXPECT_EQ(columns("SettingsConsultant"), QStringList({"ConsultDate", "DrName", "Amount", "PatientID"}));
    EXPECT_EQ(columns("SettingsLab"), QStringList({"Description", "Amount"}));
    EXPECT_EQ(columns("SettingsXRay"), QStringList({"Description", "AdultAmount", "ChildrenAmount"}));
    const QStringList out = columns("SettingsOutPatient");
    ASSERT_EQ(out.size(), 11);
    for (auto [pos, name] : {std::pair{0, "EmployeeID"},
                             {1, "FirstName"},
                             {3, "Sex"},
                             {4, "MobilePhone"},
                             {7, "Age"},
                             {9, "Address"},
                             {10, "Location"}})
        EXPECT_EQ(out[pos], name);
    const QStringList in = columns("SettingsInPatient");
    ASSERT_EQ(in.size(), 19);
    EXPECT_EQ(in.mid(13), QStringList({"Prescription", "Disease", "Health", "DischargeDate", "Discharged",
                                       "AdvancePaid"}));
    EXPECT_EQ(in.mid(0, 11), out);
    for (const char* t : {"SettingsOutBillNo", "SettingsInBillNo", "SettingsLabBillNo", "SettingsXRayBillNo"})
        EXPECT_EQ(columns(t), QStringList({"LastBillNo"}));
    EXPECT_EQ(
        columns("OutPatientPrintDetails"),
        QStringList({"BillNo", "Date", "DrFees", "DressingCharges", "XRayCharge", "LabCharge", "EcgCharge",
                     "ScanCharge", "OtherCharge", "total", "patientName", "patientid", "BillDelete"}));
    EXPECT_EQ(
        columns("InPatientPrintDetails"),
        QStringList({"BillNo", "Date", "BedCharges", "ProfessionalCharges", "NursingCharges", "OTCharges",
                     "AnestheticCharges", "XRayCharge", "LabCharge", "EcgCharge", "ScanCharge", "OtherCharge",
                     "total", "patientName", "patientid", "BillDelete", "Advance"}));
    const QStringList lab = {"BillNo",     "Date",  "TestName",    "TestCharge", "DiscountPercent",
                             "GrossTotal", "total", "patientName", "patientid",  "BillDelete"};
    EXPECT_EQ(columns("LabPrintDetails"), lab);
    EXPECT_EQ(columns("XRayPrintDetails"), lab);
    EXPECT_EQ(columns("SettingsCopyDB"), QStringList({"BackupFolder"}));
    EXPECT_EQ(columns("BillCancellations"), QStringList({"Kind", "BillNo", "CancelledAt", "UserName"}));
    EXPECT_EQ(querySql(dbPath(),
                       "SELECT count(*) FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%'"),
              "18");
}

TEST_F(DeliveredDbTest, ConnectingGivesThePatientTablesTheirKeyIndexesOnce) {
    const QString indexes = "SELECT group_concat(name, ',') FROM (SELECT name FROM sqlite_master WHERE "
                            "type = 'index' AND tbl_name LIKE 'Settings%Patient' ORDER BY name)";
    const QString expected = "SettingsInPatientEmployeeID,SettingsInPatientFirstName,"
                             "SettingsInPatientTrimmedEmployeeID,SettingsOutPatientEmployeeID,"
                             "SettingsOutPatientFirstName,SettingsOutPatientTrimmedEmployeeID";
    EXPECT_EQ(querySql(dbPath(), indexes), expected);
    // The ID asked without its blanks is looked up in the index, not found by reading the table.
    execSql(dbPath(), "INSERT INTO SettingsOutPatient (EmployeeID) VALUES (' OP7 ')");
    Recordset rs;
    ASSERT_TRUE(rs.Open("SELECT * FROM SettingsOutPatient", DbConnection, Mode::Snapshot));
    EXPECT_TRUE(rs.StoredTrimmed(0, "OP7"));
    EXPECT_FALSE(rs.StoredTrimmed(0, "OP"));
    EXPECT_EQ(rs.FindTrimmed(0, "OP7", false), 0);
    const QString expression = querySql(
        dbPath(), "SELECT substr(sql, instr(sql, '(trim') + 1, length(sql) - instr(sql, '(trim') - 1) "
                  "FROM sqlite_master WHERE name = 'SettingsOutPatientTrimmedEmployeeID'");
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(
                  DbConnection->handle(),
                  ("EXPLAIN QUERY PLAN SELECT 1 FROM SettingsOutPatient WHERE " + expression + " = 'OP7'")
                      .toUtf8()
                      .constData(),
                  -1, &st, nullptr),
              SQLITE_OK);
    QString plan;
    while (sqlite3_step(st) == SQLITE_ROW)
        plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3)));
    sqlite3_finalize(st);
    EXPECT_TRUE(plan.contains("USING INDEX SettingsOutPatientTrimmedEmployeeID")) << plan.toStdString();
    connect();
    EXPECT_EQ(querySql(dbPath(), indexes), expected);
}

TEST_F(DeliveredDbTest, SeedRows) {
    // The one account (admin, larch, Admin) is proved by logging in with it.
    EXPECT_EQ(querySql(dbPath(), "SELECT count(*) FROM SettingsNewUser"), "1");
    for (const char* t :
         {"SettingsOutBillNo", "SettingsInBillNo", "SettingsLabBillNo", "SettingsXRayBillNo"}) {
        EXPECT_EQ(querySql(dbPath(), QString("SELECT count(*) FROM ") + t), "1") << t;
        EXPECT_EQ(querySql(dbPath(), QString("SELECT LastBillNo FROM ") + t), "0") << t;
    }
    EXPECT_EQ(querySql(dbPath(), "SELECT count(*) FROM SettingsCopyDB"), "1");
    for (const char* t : {"SettingDrDetails", "SettingsOutPatient", "SettingsInPatient",
                          "OutPatientPrintDetails", "LabPrintDetails", "SettingsConsultant"})
        EXPECT_EQ(querySql(dbPath(), QString("SELECT count(*) FROM ") + t), "0") << t;
}

// Every SELECT text the screens use opens as written.
TEST_F(DeliveredDbTest, EveryScreenQueryOpens) {
    execSql(dbPath(),
            "INSERT INTO LabPrintDetails VALUES (2,'2026-12-01','CBC','100','0',' 150',' 150','Asha','OP1',"
            "'Available'),(2,'2026-12-01','ESR','50','0',' 150',' 150','Asha','OP1','Available'),"
            "(10,'2026-12-02','CBC','100','0',' 100',' 100','Bala','IP4','Available'),"
            "(3,'2026-12-02','CBC','100','0',' 100',' 100','Bala','IP4','Deleted')");
    const char* queries[] = {
        "SELECT * FROM SettingsNewUser",
        "SELECT * FROM SettingDrDetails",
        "SELECT * FROM SettingsEmployeeDetails",
        "SELECT * FROM SettingsConsultant Order by DrName",
        "SELECT * FROM SettingsConsultant Order By DrName",
        "SELECT EmployeeID FROM SettingsInPatient Order by EmployeeID",
        "SELECT EmployeeID FROM SettingsOutPatient Order by EmployeeID",
        "SELECT * FROM SettingDrDetails Order by DoctorID",
        "SELECT * FROM SettingsLab Order by Description",
        "SELECT * FROM SettingsXRay",
        "SELECT * FROM SettingsXRay Order by Description",
        "SELECT * FROM SettingsOutPatient Order by EmployeeID",
        "SELECT * FROM SettingsOutPatient",
        "SELECT * FROM SettingsInPatient Order by EmployeeID",
        "SELECT * FROM SettingsInPatient",
        "SELECT * FROM InPatientPrintDetails",
        "SELECT * FROM OutPatientPrintDetails",
        "SELECT * FROM SettingsInBillNo",
        "SELECT * FROM SettingsOutBillNo",
        "SELECT * FROM SettingsOutPatient Order by FirstName",
        "SELECT * FROM SettingsinPatient Order by FirstName",
        "SELECT * FROM LabPrintDetails",
        "SELECT * FROM SettingsInPatient Order by FirstName",
        "SELECT * FROM SettingsLabBillNo",
        "SELECT * FROM SettingsXRayBillNo",
        "SELECT * FROM XRayPrintDetails",
        "SELECT * FROM InPatientPrintDetails where BillDelete='Available'",
        "SELECT * FROM LabPrintDetails where BillDelete='Available' Order by BillNo",
        "SELECT * FROM OutPatientPrintDetails where BillDelete='Available'",
        "SELECT * FROM XRayPrintDetails where BillDelete='Available'",
        "SELECT DISTINCT(BillNo) FROM LabPrintDetails where BillDelete='Available'",
        "SELECT DISTINCT(BillNo) FROM XRayPrintDetails where BillDelete='Available'",
        "SELECT * FROM OutPatientPrintDetails where BillDelete='Available' Order by BillNo",
        "SELECT * FROM InPatientPrintDetails where BillDelete='Available' Order by BillNo",
        "SELECT DISTINCT(BillNo),Date,total,patientName,patientid FROM LabPrintDetails where "
        "BillDelete='Available' "
        "Order By BillNO",
        "SELECT DISTINCT(BillNo),Date,total,patientName,patientid FROM XRayPrintDetails where "
        "BillDelete='Available' "
        "Order By BillNO",
        "SELECT * FROM OutPatientPrintDetails where BillDelete='Deleted'",
        "SELECT * FROM InPatientPrintDetails where BillDelete='Deleted'",
        "SELECT DISTINCT(BillNo),Date,patientName,total FROM LabPrintDetails where BillDelete='Deleted'",
        "SELECT DISTINCT(BillNo),Date,patientName,total FROM XRayPrintDetails where BillDelete='Deleted'",
        "SELECT * FROM SettingsCopyDB",
    };
    for (const char* q : queries)
        for (Mode mode : {Mode::Editable, Mode::Snapshot, Mode::Grid}) {
            Recordset rs;
            EXPECT_TRUE(rs.Open(q, DbConnection, mode)) << q << ": " << rs.LastError().toStdString();
        }

    // One row per bill, in bill-number order, from the test lines.
    Recordset bills;
    ASSERT_TRUE(bills.Open(queries[34], DbConnection, Mode::Editable));
    ASSERT_EQ(bills.RecordCount(), 2);
    EXPECT_EQ(bills.FieldText(0), "2");
    EXPECT_EQ(bills.Field(1).toDate(), QDate(2026, 12, 1));
    bills.MoveNext();
    EXPECT_EQ(bills.FieldText(0), "10");
    EXPECT_EQ(bills.FieldText(3), "Bala");
}
