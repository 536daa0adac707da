#include "app/startup.h"
#include "settings/tavireltheme.h"
#include "testsupport.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

// The sending rules of the device sliders, driven through the slider
// document with explicit timestamps (threshold 100 ms).
class TestSliderRules : public QObject
{
    Q_OBJECT
    QQmlEngine m_engine;
    TavirelTheme m_theme;

private slots:
    void initTestCase()
    {
        m_theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));
        m_engine.rootContext()->setContextProperty(QStringLiteral("currentTheme"), &m_theme);
        Startup::setScreenContext(m_engine.rootContext(), 1.0);
        Startup::registerQmlTypes();
    }

    void rules_data()
    {
        // Events: m<t>:<v> the user moves the knob to v at t ms; r<t> lets go
        // at t; b<v> the device reports v; w<ms> real time passes; d the
        // slider is disabled (the link went down).
        QTest::addColumn<QString>("events");
        QTest::addColumn<bool>("onRelease");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<int>("knob");

        QTest::newRow("tap sends once") << "m0:40 r5" << false << "40" << 40;
        QTest::newRow("drag sends at most once per threshold")
            << "m0:10 m40:20 m90:30 m100:40 m150:50 m210:60 r220" << false << "10,40,60" << 60;
        QTest::newRow("release always sends the final value") << "m0:10 m50:25 r60" << false << "10,25" << 25;
        QTest::newRow("same value is not sent twice") << "m0:50 m200:50 r250" << false << "50" << 50;
        QTest::newRow("range and step") << "m0:140.4 r10" << false << "100" << 100;
        QTest::newRow("stale report during drag") << "m0:10 b5 m50:20 b10 r60" << false << "10,20" << 20;
        QTest::newRow("stale report just after release") << "m0:10 m150:70 r160 b10" << false << "10,70" << 70;
        QTest::newRow("echo ends the hold, then others move it") << "m0:70 r10 b70 b30" << false << "70" << 30;
        QTest::newRow("report when idle moves the knob") << "b55" << false << "" << 55;
        QTest::newRow("hold expires on the device's value") << "m0:70 r10 b10 w400" << false << "70" << 10;
        QTest::newRow("new drag resends a value changed elsewhere")
            << "m0:50 r10 b50 b20 m2000:50 r2010" << false << "50,50" << 50;
        QTest::newRow("release-only slider") << "m0:10 m200:20 m400:-3 r450" << true << "0" << 0;
        QTest::newRow("disabled mid-drag: drag dropped, knob on the device's value")
            << "b30 m0:40 m50:60 d r60 m70:80 r80" << false << "40" << 30;
    }

    void rules()
    {
        QFETCH(QString, events);
        QFETCH(bool, onRelease);
        QFETCH(QString, sent);
        QFETCH(int, knob);

        QQmlComponent component(&m_engine, QUrl(QStringLiteral("qrc:/Qml/HorizontalSlider.qml")));
        QScopedPointer<QObject> slider(component.create());
        QVERIFY2(slider, qPrintable(component.errorString()));
        slider->setProperty("sendThreshold", 100);
        slider->setProperty("holdTime", 300);
        slider->setProperty("sendWhileSliding", !onRelease);
        QSignalSpy spy(slider.data(), SIGNAL(newValueToSend(double)));

        for (const QString& e : events.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString arg = e.mid(1);
            switch (e.at(0).toLatin1()) {
            case 'm':
                QMetaObject::invokeMethod(slider.data(), "userMoved", Q_ARG(QVariant, arg.section(':', 1).toDouble()),
                                          Q_ARG(QVariant, arg.section(':', 0, 0).toDouble()));
                break;
            case 'r':
                QMetaObject::invokeMethod(slider.data(), "userReleased", Q_ARG(QVariant, arg.toDouble()));
                break;
            case 'b':
                slider->setProperty("value", arg.toDouble());
                break;
            case 'w':
                QTest::qWait(arg.toInt());
                break;
            case 'd':
                slider->setProperty("enabled", false);
                break;
            }
        }
        QStringList values;
        for (const QList<QVariant>& args : spy)
            values << QString::number(args.at(0).toDouble());
        QCOMPARE(values.join(QLatin1Char(',')), sent);
        QCOMPARE(slider->property("knobValue").toDouble(), double(knob));
    }
};

QTEST_MAIN(TestSliderRules)
#include "tst_sliderrules.moc"
