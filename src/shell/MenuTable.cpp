#include "shell/MenuTable.h"

#include "shell/CommandTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Row {
    const char* group;
    const char* label;
    const char* command;
    bool adminOnly;
};

// The menus of the program, grouped as the front office works. Rows marked admin-only (user accounts,
// the back-up, the doctor, employee and test catalogues) are left out of the Doctor and Employee menu.
// "mnuDisChargeSummary" and "mnuDrCertificate" open nothing and are not offered.
const Row kRows[] = {
    {"&Out-Patient", "&New Patient", "mnuNewPateient", false},
    {"&Out-Patient", "Patient &History", "mnuOutPatientHistory", false},
    {"&Out-Patient", "&Bill", "mnuOutAddBill", false},
    {"&Out-Patient", "&Cancel Bill", "mnuOutCancelBill", false},
    {"&Out-Patient", "&Daily Report", "mnuDailyReport", false},
    {"&Out-Patient", "&Report by Dates", "mnuSearchReport", false},
    {"&Out-Patient", "Cance&lled Bills Report", "mnuCancelBillReport", false},
    {"&In-Patient", "&Admission", "mnuInAdmission", false},
    {"&In-Patient", "Patient &History", "mnuInPatientHistory", false},
    {"&In-Patient", "&Bill and Advance", "InAddBill", false},
    {"&In-Patient", "&Cancel Bill", "InCancelBill", false},
    {"&In-Patient", "&Discharge", "mnuInDischarge", false},
    {"&In-Patient", "Daily &Report", "mnuInDailyReport", false},
    {"&In-Patient", "Report by Da&tes", "mnuInSearchReport", false},
    {"&Lab", "Lab &Bill", "mnuLabAddBill", false},
    {"&Lab", "&Cancel Lab Bill", "mnuLabCancelBill", false},
    {"&Lab", "Lab Bill &Report", "mnuLabSearchBill", false},
    {"&Lab", "Lab &Tests", "mnuLabTestNames", true},
    {"&X-Ray", "X-Ray &Bill", "mnuXRayAddBill", false},
    {"&X-Ray", "&Cancel X-Ray Bill", "mnuXRayCancelBill", false},
    {"&X-Ray", "X-Ray Bill &Report", "mnuXRaySearchBill", false},
    {"&X-Ray", "X-Ray &Tests", "mnuXRayTestNames", true},
    {"&Consultant", "Consultant &Fees", "mnuConBill", false},
    {"&Consultant", "Consultant Fee &Report", "mnuCon", false},
    {"&Consultant", "&Doctor Details", "mnuAddDrDetail", true},
    {"&Consultant", "&View Doctors", "mnuViewDocctorDetails", true},
    {"Cancelled &Bills", "&Out-Patient Bills", "mnuOutBill", false},
    {"Cancelled &Bills", "&In-Patient Bills", "mnuInBill", false},
    {"Cancelled &Bills", "&Lab Bills", "mnuLabBill", false},
    {"Cancelled &Bills", "&X-Ray Bills", "mnuXaryBill", false},
    {"&Settings", "&User Accounts", "mnuNewUserAccounts", true},
    {"&Settings", "&View Users", "mnuViewUserDetails", true},
    {"&Settings", "&Employee Details", "mnuAddEmployeeDetails", true},
    {"&Settings", "View Emplo&yees", "mnuViewEmployeeDetails", true},
    {"&Settings", "Change &Password", "mnuChangePassword", false},
    {"&Settings", "&Menu View", "mnuChangeMenuView", false},
    {"&Settings", "&Back-Up Database", "mnuCopyDatabase", true},
    {"&Settings", "&Restore Database", "mnuRestoreDatabase", true},
    {"&Help", "&Contact Us", "mnuHelpTopic", false},
    {"&Help", "&About Sanavo", "mnuAboutMe", false},
    {"&Exit", "&Exit", "mnuexit", false},
};

bool isDirectEntry(const MenuGroup& g) {
    return g.entries.size() == 1 && g.entries.front().label == g.title;
}

QMenu* groupMenu(const MenuGroup& g, QWidget* parent, const CommandSink& send) {
    auto* menu = new QMenu(g.title, parent);
    for (const MenuEntry& e : g.entries) {
        QAction* a = menu->addAction(e.label);
        a->setData(e.command);
        const QString command = e.command;
        QObject::connect(a, &QAction::triggered, parent, [send, command] { send(command); });
    }
    return menu;
}

} // namespace

MenuKind menuKindFor(const QString& userType) {
    if (userType == "Admin") return MenuKind::Admin;
    if (userType == "Doctor" || userType == "Employee") return MenuKind::User;
    return MenuKind::None;
}

std::vector<MenuGroup> menuGroups(MenuKind kind, const CommandFilter& offered) {
    std::vector<MenuGroup> groups;
    if (kind == MenuKind::None) return groups;
    const CommandFilter accept =
        offered ? offered : [](const QString& c) { return c == ExitCommand || hasDispatchRow(c); };
    for (const Row& r : kRows) {
        if (r.adminOnly && kind != MenuKind::Admin) continue;
        if (!accept(r.command)) continue;
        if (groups.empty() || groups.back().title != r.group) groups.push_back({r.group, {}});
        groups.back().entries.push_back({r.label, r.command});
    }
    return groups;
}

std::vector<QString> allMenuCommands() {
    std::vector<QString> out;
    for (const Row& r : kRows)
        out.emplace_back(r.command);
    return out;
}

// Old entries go with deleteLater: the menu may be rebuilt from inside one of its own entries.
void fillMenuBar(QMenuBar* bar, const std::vector<MenuGroup>& groups, const CommandSink& send) {
    for (QAction* a : bar->actions()) {
        bar->removeAction(a);
        if (a->parent() == bar) a->deleteLater();
    }
    for (QMenu* m : bar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        m->deleteLater();
    for (const MenuGroup& g : groups) {
        if (isDirectEntry(g)) {
            QAction* a = bar->addAction(g.title);
            a->setData(g.entries.front().command);
            const QString command = g.entries.front().command;
            QObject::connect(a, &QAction::triggered, bar, [send, command] { send(command); });
        } else {
            bar->addMenu(groupMenu(g, bar, send));
        }
    }
}

void fillMenuColumn(QWidget* column, const std::vector<MenuGroup>& groups, const CommandSink& send) {
    for (QWidget* w : column->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        w->hide();
        w->setParent(nullptr);
        w->deleteLater();
    }
    delete column->layout();
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(10, 14, 10, 14);
    layout->setSpacing(6);
    for (const MenuGroup& g : groups) {
        auto* button = new QPushButton(g.title, column);
        button->setObjectName("group");
        button->setCursor(Qt::PointingHandCursor);
        if (isDirectEntry(g)) {
            const QString command = g.entries.front().command;
            QObject::connect(button, &QPushButton::clicked, column, [send, command] { send(command); });
        } else {
            // The group's entries open beside its button, so the column stays in view.
            QMenu* menu = groupMenu(g, button, send);
            QObject::connect(button, &QPushButton::clicked, button, [button, menu] {
                menu->popup(button->mapToGlobal(QPoint(button->width() + 2, 0)));
                if (!menu->actions().isEmpty()) menu->setActiveAction(menu->actions().constFirst());
            });
        }
        layout->addWidget(button);
    }
    layout->addStretch(1);
}
