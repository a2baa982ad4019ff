#include "patients/PatientViews.h"

GridList patientList(const QString& query) {
    return {query,
            {{"No.", 500, RunningNumber},
             {"Patient ID", 1500, 0},
             {"Patient Name", 1500, 1},
             {"Sex", 900, 3},
             {"Phone Number", 1500, 4},
             {"Age", 800, 7},
             {"Address", 5000, 9},
             {"Location", 2000, 10}}};
}

NameSearch patientSearch(const QString& query, std::vector<GridColumn> moreColumns) {
    NameSearch search{.query = query,
                      .nameList = "cmbEmpName",
                      .nameLabel = "Patient Name",
                      .nameTip = "Select One Patient Name From List .. ",
                      .emptyText = "Please select the Employee Name",
                      .notFoundText = "Employee Name Not Found",
                      .columns = {{"Patient ID", 1200, 0},
                                  {"Patient Name", 1800, 1},
                                  {"Sex", 800, 3},
                                  {"Phone Number", 1500, 4},
                                  {"Age", 600, 7},
                                  {"Address", 3300, 9},
                                  {"Location", 1800, 10}},
                      .lastMatch = true};
    search.columns.insert(search.columns.end(), moreColumns.begin(), moreColumns.end());
    return search;
}
