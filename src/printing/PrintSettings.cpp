#include "printing/PrintSettings.h"

#include "data/Environment.h"

#include <QDir>
#include <QFile>

namespace {
// sanavo.ini read line by line: the value after "key=" exactly as the installer wrote it, blanks at
// either end dropped and one pair of enclosing quotes removed. (QSettings would split a value at its
// commas and cut it at a semicolon, and hospital addresses have both.) Sections and keys ignore case;
// lines starting with ";" or "#" are comments.
QString setting(const QString& section, const QString& key) {
    QFile file(AppFile("sanavo.ini"));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    bool inSection = false;
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(QChar(0xFEFF))) line = line.mid(1).trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
        if (line.startsWith('[')) {
            inSection = line.endsWith(']') &&
                        line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inSection || eq < 0 || line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0) continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return QString();
}
} // namespace

QString HospitalName() {
    return setting("Hospital", "HospitalName");
}
QString HospitalAddress() {
    return setting("Hospital", "HospitalAddress");
}
QString HospitalPhone() {
    return setting("Hospital", "HospitalPhone");
}

PrinterOutput printerOutput() {
    const QString v = setting("Printer", "Output").toLower();
    if (v == "printer") return PrinterOutput::Printer;
    if (v == "pdf") return PrinterOutput::Pdf;
    return PrinterOutput::Auto;
}

QString pdfFolder() {
    QString folder = setting("Printer", "PdfFolder");
    if (folder.isEmpty()) folder = "prints";
    return QDir::isAbsolutePath(folder) ? QDir::cleanPath(folder) : QDir::cleanPath(AppFile(folder));
}
