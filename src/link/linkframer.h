#pragma once

#include <QByteArray>
#include <QList>

// Cuts a received byte stream into the Base64 pieces of the control link.
// The device ends its messages with "%%%", the application with "&"; each
// side feeds what it reads and gets back the complete pieces, in order.
//
// The rules: the buffer is read up to its first zero byte and split at every
// separator, empty pieces dropped. When that text ends with the separator,
// every piece is complete and the buffer is emptied; otherwise the last piece
// is incomplete, the buffer keeps its last L bytes (L = that piece's length)
// and the piece is held back.
//
// A peer that never sends a separator cannot make the buffer grow without
// bound: past maxBuffered() the buffer is dropped and everything up to the
// next separator is discarded.
class LinkFramer
{
public:
    static const QByteArray &deviceSeparator(); // "%%%", device to application
    static const QByteArray &appSeparator();    // "&", application to device
    static constexpr int DefaultMaxBuffered = 1024 * 1024;

    explicit LinkFramer(QByteArray separator, int maxBuffered = DefaultMaxBuffered);

    // Appends the bytes and returns the pieces that are now complete.
    QList<QByteArray> feed(const QByteArray &bytes);

    const QByteArray &buffered() const { return m_buffer; }
    bool resynchronising() const { return m_resync; }
    int maxBuffered() const { return m_max; }
    // Number of times the cap was hit (each drop is also logged).
    int overflows() const { return m_overflows; }
    void clear();

private:
    void split(QList<QByteArray> &out);
    bool skipToSeparator();

    QByteArray m_separator;
    QByteArray m_buffer;
    int m_max;
    // The first m_scanned bytes of the buffer hold no zero byte and no start
    // of a separator; later scans start there, so a long piece that arrives
    // in many reads is not scanned again from the beginning.
    int m_scanned = 0;
    bool m_resync = false;
    int m_overflows = 0;
};
