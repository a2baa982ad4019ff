#include "data/ProgramState.h"

QString CurrentUserName;
QString CurrentUserType;
QString MenuView = QStringLiteral("Horizontal");
QPointer<QObject> ActiveScreen;
DisplayMode SavedDisplayMode;
