#pragma once

#include <QDBusArgument>
#include <QDBusVariant>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

// The structures that the panel item and its menu exchange with a desktop
// panel over D-Bus, with their marshalling.

// One size of an icon: width, height and ARGB32 pixels in network byte order.
struct TrayIconPixmap {
    int width = 0;
    int height = 0;
    QByteArray bytes;
};
using TrayIconPixmapList = QVector<TrayIconPixmap>;

struct TrayToolTip {
    QString iconName;
    TrayIconPixmapList pixmaps;
    QString title;
    QString text;
};

// One menu entry and, as far as asked, the entries below it.
struct TrayMenuLayout {
    int id = 0;
    QVariantMap properties;
    QVariantList children;
};

struct TrayMenuItemProperties {
    int id = 0;
    QVariantMap properties;
};
using TrayMenuItemPropertiesList = QList<TrayMenuItemProperties>;

struct TrayMenuItemKeys {
    int id = 0;
    QStringList names;
};
using TrayMenuItemKeysList = QList<TrayMenuItemKeys>;

struct TrayMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using TrayMenuEventList = QList<TrayMenuEvent>;

Q_DECLARE_METATYPE(TrayIconPixmap)
Q_DECLARE_METATYPE(TrayIconPixmapList)
Q_DECLARE_METATYPE(TrayToolTip)
Q_DECLARE_METATYPE(TrayMenuLayout)
Q_DECLARE_METATYPE(TrayMenuItemProperties)
Q_DECLARE_METATYPE(TrayMenuItemPropertiesList)
Q_DECLARE_METATYPE(TrayMenuItemKeys)
Q_DECLARE_METATYPE(TrayMenuItemKeysList)
Q_DECLARE_METATYPE(TrayMenuEvent)
Q_DECLARE_METATYPE(TrayMenuEventList)

QDBusArgument& operator<<(QDBusArgument& arg, const TrayIconPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& arg, TrayIconPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& arg, const TrayToolTip& tip);
const QDBusArgument& operator>>(const QDBusArgument& arg, TrayToolTip& tip);
QDBusArgument& operator<<(QDBusArgument& arg, const TrayMenuLayout& layout);
const QDBusArgument& operator>>(const QDBusArgument& arg, TrayMenuLayout& layout);
QDBusArgument& operator<<(QDBusArgument& arg, const TrayMenuItemProperties& item);
const QDBusArgument& operator>>(const QDBusArgument& arg, TrayMenuItemProperties& item);
QDBusArgument& operator<<(QDBusArgument& arg, const TrayMenuItemKeys& item);
const QDBusArgument& operator>>(const QDBusArgument& arg, TrayMenuItemKeys& item);
QDBusArgument& operator<<(QDBusArgument& arg, const TrayMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& arg, TrayMenuEvent& event);

namespace TrayDBusTypes {
// Registers the types with QtDBus; safe to call more than once.
void registerTypes();
// The image at each size, as panels want icons.
TrayIconPixmapList pixmaps(const QImage& image, const QList<int>& sizes);
}
