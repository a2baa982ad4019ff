#include "reports/frmInBillReportAll.h"

#include "reports/ReportRows.h"

using namespace reportrows;

frmInBillReportAll::frmInBillReportAll()
    : CollectionReportScreen(
          row({"frmInBillReportAll",
               QString(10, ' ') + "Genarate In-Patient Weekly/Monthly/Yearly Bill Report", 7800, 11400},
              liveBills("InPatientPrintDetails", true,
                        {{"", "BillNo"}, {" - ", "patientName"}, {" - ", "Date", true}, {"-", "patientid"}}),
              {"Sl No", "Bill-No / Patient Name / Date", "Amount"},
              billTitles("CASH COLLECTION IN-PATIENT BILL REPORT"), "Bill_No - Patient Name ", {},
              rangeFutureDate())) {}
