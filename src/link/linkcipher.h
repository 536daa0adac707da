#pragma once

#include <QByteArray>
#include <QString>

typedef struct evp_cipher_ctx_st EVP_CIPHER_CTX;

// The control link's cipher: AES-128-CBC with the fixed link key and a zero
// initialisation vector for every message, PKCS#7 padding on the way out and
// the link's lenient padding rule on the way in. Both ends of the link (the
// application and the device simulator) use this one class.
class LinkCipher
{
public:
    static const QByteArray &linkKey();

    LinkCipher();
    ~LinkCipher();
    LinkCipher(const LinkCipher &) = delete;
    LinkCipher &operator=(const LinkCipher &) = delete;

    // PKCS#7-pads and enciphers the bytes (always a whole number of blocks).
    QByteArray encrypt(const QByteArray &plain);
    // Deciphers the whole blocks of the input (a trailing partial block is
    // ignored) and removes the padding with removePadding().
    QByteArray decrypt(const QByteArray &cipher);

    // Last byte n read as signed 8-bit; when 1 <= n <= 127, removes trailing
    // bytes equal to n, at most n, stopping at the first that differs.
    static void removePadding(QByteArray &bytes);

    // Text -> UTF-8 -> encrypt -> Base64 (no terminator).
    QByteArray encodeText(const QString &text);
    // Base64 -> decrypt -> UTF-8 text up to the first zero byte.
    QString decodeText(const QByteArray &base64);

private:
    EVP_CIPHER_CTX *m_enc = nullptr;
    EVP_CIPHER_CTX *m_dec = nullptr;
};
