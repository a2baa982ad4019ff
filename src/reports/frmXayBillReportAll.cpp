#include "reports/frmXayBillReportAll.h"

#include "reports/ReportRows.h"

using namespace reportrows;

frmXayBillReportAll::frmXayBillReportAll()
    : CollectionReportScreen(
          row({"frmXayBillReportAll", QString(10, ' ') + "Genarate XRay Weekly/Monthly/Yearly Bill Report",
               7800, 11400},
              liveTestBills("XRayPrintDetails"), {"Sl No", "Bill-No / Patient Name / Date", "Amount"},
              {"CASH COLLECTION X-RAY BILL REPORT"}, "Bill_No - Patient Name - ID", {}, rangeFutureDate())) {}
