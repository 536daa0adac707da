// Receive path of the control link against its raw limit.
//
// 1. 100,000 typical broadcasts (about 200 bytes on the wire), one read each,
//    through the socket's receive path (framing, Base64, decipher, padding,
//    UTF-8, token check, signal) against Base64 decoding plus deciphering of
//    the same frames with one reused EVP context. Target: ratio <= 5.
// 2. A 1 MB stream fed in random 1-4096-byte chunks against the same stream
//    fed at once. Target: ratio <= 1.5.
#include "link/linkcipher.h"
#include "link/linkframer.h"
#include "link/tavirelconnsocket.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <openssl/evp.h>

#include <cstdio>
#include <functional>

namespace {
constexpr int kMessages = 100000;
constexpr int kRounds = 5;

// Best of several rounds, in milliseconds.
double best(const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < kRounds; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = qMin(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

QString typicalBroadcast(int i)
{
    // An output state, a source list or a playlist list, as a device sends them.
    switch (i % 3) {
    case 0:
        return QStringLiteral("%1|BROAD|3|0|%2|%3|0|-4|2|6|1|0123456789abcdef0123456789abcdef"
                              "0123456789abcdef0123456789abcdef0123456789abcdef0123456789")
            .arg(i)
            .arg(i % 8)
            .arg(i % 101);
    case 1:
        return QStringLiteral("%1|BROAD|0|0|0@Line In 1@0|1@Line In 2@0|2@Optical@0|3@Tuner@0|"
                              "4@Player A@1@192.168.10.20@6680|5@Player B@1@192.168.10.21@6680|6@Aux@0")
            .arg(i);
    default:
        return QStringLiteral("%1|BROAD|25|0|1@Morning@m3u:Morning.m3u|2@Evening@m3u:Evening.m3u|"
                              "3@Party@m3u:Party.m3u|4@Dinner@m3u:Dinner%20Jazz.m3u|5@Focus@")
            .arg(i);
    }
}

void report(const char *what, double ratio, double target)
{
    std::printf("%-44s ratio %.2f (target <= %.1f) %s\n", what, ratio, target,
                ratio <= target ? "ok" : "OVER");
}
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    LinkCipher cipher;

    QList<QByteArray> frames;
    QList<QByteArray> bodies;
    qint64 wireBytes = 0;
    for (int i = 0; i < kMessages; ++i) {
        const QByteArray body = cipher.encodeText(typicalBroadcast(i));
        bodies << body;
        frames << body + LinkFramer::deviceSeparator();
        wireBytes += frames.last().size();
    }
    std::printf("%d broadcasts, %.0f bytes each on average\n", kMessages, double(wireBytes) / kMessages);

    qint64 received = 0;
    const double socketMs = best([&] {
        TavirelConnSocket socket;
        QObject::connect(&socket, &TavirelConnSocket::elaborateCommand,
                         [&received](const QString &text) { received += text.size(); });
        for (const QByteArray &frame : qAsConst(frames))
            socket.processIncoming(frame);
    });

    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    const unsigned char iv[16] = {};
    EVP_DecryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr,
                       reinterpret_cast<const unsigned char *>(LinkCipher::linkKey().constData()), iv);
    EVP_CIPHER_CTX_set_padding(ctx, 0);
    qint64 rawBytes = 0;
    const double rawMs = best([&] {
        QByteArray plain;
        for (const QByteArray &body : qAsConst(bodies)) {
            const QByteArray bytes = QByteArray::fromBase64(body);
            plain.resize(bytes.size());
            int len = 0;
            EVP_DecryptInit_ex(ctx, nullptr, nullptr, nullptr, iv);
            EVP_DecryptUpdate(ctx, reinterpret_cast<unsigned char *>(plain.data()), &len,
                              reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
            rawBytes += len;
        }
    });
    EVP_CIPHER_CTX_free(ctx);
    std::printf("socket receive path: %.1f ms, Base64 + decipher: %.1f ms\n", socketMs, rawMs);
    report("receive path / raw Base64 + AES", socketMs / rawMs, 5.0);

    // About 1 MB of the same broadcasts as one stream.
    QByteArray stream;
    for (int i = 0; stream.size() < 1000 * 1000; ++i)
        stream += frames.at(i);
    QList<QByteArray> chunks;
    auto *rng = QRandomGenerator::global();
    for (int pos = 0; pos < stream.size();) {
        const int n = 1 + int(rng->bounded(4096));
        chunks << stream.mid(pos, n);
        pos += n;
    }
    int atOnceCount = 0;
    int chunkedCount = 0;
    const double atOnceMs = best([&] {
        TavirelConnSocket socket;
        atOnceCount = 0;
        QObject::connect(&socket, &TavirelConnSocket::elaborateCommand, [&] { ++atOnceCount; });
        socket.processIncoming(stream);
    });
    const double chunkedMs = best([&] {
        TavirelConnSocket socket;
        chunkedCount = 0;
        QObject::connect(&socket, &TavirelConnSocket::elaborateCommand, [&] { ++chunkedCount; });
        for (const QByteArray &chunk : qAsConst(chunks))
            socket.processIncoming(chunk);
    });
    std::printf("%d bytes in %d chunks: %.1f ms, at once: %.1f ms (%d and %d messages)\n",
                int(stream.size()), int(chunks.size()), chunkedMs, atOnceMs, chunkedCount, atOnceCount);
    report("1 MB in random chunks / at once", chunkedMs / atOnceMs, 1.5);
    return received > 0 && rawBytes > 0 && chunkedCount == atOnceCount ? 0 : 1;
}
