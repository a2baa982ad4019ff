#include "reports/frmCancelInBillReport.h"

#include "reports/ReportRows.h"

using namespace reportrows;

frmCancelInBillReport::frmCancelInBillReport()
    : CollectionReportScreen(
          cancelledRow("frmCancelInBillReport", "Cancel In-Patient-Bill Report",
                       cancelledBills("InPatientPrintDetails", {}, {{"", "patientName"}, {"-", "patientid"}}),
                       "Patient Name", "CANCEL IN-PATIENT BILL REPORT")) {}
