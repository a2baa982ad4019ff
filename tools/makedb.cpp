// Makes the delivered database: makedb OUTPUT SCRIPT...
// Each script runs in one transaction; ENCIPHER(text) is the program's password cipher.
#include "data/modVBDes.h"

#include <QFile>
#include <cstdio>
#include <sqlite3.h>

static void encipherFn(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray out = Encipher(QString::fromUtf8(t ? t : "")).toUtf8();
    sqlite3_result_text(ctx, out.constData(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: makedb OUTPUT SCRIPT...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString temp = out + ".tmp";
    QFile::remove(temp);
    sqlite3* db = nullptr;
    if (sqlite3_open(temp.toLocal8Bit().constData(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: cannot create %s\n", qPrintable(temp));
        return 1;
    }
    sqlite3_create_function(db, "ENCIPHER", 1, SQLITE_UTF8, nullptr, encipherFn, nullptr, nullptr);
    for (int i = 2; i < argc; ++i) {
        QFile f(QString::fromLocal8Bit(argv[i]));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "makedb: cannot read %s\n", argv[i]);
            return 1;
        }
        const QByteArray sql = "BEGIN;\n" + f.readAll() + "\nCOMMIT;";
        char* err = nullptr;
        if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::fprintf(stderr, "makedb: %s: %s\n", argv[i], err);
            sqlite3_free(err);
            sqlite3_close(db);
            return 1;
        }
    }
    sqlite3_close(db);
    QFile::remove(out);
    // Renamed only when whole, so a failed build never leaves a half-made database behind.
    return QFile::rename(temp, out) ? 0 : 1;
}
