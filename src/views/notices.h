#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

// The window's one short notice: what the user's last action did or why it
// failed, with at most one way to take it back while it is shown. The views
// that act post here; the window shows the newest notice.
class Notices : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text NOTIFY posted)
    Q_PROPERTY(QString actionText READ actionText NOTIFY posted)
    Q_PROPERTY(bool isError READ isError NOTIFY posted)
    Q_PROPERTY(int duration READ duration NOTIFY posted)
public:
    explicit Notices(QObject* parent = nullptr);

    static constexpr int InfoMs = 3000;
    static constexpr int ErrorMs = 6000;
    // Long enough to read the notice and reach its button.
    static constexpr int UndoMs = 8000;

    QString text() const { return m_text; }
    QString actionText() const { return m_undo ? m_actionText : QString(); }
    bool isError() const { return m_error; }
    int duration() const { return m_duration; }
    bool canUndo() const { return bool(m_undo); }

    void show(const QString& text);
    void showError(const QString& text);
    // `undo` runs at most once, on act(), while the notice lasts and
    // `context` exists.
    void showUndo(const QString& text, QObject* context, std::function<void()> undo);
    // The notice's button.
    Q_INVOKABLE void act();

Q_SIGNALS:
    // Any of the properties changed.
    void posted();
    // A new notice is to be shown.
    void shown();

private:
    void post(const QString& text, bool error, int duration);

    QString m_text;
    QString m_actionText;
    bool m_error = false;
    int m_duration = InfoMs;
    std::function<void()> m_undo;
    QPointer<QObject> m_undoContext;
    QTimer m_expiry;
};
