#include "shell/WidgetMessages.h"

#include "data/Messages.h"

#include <QApplication>
#include <QMessageBox>

void installWidgetMessages() {
    setMessageHandler([](MsgIcon icon, MsgButtons buttons, const QString& title, const QString& text) {
        QMessageBox box(QApplication::activeWindow());
        static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Critical,
                                                  QMessageBox::Warning, QMessageBox::Information,
                                                  QMessageBox::Question};
        box.setIcon(icons[static_cast<int>(icon)]);
        box.setWindowTitle(title.isEmpty() ? AppTitle : title);
        box.setText(text);
        if (buttons == MsgButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::Ok;
    });
}
