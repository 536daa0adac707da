#include "model/housestate.h"

#include <QJsonDocument>
#include <QtTest>

using namespace House;

class TestHouseState : public QObject
{
    Q_OBJECT

private slots:
    void recallDiff_data();
    void recallDiff();
    void sceneFromJson_data();
    void sceneFromJson();
};

// "3=5/40/1" is output 3 playing source 5 at volume 40, muted; "/b:m:t:l"
// adds its tone; "3=-1/..." plays nothing; "s5=70" is source 5 at volume 70.
static HouseState parseState(const QString& text)
{
    HouseState state;
    for (const QString& item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int index = item.section(QLatin1Char('='), 0, 0).remove(QLatin1Char('s')).toInt();
        const QStringList v = item.section(QLatin1Char('='), 1).split(QLatin1Char('/'));
        if (item.startsWith(QLatin1Char('s'))) {
            state.sources.insert(index, SourceSettings { QString(), v.at(0).toInt() });
            continue;
        }
        OutputSettings o;
        o.source = v.at(0).toInt();
        o.volume = v.at(1).toInt();
        o.mute = v.at(2) == QLatin1String("1");
        if (v.size() > 3) {
            const QStringList tone = v.at(3).split(QLatin1Char(':'));
            o.bass = tone.at(0).toInt();
            o.middle = tone.at(1).toInt();
            o.treble = tone.at(2).toInt();
            o.loudness = tone.at(3).toInt();
        }
        state.outputs.insert(index, o);
    }
    return state;
}

void TestHouseState::recallDiff_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QString>("skipped");

    QTest::newRow("nothing to change") << "1=5/40/0 2=-1/0/1 s5=50" << "1=5/40/0 2=-1/0/1 s5=50" << "" << "";
    QTest::newRow("quieter first, routing, louder, unmute last")
        << "1=5/40/0 2=-1/30/1 3=1/10/0 s1=50 s5=50"
        << "1=5/25/0 2=5/30/0 3=5/60/1 s1=50 s5=60"
        << "2000|100|1|25;2001|100|3|1;2003|100|2@5;2003|100|3@5;2000|100|3|60;2004|100|5|60;2001|100|2|0"
        << "";
    QTest::newRow("a source turned down before it is routed")
        << "1=1/40/0 s1=80 s5=80" << "1=5/40/0 s1=80 s5=20" << "2004|100|5|20;2003|100|1@5" << "";
    QTest::newRow("muted and lowered, then unmuted")
        << "1=5/80/1" << "1=5/30/0" << "2000|100|1|30;2001|100|1|0" << "";
    QTest::newRow("detach and tone")
        << "1=5/40/0/0:0:0:0" << "1=-1/40/0/2:-3:4:1" << "2003|100|1@-1;2002|100|1|2|-3|4|1" << "";
    QTest::newRow("what the device no longer has is skipped")
        << "1=5/40/0 s5=50" << "1=7/40/0 4=5/20/0 s7=30" << "" << "outputs 4; sources 7";
}

void TestHouseState::recallDiff()
{
    QFETCH(QString, current);
    QFETCH(QString, target);
    QFETCH(QString, commands);
    QFETCH(QString, skipped);

    const Diff diff = House::recallDiff(parseState(current), parseState(target));
    QStringList texts;
    for (const Command& c : diff.commands)
        texts << c.text();
    QCOMPARE(texts.join(QLatin1Char(';')), commands);
    QString said;
    if (!diff.skippedOutputs.isEmpty() || !diff.skippedSources.isEmpty())
        said = QStringLiteral("outputs %1; sources %2").arg(diff.skippedOutputs.join(','), diff.skippedSources.join(','));
    QCOMPARE(said, skipped);
}

void TestHouseState::sceneFromJson_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<bool>("read");
    // "index:source/volume/mute/bass" of the outputs read, then the plays part.
    QTest::addColumn<QString>("outputs");

    QTest::newRow("whole") << R"({"name":"Morning","outputs":[{"index":1,"source":5,"volume":25,"mute":true,"bass":3}],
                               "plays":{"source":5,"playlist":"m3u:Morning.m3u"}})"
                           << true << "1:5/25/1/3 plays 5 m3u:Morning.m3u";
    QTest::newRow("out of range is clamped")
        << R"({"name":"Loud","outputs":[{"index":1,"source":5,"volume":250,"bass":-99}]})" << true << "1:5/100/0/-20";
    QTest::newRow("an output without a numeric index is dropped")
        << R"({"name":"Odd","outputs":[{"index":"1","volume":5},{"volume":5},{"index":-3},{"index":2.5},{"index":2}]})"
        << true << "2:-1/0/0/0";
    QTest::newRow("no name") << R"({"outputs":[]})" << false << "";
    QTest::newRow("a line break in the name") << R"({"name":"a\nb"})" << false << "";
    QTest::newRow("a name too long") << QStringLiteral(R"({"name":"%1"})").arg(QString(65, 'x')) << false << "";
}

void TestHouseState::sceneFromJson()
{
    QFETCH(QString, json);
    QFETCH(bool, read);
    QFETCH(QString, outputs);

    Scene scene;
    QCOMPARE(House::sceneFromJson(QJsonDocument::fromJson(json.toUtf8()).object(), &scene), read);
    if (!read)
        return;
    QStringList parts;
    for (auto it = scene.state.outputs.cbegin(); it != scene.state.outputs.cend(); ++it)
        parts << QStringLiteral("%1:%2/%3/%4/%5").arg(it.key()).arg(it->source).arg(it->volume).arg(int(it->mute)).arg(it->bass);
    if (scene.plays.isSet())
        parts << QStringLiteral("plays %1 %2").arg(scene.plays.source).arg(scene.plays.playlist);
    QCOMPARE(parts.join(' '), outputs);
    // What is written reads back the same.
    Scene again;
    QVERIFY(House::sceneFromJson(sceneToJson(scene), &again));
    QCOMPARE(QJsonDocument(sceneToJson(again)).toJson(), QJsonDocument(sceneToJson(scene)).toJson());
}

QTEST_GUILESS_MAIN(TestHouseState)
#include "tst_housestate.moc"
