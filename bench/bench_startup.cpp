// Start-up: from process start to the first frame of the main window, with a
// saved device that is not reachable, against the smallest Qt Quick window
// started the same way. Twice: offscreen with the software renderer, and on
// an X display (the one in DISPLAY, or else a private one from xvfb-run,
// under which this program runs itself again with "--x-only").
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double timeToFirstFrame(const QString& program, const QString& configHome, bool offscreen)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("TAVIREL_FIRST_FRAME_EXIT"), QStringLiteral("1"));
    if (offscreen) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    } else {
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    }
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, QStringList());
    QByteArray out;
    while (!out.contains("first-frame")) {
        if (!process.waitForReadyRead(30000)) {
            fprintf(stderr, "%s showed no frame\n", qPrintable(program));
            process.kill();
            process.waitForFinished();
            return -1;
        }
        out += process.readAllStandardOutput();
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    if (!process.waitForFinished(10000))
        process.kill();
    return ms;
}

quint16 closedLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const QString appPath = QFileInfo(dir + QStringLiteral("/../tavirel")).absoluteFilePath();
    const QString helloPath = dir + QStringLiteral("/hello_window");

    QTemporaryDir appHome;
    QTemporaryDir helloHome;
    {
        // A saved, last selected device on a loopback port nobody listens on.
        const QString text = QStringLiteral(
            "{\"localIp\":\"127.0.0.1\",\"localPort\":%1,\"objectName\":\"\",\"password\":\"pw\","
            "\"propDictionary\":{\"name\":\"Kitchen\"},\"remoteIp\":\"\",\"remotePort\":0,"
            "\"serialNumber\":\"SN1\",\"username\":\"user\"}").arg(closedLoopbackPort());
        QSettings seed(appHome.filePath(QStringLiteral("Orvith/Tavirel.conf")), QSettings::IniFormat);
        seed.setValue(QStringLiteral("savedTavirel"), QStringList { text });
        seed.setValue(QStringLiteral("lastSelectedTavirel"), text);
    }

    const bool xOnly = app.arguments().contains(QStringLiteral("--x-only"));
    const bool haveDisplay = !qEnvironmentVariableIsEmpty("DISPLAY");
    // The application against the bare window; false when either showed nothing.
    auto compare = [&](bool offscreen, const char* what, double target) {
        // One warm-up each, so that both read their libraries from the page cache.
        timeToFirstFrame(appPath, appHome.path(), offscreen);
        timeToFirstFrame(helloPath, helloHome.path(), offscreen);
        std::vector<double> appTimes, helloTimes;
        for (int i = 0; i < 7; ++i) {
            const double a = timeToFirstFrame(appPath, appHome.path(), offscreen);
            const double h = timeToFirstFrame(helloPath, helloHome.path(), offscreen);
            if (a < 0 || h < 0)
                return false;
            appTimes.push_back(a);
            helloTimes.push_back(h);
        }
        const double a = median(appTimes), h = median(helloTimes);
        printf("start-up to first frame, %s: app %.0f ms, hello window %.0f ms ... ratio %.2f (target <= %.1f)\n",
               what, a, h, a / h, target);
        fflush(stdout);
        return true;
    };
    if (!xOnly && !compare(true, "offscreen", 2.0))
        return 1;
    if (haveDisplay)
        return compare(false, "X display", 1.4) ? 0 : 1;
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xOnly || xvfb.isEmpty()) {
        fprintf(stderr, "no X display and no xvfb-run: the X figure is left out\n");
        return xOnly ? 1 : 0;
    }
    QProcess again;
    again.setProcessChannelMode(QProcess::ForwardedChannels);
    again.start(xvfb, { QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1200x900x24"),
                        QCoreApplication::applicationFilePath(), QStringLiteral("--x-only") });
    if (!again.waitForFinished(600000) || again.exitCode() != 0) {
        fprintf(stderr, "the run under xvfb-run failed\n");
        return 1;
    }
    return 0;
}
