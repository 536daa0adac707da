#pragma once
#include <QList>
#include <QPointer>
#include <QQuickItem>

class NavigationBar;
class NavigationView;

// A stack of views under a top bar: the last view is the one on screen, the
// bar's back button pops it and its right button asks the holder to close.
// The stack holds pointers only; a popped view is deleted later.
class NavigationController : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(NavigationBar *navigationBar READ navigationBar WRITE setNavigationBar NOTIFY navigationBarChanged)
    Q_PROPERTY(NavigationView *rootView READ rootView WRITE setRootView NOTIFY rootViewChanged)

public:
    static constexpr const char *BarDocument = "qrc:/Qml/NavigationBar.qml";

    explicit NavigationController(QQuickItem *parent = nullptr);

    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index);
    NavigationBar *navigationBar() const { return m_navigationBar; }
    void setNavigationBar(NavigationBar *bar);
    NavigationView *rootView() const { return m_rootView; }
    // Replaces the whole stack; the views it held are hidden and detached
    // but not deleted.
    void setRootView(NavigationView *view);

    const QList<NavigationView *> &views() const { return m_stack; }
    NavigationView *topView() const { return m_stack.isEmpty() ? nullptr : m_stack.last(); }
    // Height taken by the bar (0 without one).
    qreal barHeight() const;

    Q_INVOKABLE void initNavigationBar();
    // Each derived controller creates its own root view here.
    Q_INVOKABLE virtual void initRootView();

signals:
    void currentIndexChanged();
    void navigationBarChanged();
    void rootViewChanged();
    void close();

public slots:
    // Virtual so that the bar's back button and a view's requests reach the
    // derived controllers' bookkeeping.
    virtual void pushView(NavigationView *view);
    virtual void popLastView();
    virtual void popToRootView();

protected:
    void geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void setBarProperty(const char *name, const QVariant &value);

private:
    void layoutView(NavigationView *view);
    static void retire(NavigationView *view);

    int m_currentIndex = -1;
    QPointer<NavigationBar> m_navigationBar;
    QPointer<NavigationView> m_rootView;
    QList<NavigationView *> m_stack;
};
