#pragma once

#include <QString>
#include <Qt>

class QWidget;

// The ten CTRL hotkeys of a record screen. Each slot is one key and the command it runs on ActiveScreen.
constexpr int HotkeyCount = 10;
Qt::Key hotkeyKey(int slot);
// The screen procedure the slot runs: "addnew", "edit", "Delete", "save", "Cancel", "movef", "moven",
// "movep", "movel" or "viewall" (Delete stands for the delete command, whose name the language reserves).
const char* hotkeyCommand(int slot);
// The message shown when the slot's key cannot be registered.
QString hotkeyFailureText(int slot);

// Registers CTRL+key of slots 0 to 9, in order, on ActiveScreen's window. A key that cannot be registered
// shows its slot's message (critical icon, application title) and the next slot is tried. While a key is
// registered on a screen, pressing it in any of the screen's controls runs the command and never reaches
// the control (no copy, paste or select-all in its text boxes).
void RegisterHotkeys();
// Releases every slot registered on `window` (all registered slots when window is null).
void ReleaseHotkeys(QWidget* window = nullptr);
bool HotkeyRegistered(int slot);
// The window a slot is registered on, or null.
QWidget* HotkeyWindow(int slot);

// A hotkey arrived: first the input already queued runs, then the slot's command is called by name on
// ActiveScreen. Nothing happens for a slot outside 0..9, for a screen without that command, or for a
// screen that accepts no input (disabled while one of its list screens is open).
void HotkeyDispatch(int slot);

// Another running program holding CTRL+key: registering that key fails until it is let go.
void setHotkeyHeldElsewhere(Qt::Key key, bool held);
