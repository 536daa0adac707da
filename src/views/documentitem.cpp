#include "views/documentitem.h"

#include "app/logcategories.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>

namespace DocumentItem {

QQuickItem* create(QQuickItem* creator, const QString& url, QQuickItem* visualParent)
{
    QQmlEngine* engine = qmlEngine(creator);
    if (!engine)
        return nullptr;
    QQmlComponent component(engine, QUrl(url));
    if (!component.isReady()) {
        qCDebug(lcViews) << "document not ready:" << url << component.errorString();
        return nullptr;
    }
    QQmlContext* context = qmlContext(creator);
    QObject* object = component.create(context ? context : engine->rootContext());
    auto* item = qobject_cast<QQuickItem*>(object);
    if (!item) {
        delete object;
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(item, QQmlEngine::CppOwnership);
    item->setParentItem(visualParent);
    item->setParent(creator);
    return item;
}
}
