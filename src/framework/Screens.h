#pragma once

#include "data/Messages.h"
#include "data/Recordset.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QVBoxLayout;

// Runs one step of a screen under the trap of its kind: a failure is reported in the trap's wording and the
// step ends. True when the step ran through.
bool Trapped(TrapWording wording, const std::function<void()>& step);
// Opens a screen's working record set; when it does not open, the "Database Error" box is shown, the program
// ends and the result is false.
bool OpenWorkingSet(Recordset& rs, const QString& sql, Recordset::Mode mode);
// Runs `fill` when the record set has rows; an empty one answers "No Record Found" (titled "No Record
// Warning"). A failure shows its description. False when the set is empty.
bool withRows(Recordset& rs, const std::function<void()>& fill);

// What a screen is: its given name, its title text and its window size (twips).
struct ScreenInfo {
    QString objectName;
    QString caption;
    int heightTwips = 0;
    int widthTwips = 0;
};

// A screen of the program: dressed with the drawn title bar (FormDesign), centred (CenterForm), and
// unloaded (deleted, with its record sets) when it closes. Its controls sit in body(), below the title bar.
class ChildScreen : public QWidget {
    Q_OBJECT
public:
    // The opening steps, in order: enter, dress, fillLists, setPictures, setDefaults, openSets, showRows.
    // False when the screen cannot open: a record set did not open (the "Database Error" box has been shown
    // and the program ends) or the screen closed itself on the way.
    bool load();
    bool isClosing() const { return closing_; }
    const ScreenInfo& info() const { return info_; }

protected:
    explicit ChildScreen(ScreenInfo info);

    // ---- the opening steps, filled in by the families and their screens
    virtual void enter() {}
    // FormDesign with the caption and the size, then CenterForm. The drawn title bar only paints the
    // caption, so the frame carries it (trimmed) as its accessible name for a screen reader.
    virtual void dress();
    virtual void fillLists() {}   // the lists' fixed contents
    virtual void setPictures() {} // picture buttons: their pictures and tips
    virtual void setDefaults() {} // pickers to today and the like
    // The screen's record sets; false when the screen cannot open.
    virtual bool openSets() { return true; }
    // What the screen shows first from its record sets, and the control the keyboard starts in.
    virtual void showRows() {}

    QVBoxLayout* body() const { return body_; }
    void closeEvent(QCloseEvent* e) override;
    // The closing steps of the kind of screen; they run once, however often close is asked for.
    virtual void closing() {}

private:
    ScreenInfo info_;
    QVBoxLayout* body_;
    bool closing_ = false;
};

// A screen that the menu opens: while it is open the menu is hidden and it is ActiveScreen.
class MenuScreen : public ChildScreen {
    Q_OBJECT
protected:
    using ChildScreen::ChildScreen;
    // MenuHide, then ActiveScreen is this screen.
    void enter() override;
    // Hides the screen, forgets it as ActiveScreen and shows the menu for CurrentUserType.
    void closing() override;
};

// A list screen opened from another screen through LookUp. While it is open its caller accepts no input;
// when it closes the caller is enabled again and brought to the front.
class ListScreen : public ChildScreen {
    Q_OBJECT
public:
    // The intake: the first caller is disabled and remembered; a second request while one is open is
    // refused with the caption + " already in use." message. Either way the list is shown in front.
    void LookUp(QWidget* caller);
    QWidget* caller() const { return caller_.data(); }
    ~ListScreen() override;

protected:
    using ChildScreen::ChildScreen;
    void closing() override;

private:
    void releaseCaller();
    QPointer<QWidget> caller_;
};

// The one loaded instance of a screen class, created and loaded (T::load()) on first use, as the program's
// screens are: null when loading failed (the screen is then gone again).
template <class T> T* LoadedScreen() {
    static QPointer<T> screen;
    if (screen && !screen->isClosing()) return screen.data();
    auto* s = new T;
    if (!s->load()) {
        delete s;
        return nullptr;
    }
    screen = s;
    return s;
}

// Loads the screen if needed and shows it in front: what a menu command does.
template <class T> T* ShowScreen() {
    T* s = LoadedScreen<T>();
    if (s) {
        s->show();
        s->raise();
        s->activateWindow();
    }
    return s;
}
