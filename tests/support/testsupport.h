#pragma once
#include <QString>

class Device;
class QObject;
class QQuickView;
class Tavirel;
class TavirelConnThread;

namespace TestSupport {
// Directory of the source tree and of the build tree, from the environment
// that CTest sets.
QString sourceDir();
QString buildDir();
// The device simulator executable built with the tests.
QString deviceSimPath();
// A TCP port on 127.0.0.1 that was free a moment ago.
quint16 freeLoopbackPort();
// The simulator at 127.0.0.1:port as a saved device text (serial "SIM-1").
QString simulatorDeviceText(quint16 port, const QString& user = QStringLiteral("admin"),
                            const QString& password = QStringLiteral("admin"));
// Loads qrc:/main.qml into a 500 x 800 view with the context the
// application publishes (theme, language, scale 1); the caller checks status().
void loadMainDocument(QQuickView* view, QObject* theme);
// Points device at the simulator on 127.0.0.1:port (account admin) and links
// model to it through a new link thread, put in link at once: it is the
// caller's to stop and delete. With waitMs > 0, false when the first
// connection does not come within that time.
bool linkModel(Tavirel& model, Device& device, quint16 port, TavirelConnThread*& link, int waitMs = 0);
}
