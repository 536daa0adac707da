#include "app/maintabcontroller.h"
#include "app/startup.h"
#include "devices/device.h"
#include "devices/devicestore.h"
#include "model/tavirel.h"
#include "settings/tavireltheme.h"
#include "simprocess.h"
#include "../images/localhttpserver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickView>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Names that come from the device are shown as they are: markup in them is
// text, never an image to fetch or a layout to follow.
class TestUntrustedText : public QObject
{
    Q_OBJECT
    static void walk(QQuickItem* item, QStringList* shown)
    {
        for (QQuickItem* child : item->childItems()) {
            const QVariant text = child->property("text");
            if (child->inherits("QQuickText") && text.toString().contains(QLatin1String("<img")))
                *shown << text.toString();
            walk(child, shown);
        }
    }

private Q_SLOTS:
    void markupInDeviceNamesIsText()
    {
        QStandardPaths::setTestModeEnabled(true);
        Startup::setIdentity(*QCoreApplication::instance());
        Startup::registerMetaTypes();
        Startup::registerQmlTypes();
        Startup::createImageServices();
        TavirelTheme theme;
        theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));

        LocalHttpServer leak;
        QVERIFY(leak.listen());
        const QString markup = QStringLiteral("<img src=\"%1\"><b>Kitchen</b>").arg(leak.url(QStringLiteral("/leak.png")));
        QProcess print;
        print.start(TestSupport::deviceSimPath(), { "--print-config" });
        QVERIFY(print.waitForFinished(10000));
        QJsonObject config = QJsonDocument::fromJson(print.readAllStandardOutput()).object();
        for (const char* list : { "outputs", "sources" }) {
            QJsonArray items = config.value(QLatin1String(list)).toArray();
            QJsonObject first = items.at(0).toObject();
            first.insert(QStringLiteral("name"), markup);
            items.replace(0, first);
            config.insert(QLatin1String(list), items);
        }
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("device.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(config).toJson());
        file.close();

        SimProcess sim;
        QVERIFY2(sim.start(0, { "--config", file.fileName(), "--user", "admin", "--password", "admin" }),
                 qPrintable(sim.log));
        QSettings().setValue(QLatin1String(DeviceStore::LastSelectedKey), TestSupport::simulatorDeviceText(sim.port()));
        QQuickView view;
        TestSupport::loadMainDocument(&view, &theme);
        QCOMPARE(view.status(), QQuickView::Ready);
        view.show();
        auto* root = qobject_cast<MainTabController*>(view.rootObject());
        QVERIFY(root);
        QTRY_VERIFY_WITH_TIMEOUT(root->deviceModel() && root->deviceModel()->outputByIndex(0), 20000);

        // The screens that show these names: the sources page, the matrix and
        // an output's source selector.
        QTRY_COMPARE(root->currentTab(), int(MainTabController::SourcesTab));
        auto* sources = root->findChild<QQuickItem*>(QStringLiteral("mySourcesView"));
        QVERIFY(QMetaObject::invokeMethod(sources, "openMatrix"));
        QTest::qWait(500);
        QVERIFY(QMetaObject::invokeMethod(sources, "closeAllPopups"));
        QVERIFY(QMetaObject::invokeMethod(sources, "openSelector",
                                          Q_ARG(QVariant, QVariant::fromValue<QObject*>(
                                                              root->deviceModel()->sourceByIndex(0)))));
        QTest::qWait(1000);
        QStringList shown;
        walk(view.contentItem(), &shown);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(leak.totalHits(), 0);
    }
};

QTEST_MAIN(TestUntrustedText)
#include "tst_untrustedtext.moc"
