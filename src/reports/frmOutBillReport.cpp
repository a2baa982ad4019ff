#include "reports/frmOutBillReport.h"

#include "reports/ReportRows.h"

using namespace reportrows;

frmOutBillReport::frmOutBillReport()
    : CollectionReportScreen(row(
          {"frmOutBillReport", QString(19, ' ') + "Daily Collection Out-Patient-Bill Report", 7800, 11400},
          liveBills("OutPatientPrintDetails", false,
                    {{"", "BillNo"}, {"-", "patientName"}, {"-", "patientid"}}),
          {"Sl No", "Bill-No / Patient Name", "Amount"},
          billTitles("CASH COLLECTION OUT-PATIENT BILL REPORT"), "Bill_No - Patient Name ",
          "Please add the OutPatient Details First", dayFutureDate())) {}
