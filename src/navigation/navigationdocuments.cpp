#include "navigation/navigationdocuments.h"

#include "app/logcategories.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>

namespace NavigationDocuments {

QObject *create(QQuickItem *creator, const QString &url)
{
    QQmlEngine *engine = qmlEngine(creator);
    if (!engine) {
        qCDebug(lcNavigation) << "no engine to create" << url;
        return nullptr;
    }
    QQmlComponent component(engine, QUrl(url));
    if (!component.isReady()) {
        qCDebug(lcNavigation) << "document not ready:" << url << component.errorString();
        return nullptr;
    }
    QQmlContext *context = qmlContext(creator);
    QObject *object = component.create(context ? context : engine->rootContext());
    if (object)
        QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
    return object;
}

}
