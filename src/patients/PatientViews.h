#pragma once

#include "framework/GridListScreen.h"
#include "framework/SearchScreen.h"

// What the out-patient and in-patient list and search screens share: the list of every patient, and the
// search by name with its grid columns (the in-patient search adds the discharge columns).
GridList patientList(const QString& query);
NameSearch patientSearch(const QString& query, std::vector<GridColumn> moreColumns = {});
