#include "testsupport.h"

#include "app/startup.h"
#include "devices/device.h"
#include "devices/devicestore.h"
#include "link/tavirelconnthread.h"
#include "model/tavirel.h"

#include <QHostAddress>
#include <QQmlContext>
#include <QQuickView>
#include <QSignalSpy>
#include <QTcpServer>

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

QString simulatorDeviceText(quint16 port, const QString& user, const QString& password)
{
    Device d;
    d.setSerialNumber(QStringLiteral("SIM-1"));
    d.setLocalIp(QStringLiteral("127.0.0.1"));
    d.setLocalPort(port);
    d.setUsername(user);
    d.setPassword(password);
    return DeviceStore::objectToText(&d);
}

void loadMainDocument(QQuickView* view, QObject* theme)
{
    Startup::addImageProvider(view->engine());
    QQmlContext* context = view->rootContext();
    context->setContextProperty(QStringLiteral("currentTheme"), theme);
    context->setContextProperty(QStringLiteral("selectedLang"), QStringLiteral("en"));
    context->setContextProperty(QStringLiteral("isIOSdevice"), false);
    context->setContextProperty(QStringLiteral("isPhoneX"), false);
    Startup::setScreenContext(context, 1.0);
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    view->resize(500, 800);
    view->setSource(QUrl(QStringLiteral("qrc:/main.qml")));
}

bool linkModel(Tavirel& model, Device& device, quint16 port, TavirelConnThread*& link, int waitMs)
{
    device.setLocalIp(QStringLiteral("127.0.0.1"));
    device.setLocalPort(port);
    device.setUsername(QStringLiteral("admin"));
    device.setPassword(QStringLiteral("admin"));
    link = new TavirelConnThread;
    model.setConnPointer(link);
    QSignalSpy ready(link, &TavirelConnThread::firstConnected);
    link->setDevice(&device);
    link->restart();
    return waitMs <= 0 || ready.wait(waitMs);
}
}
