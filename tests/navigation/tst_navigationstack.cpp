#include "app/startup.h"
#include "navigation/navigationbar.h"
#include "navigation/navigationcontroller.h"
#include "navigation/navigationview.h"
#include "settings/tavireltheme.h"
#include "testsupport.h"

#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>

namespace {
QStringList g_documentWarnings;
QtMessageHandler g_previousHandler = nullptr;
void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("qrc:/")))
        g_documentWarnings.append(message);
    g_previousHandler(type, context, message);
}
}

class TestNavigationStack : public QObject
{
    Q_OBJECT
private:
    QQmlEngine *m_engine = nullptr;
    TavirelTheme m_theme;

    NavigationController *createController()
    {
        QQmlComponent component(m_engine);
        component.setData("import com.morvane.tavirelint 1.0\n"
                          "NavigationController { width: 300; height: 500 }",
                          QUrl());
        auto *c = qobject_cast<NavigationController *>(component.create());
        if (c) {
            c->setParent(this);
            c->initNavigationBar();
        }
        return c;
    }
    static NavigationView *view(const QString &title, QObject *owner)
    {
        auto *v = new NavigationView;
        v->setParent(owner);
        v->setTitle(title);
        return v;
    }

private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(collectWarnings);
        Startup::registerQmlTypes();
        m_theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));
        m_engine = new QQmlEngine(this);
        m_engine->rootContext()->setContextProperty(QStringLiteral("currentTheme"), &m_theme);
        Startup::setScreenContext(m_engine->rootContext(), 1.0);
    }

    void cleanup()
    {
        QVERIFY2(g_documentWarnings.isEmpty(), qPrintable(g_documentWarnings.join('\n')));
    }

    // Operations: "+X" pushes a view titled X, "-" pops through the stack,
    // "b" presses the bar's back button, "v" lets the top view ask to be
    // popped, "0" pops to the root view.
    void stack_data()
    {
        QTest::addColumn<QStringList>("ops");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("backText");
        QTest::addColumn<bool>("backVisible");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("rootPresented");

        QTest::newRow("pop on root alone") << QStringList { "-", "b" } << "R" << "" << false << 1 << 0;
        QTest::newRow("pop to root on root alone") << QStringList { "0" } << "R" << "" << false << 1 << 0;
        QTest::newRow("push two") << QStringList { "+A", "+B" } << "B" << "A" << true << 3 << 0;
        QTest::newRow("push two, pop one") << QStringList { "+A", "+B", "-" } << "A" << "R" << true << 2 << 0;
        QTest::newRow("push two, back twice") << QStringList { "+A", "+B", "b", "b" } << "R" << "" << false << 1 << 1;
        QTest::newRow("view pops itself") << QStringList { "+A", "v" } << "R" << "" << false << 1 << 1;
        QTest::newRow("pop to root from depth 3") << QStringList { "+A", "+B", "0" } << "R" << "" << false << 1 << 1;
        QTest::newRow("push after pop to root") << QStringList { "+A", "+B", "0", "+C" } << "C" << "R" << true << 2 << 1;
    }
    void stack()
    {
        QFETCH(QStringList, ops);
        NavigationController *c = createController();
        QVERIFY(c);
        NavigationBar *bar = c->navigationBar();
        QVERIFY(bar);
        QCOMPARE(bar->parentItem(), c);

        NavigationView *root = view("R", c);
        c->setRootView(root);
        QSignalSpy rootSpy(root, &NavigationView::presented);
        QList<QPointer<NavigationView>> created { root };
        for (const QString &op : ops) {
            if (op.startsWith('+')) {
                NavigationView *v = view(op.mid(1), c);
                created << v;
                emit c->topView()->pushView(v);
            } else if (op == "-") {
                c->popLastView();
            } else if (op == "b") {
                QMetaObject::invokeMethod(bar, "back");
            } else if (op == "v") {
                emit c->topView()->popLastView();
            } else if (op == "0") {
                c->popToRootView();
            }
        }

        QFETCH(QString, title);
        QFETCH(QString, backText);
        QFETCH(bool, backVisible);
        QFETCH(int, depth);
        QFETCH(int, rootPresented);
        QCOMPARE(bar->title(), title);
        QCOMPARE(bar->property("backText").toString(), backText);
        QCOMPARE(bar->property("backVisible").toBool(), backVisible);
        QCOMPARE(c->views().size(), depth);
        QCOMPARE(rootSpy.count(), rootPresented);
        QCOMPARE(c->rootView(), root);

        // The top view fills the space under the bar; popped views are gone.
        NavigationView *top = c->topView();
        QCOMPARE(top->title(), title);
        QCOMPARE(top->parentItem(), c);
        QVERIFY(top->isVisible());
        QCOMPARE(top->y(), bar->height());
        QCOMPARE(top->height(), c->height() - bar->height());
        QCOMPARE(top->width(), c->width());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const QPointer<NavigationView> &v : created)
            QCOMPARE(bool(v), c->views().contains(v.data()));
        delete c;
    }

    void rootViewWrittenTwice()
    {
        NavigationController *c = createController();
        QVERIFY(c);
        NavigationView *first = view("First", c);
        c->setRootView(first);
        emit first->pushView(view("Pushed", c));
        NavigationView *second = view("Second", c);
        QSignalSpy rootChanged(c, &NavigationController::rootViewChanged);
        c->setRootView(second);

        QCOMPARE(rootChanged.count(), 1);
        QCOMPARE(c->views(), QList<NavigationView *> { second });
        QCOMPARE(c->navigationBar()->title(), QStringLiteral("Second"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QPointer<NavigationView> kept(first);
        QVERIFY(kept);
        QVERIFY(!first->isVisible());
        QVERIFY(!first->parentItem());
        // The old root is no longer wired to the stack.
        emit first->pushView(view("Late", c));
        QCOMPARE(c->views().size(), 1);
        delete c;
    }

    // At a phone's width a back label of two words is whole; a first page's
    // title starts at the left, as the other tabs' titles do.
    void barLabelsFit()
    {
        NavigationController *c = createController();
        QVERIFY(c);
        c->setWidth(500);
        c->setRootView(view("Device settings", c));
        const auto textItem = [c](const QString &text) -> QQuickItem * {
            for (QQuickItem *item : c->navigationBar()->findChildren<QQuickItem *>()) {
                if (item->inherits("QQuickText") && item->property("text").toString() == text)
                    return item;
            }
            return nullptr;
        };
        QQuickItem *title = textItem("Device settings");
        QVERIFY(title);
        QVERIFY(title->x() < 20);
        emit c->topView()->pushView(view("Kitchen", c));
        QQuickItem *back = textItem("Device settings");
        QVERIFY(back && back->isVisible());
        QVERIFY(!back->property("truncated").toBool());
        delete c;
    }

    void barButtonsAndMissingBar()
    {
        NavigationController *c = createController();
        QVERIFY(c);
        QSignalSpy closed(c, &NavigationController::close);
        QMetaObject::invokeMethod(c->navigationBar(), "right");
        QCOMPARE(closed.count(), 1);
        QCOMPARE(c->navigationBar()->property("rightText").toString(), QStringLiteral("Close"));
        QVERIFY(!c->navigationBar()->property("secRightVisible").toBool());
        delete c;

        // Without an engine the bar document cannot load: the stack still works.
        NavigationController bare;
        bare.setSize(QSizeF(200, 300));
        bare.initNavigationBar();
        QVERIFY(!bare.navigationBar());
        NavigationView *root = view("R", &bare);
        bare.setRootView(root);
        bare.pushView(view("A", &bare));
        QCOMPARE(bare.topView()->y(), 0.0);
        QCOMPARE(bare.topView()->height(), 300.0);
        bare.popLastView();
        QCOMPARE(bare.topView(), root);
    }
};

QTEST_MAIN(TestNavigationStack)
#include "tst_navigationstack.moc"
