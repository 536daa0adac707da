#include "navigation/navigationcontroller.h"

#include "app/logcategories.h"
#include "navigation/navigationbar.h"
#include "navigation/navigationview.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>

NavigationController::NavigationController(QQuickItem *parent)
    : QQuickItem(parent)
{
}

void NavigationController::setCurrentIndex(int index)
{
    m_currentIndex = index;
    emit currentIndexChanged();
}

void NavigationController::setNavigationBar(NavigationBar *bar)
{
    m_navigationBar = bar;
    emit navigationBarChanged();
}

qreal NavigationController::barHeight() const
{
    return m_navigationBar ? m_navigationBar->height() : 0;
}

void NavigationController::setBarProperty(const char *name, const QVariant &value)
{
    if (m_navigationBar)
        m_navigationBar->setProperty(name, value);
}

void NavigationController::layoutView(NavigationView *view)
{
    const qreal top = barHeight();
    view->setVisible(true);
    view->setParentItem(this);
    view->setX(0);
    view->setY(top);
    view->setWidth(width());
    view->setHeight(qMax<qreal>(0, height() - top));
}

void NavigationController::geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChanged(newGeometry, oldGeometry);
    // Every view follows the window, not only the root: a page pushed before
    // a resize would otherwise keep its old size.
    for (NavigationView *view : qAsConst(m_stack))
        layoutView(view);
}

void NavigationController::retire(NavigationView *view)
{
    view->setVisible(false);
    view->setParentItem(nullptr);
    view->deleteLater();
}

void NavigationController::initNavigationBar()
{
    QQmlEngine *engine = qmlEngine(this);
    if (!engine) {
        qCDebug(lcNavigation) << "no engine for the navigation bar";
        return;
    }
    QQmlComponent component(engine, QUrl(QLatin1String(BarDocument)));
    if (!component.isReady()) {
        qCDebug(lcNavigation) << "navigation bar not ready:" << component.errorString();
        return;
    }
    QQmlContext *context = qmlContext(this);
    QObject *object = component.create(context ? context : engine->rootContext());
    auto *bar = qobject_cast<NavigationBar *>(object);
    if (!bar) {
        delete object;
        return;
    }
    QQmlEngine::setObjectOwnership(bar, QQmlEngine::CppOwnership);
    bar->setParent(this);
    connect(bar, SIGNAL(right()), this, SIGNAL(close()));
    connect(bar, SIGNAL(back()), this, SLOT(popLastView()));
    bar->setVisible(true);
    bar->setParentItem(this);
    // Above the views, whatever their order of creation.
    bar->setZ(1);
    setNavigationBar(bar);
    for (NavigationView *view : qAsConst(m_stack))
        layoutView(view);
}

void NavigationController::initRootView()
{
}

void NavigationController::setRootView(NavigationView *view)
{
    for (NavigationView *old : qAsConst(m_stack)) {
        old->setVisible(false);
        old->setParentItem(nullptr);
        disconnect(old, nullptr, this, nullptr);
    }
    m_stack.clear();
    m_rootView = view;
    emit rootViewChanged();
    if (!view)
        return;
    layoutView(view);
    if (m_navigationBar)
        m_navigationBar->setTitle(view->title());
    m_stack.append(view);
    emit view->presented();
    connect(view, &NavigationView::pushView, this, &NavigationController::pushView);
}

void NavigationController::pushView(NavigationView *view)
{
    if (!view || m_stack.contains(view))
        return;
    NavigationView *previous = topView();
    if (previous)
        emit previous->dismissed();
    connect(view, &NavigationView::pushView, this, &NavigationController::pushView);
    connect(view, &NavigationView::popLastView, this, &NavigationController::popLastView);
    layoutView(view);
    if (m_navigationBar)
        m_navigationBar->setTitle(view->title());
    setBarProperty("backText", previous ? previous->title() : QString());
    m_stack.append(view);
    setBarProperty("backVisible", m_stack.size() > 1);
    emit view->presented();
}

void NavigationController::popLastView()
{
    if (m_stack.size() < 2)
        return;
    NavigationView *removed = m_stack.takeLast();
    emit removed->dismissed();
    NavigationView *top = m_stack.last();
    if (m_navigationBar)
        m_navigationBar->setTitle(top->title());
    emit top->presented();
    setBarProperty("backText", m_stack.size() > 1 ? m_stack.at(m_stack.size() - 2)->title() : QString());
    setBarProperty("backVisible", m_stack.size() > 1);
    retire(removed);
}

void NavigationController::popToRootView()
{
    if (m_stack.size() < 2)
        return;
    while (m_stack.size() > 1) {
        NavigationView *removed = m_stack.takeLast();
        emit removed->dismissed();
        retire(removed);
    }
    NavigationView *root = m_stack.first();
    if (m_navigationBar)
        m_navigationBar->setTitle(root->title());
    setBarProperty("backText", QString());
    setBarProperty("backVisible", false);
    emit root->presented();
}
