// The settings tab in the real window against the device simulator: the
// editor's save travels up and is uploaded once, the device's names come
// back over the link, failures are told, themes apply at once and stay.
// With TAVIREL_SHOTS_DIR set, each step leaves a picture of the window there.
#include "app/maintabcontroller.h"
#include "app/startup.h"
#include "devices/device.h"
#include "devices/devicestore.h"
#include "model/output.h"
#include "model/tavirel.h"
#include "settings/settingseditorview.h"
#include "settings/settingsview.h"
#include "settings/tavireltheme.h"
#include "simprocess.h"

#include <QJsonDocument>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class TestSettingsTab : public QObject
{
    Q_OBJECT
    SimProcess m_sim;
    QScopedPointer<QQuickView> m_view;
    TavirelTheme* m_theme = nullptr;
    MainTabController* m_main = nullptr;
    SettingsView* m_tab = nullptr;

    void shot(const QString& name)
    {
        const QString dir = qEnvironmentVariable("TAVIREL_SHOTS_DIR");
        if (dir.isEmpty())
            return;
        QTest::qWait(150);
        m_view->grabWindow().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    void openWindow()
    {
        m_theme = new TavirelTheme(this);
        Startup::loadTheme(m_theme, QString());
        m_view.reset(new QQuickView);
        Startup::addImageProvider(m_view->engine());
        QQmlContext* context = m_view->rootContext();
        Startup::publishTheme(context, m_theme);
        for (const char* name : { "isIOSdevice", "isPhoneX" })
            context->setContextProperty(QLatin1String(name), false);
        context->setContextProperty(QStringLiteral("selectedLang"), QStringLiteral("en"));
        Startup::setScreenContext(context, 1.0);
        m_view->setResizeMode(QQuickView::SizeRootObjectToView);
        m_view->resize(500, 800);
        m_view->setSource(QUrl(QStringLiteral("qrc:/main.qml")));
        QVERIFY(m_view->status() == QQuickView::Ready);
        m_view->show();
        m_main = qobject_cast<MainTabController*>(m_view->rootObject());
        QVERIFY(m_main);
        m_tab = m_main->findChild<SettingsView*>(QStringLiteral("mySettingsView"));
        QVERIFY(m_tab);
    }

    SettingsEditorView* top() const { return qobject_cast<SettingsEditorView*>(m_tab->topView()); }
    int rowIndex(const QString& key) const
    {
        const QVariantList rows = top()->listView()->property("model").toList();
        for (int i = 0; i < rows.size(); ++i) {
            if (rows.at(i).toMap().value("key").toString() == key)
                return i;
        }
        return -1;
    }
    // Types into a row as its cell does.
    void edit(const QString& key, const QVariant& value)
    {
        const int row = rowIndex(key);
        QVERIFY2(row >= 0, qPrintable(key));
        QVERIFY(QMetaObject::invokeMethod(top(), "setValue", Q_ARG(QVariant, row), Q_ARG(QVariant, value)));
    }
    void pressRight() { QVERIFY(QMetaObject::invokeMethod(m_tab->navigationBar(), "right")); }
    // The shown row that offers the countries, found among the list's rows.
    static QQuickItem* countryCellUnder(QQuickItem* item)
    {
        if (!item->isVisible())
            return nullptr;
        if (item->property("valuesModel").toStringList().contains(QLatin1String("IT")))
            return item;
        for (QQuickItem* child : item->childItems()) {
            if (QQuickItem* found = countryCellUnder(child))
                return found;
        }
        return nullptr;
    }
    QQuickItem* countryCell() const { return countryCellUnder(top()); }
    int stored() const { return m_sim.log.count(QLatin1String("200, stored")); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        Startup::setIdentity(*QCoreApplication::instance());
        Startup::registerMetaTypes();
        Startup::registerQmlTypes();
        Startup::createImageServices();
        QVERIFY(m_sim.start(0, { "--user", "admin", "--password", "admin", "--settings-port", "0" }));
        Device d;
        d.setSerialNumber(QStringLiteral("SIM-1"));
        d.setLocalIp(QStringLiteral("127.0.0.1"));
        d.setLocalPort(m_sim.port());
        d.setUsername(QStringLiteral("admin"));
        d.setPassword(QStringLiteral("admin"));
        DeviceStore::saveNewDevice(&d);
        openWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!m_tab->settings().isEmpty(), 15000);
        // The device's own description reaches the record and the saved list.
        QCOMPARE(m_tab->lastSelDevice()->getPropDictionaryValue("model"), QStringLiteral("compact"));
        QVERIFY(QSettings().value(DeviceStore::SavedKey).toStringList().first().contains("compact"));
        QTRY_COMPARE(m_main->currentTab(), int(MainTabController::SourcesTab));
        m_main->menuListView()->setProperty("currentIndex", 2);
        QTRY_VERIFY(m_tab->isVisible());
        shot("settings-root");
    }
    void init() { m_tab->popToRootView(); }
    void cleanupTestCase()
    {
        m_view.reset();
        m_sim.stop();
    }

    // A new network share three levels down: its password with '+', '&',
    // '%' and 'é' comes back from the device as typed; the save uploads the
    // whole object once and lands on the first page.
    void addShareThreeLevelsDown()
    {
        m_tab->pushSettingsEditor();
        shot("settings-editor-root");
        top()->openSettingsWithKey("nas");
        const int shares = top()->value().toArray().size();
        pressRight(); // "Add" on a list that takes elements
        QObject* dialog = nullptr;
        QTRY_VERIFY((dialog = m_view->rootObject()->findChild<QObject*>("settingsItemDialog")));
        shot("settings-add-dialog");
        QVERIFY(QMetaObject::invokeMethod(dialog, "chosen", Q_ARG(int, 0)));
        QCOMPARE(top()->title(), QStringLiteral("NAS"));
        QCOMPARE(m_tab->views().size(), 4);
        edit("password", QStringLiteral("p+&%20é"));
        edit("path", QStringLiteral("//nas/Music"));
        const int before = stored();
        QSignalSpy told(m_tab, &SettingsView::statusMessageChanged);
        pressRight(); // "Save"
        QTRY_COMPARE(m_tab->views().size(), 1);
        QTRY_COMPARE(stored(), before + 1);
        QTRY_COMPARE(told.count(), 1);
        QCOMPARE(m_tab->statusMessage(), QStringLiteral("Settings saved"));
        QTRY_COMPARE(m_tab->settings().value("nas").toArray().size(), shares + 1);
        QTest::qWait(300); // the download after the save
        const QJsonObject share = m_tab->settings().value("nas").toArray().last().toObject();
        QCOMPARE(share.value("password").toString(), QStringLiteral("p+&%20é"));
        QCOMPARE(share.value("type").toString(), QStringLiteral("nasitem"));
        QCOMPARE(m_tab->settings().value("outputs").toArray().size(), 4);
        QCOMPARE(stored(), before + 1);
    }

    // Renaming an output: the device announces the new name over the link
    // and the editor opened again shows it.
    void renameOutput()
    {
        m_tab->pushSettingsEditor();
        top()->openSettingsWithKey("outputs");
        top()->openSettingsWithIndex(0);
        shot("settings-output");
        edit("name", QStringLiteral("Den"));
        QSignalSpy told(m_tab, &SettingsView::statusMessageChanged);
        pressRight();
        QTRY_COMPARE(m_main->deviceModel()->outputList().first()->name(), QStringLiteral("Den"));
        QTRY_COMPARE(told.count(), 1);
        QCOMPARE(m_tab->statusIsError(), false);
        m_tab->pushSettingsEditor();
        top()->openSettingsWithKey("outputs");
        QCOMPARE(top()->listView()->property("model").toList().first().toMap().value("title").toString(),
                 QStringLiteral("Den"));
        m_tab->popToRootView();
    }

    // A minimum volume above the maximum is refused on the page, which keeps
    // the edits; nothing reaches the device until it is mended.
    void impossibleRangeIsRefusedInPlace()
    {
        m_tab->pushSettingsEditor();
        top()->openSettingsWithKey("outputs");
        top()->openSettingsWithIndex(1);
        const int depth = m_tab->views().size();
        edit("min_volume", 10);
        edit("max_volume", -10);
        const int before = stored();
        pressRight();
        QCOMPARE(m_tab->views().size(), depth);
        QVERIFY(top()->problem().contains(QLatin1String("cannot be above")));
        QTest::qWait(300);
        QCOMPARE(stored(), before);
        edit("max_volume", 15);
        QVERIFY(top()->problem().isEmpty());
        pressRight();
        QTRY_COMPARE(m_tab->views().size(), 1);
        QTRY_COMPARE(stored(), before + 1);
    }

    // The country chooser by keys: Return opens it with the keys in its
    // list, Escape closes only the chooser and it does not come back with
    // the tab; typed letters find a country, Return takes it and Ctrl+S
    // stores it on the device.
    void chooserByKeys()
    {
        m_view->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(m_view.data()));
        m_tab->pushSettingsEditor();
        top()->openSettingsWithKey("services");
        top()->openSettingsWithIndex(2);
        const int depth = m_tab->views().size();
        QQuickItem* cell = nullptr;
        QTRY_VERIFY(cell = countryCell());
        cell->forceActiveFocus(Qt::TabFocusReason);
        auto dialog = [this] { return m_view->rootObject()->findChild<QQuickItem*>("settingsEnumDialog"); };
        QTest::keyClick(m_view.data(), Qt::Key_Return);
        QTRY_VERIFY(dialog() && dialog()->isAncestorOf(m_view->activeFocusItem()));
        shot("settings-enum-dialog");
        QTest::keyClick(m_view.data(), Qt::Key_Escape);
        QTRY_VERIFY(!dialog());
        QCOMPARE(m_tab->views().size(), depth);
        m_main->menuListView()->setProperty("currentIndex", 0);
        QTRY_VERIFY(!m_tab->isVisible());
        m_main->menuListView()->setProperty("currentIndex", 2);
        QTRY_VERIFY(m_tab->isVisible());
        QVERIFY(!dialog());

        QTRY_VERIFY(cell = countryCell());
        cell->forceActiveFocus(Qt::TabFocusReason);
        QTest::keyClick(m_view.data(), Qt::Key_Return);
        QTRY_VERIFY(dialog());
        for (char c : QByteArray("ger"))
            QTest::keyClick(m_view.data(), c);
        QTest::keyClick(m_view.data(), Qt::Key_Return);
        QTRY_VERIFY(!dialog());
        QCOMPARE(cell->property("currentLabel").toString(), QStringLiteral("Germany"));
        const int before = stored();
        QTest::keyClick(m_view.data(), Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(stored(), before + 1, 10000);
        QVERIFY(QJsonDocument(m_tab->settings()).toJson(QJsonDocument::Compact).contains("\"country\":\"DE\""));
        m_tab->popToRootView();
    }

    // A save the device refuses is told and leaves the page with its edits;
    // leaving it then asks, and Ctrl+S saves it once the device accepts.
    void failedSaveKeepsTheEditsAndLeavingAsks()
    {
        m_tab->pushSettingsEditor();
        top()->openSettingsWithKey("outputs");
        top()->openSettingsWithIndex(2);
        const int depth = m_tab->views().size();
        edit("name", QStringLiteral("Garage"));
        m_tab->lastSelDevice()->setPassword(QStringLiteral("wrong"));
        pressRight();
        QTRY_VERIFY_WITH_TIMEOUT(m_tab->statusMessage().startsWith("Could not save the settings: "), 10000);
        QVERIFY(m_tab->statusIsError());
        shot("settings-save-failed");
        QCOMPARE(m_tab->views().size(), depth);
        QVERIFY(m_tab->navigationBar()->property("rightVisible").toBool());
        QCOMPARE(top()->listView()->property("listModel").toList().at(rowIndex("name")).toMap().value("value").toString(),
                 QStringLiteral("Garage"));
        m_tab->uploadSettings(QVariant(), QJsonArray()); // not an object: nothing is sent

        const auto unsavedDialog = [this] { return m_view->rootObject()->findChild<QQuickItem*>("unsavedChangesDialog"); };
        QVERIFY(QMetaObject::invokeMethod(m_tab->navigationBar(), "back"));
        QTRY_VERIFY(unsavedDialog());
        QCOMPARE(m_tab->views().size(), depth);
        QMetaObject::invokeMethod(unsavedDialog()->findChild<QObject*>("cancelButton"), "clicked");
        QTRY_VERIFY(!unsavedDialog());
        QCOMPARE(m_tab->views().size(), depth);

        m_tab->lastSelDevice()->setPassword(QStringLiteral("admin"));
        const int before = stored();
        QTest::keyClick(m_view.data(), Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(m_tab->views().size(), 1, 10000);
        QCOMPARE(stored(), before + 1);
        QTRY_COMPARE(m_main->deviceModel()->outputByIndex(2)->name(), QStringLiteral("Garage"));

        // Discard leaves without sending anything.
        m_tab->pushSettingsEditor();
        top()->openSettingsWithKey("outputs");
        top()->openSettingsWithIndex(3);
        edit("name", QStringLiteral("Shed"));
        QVERIFY(QMetaObject::invokeMethod(m_tab->navigationBar(), "back"));
        QTRY_VERIFY(unsavedDialog());
        QMetaObject::invokeMethod(unsavedDialog()->findChild<QObject*>("otherButton"), "clicked");
        QTRY_COMPARE(m_tab->views().size(), depth - 1);
        QTest::qWait(300);
        QCOMPARE(stored(), before + 1);
    }

    // Each theme applies at once with the selector still open and ticking
    // it, and the choice holds at the next start.
    void themes()
    {
        for (int n : { 1, 2, 3, 0 }) {
            const QString before = m_theme->getColor("fill1");
            m_tab->pushThemeSelector();
            QCOMPARE(m_tab->topView()->property("themes").toList().size(), TavirelTheme::ThemeCount);
            shot(QStringLiteral("theme-selector-%1").arg(n));
            m_tab->setTheme(n);
            QCOMPARE(QSettings().value(TavirelTheme::SettingsKey).toInt(), n);
            QCOMPARE(m_tab->views().size(), 2);
            QCOMPARE(m_tab->topView()->property("selTheme").toInt(), n);
            QVERIFY(m_theme->getColor("fill1") != before);
            // A document re-read its colour.
            QTRY_COMPARE(m_tab->navigationBar()->childItems().first()->property("color").value<QColor>().name(),
                         m_theme->getColor("fill2"));
            shot(QStringLiteral("theme-%1").arg(n));
            m_tab->popToRootView();
        }
        m_tab->pushThemeSelector();
        m_tab->setTheme(2);
        TavirelTheme restarted;
        Startup::loadTheme(&restarted, QString());
        QCOMPARE(restarted.getColor("fill1"), m_theme->getColor("fill1"));
        QCOMPARE(restarted.currentTheme(), 2);
    }

    void terms()
    {
        m_tab->pushTermsAndConditions();
        QVERIFY(m_tab->topView()->property("textSource").toString().contains("licence"));
        shot("terms");
        m_tab->popToRootView();
    }

    void shortcutsRowOpensTheList()
    {
        QObject* row = m_tab->findChild<QObject*>(QStringLiteral("shortcutsRow"));
        QVERIFY(row);
        QMetaObject::invokeMethod(row, "clicked");
        QTRY_COMPARE(m_tab->topView()->property("title").toString(), QStringLiteral("Keyboard shortcuts"));
        m_tab->popToRootView();
    }
};

QTEST_MAIN(TestSettingsTab)
#include "tst_settingstab.moc"
