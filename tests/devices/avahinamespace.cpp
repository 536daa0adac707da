#include "avahinamespace.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

namespace {
const char* const BusConfig = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_type="signal"/>
    <allow send_type="method_return"/>
    <allow send_type="error"/>
    <allow receive_type="method_call"/>
    <allow receive_type="signal"/>
    <allow receive_type="method_return"/>
    <allow receive_type="error"/>
  </policy>
</busconfig>
)";

const char* const AvahiConfig = R"([server]
host-name=tavirel-zc-test
use-ipv4=yes
use-ipv6=no
allow-interfaces=zc0
enable-dbus=yes
ratelimit-interval-usec=0
[wide-area]
enable-wide-area=no
[publish]
publish-hinfo=no
publish-workstation=no
[reflector]
[rlimits]
)";

bool waitFor(const std::function<bool()>& ready, int ms)
{
    return QTest::qWaitFor(ready, ms);
}
}

AvahiNamespace::AvahiNamespace()
    : m_name(QStringLiteral("tavzc%1").arg(QCoreApplication::applicationPid()))
{
}

AvahiNamespace::~AvahiNamespace()
{
    tearDown();
}

QString AvahiNamespace::run(const QStringList& command)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(command.first(), command.mid(1));
    if (!p.waitForFinished(15000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return command.join(QLatin1Char(' ')) + QStringLiteral(": ") + QString::fromLocal8Bit(p.readAll()).trimmed()
            + p.errorString();
    return {};
}

QString AvahiNamespace::setUp()
{
    if (!m_dir.isValid())
        return QStringLiteral("no temporary directory");
    const QString ip = QStringLiteral("ip");
    for (const QStringList& command : {
             QStringList { ip, "netns", "add", m_name },
             QStringList { ip, "-n", m_name, "link", "set", "lo", "up" },
             QStringList { ip, "-n", m_name, "link", "add", "zc0", "type", "veth", "peer", "name", "zc1" },
             QStringList { ip, "-n", m_name, "addr", "add", QStringLiteral("%1/24").arg(Address), "dev", "zc0" },
             QStringList { ip, "-n", m_name, "link", "set", "zc0", "multicast", "on", "up" },
             QStringList { ip, "-n", m_name, "link", "set", "zc1", "multicast", "on", "up" } }) {
        const QString error = run(command);
        if (!error.isEmpty())
            return error;
        m_created = true;
    }

    const QString busPath = m_dir.filePath(QStringLiteral("bus"));
    m_busAddress = QStringLiteral("unix:path=") + busPath;
    QFile busConfig(m_dir.filePath(QStringLiteral("bus.conf")));
    QFile avahiConfig(m_dir.filePath(QStringLiteral("avahi.conf")));
    if (!busConfig.open(QIODevice::WriteOnly) || !avahiConfig.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write the daemon configurations");
    busConfig.write(QString::fromLatin1(BusConfig).arg(busPath).toUtf8());
    avahiConfig.write(AvahiConfig);
    busConfig.close();
    avahiConfig.close();

    QProcess* bus = start(QStringLiteral("dbus-daemon"),
                          { QStringLiteral("--config-file=") + busConfig.fileName(), QStringLiteral("--nofork"),
                            QStringLiteral("--nopidfile") });
    if (!waitFor([&] { return QFileInfo::exists(busPath) || bus->state() == QProcess::NotRunning; }, 10000)
        || bus->state() == QProcess::NotRunning)
        return QStringLiteral("the private D-Bus daemon did not start: ") + QString::fromLocal8Bit(bus->readAll());

    // The daemon keeps its pid file under /run/avahi-daemon: a tmpfs mounted
    // there in the namespace's own mount table keeps it apart from any other.
    QProcess* avahi = start(QStringLiteral("sh"),
                            { QStringLiteral("-c"),
                              QStringLiteral("mkdir -p /run/avahi-daemon && mount -t tmpfs tmpfs /run/avahi-daemon "
                                             "&& exec avahi-daemon -f '%1' --no-drop-root --no-chroot --no-rlimits "
                                             "--no-proc-title")
                                  .arg(avahiConfig.fileName()) });
    QString log;
    const bool started = waitFor([&] {
        log += QString::fromLocal8Bit(avahi->readAll());
        return log.contains(QLatin1String("Server startup complete")) || avahi->state() == QProcess::NotRunning;
    }, 15000);
    if (!started || avahi->state() == QProcess::NotRunning)
        return QStringLiteral("the Avahi daemon did not start: ") + log;

    // Join the namespace on this thread; libdbus reads the bus address when
    // it first connects.
    m_originalNamespace = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    const int target = ::open(QStringLiteral("/run/netns/%1").arg(m_name).toLocal8Bit().constData(),
                              O_RDONLY | O_CLOEXEC);
    const bool joined = target >= 0 && ::setns(target, CLONE_NEWNET) == 0;
    if (target >= 0)
        ::close(target);
    if (!joined)
        return QStringLiteral("cannot join the network namespace");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_busAddress.toLocal8Bit());
    return {};
}

QProcessEnvironment AvahiNamespace::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_busAddress);
    return env;
}

QProcess* AvahiNamespace::start(const QString& program, const QStringList& args)
{
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setProcessEnvironment(environment());
    process->start(QStringLiteral("ip"), QStringList { "netns", "exec", m_name, program } + args);
    process->waitForStarted(10000);
    m_processes << process;
    return process;
}

void AvahiNamespace::stop(QProcess* process)
{
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished(3000);
        }
    }
}

void AvahiNamespace::tearDown()
{
    // Newest first: publishers before the Avahi daemon before the bus.
    while (!m_processes.isEmpty()) {
        QProcess* process = m_processes.takeLast();
        stop(process);
        delete process;
    }
    if (m_originalNamespace >= 0) {
        ::setns(m_originalNamespace, CLONE_NEWNET);
        ::close(m_originalNamespace);
        m_originalNamespace = -1;
    }
    if (m_created) {
        run({ QStringLiteral("ip"), QStringLiteral("netns"), QStringLiteral("del"), m_name });
        m_created = false;
    }
}
