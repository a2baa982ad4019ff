#include "framework/modHotkey.h"

#include "data/Messages.h"
#include "data/ProgramState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QSet>
#include <QShortcut>
#include <QWidget>
#include <deque>

namespace {

struct Slot {
    Qt::Key key;
    const char* command;
    char letter;
};

constexpr Slot kSlots[HotkeyCount] = {{Qt::Key_A, "addnew", 'A'}, {Qt::Key_M, "edit", 'M'},
                                      {Qt::Key_D, "Delete", 'D'}, {Qt::Key_S, "save", 'S'},
                                      {Qt::Key_C, "Cancel", 'C'}, {Qt::Key_F, "movef", 'F'},
                                      {Qt::Key_P, "moven", 'P'},  {Qt::Key_N, "movep", 'N'},
                                      {Qt::Key_L, "movel", 'L'},  {Qt::Key_V, "viewall", 'V'}};

struct Registration {
    bool registered = false;
    QPointer<QWidget> window;
    QPointer<QShortcut> shortcut;
};

Registration g_registered[HotkeyCount];
QSet<int> g_heldElsewhere;

bool validSlot(int slot) {
    return slot >= 0 && slot < HotkeyCount;
}

int slotOfKey(int key) {
    for (int s = 0; s < HotkeyCount; ++s)
        if (kSlots[s].key == key) return s;
    return -1;
}

bool isHotkeyEvent(const QKeyEvent* k) {
    return (k->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier && slotOfKey(k->key()) >= 0;
}

// Keeps the keys of a screen holding hotkeys away from its controls: the override is refused, so the
// hotkey fires instead of the control's copy, paste or select-all, and the key press itself is dropped.
class KeyGuard : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (!isHotkeyEvent(k) || !o->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(o);
        bool inside = false;
        for (const Registration& r : g_registered)
            if (r.registered && r.window && (r.window == w || r.window->isAncestorOf(w))) inside = true;
        if (!inside) return false;
        k->ignore();
        return true;
    }
};

void guardKeys() {
    static QPointer<KeyGuard> guard;
    if (!guard && qApp) {
        guard = new KeyGuard;
        guard->setParent(qApp);
        qApp->installEventFilter(guard);
    }
}

} // namespace

Qt::Key hotkeyKey(int slot) {
    return validSlot(slot) ? kSlots[slot].key : Qt::Key_unknown;
}

const char* hotkeyCommand(int slot) {
    return validSlot(slot) ? kSlots[slot].command : "";
}

QString hotkeyFailureText(int slot) {
    if (!validSlot(slot)) return {};
    // The CTRL+C message has always read "0r".
    return QString(
               "Can not register all %1 one of the hotkeys CTRL+%2 ... Try other keys this key is already "
               "registered by some other running applications.")
        .arg(slot == 4 ? "0r" : "or")
        .arg(QChar(kSlots[slot].letter));
}

void RegisterHotkeys() {
    auto* window = qobject_cast<QWidget*>(ActiveScreen.data());
    if (!window) return;
    guardKeys();
    for (int s = 0; s < HotkeyCount; ++s) {
        Registration& r = g_registered[s];
        const bool heldByOther = r.registered && r.window && r.window != window;
        if (g_heldElsewhere.contains(kSlots[s].key) || heldByOther) {
            MsgBox(MsgIcon::Critical, MsgButtons::Ok, AppTitle, hotkeyFailureText(s));
            continue;
        }
        if (r.registered && r.window == window) continue;
        auto* sc = new QShortcut(QKeySequence(Qt::CTRL | kSlots[s].key), window);
        sc->setContext(Qt::WindowShortcut);
        sc->setAutoRepeat(false);
        QObject::connect(sc, &QShortcut::activated, sc, [s] { HotkeyDispatch(s); });
        r = {true, window, sc};
    }
}

void ReleaseHotkeys(QWidget* window) {
    for (Registration& r : g_registered) {
        if (!r.registered || (window && r.window != window)) continue;
        delete r.shortcut.data();
        r = {};
    }
}

bool HotkeyRegistered(int slot) {
    return validSlot(slot) && g_registered[slot].registered;
}

QWidget* HotkeyWindow(int slot) {
    return HotkeyRegistered(slot) ? g_registered[slot].window.data() : nullptr;
}

void HotkeyDispatch(int slot) {
    if (!validSlot(slot)) return;
    // Hotkeys that arrive while queued input runs wait their turn behind the one being handled.
    static std::deque<int> waiting;
    static bool running = false;
    waiting.push_back(slot);
    if (running) return;
    running = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running};
    while (!waiting.empty()) {
        QCoreApplication::processEvents();
        const int s = waiting.front();
        waiting.pop_front();
        QObject* screen = ActiveScreen.data();
        if (!screen) continue;
        if (auto* w = qobject_cast<QWidget*>(screen); w && !w->isEnabled()) continue;
        const QByteArray signature = QByteArray(kSlots[s].command) + "()";
        if (screen->metaObject()->indexOfMethod(signature.constData()) < 0) continue;
        QMetaObject::invokeMethod(screen, kSlots[s].command, Qt::DirectConnection);
    }
}

void setHotkeyHeldElsewhere(Qt::Key key, bool held) {
    if (held)
        g_heldElsewhere.insert(key);
    else
        g_heldElsewhere.remove(key);
}
