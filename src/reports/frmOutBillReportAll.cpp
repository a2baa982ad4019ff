#include "reports/frmOutBillReportAll.h"

#include "reports/ReportRows.h"

using namespace reportrows;

frmOutBillReportAll::frmOutBillReportAll()
    : CollectionReportScreen(row(
          {"frmOutBillReportAll", QString(10, ' ') + "Genarate Out-Patient Weekly/Monthly/Yearly Bill Report",
           7800, 11400},
          liveBills("OutPatientPrintDetails", true,
                    {{"", "BillNo"}, {" - ", "patientName"}, {" - ", "Date", true}, {" - ", "patientid"}}),
          {"Sl No", "Bill-No / Patient Name / Date", "Amount"},
          billTitles("CASH COLLECTION OUT-PATIENT BILL REPORT"), "Bill_No - Patient Name ", {},
          rangeFutureDate())) {}
