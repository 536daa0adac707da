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
    markDocument(item, url);
    return item;
}

void markDocument(QObject* item, const QString& url)
{
    if (item)
        item->setProperty("documentUrl", url);
}

QQuickItem* openItem(const QObject* creator, const QString& url)
{
    if (!creator)
        return nullptr;
    for (QObject* child : creator->children()) {
        auto* item = qobject_cast<QQuickItem*>(child);
        if (item && item->parentItem() && item->isVisible() && item->property("documentUrl").toString() == url)
            return item;
    }
    return nullptr;
}

bool focusOpenItem(const QObject* creator, const QString& url)
{
    QQuickItem* open = openItem(creator, url);
    if (!open)
        return false;
    if (!QMetaObject::invokeMethod(open, "takeInitialFocus"))
        open->forceActiveFocus();
    return true;
}
}
