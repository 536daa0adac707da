#include "broadcastcoalescer.h"

#include "app/logcategories.h"

#include <QStringList>

namespace {
// Field positions of a device broadcast.
constexpr int CodeField = 2;
constexpr int IndexField = 4;

enum class Kind { List, PerIndex, Routes, Other };

Kind kindOf(const QString &code)
{
    // Sources, outputs, playlist entries; "playlists changed", settings
    // addresses and "ready" only matter once.
    static const QStringList lists { "0", "1", "25", "26", "20", "500" };
    static const QStringList perIndex { "3", "4", "10" };
    if (code == QLatin1String("2"))
        return Kind::Routes;
    if (lists.contains(code))
        return Kind::List;
    if (perIndex.contains(code))
        return Kind::PerIndex;
    return Kind::Other;
}
}

void BroadcastCoalescer::add(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char('|'));
    const QString code = fields.value(CodeField);
    const Kind kind = kindOf(code);
    QString key = QStringLiteral("c") + code;
    if (kind == Kind::PerIndex)
        key += QLatin1Char('@') + fields.value(IndexField);

    auto it = m_entries.find(key);
    if (it == m_entries.end()) {
        if (m_entries.size() >= MaxKeys) {
            qCDebug(lcLink) << "too many broadcasts waiting, dropped one with code" << code.left(16);
            return;
        }
        it = m_entries.insert(key, Entry());
        it->seq = m_nextSeq++;
        m_order.insert(it->seq, key);
    } else if (kind != Kind::List) {
        // Sent last: applied last, behind the lists it may refer to.
        m_order.remove(it->seq);
        it->seq = m_nextSeq++;
        m_order.insert(it->seq, key);
    }
    if (kind == Kind::Routes)
        addRoutes(key, fields);
    else
        it->text = text;
}

void BroadcastCoalescer::addRoutes(const QString &key, const QStringList &fields)
{
    Entry &entry = m_entries[key];
    // Fields 0 to 3 of the latest message lead the merged one.
    QStringList head = fields.mid(0, IndexField);
    while (head.size() < IndexField)
        head.append(QString());
    entry.text = head.join(QLatin1Char('|'));
    for (int i = IndexField; i < fields.size(); ++i) {
        const QString &route = fields.at(i);
        if (route.isEmpty())
            continue;
        const QString output = route.section(QLatin1Char('@'), 0, 0);
        auto seq = entry.routeSeq.find(output);
        if (seq == entry.routeSeq.end()) {
            if (entry.routeSeq.size() >= MaxRoutes) {
                qCDebug(lcLink) << "too many routes waiting, one dropped";
                continue;
            }
            seq = entry.routeSeq.insert(output, m_nextSeq++);
        }
        entry.routeOrder.insert(seq.value(), route);
    }
}

QString BroadcastCoalescer::routesText(const Entry &entry) const
{
    QStringList fields { entry.text };
    for (const QString &route : entry.routeOrder)
        fields.append(route);
    return fields.join(QLatin1Char('|'));
}

QString BroadcastCoalescer::takeNext()
{
    if (m_order.isEmpty())
        return QString();
    const QString key = m_order.take(m_order.firstKey());
    const Entry entry = m_entries.take(key);
    return entry.routeSeq.isEmpty() ? entry.text : routesText(entry);
}

void BroadcastCoalescer::clear()
{
    m_entries.clear();
    m_order.clear();
}
