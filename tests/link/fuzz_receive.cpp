// libFuzzer target: arbitrary bytes, cut into arbitrary chunks, through the
// link socket's receive path.
//
// Input: byte 0 selects the mode (bit 0 set: the rest is plain text, one
// message per line, enciphered and framed here so that the fuzzer reaches the
// token handling; a line starting with '!' goes out unenciphered), byte 1
// seeds the chunk sizes, the rest is the payload.
//
// Checks besides the sanitizers: the buffer never outgrows its cap, and a
// stream without zero bytes gives the same messages however it is cut.
#include "link/linkcipher.h"
#include "link/linkframer.h"
#include "link/tavirelconnsocket.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {
struct Outcome
{
    QStringList commands;
    int established = 0;
    int refused = 0;
    bool operator==(const Outcome &o) const
    {
        return commands == o.commands && established == o.established && refused == o.refused;
    }
};

Outcome feed(const QByteArray &stream, uint32_t seed, bool chunked)
{
    TavirelConnSocket socket;
    Outcome out;
    QObject::connect(&socket, &TavirelConnSocket::elaborateCommand,
                     [&out](const QString &text) { out.commands << text; });
    QObject::connect(&socket, &TavirelConnSocket::connectionEstablished, [&out] { ++out.established; });
    QObject::connect(&socket, &TavirelConnSocket::authenticationRefused, [&out] { ++out.refused; });
    const int maxChunk = 1 + int(seed % 251) * 16;
    uint32_t state = seed * 2654435761u + 1;
    for (int pos = 0; pos < stream.size();) {
        int n = stream.size() - pos;
        if (chunked) {
            state = state * 1664525u + 1013904223u;
            n = qMin(n, 1 + int((state >> 8) % uint32_t(maxChunk)));
        }
        socket.processIncoming(stream.mid(pos, n));
        if (socket.framer().buffered().size() > socket.framer().maxBuffered())
            std::abort();
        pos += n;
    }
    return out;
}
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const bool structured = data[0] & 1;
    const uint32_t seed = data[1];
    const QByteArray payload(reinterpret_cast<const char *>(data + 2), int(size - 2));

    QByteArray stream;
    if (structured) {
        LinkCipher cipher;
        for (const QByteArray &line : payload.split('\n')) {
            if (line.startsWith('!'))
                stream += line.mid(1);
            else
                stream += cipher.encodeText(QString::fromUtf8(line)) + LinkFramer::deviceSeparator();
        }
    } else {
        stream = payload;
    }

    const Outcome chunked = feed(stream, seed, true);
    if (!stream.contains('\0')) {
        const Outcome whole = feed(stream, seed, false);
        if (!(whole == chunked))
            std::abort();
    }
    return 0;
}
