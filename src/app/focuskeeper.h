#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QVector>

// Keeps the window's keyboard focus where the user can see it: focus that
// falls to the window (a dialog or page was closed) or sits on an item that
// has been hidden goes back to the last shown item that held it; Tab and
// Shift+Tab stay inside an open modal dialog (an item whose "modalDialog"
// property is true) or an open panel over the page ("tabScope"). It tells
// the shortcuts whether a text field or a modal dialog has the keys, and
// whether the keyboard or the mouse was used last, for focus frames. A
// control reached by the keyboard is scrolled into view in the lists
// around it.
// Whether focus frames show: after the keyboard moved the focus, not after
// a click. One for the application, set by the window's FocusKeeper and
// read by the documents as the singleton FocusFrames.
class FocusFrames : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool shown READ shown NOTIFY shownChanged)
public:
    static FocusFrames* instance();
    bool shown() const { return m_shown; }
    void setShown(bool shown);

signals:
    void shownChanged();

private:
    bool m_shown = false;
};

class FocusKeeper : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(bool modalFocused READ modalFocused NOTIFY focusStateChanged)
    Q_PROPERTY(bool textFocused READ textFocused NOTIFY focusStateChanged)
    Q_PROPERTY(bool keyboardInteraction READ keyboardInteraction NOTIFY keyboardInteractionChanged)
public:
    explicit FocusKeeper(QQuickItem* parent = nullptr);

    bool modalFocused() const { return m_modalFocused; }
    bool textFocused() const { return m_textFocused; }
    bool keyboardInteraction() const { return m_keyboard; }

    // The modal dialog that holds item, or null.
    static QQuickItem* modalAncestor(QQuickItem* item);
    // The topmost shown modal dialog under root, in painting order, or null.
    static QQuickItem* topModal(QQuickItem* root);
    // The topmost shown item under root whose property marker is true.
    static QQuickItem* topWith(QQuickItem* root, const char* marker);
    // Whether item takes typed text (an editable text field or area).
    static bool takesText(const QQuickItem* item);
    // The next Tab stop after from, forward or back, that lies inside scope;
    // wraps around. Null when scope has no stop.
    static QQuickItem* nextStopWithin(QQuickItem* scope, QQuickItem* from, bool forward);

public slots:
    // Gives the focus back to the last shown item that held it, if the focus
    // is now on no shown item.
    void restoreFocus();

signals:
    void focusStateChanged();
    void keyboardInteractionChanged();

protected:
    void itemChange(ItemChange change, const ItemChangeData& data) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setWindow(QQuickWindow* window);
    void activeFocusChanged();
    void scheduleRestore();
    // Scrolls every list or flickable around item so that item is in view.
    static void reveal(QQuickItem* item);
    static void scrollToShow(QQuickItem* view, const char* position, const char* origin, const char* extent,
                             qreal size, qreal from, qreal to);
    bool isStray(QQuickItem* item) const;
    void setKeyboard(bool keyboard);

    QPointer<QQuickWindow> m_window;
    QPointer<QQuickItem> m_current;
    QVector<QPointer<QQuickItem>> m_history;
    QMetaObject::Connection m_visibleConnection;
    bool m_restorePending = false;
    bool m_modalFocused = false;
    bool m_textFocused = false;
    bool m_keyboard = false;
};
