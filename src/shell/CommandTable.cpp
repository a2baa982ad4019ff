#include "shell/CommandTable.h"

#include "billing/frmBill.h"
#include "billing/frmCancelBill.h"
#include "billing/frmCancelInBill.h"
#include "billing/frmCancelLabBill.h"
#include "billing/frmCancelXRayBill.h"
#include "billing/frmInBill.h"
#include "billing/frmLabBillReport.h"
#include "billing/frmXRayBillReport.h"
#include "framework/Screens.h"
#include "maintenance/frmChangeMenuSettings.h"
#include "maintenance/frmCopyDB.h"
#include "maintenance/frmRestoreDB.h"
#include "maintenance/frmSettingsChangePwd.h"
#include "patients/frmAddInPatient.h"
#include "patients/frmAddOutPatient.h"
#include "patients/frmDischarge.h"
#include "patients/frmViewInPatient.h"
#include "patients/frmViewOutPatient.h"
#include "reference/frmAddConsultant.h"
#include "reference/frmAddDoctorDetail.h"
#include "reference/frmAddEmployeeDetail.h"
#include "reference/frmAddLabDetails.h"
#include "reference/frmAddNewUser.h"
#include "reference/frmAddXRayDetails.h"
#include "reference/frmViewDrDetails.h"
#include "reference/frmViewEmpDetails.h"
#include "reference/frmViewUserDetails.h"
#include "reports/frmCancelInBillReport.h"
#include "reports/frmCancelLabBillReport.h"
#include "reports/frmCancelOutBillReport.h"
#include "reports/frmCancelXRayBillReport.h"
#include "reports/frmConsultantBillReportAll.h"
#include "reports/frmInBillReport.h"
#include "reports/frmInBillReportAll.h"
#include "reports/frmLabBillReportAll.h"
#include "reports/frmOutBillReport.h"
#include "reports/frmOutBillReportAll.h"
#include "reports/frmXayBillReportAll.h"
#include "shell/frmAboutme.h"
#include "shell/frmcontactus.h"

#include <algorithm>

// One row per command that opens a screen. A screen joins the menus by getting its row here.
const std::vector<DispatchRow>& dispatchTable() {
    static const std::vector<DispatchRow> rows{
        {"mnuOutPatientHistory", ShowViewOutPatient},
        {"mnuNewPateient", ShowAddOutPatient},
        {"mnuInAdmission", [] { ShowScreen<frmAddInPatient>(); }},
        {"mnuInPatientHistory", [] { ShowScreen<frmViewInPatient>(); }},
        {"mnuInDischarge", [] { ShowScreen<frmDischarge>(); }},
        {"mnuConBill", [] { ShowScreen<frmAddConsultant>(); }},
        {"mnuOutAddBill", [] { ShowScreen<frmBill>(); }},
        {"InAddBill", [] { ShowScreen<frmInBill>(); }},
        {"mnuLabAddBill", [] { ShowScreen<frmLabBillReport>(); }},
        {"mnuXRayAddBill", [] { ShowScreen<frmXRayBillReport>(); }},
        {"mnuDailyReport", [] { ShowScreen<frmOutBillReport>(); }},
        {"mnuInDailyReport", [] { ShowScreen<frmInBillReport>(); }},
        {"mnuSearchReport", [] { ShowScreen<frmOutBillReportAll>(); }},
        {"mnuInSearchReport", [] { ShowScreen<frmInBillReportAll>(); }},
        {"mnuLabSearchBill", [] { ShowScreen<frmLabBillReportAll>(); }},
        {"mnuXRaySearchBill", [] { ShowScreen<frmXayBillReportAll>(); }},
        {"mnuCon", [] { ShowScreen<frmConsultantBillReportAll>(); }},
        {"mnuCancelBillReport", [] { ShowScreen<frmCancelOutBillReport>(); }},
        {"mnuOutBill", [] { ShowScreen<frmCancelOutBillReport>(); }},
        {"mnuInBill", [] { ShowScreen<frmCancelInBillReport>(); }},
        {"mnuLabBill", [] { ShowScreen<frmCancelLabBillReport>(); }},
        {"mnuXaryBill", [] { ShowScreen<frmCancelXRayBillReport>(); }},
        {"mnuOutCancelBill", [] { ShowScreen<frmCancelBill>(); }},
        {"InCancelBill", [] { ShowScreen<frmCancelInBill>(); }},
        {"mnuLabCancelBill", [] { ShowScreen<frmCancelLabBill>(); }},
        {"mnuXRayCancelBill", [] { ShowScreen<frmCancelXRayBill>(); }},
        {"mnuLabTestNames", [] { ShowScreen<frmAddLabDetails>(); }},
        {"mnuXRayTestNames", [] { ShowScreen<frmAddXRayDetails>(); }},
        {"mnuNewUserAccounts", [] { ShowScreen<frmAddNewUser>(); }},
        {"mnuViewUserDetails", [] { ShowScreen<frmViewUserDetails>(); }},
        {"mnuChangePassword", [] { ShowScreen<frmSettingsChangePwd>(); }},
        {"mnuChangeMenuView", [] { ShowScreen<frmChangeMenuSettings>(); }},
        {"mnuRestoreDatabase", [] { ShowScreen<frmRestoreDB>(); }},
        {"mnuCopyDatabase", [] { ShowScreen<frmCopyDB>(); }},
        {"mnuAddDrDetail", ShowAddDoctorDetail},
        {"mnuViewDocctorDetails", [] { ShowScreen<frmViewDrDetails>(); }},
        {"mnuAddEmployeeDetails", [] { ShowScreen<frmAddEmployeeDetail>(); }},
        {"mnuViewEmployeeDetails", [] { ShowScreen<frmViewEmpDetails>(); }},
        {"mnuHelpTopic", [] { ShowScreen<frmcontactus>(); }},
        {"mnuAboutMe", [] { ShowScreen<frmAboutme>(); }},
    };
    return rows;
}

bool hasDispatchRow(const QString& command) {
    const auto& rows = dispatchTable();
    return std::any_of(rows.begin(), rows.end(), [&](const DispatchRow& r) { return command == r.command; });
}

bool DispatchCommand(const QString& command) {
    for (const DispatchRow& row : dispatchTable()) {
        if (command != row.command) continue;
        try {
            row.open();
        } catch (...) {
            // Opening a screen from the menu passes over failures; the menu stays as it was.
        }
        return true;
    }
    return false;
}
