#include "reports/frmLabBillReportAll.h"

#include "reports/ReportRows.h"

using namespace reportrows;

frmLabBillReportAll::frmLabBillReportAll()
    : CollectionReportScreen(
          row({"frmLabBillReportAll", QString(10, ' ') + "Genarate Lab Weekly/Monthly/Yearly Bill Report",
               7800, 11400},
              liveTestBills("LabPrintDetails"), {"Sl No", "Bill-No / Patient Name / Date", "Amount"},
              {"CASH COLLECTION LAB BILL REPORT"}, "Bill_No - Patient Name - ID ", {}, rangeFutureDate())) {}
