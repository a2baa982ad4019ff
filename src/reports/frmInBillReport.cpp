#include "reports/frmInBillReport.h"

#include "reports/ReportRows.h"

using namespace reportrows;

frmInBillReport::frmInBillReport()
    : CollectionReportScreen(row(
          {"frmInBillReport", QString(19, ' ') + "Daily Collection In-Patient-Bill Report", 7800, 11400},
          liveBills("InPatientPrintDetails", false,
                    {{"", "BillNo"}, {"-", "Date", true}, {"-", "patientName"}, {"-", "patientid"}}),
          {"Sl No", "Bill-No / Patient Name", "Amount"}, billTitles("CASH COLLECTION IN-PATIENT BILL REPORT"),
          "Bill_No - Patient Name ", {}, dayFutureDate())) {}
