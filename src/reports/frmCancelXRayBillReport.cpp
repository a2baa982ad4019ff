#include "reports/frmCancelXRayBillReport.h"

#include "reports/ReportRows.h"

using namespace reportrows;

frmCancelXRayBillReport::frmCancelXRayBillReport()
    : CollectionReportScreen(
          cancelledRow("frmCancelXRayBillReport", "Cancel XRay-Bill Report",
                       cancelledBills("XRayPrintDetails", {"BillNo", "Date", "patientName", "total"},
                                      {{"", "patientName"}}),
                       "Patient Name / ID", "CANCEL XRAY BILL REPORT")) {}
