// The lab and X-ray test screens' rows in the record and list families.
#include "reference/frmAddLabDetails.h"
#include "reference/frmAddXRayDetails.h"
#include "reference/frmViewAllLab.h"
#include "reference/frmViewAllXRay.h"
#include "support/ListFamilies.h"
#include "support/RecordFamily.h"

namespace {

// Fills a new test: the description as typed, then its amounts.
void fillLab(const ScreenDriver& d, const QString& description) {
    d.type("cmbPatientID", description);
    d.type("txtPassword", "250");
}

void fillXRay(const ScreenDriver& d, const QString& description) {
    d.type("txtUserName", description);
    d.type("txtPassword", "400");
    d.type("txtConfirmPassword", "300");
}

const QString kDuplicateName = "Please Select the Another Name\r\nThis Name Already Available";

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Screens, RecordFamily,
    testing::Values(
        RecordFamilyRow{"Lab", [] { return static_cast<RecordScreen*>(ShowScreen<frmAddLabDetails>()); },
                        "SettingsLab", "Description", "cmbPatientID", QStringList{"CBC", "ESR", "Urea"},
                        fillLab, "Lipid Profile", "Lipid Profile", kDuplicateName, "frmViewAllLab"},
        RecordFamilyRow{"XRay", [] { return static_cast<RecordScreen*>(ShowScreen<frmAddXRayDetails>()); },
                        "SettingsXRay", "Description", "txtUserName", QStringList{"Skull", "Chest", "Hand"},
                        fillXRay, "Knee", "Knee", kDuplicateName, "frmViewAllXRay"}),
    RecordFamily::rowName);

// Stored out of order: the lists show them by description.
INSTANTIATE_TEST_SUITE_P(
    Screens, ListFamily,
    testing::Values(
        ListFamilyRow{"Lab",
                      [] { return static_cast<ListScreen*>(LoadedScreen<frmViewAllLab>()); },
                      "            View All Lab Details",
                      {"SettingsLab", {"Description", "Amount"}, {{"Urea", "120"}, {"CBC", "100"}}},
                      {"No.", "Investigation", "Amount"},
                      {600, 4500, 1500},
                      {{" 1", "CBC", "100"}, {" 2", "Urea", "120"}},
                      true},
        ListFamilyRow{"XRay",
                      [] { return static_cast<ListScreen*>(LoadedScreen<frmViewAllXRay>()); },
                      "            View All XRay Details",
                      {"SettingsXRay",
                       {"Description", "AdultAmount", "ChildrenAmount"},
                       {{"Skull", "500", "350"}, {"Chest", "400", "300"}}},
                      {"No.", "Description", "Adult(Amt)", "Children ( Amt )"},
                      {600, 4500, 1500, 1800},
                      {{" 1", "Chest", "400", "300"}, {" 2", "Skull", "500", "350"}},
                      true}),
    ListFamily::rowName);

// The detail views of the reference data join the search family with the doctors, employees and users.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(SearchFamily);
