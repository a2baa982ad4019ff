#include "shell/frmcontactus.h"

#include "printing/PrintSettings.h"

#include <QVBoxLayout>

frmcontactus::frmcontactus() : InfoScreen({"frmcontactus", "          Contact Us", 4200, 6780}) {
    addLine("lblHospitalName", HospitalName(), 18, true);
    addLine("lblHospitalAddress", HospitalAddress());
    addLine("lblHospitalPhone", "Phone: " + HospitalPhone());
    body()->addSpacing(14);
    addLine("lblHelp", "For help with Sanavo, a new account or a forgotten password, ask the hospital's "
                       "administrator at the number above.");
    body()->addStretch(1);
}
