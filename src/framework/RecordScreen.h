#pragma once

#include "data/Messages.h"
#include "data/Recordset.h"
#include "framework/FieldBinding.h"
#include "framework/PictureButton.h"
#include "framework/Screens.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class ItemListModel;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;

// The record screen every maintenance screen derives from: a form over one table with the toolbar
// Picture1..Picture10, the ten CTRL hotkeys, the browse / add / edit states and the commands movef,
// moven, movep, movel, addnew, edit, Delete, viewall, save, Cancel and display.
//
// A screen supplies its fields (bind), key field, checks (with duplicateKey at its place among them) and
// list screen; it may adjust the opening steps, the emptying of fields and what follows a save or delete.
class RecordScreen : public MenuScreen {
    Q_OBJECT
public:
    enum class State { Browsing, Adding, Editing };

    ~RecordScreen() override;

    State state() const { return state_; }
    // True while an existing record is being edited.
    bool EditFlag() const { return state_ == State::Editing; }
    // Picture1 .. Picture10.
    PictureButton* picture(int number) const;
    const PictureRow& toolbar() const { return toolbar_; }
    // The navigation button pressed last (the caption of the hidden Label3).
    QString rememberedNavigation() const;
    Recordset& browseSet() { return rs_; }
    Recordset& checkSet() { return check_; }

public slots:
    // Each runs its toolbar button's click action, only while that button is shown (so the hotkey of a
    // hidden button does nothing).
    void movef();
    void moven();
    void movep();
    void movel();
    void addnew();
    void edit();
    void Delete();
    void viewall();
    void save();
    void Cancel();

public:
    // Copies the current record of the browse record set into the controls.
    virtual void display();

protected:
    // `query` is what both record sets run.
    RecordScreen(ScreenInfo info, QString query);

    // ---- what every screen supplies
    virtual QWidget* keyField() const = 0;
    // The screen's own checks in their order; the first failing one reports (warn / duplicateKey) and the
    // result is false.
    virtual bool checks() = 0;
    // View All: opens the screen's list screen through its LookUp with this screen.
    virtual void openList() = 0;

    // ---- opening steps (a screen may fill in fillLists and setDefaults too)
    // MenuHide, ActiveScreen, browsing, the ten hotkeys.
    void enter() override;
    // modFrmSettings.
    void setPictures() override;
    // The screen's other record sets, then the browse record set.
    bool openSets() override;
    // The first row, the check record set, the keyboard in the key field.
    void showRows() override;
    // Before the browse record set opens: other record sets the screen needs. False closes the screen.
    virtual bool openOtherSets() { return true; }
    // The browse record set has rows; called before the first row is shown.
    virtual void browseSetLoaded() {}

    // ---- fields
    // Column `column` of the table is shown in, written from and emptied through `field` (see Field for
    // text boxes, lists, dates, times, option groups and enciphered columns).
    void bind(int column, Field field);
    // The same for a text box, combo box or text edit holding the column as text.
    void bind(int column, QWidget* control) { bind(column, Field::text(control)); }
    // Writes the controls into the current row (save step 3). The default writes every binding.
    virtual void writeRecord();
    enum class Emptying { ForNew, ForCancel, AfterLastDelete };
    // addnew empties the bound controls; Cancel every input control of the screen; deleting the last row
    // the key field.
    virtual void emptyFields(Emptying why);
    // Whether edit empties the text boxes showing "Not Available".
    virtual bool clearsNotAvailable() const { return true; }
    virtual void afterSave() {}
    // Before the delete question: true when the current row must not be deleted (the screen has said why).
    virtual bool refusesDelete() { return false; }
    // Around the delete of the current row, which is still current in beforeDelete.
    virtual void beforeDelete() {}
    virtual void afterDelete() {}
    // The state has changed (Browsing, Adding, Editing).
    virtual void stateChanged() {}

