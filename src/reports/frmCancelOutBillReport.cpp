#include "reports/frmCancelOutBillReport.h"

#include "reports/ReportRows.h"

using namespace reportrows;

frmCancelOutBillReport::frmCancelOutBillReport()
    : CollectionReportScreen(cancelledRow(
          "frmCancelOutBillReport", "Cancel Out-Patient-Bill Report",
          cancelledBills("OutPatientPrintDetails", {}, {{"", "patientName"}, {"-", "patientid"}}),
          "Patient Name / ID", "CANCEL OUT-PATIENT BILL REPORT")) {}
