#include "views/notices.h"

#include "app/logcategories.h"

Notices::Notices(QObject* parent)
    : QObject(parent)
{
    m_expiry.setSingleShot(true);
    connect(&m_expiry, &QTimer::timeout, this, [this] {
        // The button goes with the notice; the text stays for the record.
        if (m_undo) {
            m_undo = nullptr;
            Q_EMIT posted();
        }
    });
}

void Notices::show(const QString& text)
{
    post(text, false, InfoMs);
}

void Notices::showError(const QString& text)
{
    post(text, true, ErrorMs);
}

void Notices::showUndo(const QString& text, QObject* context, std::function<void()> undo)
{
    m_undo = std::move(undo);
    m_undoContext = context;
    m_actionText = tr("Undo");
    post(text, false, UndoMs);
}

void Notices::post(const QString& text, bool error, int duration)
{
    // A newer notice takes the place, and the chance to undo, of the older one.
    if (duration != UndoMs)
        m_undo = nullptr;
    m_text = text;
    m_error = error;
    m_duration = duration;
    m_expiry.start(duration);
    Q_EMIT posted();
    Q_EMIT shown();
}

void Notices::act()
{
    std::function<void()> undo;
    std::swap(undo, m_undo);
    if (!undo)
        return;
    Q_EMIT posted();
    if (!m_undoContext) {
        qCDebug(lcViews) << "nothing to undo: its owner is gone";
        return;
    }
    const QString before = m_text;
    undo();
    // Unless the undo told its own outcome, the notice no longer claims what
    // was just taken back.
    if (m_text == before)
        show(tr("Undone"));
}
