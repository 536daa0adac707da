#include "desktop/traydbustypes.h"

#include <QDBusMetaType>
#include <QtEndian>

QDBusArgument& operator<<(QDBusArgument& arg, const TrayIconPixmap& pixmap)
{
    arg.beginStructure();
    arg << pixmap.width << pixmap.height << pixmap.bytes;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TrayIconPixmap& pixmap)
{
    arg.beginStructure();
    arg >> pixmap.width >> pixmap.height >> pixmap.bytes;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const TrayToolTip& tip)
{
    arg.beginStructure();
    arg << tip.iconName << tip.pixmaps << tip.title << tip.text;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TrayToolTip& tip)
{
    arg.beginStructure();
    arg >> tip.iconName >> tip.pixmaps >> tip.title >> tip.text;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const TrayMenuLayout& layout)
{
    arg.beginStructure();
    arg << layout.id << layout.properties;
    arg.beginArray(qMetaTypeId<QDBusVariant>());
    for (const QVariant& child : layout.children)
        arg << QDBusVariant(child);
    arg.endArray();
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TrayMenuLayout& layout)
{
    arg.beginStructure();
    arg >> layout.id >> layout.properties;
    layout.children.clear();
    arg.beginArray();
    while (!arg.atEnd()) {
        QDBusVariant child;
        arg >> child;
        // A nested entry arrives as a still-marshalled argument.
        const QVariant value = child.variant();
        if (value.userType() == qMetaTypeId<QDBusArgument>()) {
            TrayMenuLayout nested;
            value.value<QDBusArgument>() >> nested;
            layout.children.append(QVariant::fromValue(nested));
        } else {
            layout.children.append(value);
        }
    }
    arg.endArray();
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const TrayMenuItemProperties& item)
{
    arg.beginStructure();
    arg << item.id << item.properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TrayMenuItemProperties& item)
{
    arg.beginStructure();
    arg >> item.id >> item.properties;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const TrayMenuItemKeys& item)
{
    arg.beginStructure();
    arg << item.id << item.names;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TrayMenuItemKeys& item)
{
    arg.beginStructure();
    arg >> item.id >> item.names;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const TrayMenuEvent& event)
{
    arg.beginStructure();
    arg << event.id << event.eventId << event.data << event.timestamp;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TrayMenuEvent& event)
{
    arg.beginStructure();
    arg >> event.id >> event.eventId >> event.data >> event.timestamp;
    arg.endStructure();
    return arg;
}

namespace TrayDBusTypes {

void registerTypes()
{
    static const bool done = [] {
        qDBusRegisterMetaType<TrayIconPixmap>();
        qDBusRegisterMetaType<TrayIconPixmapList>();
        qDBusRegisterMetaType<TrayToolTip>();
        qDBusRegisterMetaType<TrayMenuLayout>();
        qDBusRegisterMetaType<TrayMenuItemProperties>();
        qDBusRegisterMetaType<TrayMenuItemPropertiesList>();
        qDBusRegisterMetaType<TrayMenuItemKeys>();
        qDBusRegisterMetaType<TrayMenuItemKeysList>();
        qDBusRegisterMetaType<TrayMenuEvent>();
        qDBusRegisterMetaType<TrayMenuEventList>();
        qDBusRegisterMetaType<QList<int>>();
        return true;
    }();
    Q_UNUSED(done)
}

TrayIconPixmapList pixmaps(const QImage& image, const QList<int>& sizes)
{
    TrayIconPixmapList list;
    if (image.isNull())
        return list;
    for (const int size : sizes) {
        const QImage scaled = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_ARGB32);
        TrayIconPixmap pixmap;
        pixmap.width = scaled.width();
        pixmap.height = scaled.height();
        pixmap.bytes.resize(scaled.width() * scaled.height() * 4);
        uchar* out = reinterpret_cast<uchar*>(pixmap.bytes.data());
        for (int y = 0; y < scaled.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(scaled.constScanLine(y));
            for (int x = 0; x < scaled.width(); ++x, out += 4)
                qToBigEndian(line[x], out);
        }
        list.append(pixmap);
    }
    return list;
}
}
