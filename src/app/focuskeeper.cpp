#include "app/focuskeeper.h"

#include "app/logcategories.h"

#include <QKeyEvent>
#include <QQuickWindow>
#include <QTimer>
#include <algorithm>

namespace {
constexpr int HistoryLimit = 32;
// Longer Tab chains than this are not walked for a modal dialog's stops.
constexpr int ChainLimit = 2000;

bool isAncestor(const QQuickItem* ancestor, const QQuickItem* item)
{
    return ancestor && item && (ancestor == item || ancestor->isAncestorOf(item));
}
}

FocusKeeper::FocusKeeper(QQuickItem* parent)
    : QQuickItem(parent)
{
}

QQuickItem* FocusKeeper::modalAncestor(QQuickItem* item)
{
    for (QQuickItem* i = item; i; i = i->parentItem()) {
        if (i->property("modalDialog").toBool())
            return i;
    }
    return nullptr;
}

QQuickItem* FocusKeeper::topModal(QQuickItem* root)
{
    return topWith(root, "modalDialog");
}

QQuickItem* FocusKeeper::topWith(QQuickItem* root, const char* marker)
{
    if (!root || !root->isVisible())
        return nullptr;
    // Children paint in z order, then in list order: search from the top.
    QList<QQuickItem*> children = root->childItems();
    std::stable_sort(children.begin(), children.end(),
                     [](const QQuickItem* a, const QQuickItem* b) { return a->z() < b->z(); });
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        if (QQuickItem* found = topWith(*it, marker))
            return found;
    }
    return root->property(marker).toBool() ? root : nullptr;
}

