#pragma once

#include <QHash>
#include <QMap>
#include <QString>

// Device broadcasts waiting for the GUI thread while it is still busy with an
// earlier one. State broadcasts supersede each other, so only the latest of
// each kind is kept: the latest list (sources, outputs, playlist entries),
// the latest state per index (output state, source level, AirPlay), the
// latest route per output. The backlog is thus bounded by the number of
// distinct keys, however fast the device sends.
//
// Order: a list keeps the place of the first list it replaces, so that state
// waiting behind it still finds its objects; a state moves behind everything
// that waits, as it was sent last.
class BroadcastCoalescer
{
public:
    // Beyond this many waiting keys new ones are dropped.
    static constexpr int MaxKeys = 8192;
    // Beyond this many outputs a waiting routes message takes no more.
    static constexpr int MaxRoutes = 4096;

    // A whole broadcast text: fields separated by "|", code in field 2.
    void add(const QString &text);
    bool isEmpty() const { return m_order.isEmpty(); }
    int size() const { return m_order.size(); }
    // The oldest waiting broadcast; empty when none waits.
    QString takeNext();
    void clear();

private:
    struct Entry
    {
        qint64 seq = 0;
        QString text;
        // Routes only: latest field per output, in first-seen order.
        QMap<qint64, QString> routeOrder;
        QHash<QString, qint64> routeSeq;
    };
    void addRoutes(const QString &key, const QStringList &fields);
    QString routesText(const Entry &entry) const;

    QHash<QString, Entry> m_entries;
    QMap<qint64, QString> m_order;
    qint64 m_nextSeq = 0;
};
