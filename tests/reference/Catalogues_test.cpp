// What the lab and X-ray screens' family rows cannot say: their checks, the lab description list.
#include "reference/frmAddLabDetails.h"
#include "reference/frmAddXRayDetails.h"
#include "support/ScreenDriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

class CatalogueTest : public ConnectedAppTest {
protected:
    template <class Screen> Screen* open() {
        Screen* s = ShowScreen<Screen>();
        if (s) ScreenDriver(s).activate();
        return s;
    }
    static void press(RecordScreen* s, int picture) {
        QTest::mouseClick(s->picture(picture), Qt::LeftButton);
    }
};

// One save from a new record with some fields typed: the one box it shows and where the keyboard goes.
struct CheckCase {
    const char* name;
    std::vector<std::pair<QString, QString>> typed; // control, keys
    QString text;
    QString focus;
};

} // namespace

TEST_F(CatalogueTest, SaveChecksRunInOrderAndStopAtTheFirst) {
    insertRow("SettingsLab", {"Description", "Amount"}, {"CBC", "100"});
    insertRow("SettingsXRay", {"Description", "AdultAmount", "ChildrenAmount"}, {"Chest", "400", "300"});
    const std::vector<std::pair<std::function<RecordScreen*()>, std::vector<CheckCase>>> screens{
        {[this] { return open<frmAddLabDetails>(); },
         {{"nothing", {}, "Please Fill the Description", "cmbPatientID"},
          {"blanks",
           {{"cmbPatientID", "  "}, {"txtPassword", "5"}},
           "Please Fill the Description",
           "cmbPatientID"},
          {"a name stored, blanks around",
           {{"cmbPatientID", " CBC "}},
           "Please Select the Another Name\r\nThis Name Already Available",
           "cmbPatientID"},
          {"no amount", {{"cmbPatientID", "ESR"}}, "Please Fill the Amount", "txtPassword"}}},
        {[this] { return open<frmAddXRayDetails>(); },
         {{"nothing", {}, "Please Fill the Description", "txtUserName"},
          {"a name stored, blanks around",
           {{"txtUserName", "Chest "}},
           "Please Select the Another Name\r\nThis Name Already Available",
           "txtUserName"},
          {"no amounts", {{"txtUserName", "Skull"}}, "Please Fill the Adult Amount", "txtPassword"},
          {"no children's amount",
           {{"txtUserName", "Skull"}, {"txtPassword", "500"}},
           "Please Fill the Childrens Amount",
           "txtConfirmPassword"}}},
    };
    for (const auto& [openScreen, cases] : screens) {
        RecordScreen* s = openScreen();
        ScreenDriver d(s);
        for (const CheckCase& c : cases) {
            SCOPED_TRACE(s->objectName().toStdString() + ": " + c.name);
            messages.clear();
            press(s, 5);
            for (const auto& [control, keys] : c.typed)
                d.type(control, keys);
            press(s, 9);
            EXPECT_EQ(messages.calls(),
                      (std::vector<RecordedMessage>{{MsgIcon::Critical, MsgButtons::Ok, "Warning", c.text}}));
            EXPECT_EQ(s->focusWidget(), d.control(c.focus));
            EXPECT_EQ(s->state(), RecordScreen::State::Adding);
            press(s, 10);
        }
        s->close();
    }
    EXPECT_EQ(rowCount("SettingsLab"), 1);
    EXPECT_EQ(rowCount("SettingsXRay"), 1);
}

TEST_F(CatalogueTest, ChoosingALabDescriptionShowsThatTestOnlyWhileBrowsing) {
    for (const auto& [name, amount] :
         std::vector<std::pair<QString, QString>>{{"Urea", "120"}, {"CBC", "100"}, {"ESR", "60"}})
        insertRow("SettingsLab", {"Description", "Amount"}, {name, amount});
    frmAddLabDetails* s = open<frmAddLabDetails>();
    ScreenDriver d(s);
    auto* list = d.control<QComboBox>("cmbPatientID");
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    EXPECT_EQ(items, QStringList({"CBC", "ESR", "Urea"}));
    EXPECT_EQ(d.text("txtPassword"), "100");

    // Typed while browsing: the list completes it and the test is shown, so an edit acts on it.
    list->clearEditText();
    d.type("cmbPatientID", "u");
    EXPECT_EQ(d.text("cmbPatientID"), "Urea");
    EXPECT_EQ(d.text("txtPassword"), "120");
    press(s, 6);
    EXPECT_TRUE(s->ChangeFlag());
    // While editing, keys go in unchanged and look nothing up.
    list->setEditText("ESR");
    EXPECT_EQ(d.text("txtPassword"), "120");
    list->setEditText("Urea");
    d.control<QLineEdit>("txtPassword")->setText("130");
    press(s, 9);
    EXPECT_FALSE(s->ChangeFlag());
    EXPECT_EQ(querySql(dbPath(), "SELECT Amount FROM SettingsLab WHERE Description = 'Urea'"), "130");

    // A new test joins the list in its place, and the list shows it.
    press(s, 5);
    d.type("cmbPatientID", "Bilirubin");
    d.type("txtPassword", "8a0");
    EXPECT_EQ(d.text("txtPassword"), "80") << "amounts take digits only";
    press(s, 9);
    items.clear();
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    EXPECT_EQ(items, QStringList({"Bilirubin", "CBC", "ESR", "Urea"}));
    EXPECT_EQ(d.text("cmbPatientID"), "Bilirubin");
}
