#pragma once

#include "framework/BillScreen.h"
#include "support/ScreenDriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <tuple>

// A bill screen driven as the operator drives it: the patient chosen by ID, amounts typed key by key, the
// pictures pressed, the print question answered from a script.
class BillTest : public ConnectedAppTest {
public:
    using AppTest::dbPath;
    using ConnectedAppTest::insertRow;
    void addDoctor(const QString& name = "Dr.Rao") { insertRow("SettingDrDetails", {"DoctorID"}, {name}); }
    void addOutPatient(const QString& id, const QString& name) {
        insertRow("SettingsOutPatient", {"EmployeeID", "FirstName", "Sex", "Age", "Address", "Location"},
                  {id, name, "Female", "41", "3 Hill Street", "Galle"});
    }
    void admit(const QString& id, const QString& name, const QString& advance = {}) {
        insertRow(
            "SettingsInPatient",
            {"EmployeeID", "FirstName", "Sex", "Age", "Address", "Location", "Discharged", "AdvancePaid"},
            {id, name, "Male", "7", "12 Lake Road", "Kandy", "No", advance});
        if (advance.isEmpty()) execSql(dbPath(), "UPDATE SettingsInPatient SET AdvancePaid = NULL");
    }

protected:
    template <class T> T* open() {
        T* s = ShowScreen<T>();
        if (s) ScreenDriver(s).activate();
        return s;
    }
    // The patient typed into the patient box and chosen with Enter; the doctor typed after it.
    static void choose(BillScreen* s, const QString& id, const QString& doctor = "Dr.Rao") {
        const ScreenDriver d(s);
        d.type("cmbPatientName", id);
        QTest::keyClick(d.control("cmbPatientName"), Qt::Key_Return);
        d.type("cmbDrName", doctor);
    }
    static void type(BillScreen* s, const QString& box, const QString& keys) {
        ScreenDriver(s).type(box, keys);
    }
    static void press(BillScreen* s, const QString& picture) { ScreenDriver(s).click(picture); }
    // Print, with the question answered `answer`.
    void print(BillScreen* s, MsgAnswer answer = MsgAnswer::Yes) {
        messages.answer(answer);
        press(s, "Picture2");
    }
    // The listed lines: serial, particulars, amount.
    static std::vector<BillLine> listed(BillScreen* s) {
        std::vector<BillLine> out;
        auto* list = ScreenDriver(s).control<QTreeWidget>("List");
        for (int i = 0; list && i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            out.push_back({item->text(0), item->text(1), item->text(2)});
        }
        return out;
    }
    QString stored(const QString& table, const QString& columns, const QString& where = "1 = 1") {
        return querySql(dbPath(), "SELECT " + columns + " FROM " + table + " WHERE " + where);
    }

    static inline const RecordedMessage kQuestion{MsgIcon::None, MsgButtons::YesNo, "Print",
                                                  "Do you wish to Print this Bill"};
    static inline const RecordedMessage kSaved{MsgIcon::Information, MsgButtons::Ok, "Print Info",
                                               "Bill Printed and Saved Successfully"};
};

// What one document printed: text, X and Y of each text drawn, in order.
using Printed = std::vector<std::tuple<QString, double, double>>;
inline Printed printedTexts(const std::vector<PrintEvent>& document) {
    Printed out;
    for (const PrintEvent& e : document)
        out.emplace_back(e.text, e.x, e.y);
    return out;
}
// `text` as the bill prints an amount: one character at a time, the last at X 5500, 110 twips apart.
inline void rightAligned(Printed& out, const QString& text, double y) {
    for (qsizetype i = text.size() - 1; i >= 0; --i)
        out.emplace_back(QString(text[i]), 5500 - 110.0 * static_cast<double>(text.size() - 1 - i), y);
}
inline void billLine(Printed& out, const QString& serial, const QString& particulars, const QString& amount,
                     double y) {
    out.emplace_back(serial, 0, y);
    out.emplace_back(particulars, 800, y);
    rightAligned(out, amount, y);
}

inline std::ostream& operator<<(std::ostream& os, const QString& s) {
    return os << s.toStdString();
}
