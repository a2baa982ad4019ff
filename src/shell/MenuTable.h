#pragma once

#include <QString>
#include <functional>
#include <vector>

class QMenu;
class QMenuBar;
class QWidget;

// The one command table both menus are built from. Labels carry their mnemonics ("&New Patient").
struct MenuEntry {
    QString label;
    QString command; // sent to the main window exactly as it stands
};
struct MenuGroup {
    QString title;
    std::vector<MenuEntry> entries;
};

// Which menu a user type gets; the comparison is exact ("admin" gets none).
enum class MenuKind { None, Admin, User };
MenuKind menuKindFor(const QString& userType);

// The command that leaves the program; the main window handles it itself.
inline const QString ExitCommand = QStringLiteral("mnuexit");

// The groups and entries of a menu, keeping only the commands `offered` accepts (by default: those
// with a dispatch row, and the exit). Groups left empty are dropped; None gives no groups.
using CommandFilter = std::function<bool(const QString&)>;
std::vector<MenuGroup> menuGroups(MenuKind kind, const CommandFilter& offered = {});
// Every command the table names, in table order, whatever the user type.
std::vector<QString> allMenuCommands();

// Fills a menu bar (the horizontal menu) or a column of group buttons (the vertical menu) with the
// groups; each entry calls `send` with its command. A group of one entry that has the group's own
// name ("Exit") is a direct entry instead of a menu.
using CommandSink = std::function<void(const QString&)>;
void fillMenuBar(QMenuBar* bar, const std::vector<MenuGroup>& groups, const CommandSink& send);
void fillMenuColumn(QWidget* column, const std::vector<MenuGroup>& groups, const CommandSink& send);
