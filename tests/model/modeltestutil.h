#pragma once
#include "model/tavirel.h"
#include "player/tavirelplayer.h"

#include <QRegularExpression>
#include <QStringList>

// Compact views of a model for table-driven comparisons.
namespace ModelTestUtil {

// "5:Music[p]" per source of the visible list, [p] when it has a player.
inline QString describeSources(const Tavirel& model)
{
    QStringList parts;
    for (Source* s : model.sourceList())
        parts << QStringLiteral("%1:%2%3").arg(s->index()).arg(s->name(), s->player() ? "[p]" : "");
    return parts.join(QLatin1Char(','));
}

// "3:Den>5" per output of the visible list, with its source's index or "-".
inline QString describeOutputs(const Tavirel& model)
{
    QStringList parts;
    for (Output* o : model.outputList()) {
        Source* s = o->selectedSource();
        parts << QStringLiteral("%1:%2>%3").arg(o->index()).arg(o->name(), s ? QString::number(s->index()) : "-");
    }
    return parts.join(QLatin1Char(','));
}

// "1:Morning:m3u:a.m3u" per playlist entry.
inline QString describeEntries(const Tavirel& model)
{
    QStringList parts;
    for (PlaylistEntry* e : model.playlistEntryList())
        parts << QStringLiteral("%1:%2:%3").arg(e->entryId()).arg(e->name(), e->playlistRef());
    return parts.join(QLatin1Char(','));
}

// Evaluates a check such as "output3.volume=50", "source5.mute=true",
// "player5.airPlay=true", "output3.selectedSource=1",
// "source5.linkedOutputs=2,7" or "source9=absent" against the model's maps and
// returns it with the value actually found, for QCOMPARE against the check.
inline QString evaluate(const Tavirel& model, const QString& check)
{
    const QString lhs = check.section(QLatin1Char('='), 0, 0);
    const QString object = lhs.section(QLatin1Char('.'), 0, 0);
    const QString property = lhs.section(QLatin1Char('.'), 1);
    static const QRegularExpression re(QStringLiteral("^(output|source|player)(-?\\d+)$"));
    const auto m = re.match(object);
    if (!m.hasMatch())
        return QStringLiteral("malformed check ") + check;
    const int index = m.captured(2).toInt();
    QObject* target = nullptr;
    if (m.captured(1) == QLatin1String("output"))
        target = model.outputByIndex(index);
    else if (Source* s = model.sourceByIndex(index))
        target = m.captured(1) == QLatin1String("source") ? static_cast<QObject*>(s) : s->player();

    QString value;
    if (!target) {
        value = QStringLiteral("absent");
    } else if (property.isEmpty()) {
        value = QStringLiteral("present");
    } else if (property == QLatin1String("selectedSource")) {
        Source* s = static_cast<Output*>(target)->selectedSource();
        value = s ? QString::number(s->index()) : QStringLiteral("none");
    } else if (property == QLatin1String("linkedOutputs")) {
        QStringList idx;
        for (Output* o : static_cast<Source*>(target)->linkedOutputList())
            idx << QString::number(o->index());
        value = idx.join(QLatin1Char(','));
    } else {
        const QVariant v = target->property(property.toLatin1());
        value = v.isValid() ? v.toString() : QStringLiteral("no such property");
    }
    return lhs + QLatin1Char('=') + value;
}

}
