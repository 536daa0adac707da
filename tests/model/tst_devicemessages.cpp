#include "model/devicemessages.h"

#include <QtTest>

using namespace DeviceMessages;

class TestDeviceMessages : public QObject
{
    Q_OBJECT

private slots:
    void numbers_data();
    void numbers();
    void code_data();
    void code();
    void sources_data();
    void sources();
    void outputs_data();
    void outputs();
    void routes_data();
    void routes();
    void entries();
    void sourceLevel_data();
    void sourceLevel();
    void airPlay_data();
    void airPlay();
    void commandText();
    void textArguments_data();
    void textArguments();
};

static QStringList msg(const QString& text) { return text.split(QLatin1Char('|')); }

void TestDeviceMessages::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("asInt");
    QTest::addColumn<int>("asVolume");

    QTest::newRow("plain") << "42" << 42 << 42;
    QTest::newRow("negative") << "-7" << -7 << -7;
    QTest::newRow("half up") << "49.5" << 0 << 50;
    QTest::newRow("negative half away from zero") << "-0.5" << 0 << -1;
    QTest::newRow("below half") << "49.49" << 0 << 49;
    QTest::newRow("negative below half") << "-2.4" << 0 << -2;
    QTest::newRow("two and a half") << "2.5" << 0 << 3;
    QTest::newRow("not a number") << "abc" << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("hex is not decimal") << "0x10" << 0 << 0;
    QTest::newRow("nan") << "nan" << 0 << 0;
    QTest::newRow("infinity") << "inf" << 0 << 0;
    QTest::newRow("huge clamps") << "1e300" << 0 << std::numeric_limits<int>::max();
    QTest::newRow("huge negative clamps") << "-1e300" << 0 << std::numeric_limits<int>::min();
    QTest::newRow("int overflow") << "99999999999" << 0 << std::numeric_limits<int>::max();
}

void TestDeviceMessages::numbers()
{
    QFETCH(QString, text);
    QFETCH(int, asInt);
    QFETCH(int, asVolume);
    QCOMPARE(toInt(text), asInt);
    QCOMPARE(toVolume(text), asVolume);
}

void TestDeviceMessages::code_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("expected");

    QTest::newRow("sources") << "x|BROAD|0|y" << true << 0;
    QTest::newRow("playlists") << "x|BROAD|26" << true << 26;
    QTest::newRow("two fields") << "x|BROAD" << false << 0;
    QTest::newRow("not a number") << "x|BROAD|zz|y|1@A@0" << false << 0;
    QTest::newRow("empty code") << "x|BROAD||y|1@A@0" << false << 0;
}

void TestDeviceMessages::code()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, expected);
    int c = -99;
    QCOMPARE(messageCode(msg(text), &c), valid);
    if (valid)
        QCOMPARE(c, expected);
    else
        QCOMPARE(c, -99);
}

void TestDeviceMessages::sources_data()
{
    QTest::addColumn<QString>("text");
    // index:name:player:ip:port per record, records joined by ","
    QTest::addColumn<QString>("expected");

    QTest::newRow("player with address")
        << "x|BROAD|0|y|1@Radio@0|5@Music@1@192.0.2.10@6680" << "1:Radio:0::,5:Music:1:192.0.2.10:6680";
    QTest::newRow("player without address") << "x|BROAD|0|y|5@Music@1" << "5:Music:1::";
    QTest::newRow("four parts keep no address") << "x|BROAD|0|y|5@Music@1@192.0.2.10" << "5:Music:1::";
    QTest::newRow("flag other than 1") << "x|BROAD|0|y|2@Line@yes" << "2:Line:0::";
    QTest::newRow("too few parts skipped") << "x|BROAD|0|y|2@Line||3@Aux@0" << "3:Aux:0::";
    QTest::newRow("empty name kept") << "x|BROAD|0|y|4@@0" << "4::0::";
    QTest::newRow("no payload") << "x|BROAD|0|y" << "";
    QTest::newRow("no field 3") << "x|BROAD|0" << "";
    // Indices that are not numbers name no object: dropped, not index 0.
    QTest::newRow("index not a number dropped") << "x|BROAD|0|y|a@Odd@0|2@Line@0" << "2:Line:0::";
    QTest::newRow("empty index dropped") << "x|BROAD|0|y|@Odd@0" << "";
}