    // ---- helpers for the checks
    // The critical "Warning" box with `text`, the focus to `focus`; always false (a failed check).
    bool warn(QWidget* focus, const QString& text);
    // The duplicate-key test, only while adding: a stored row (asked of the file by its key) whose trimmed
    // `column` equals the trimmed key refuses the save with line1 + line break + line2 and the focus in
    // the key field. True when refused.
    bool duplicateKey(int column, const QString& key, const QString& line1, const QString& line2);
    // The same for any comparison of a row of the check set with the fields. The save runs `same` once
    // more inside the transaction that writes the row, so it must capture by value, not refer to locals.
    bool duplicateRow(const std::function<bool(const Recordset&)>& same, const QString& line1,
                      const QString& line2, QWidget* focus);
    // Re-queries the check record set so it holds every stored row; a set that a failure closed is opened
    // again. Throws DbError when neither works.
    void refreshCheckSet();
    // Moves the browse record set to the first (or last) row for which `match` is true and shows it;
    // without a match the record set stays where it was. True when a row matched.
    bool showMatching(const std::function<bool(const Recordset&)>& match, bool lastMatch);
    // True while display() fills the controls (their change notifications are not the operator's).
    bool displaying() const { return displaying_ > 0; }

    // ---- the key list
    // `box` lists column `column` of every row in the browse set's order (one text per row, type-ahead from
    // a sorted index) and is kept in step with every save and delete by the one key saved or deleted.
    // Choosing a key in it while browsing shows that key's row (its last row with lastMatch, else its
    // first); without one the row shown stays.
    void useKeyList(QComboBox* box, int column, bool lastMatch);

    // ---- layout helpers: labelled fields in a grid above the toolbar
    QGridLayout* fields() const { return fields_; }
    // Puts a label and a control (and a help icon) at a row and a column pair of the field grid.
    void placeField(int row, int column, const QString& label, QWidget* control, QWidget* help = nullptr);
    // The same for controls side by side in a row; the label names the first that takes the keyboard.
    void placeField(int row, int column, const QString& label, QLayout* controls, QWidget* help = nullptr);

    // Every input control of the screen (text boxes, combo boxes, text edits).
    QList<QWidget*> inputControls() const;

private:
    struct Binding {
        int column;
        Field field;
    };

    // Runs toolbar button `button` (1 to 10) if it is shown: the one guard of every command and hotkey.
    void command(int button);
    void navigate(int button);
    void doAddnew();
    void doEdit();
    void doDelete();
    void doSave();
    void doCancel();
    void leaveEntry();
    // Writes the entry and updates the row, under the duplicate test once more; false when refused.
    bool storeRecord();

    void setState(State s);
    void closing() override;

    struct KeyList {
        QComboBox* box;
        ItemListModel* items;
        int column;
        bool lastMatch;
        QString edited;  // the stored key of the row being edited
        QString deleted; // the stored key of the row being deleted
        QObject* focusOut;
    };
    void chooseKey();
    // Takes `removed` out of the key list and puts `added` in at its place (null: none), then shows `shown`.
    void updateKeyList(const QString& removed, const QString& added, const QString& shown);

    struct DuplicateTest {
        std::function<bool(const Recordset&)> same; // a comparison of a stored row with the entry, or
        int column;                                 // a key column (>= 0) and its trimmed key
        QString key;
        QString line1, line2;
        QPointer<QWidget> focus;
    };
    // Whether a stored row is the same as the entry by `test`.
    bool storedRowMatches(const DuplicateTest& test);
    bool refusedAsDuplicate(DuplicateTest test);

    QString query_;
    // The duplicate test the checks of the save in progress ran, if any.
    std::optional<DuplicateTest> duplicateTest_;
    std::optional<KeyList> keyList_;
    Recordset rs_;
    Recordset check_;
    State state_ = State::Browsing;
    int displaying_ = 0;
    std::vector<Binding> bindings_;
    PictureRow toolbar_;
    PictureButton* pictures_[10] = {};
    QLabel* label3_;
    QGridLayout* fields_;
};

// Toolbar set-up: the ten normal pictures, their tips, the browsing arrangement, then each button clipped to
// its picture with white as the transparent colour.
void modFrmSettings(RecordScreen* screen);
// Toolbar arrangement: browsing (entry false) shows Picture1..8 and hides Picture9, Picture10; entry the
// opposite.
void modButtonVisible(RecordScreen* screen, bool entry);

// The caret goes to the end of the box's text whenever the box gets the focus.
void caretToEndOnFocus(QLineEdit* box);
// Moves a record set to the row at `index` (counted from 0).
void moveToRow(Recordset& rs, int index);
