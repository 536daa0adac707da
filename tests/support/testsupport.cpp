#include "testsupport.h"

#include <QTcpServer>
#include <QHostAddress>

namespace TestSupport {
QString sourceDir() { return qEnvironmentVariable("TAVIREL_SOURCE_DIR"); }
QString buildDir() { return qEnvironmentVariable("TAVIREL_BUILD_DIR"); }
QString deviceSimPath() { return qEnvironmentVariable("TAVIREL_DEVICESIM"); }

quint16 freeLoopbackPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}
}
