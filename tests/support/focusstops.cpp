#include "focusstops.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>

namespace {
QObject* accessibleAttached(const QQuickItem* item)
{
    for (QObject* child : item->children()) {
        if (child->inherits("QQuickAccessibleAttached"))
            return child;
    }
    return nullptr;
}
}

namespace FocusStops {

QString spokenName(QQuickItem* item)
{
    if (QObject* attached = accessibleAttached(item)) {
        const QString name = attached->property("name").toString();
        if (!name.trimmed().isEmpty())
            return name;
    }
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(item))
        return iface->text(QAccessible::Name).trimmed();
    return {};
}

bool ignored(const QQuickItem* item)
{
    QObject* attached = accessibleAttached(item);
    return attached && attached->property("ignored").toBool();
}

QString describe(const QQuickItem* item)
{
    QStringList chain;
    for (const QQuickItem* i = item; i && chain.size() < 5; i = i->parentItem()) {
        QString part = QString::fromLatin1(i->metaObject()->className()).section(QLatin1Char('_'), 0, 0);
        if (!i->objectName().isEmpty())
            part += QLatin1Char('#') + i->objectName();
        chain.prepend(part);
    }
    return chain.join(QLatin1String(" > "));
}

QString whyUnseen(QQuickItem* item)
{
    if (!item || !item->window())
        return QStringLiteral("no item in the window");
    const QRectF own = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    QRectF shown = own.intersected(QRectF(QPointF(0, 0), item->window()->size()));
    for (const QQuickItem* i = item; i; i = i->parentItem()) {
        if (!i->isVisible())
            return QStringLiteral("hidden");
        if (i->opacity() <= 0.0)
            return QStringLiteral("transparent");
        if (i != item && i->clip())
            shown = shown.intersected(i->mapRectToScene(QRectF(0, 0, i->width(), i->height())));
    }
    // Half of it at least, so that a row cut off at a list's edge counts as unseen.
    if (shown.isEmpty() || shown.width() * shown.height() < 0.5 * own.width() * own.height())
        return QStringLiteral("out of sight");
    if (spokenName(item).trimmed().isEmpty())
        return QStringLiteral("no accessible name");
    return {};
}
}
