#include "reports/frmConsultantBillReportAll.h"

#include "reports/ReportRows.h"

using namespace reportrows;

frmConsultantBillReportAll::frmConsultantBillReportAll()
    : CollectionReportScreen(row(
          {"frmConsultantBillReportAll",
           QString(10, ' ') + "Genarate Consultant Weekly/Monthly/Yearly Bill Report", 7800, 11400},
          {.table = "SettingsConsultant",
           .orderBy = "DrName",
           .dateColumn = "ConsultDate",
           .range = true,
           .amountColumn = "Amount",
           .description = {{"", "DrName"}, {" - ", "PatientID"}, {" - ", "ConsultDate", true}}},
          {"Sl No", "Dr. Name / Patient ID / Date   ", "Amount"}, {"CASH COLLECTION CONSULTANT BILL REPORT"},
          "Dr. Name - Patient ID - Date", {}, rangeFutureDate())) {}