bool FocusKeeper::takesText(const QQuickItem* item)
{
    if (!item || !(item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit")))
        return false;
    return !item->property("readOnly").toBool();
}

QQuickItem* FocusKeeper::nextStopWithin(QQuickItem* scope, QQuickItem* from, bool forward)
{
    if (!scope)
        return nullptr;
    QQuickItem* start = isAncestor(scope, from) ? from : scope;
    QQuickItem* item = start;
    for (int i = 0; i < ChainLimit; ++i) {
        item = item->nextItemInFocusChain(forward);
        if (!item || item == start)
            return isAncestor(scope, start) && start != scope ? start : nullptr;
        if (item != scope && isAncestor(scope, item))
            return item;
    }
    return nullptr;
}

void FocusKeeper::itemChange(ItemChange change, const ItemChangeData& data)
{
    if (change == ItemSceneChange)
        setWindow(data.window);
    QQuickItem::itemChange(change, data);
}

void FocusKeeper::setWindow(QQuickWindow* window)
{
    if (m_window == window)
        return;
    if (m_window) {
        m_window->removeEventFilter(this);
        disconnect(m_window, nullptr, this, nullptr);
    }
    m_window = window;
    if (!m_window)
        return;
    m_window->installEventFilter(this);
    connect(m_window, &QQuickWindow::activeFocusItemChanged, this, &FocusKeeper::activeFocusChanged);
    activeFocusChanged();
}

bool FocusKeeper::isStray(QQuickItem* item) const
{
    return !item || !m_window || item == m_window->contentItem() || item == m_window->contentItem()->childItems().value(0)
        || !item->isVisible() || item->window() != m_window;
}

void FocusKeeper::activeFocusChanged()
{
    QQuickItem* item = m_window ? m_window->activeFocusItem() : nullptr;
    disconnect(m_visibleConnection);
    m_current = item;
    const bool modal = modalAncestor(item) != nullptr;
    const bool text = takesText(item);
    if (modal != m_modalFocused || text != m_textFocused) {
        m_modalFocused = modal;
        m_textFocused = text;
        emit focusStateChanged();
    }
    if (isStray(item)) {
        scheduleRestore();
        return;
    }
    m_visibleConnection = connect(item, &QQuickItem::visibleChanged, this, &FocusKeeper::scheduleRestore);
    if (m_keyboard)
        reveal(item);
    m_history.removeAll(QPointer<QQuickItem>(item));
    m_history.removeAll(QPointer<QQuickItem>());
    m_history.append(item);
    if (m_history.size() > HistoryLimit)
        m_history.removeFirst();
}

void FocusKeeper::reveal(QQuickItem* item)
{
    for (QQuickItem* view = item->parentItem(); view; view = view->parentItem()) {
        if (!view->inherits("QQuickFlickable"))
            continue;
        auto* content = view->property("contentItem").value<QQuickItem*>();
        if (!content || !content->isAncestorOf(item))
            continue;
        const QRectF r = item->mapRectToItem(content, QRectF(0, 0, item->width(), item->height()));
        scrollToShow(view, "contentY", "originY", "contentHeight", view->height(), r.top(), r.bottom());
        scrollToShow(view, "contentX", "originX", "contentWidth", view->width(), r.left(), r.right());
    }
}

void FocusKeeper::scrollToShow(QQuickItem* view, const char* position, const char* origin, const char* extent,
                               qreal size, qreal from, qreal to)
{
    const qreal at = view->property(position).toReal();
    qreal wanted = at;
    if (to - from > size || from < at)
        wanted = from;
    else if (to > at + size)
        wanted = to - size;
    const qreal low = view->property(origin).toReal();
    const qreal high = std::max(low, low + view->property(extent).toReal() - size);
    wanted = std::clamp(wanted, low, high);
    if (!qFuzzyCompare(wanted + 1.0, at + 1.0))
        view->setProperty(position, wanted);
}

void FocusKeeper::scheduleRestore()
{
    // Later, once the change that hid or closed something has settled: a
    // tab switch shows the new page in the same turn that hides the old one.
    if (m_restorePending)
        return;
    m_restorePending = true;
    QTimer::singleShot(0, this, [this] {
        m_restorePending = false;
        restoreFocus();
    });
}

void FocusKeeper::restoreFocus()
{
    if (!m_window)
        return;
    QQuickItem* focus = m_window->activeFocusItem();
    if (!isStray(focus))
        return;
    // With a modal dialog open, the focus belongs inside it.
    QQuickItem* modal = topModal(m_window->contentItem());
    for (int i = m_history.size() - 1; i >= 0; --i) {
        QQuickItem* candidate = m_history.at(i);
        if (!candidate || candidate == focus || isStray(candidate) || !candidate->isEnabled())
            continue;
        if (modal && !isAncestor(modal, candidate))
            continue;
        candidate->forceActiveFocus(Qt::OtherFocusReason);
        qCDebug(lcApp) << "focus given back to" << candidate;
        return;
    }
    if (modal) {
        if (QQuickItem* stop = nextStopWithin(modal, nullptr, true)) {
            stop->forceActiveFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // Nothing shown to go back to: the window keeps the keys, so that a
    // hidden item no longer receives them.
    if (focus && !focus->isVisible()) {
        if (QQuickItem* root = m_window->contentItem()->childItems().value(0))
            root->forceActiveFocus(Qt::OtherFocusReason);
        else
            m_window->contentItem()->forceActiveFocus(Qt::OtherFocusReason);
    }
}

FocusFrames* FocusFrames::instance()
{
    static FocusFrames frames;
    return &frames;
}

void FocusFrames::setShown(bool shown)
{
    if (m_shown == shown)
        return;
    m_shown = shown;
    emit shownChanged();
}

void FocusKeeper::setKeyboard(bool keyboard)
{
    FocusFrames::instance()->setShown(keyboard);
    if (m_keyboard == keyboard)
        return;
    m_keyboard = keyboard;
    emit keyboardInteractionChanged();
}

bool FocusKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        setKeyboard(false);
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab || key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_Left
            || key->key() == Qt::Key_Right)
            setKeyboard(true);
        if (!tab || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            break;
        QQuickItem* focus = m_window->activeFocusItem();
        QQuickItem* modal = modalAncestor(focus);
        if (!modal)
            modal = topModal(m_window->contentItem());
        // A panel over the page keeps Tab too, so that it never lands on
        // what the panel covers.
        if (!modal)
            modal = topWith(m_window->contentItem(), "tabScope");
        if (!modal)
            break;
        const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        if (QQuickItem* next = nextStopWithin(modal, focus, forward))
            next->forceActiveFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    default:
        break;
    }
    return false;
}
