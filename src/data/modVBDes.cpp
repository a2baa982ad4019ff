#include "data/modVBDes.h"

#include "data/DbError.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <QStringDecoder>

#include <memory>

namespace {

const char kKey[] = "Cipher key text here 24!";
static_assert(sizeof kKey - 1 == 24, "triple DES takes a 24-byte key");
constexpr int kBlock = 8;

// One call of the cipher: direction 1 enciphers, 0 deciphers. `ok` tells a failure (a wrong padding, say)
// from an empty result.
QByteArray des(const QByteArray& in, const unsigned char* iv, int direction, bool* ok = nullptr) {
    if (ok) *ok = false;
    std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> ctx(EVP_CIPHER_CTX_new(),
                                                                        EVP_CIPHER_CTX_free);
    if (!ctx) return {};
    if (EVP_CipherInit_ex(ctx.get(), EVP_des_ede3_cbc(), nullptr,
                          reinterpret_cast<const unsigned char*>(kKey), iv, direction) != 1)
        return {};
    QByteArray out(in.size() + kBlock, Qt::Uninitialized);
    int n = 0, tail = 0;
    auto* o = reinterpret_cast<unsigned char*>(out.data());
    if (EVP_CipherUpdate(ctx.get(), o, &n, reinterpret_cast<const unsigned char*>(in.constData()),
                         static_cast<int>(in.size())) != 1)
        return {};
    if (EVP_CipherFinal_ex(ctx.get(), o + n, &tail) != 1) return {};
    out.resize(n + tail);
    if (ok) *ok = true;
    return out;
}

// What a single-line text field would hold: trimmed, and ending before the first NUL.
QString asFieldText(const QString& s) {
    QString t = s.trimmed();
    const qsizetype nul = t.indexOf(QChar(0));
    if (nul >= 0) t.truncate(nul);
    return t;
}

} // namespace

QString Encipher(const QString& text) {
    unsigned char iv[kBlock];
    bool ok = RAND_bytes(iv, kBlock) == 1;
    const QByteArray body = ok ? des(text.toUtf8(), iv, 1, &ok) : QByteArray();
    // An empty stored password would lock its user out for good: refuse the save instead.
    if (!ok) throw DescribedError("The password cipher failed; nothing was stored.");
    QByteArray all(reinterpret_cast<const char*>(iv), kBlock);
    all += body;
    return asFieldText(QString::fromLatin1(all.toHex().toUpper()));
}

std::optional<QString> Decipher(const QString& text) {
    const QString trimmed = text.trimmed();
    static const QString digits("0123456789ABCDEFabcdef");
    for (QChar c : trimmed)
        if (!digits.contains(c)) return std::nullopt;
    const QByteArray hex = trimmed.toLatin1();
    const QByteArray raw = QByteArray::fromHex(hex);
    if (hex.size() % 2 != 0 || raw.size() < 2 * kBlock || raw.size() % kBlock != 0) return std::nullopt;
    bool ok = false;
    const QByteArray plain =
        des(raw.mid(kBlock), reinterpret_cast<const unsigned char*>(raw.constData()), 0, &ok);
    if (!ok) return std::nullopt;
    // Encipher only ever takes UTF-8; anything else came from a damaged cipher text.
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString decoded = utf8(plain);
    if (utf8.hasError()) return std::nullopt;
    return asFieldText(decoded);
}