void TestDeviceMessages::sources()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QStringList got;
    for (const SourceRecord& r : parseSources(msg(text)))
        got << QStringLiteral("%1:%2:%3:%4:%5")
                   .arg(r.index)
                   .arg(r.name)
                   .arg(r.isPlayer ? 1 : 0)
                   .arg(r.hasAddress ? r.ipAddress : QString())
                   .arg(r.hasAddress ? r.port : QString());
    QCOMPARE(got.join(QLatin1Char(',')), expected);
}

void TestDeviceMessages::outputs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two outputs") << "x|BROAD|1|y|1@Kitchen|2@Hall" << "1:Kitchen,2:Hall";
    QTest::newRow("extra parts ignored") << "x|BROAD|1|y|3@Den@zzz" << "3:Den";
    QTest::newRow("no @ skipped") << "x|BROAD|1|y|3|4@Den" << "4:Den";
    QTest::newRow("index not a number dropped") << "x|BROAD|1|y|x@Den|@Hall|5@Loft" << "5:Loft";
    QTest::newRow("four fields") << "x|BROAD|1|y" << "";
}

void TestDeviceMessages::outputs()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QStringList got;
    for (const OutputRecord& r : parseOutputs(msg(text)))
        got << QStringLiteral("%1:%2").arg(r.index).arg(r.name);
    QCOMPARE(got.join(QLatin1Char(',')), expected);
}

void TestDeviceMessages::routes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("route") << "x|BROAD|2|y|3@5" << "3>5";
    QTest::newRow("detach") << "x|BROAD|2|y|3" << "3>none";
    QTest::newRow("unknown source kept as given") << "x|BROAD|2|y|3@-1" << "3>-1";
    QTest::newRow("empty fields skipped") << "x|BROAD|2|y||3@5|" << "3>5";
    QTest::newRow("empty source part dropped") << "x|BROAD|2|y|3@|4@1" << "4>1";
    QTest::newRow("empty output part dropped") << "x|BROAD|2|y|@5" << "";
    QTest::newRow("source not a number dropped") << "x|BROAD|2|y|3@Odd" << "";
    QTest::newRow("detach of no number dropped") << "x|BROAD|2|y|x" << "";
    QTest::newRow("several") << "x|BROAD|2|y|1@2|4|7@1@9" << "1>2,4>none,7>1";
}

void TestDeviceMessages::routes()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QStringList got;
    for (const RouteRecord& r : parseRoutes(msg(text)))
        got << QStringLiteral("%1>%2").arg(r.output).arg(r.detach ? QStringLiteral("none") : QString::number(r.source));
    QCOMPARE(got.join(QLatin1Char(',')), expected);
}

void TestDeviceMessages::entries()
{
    const QVector<EntryRecord> got = parsePlaylistEntries(msg("x|BROAD|25|y|1@Morning@m3u:a.m3u|2@Empty@|bad@x|z@No@m3u:z|3@A@B@C"));
    QCOMPARE(got.size(), 3);
    QCOMPARE(got.at(0).entryId, 1);
    QCOMPARE(got.at(0).name, QStringLiteral("Morning"));
    QCOMPARE(got.at(0).playlistRef, QStringLiteral("m3u:a.m3u"));
    QCOMPARE(got.at(1).playlistRef, QString());
    QCOMPARE(got.at(2).entryId, 3);
    QCOMPARE(got.at(2).playlistRef, QStringLiteral("B"));
}

