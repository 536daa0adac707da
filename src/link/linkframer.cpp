#include "linkframer.h"

#include "app/logcategories.h"

#include <cstring>

const QByteArray &LinkFramer::deviceSeparator()
{
    static const QByteArray sep = QByteArrayLiteral("%%%");
    return sep;
}

const QByteArray &LinkFramer::appSeparator()
{
    static const QByteArray sep = QByteArrayLiteral("&");
    return sep;
}

LinkFramer::LinkFramer(QByteArray separator, int maxBuffered)
    : m_separator(std::move(separator))
    , m_max(maxBuffered)
{
}

void LinkFramer::clear()
{
    m_buffer.clear();
    m_scanned = 0;
    m_resync = false;
}

QList<QByteArray> LinkFramer::feed(const QByteArray &bytes)
{
    QList<QByteArray> out;
    if (bytes.isEmpty())
        return out;
    m_buffer.append(bytes);
    if (m_resync && !skipToSeparator())
        return out;
    split(out);
    if (m_buffer.size() > m_max) {
        qCDebug(lcLink) << "receive buffer over" << m_max << "bytes without a separator:"
                        << m_buffer.size() << "bytes dropped";
        ++m_overflows;
        m_buffer.clear();
        m_scanned = 0;
        m_resync = true;
    }
    return out;
}

// Drops buffered bytes up to and including the next separator. Returns false
// while none has arrived (keeping only a possible separator prefix).
bool LinkFramer::skipToSeparator()
{
    const int at = m_buffer.indexOf(m_separator);
    if (at < 0) {
        const int keep = m_separator.size() - 1;
        if (m_buffer.size() > keep)
            m_buffer.remove(0, m_buffer.size() - keep);
        return false;
    }
    m_buffer.remove(0, at + m_separator.size());
    m_scanned = 0;
    m_resync = false;
    qCDebug(lcLink) << "receive stream resynchronised on a separator";
    return true;
}

void LinkFramer::split(QList<QByteArray> &out)
{
    const char *data = m_buffer.constData();
    const int size = m_buffer.size();
    const int sepLen = m_separator.size();

    const auto *zero = static_cast<const char *>(
        std::memchr(data + m_scanned, 0, size_t(size - m_scanned)));
    const int textLen = zero ? int(zero - data) : size;

    int pieceStart = 0;
    int pos = m_scanned;
    for (;;) {
        const int at = m_buffer.indexOf(m_separator, pos);
        if (at < 0 || at + sepLen > textLen)
            break;
        if (at > pieceStart)
            out.append(m_buffer.mid(pieceStart, at - pieceStart));
        pieceStart = pos = at + sepLen;
    }
    const bool endsWithSeparator = textLen >= sepLen
        && std::memcmp(data + textLen - sepLen, m_separator.constData(), size_t(sepLen)) == 0;
    if (endsWithSeparator || textLen == 0) {
        // Every piece is complete (with an overlapping run of separator
        // characters the tail after the last match is a piece too).
        if (pieceStart < textLen)
            out.append(m_buffer.mid(pieceStart, textLen - pieceStart));
        if (textLen > 0 || zero) {
            m_buffer.clear();
            m_scanned = 0;
        }
        return;
    }
    // The text after the last separator is an incomplete piece.
    const int lastLen = textLen - pieceStart;
    if (zero) {
        m_buffer = m_buffer.right(lastLen);
        m_scanned = 0;
    } else {
        if (pieceStart > 0)
            m_buffer.remove(0, pieceStart);
        m_scanned = qMax(0, m_buffer.size() - (sepLen - 1));
    }
}
