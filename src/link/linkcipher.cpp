#include "linkcipher.h"

#include <openssl/evp.h>

#include <cstring>

namespace {
const unsigned char kZeroIv[16] = {};
}

const QByteArray &LinkCipher::linkKey()
{
    static const QByteArray key = QByteArrayLiteral("7302946158203716");
    return key;
}

LinkCipher::LinkCipher()
    : m_enc(EVP_CIPHER_CTX_new())
    , m_dec(EVP_CIPHER_CTX_new())
{
    const auto *key = reinterpret_cast<const unsigned char *>(linkKey().constData());
    EVP_EncryptInit_ex(m_enc, EVP_aes_128_cbc(), nullptr, key, kZeroIv);
    EVP_CIPHER_CTX_set_padding(m_enc, 1);
    EVP_DecryptInit_ex(m_dec, EVP_aes_128_cbc(), nullptr, key, kZeroIv);
    // The link's own padding rule is applied after deciphering.
    EVP_CIPHER_CTX_set_padding(m_dec, 0);
}

LinkCipher::~LinkCipher()
{
    EVP_CIPHER_CTX_free(m_enc);
    EVP_CIPHER_CTX_free(m_dec);
}

QByteArray LinkCipher::encrypt(const QByteArray &plain)
{
    // Re-initialising with only the vector keeps the key schedule.
    EVP_EncryptInit_ex(m_enc, nullptr, nullptr, nullptr, kZeroIv);
    QByteArray out(plain.size() + 16, Qt::Uninitialized);
    int len = 0;
    int total = 0;
    auto *dst = reinterpret_cast<unsigned char *>(out.data());
    EVP_EncryptUpdate(m_enc, dst, &len, reinterpret_cast<const unsigned char *>(plain.constData()),
                      plain.size());
    total = len;
    EVP_EncryptFinal_ex(m_enc, dst + total, &len);
    total += len;
    out.truncate(total);
    return out;
}

QByteArray LinkCipher::decrypt(const QByteArray &cipher)
{
    const int whole = cipher.size() - cipher.size() % 16;
    if (whole <= 0)
        return QByteArray();
    EVP_DecryptInit_ex(m_dec, nullptr, nullptr, nullptr, kZeroIv);
    QByteArray out(whole, Qt::Uninitialized);
    int len = 0;
    if (EVP_DecryptUpdate(m_dec, reinterpret_cast<unsigned char *>(out.data()), &len,
                          reinterpret_cast<const unsigned char *>(cipher.constData()), whole)
        != 1)
        return QByteArray();
    out.truncate(len);
    removePadding(out);
    return out;
}

void LinkCipher::removePadding(QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    const auto n = static_cast<qint8>(bytes.at(bytes.size() - 1));
    if (n < 1)
        return;
    int removed = 0;
    int end = bytes.size();
    while (removed < n && end > 0 && static_cast<qint8>(bytes.at(end - 1)) == n) {
        --end;
        ++removed;
    }
    bytes.truncate(end);
}

QByteArray LinkCipher::encodeText(const QString &text)
{
    return encrypt(text.toUtf8()).toBase64();
}

QString LinkCipher::decodeText(const QByteArray &base64)
{
    const QByteArray plain = decrypt(QByteArray::fromBase64(base64));
    const char *data = plain.constData();
    const auto *zero = static_cast<const char *>(std::memchr(data, 0, plain.size()));
    return QString::fromUtf8(data, zero ? int(zero - data) : plain.size());
}