void TestDeviceMessages::sourceLevel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("volume");
    QTest::addColumn<bool>("hasMute");
    QTest::addColumn<bool>("mute");

    QTest::newRow("five fields") << "x|BROAD|4|y|5" << false << 0 << 0 << false << false;
    QTest::newRow("index not a number") << "x|BROAD|4|y|a|30" << false << 0 << 0 << false << false;
    QTest::newRow("volume only") << "x|BROAD|4|y|5|30.5" << true << 5 << 31 << false << false;
    QTest::newRow("muted") << "x|BROAD|4|y|5|30|1" << true << 5 << 30 << true << true;
    QTest::newRow("unmuted") << "x|BROAD|4|y|5|30|0" << true << 5 << 30 << true << false;
    QTest::newRow("mute not 1") << "x|BROAD|4|y|5|30|true" << true << 5 << 30 << true << false;
}

void TestDeviceMessages::sourceLevel()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    SourceLevelRecord r;
    QCOMPARE(parseSourceLevel(msg(text), &r), valid);
    if (!valid)
        return;
    QTEST(r.index, "index");
    QTEST(r.volume, "volume");
    QTEST(r.hasMute, "hasMute");
    QTEST(r.mute, "mute");
}

void TestDeviceMessages::airPlay_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("playing");
    QTest::addColumn<bool>("hasMetadata");
    QTest::addColumn<QString>("artist");

    QTest::newRow("too short") << "x|BROAD|10|y|5" << false << false << false << QString();
    QTest::newRow("playing, full") << "x|BROAD|10|y|5|1|T|Al|Ar|img" << true << true << true << "Ar";
    QTest::newRow("playing, partial") << "x|BROAD|10|y|5|1|T|Al|Ar" << true << true << false << QString();
    QTest::newRow("stopped") << "x|BROAD|10|y|5|0" << true << false << false << QString();
    QTest::newRow("index not a number") << "x|BROAD|10|y||1" << false << false << false << QString();
}

void TestDeviceMessages::airPlay()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    AirPlayRecord r;
    QCOMPARE(parseAirPlay(msg(text), &r), valid);
    if (!valid)
        return;
    QCOMPARE(r.sourceIndex, 5);
    QTEST(r.playing, "playing");
    QTEST(r.hasMetadata, "hasMetadata");
    QTEST(r.artist, "artist");
}

void TestDeviceMessages::commandText()
{
    QCOMPARE(formatCommand(2000, { "3", "40" }), QStringLiteral("2000|100|3|40"));
    QCOMPARE(formatCommand(2003, { "3@5" }), QStringLiteral("2003|100|3@5"));
    QCOMPARE(formatCommand(2012, { "m3u:Party.m3u", "3" }), QStringLiteral("2012|100|m3u:Party.m3u|3"));
}

void TestDeviceMessages::textArguments_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("singleField");
    QTest::addColumn<bool>("entryText");
    QTest::addColumn<bool>("equalizer");

    QTest::newRow("uri") << "m3u:Party.m3u" << true << true << false;
    QTest::newRow("uri with bar") << "m3u:a|b.m3u" << false << false << false;
    // The device cuts playlist entries at "@".
    QTest::newRow("at sign") << "m3u:a@b.m3u" << true << false << false;
    QTest::newRow("equalizer") << "3|-20|0|20|5" << false << false << true;
    QTest::newRow("equalizer with plus") << "3|+2|0|20|5" << false << false << true;
    QTest::newRow("equalizer four fields") << "3|0|0|0" << false << false << false;
    QTest::newRow("equalizer six fields") << "3|0|0|0|0|2011" << false << false << false;
    QTest::newRow("equalizer empty field") << "3||0|0|0" << false << false << false;
    QTest::newRow("equalizer text") << "3|0|0|0|x" << false << false << false;
    QTest::newRow("equalizer decimal") << "3|0.5|0|0|0" << false << false << false;
    QTest::newRow("equalizer spaces") << "3| 1|0|0|0" << false << false << false;
}

void TestDeviceMessages::textArguments()
{
    QFETCH(QString, text);
    QTEST(isSingleField(text), "singleField");
    QTEST(isEntryText(text), "entryText");
    QTEST(isEqualizerString(text), "equalizer");
}

QTEST_GUILESS_MAIN(TestDeviceMessages)
#include "tst_devicemessages.moc"
