#include "reports/frmCancelLabBillReport.h"

#include "reports/ReportRows.h"

using namespace reportrows;

frmCancelLabBillReport::frmCancelLabBillReport()
    : CollectionReportScreen(
          cancelledRow("frmCancelLabBillReport", "Cancel Lab-Bill Report",
                       cancelledBills("LabPrintDetails", {"BillNo", "Date", "patientName", "total"},
                                      {{"", "patientName"}}),
                       "Patient Name / ID", "CANCEL LAB BILL REPORT")) {}
