#include "model/output.h"
#include "model/playlistentry.h"
#include "model/source.h"
#include "player/tavirelplayer.h"

#include <QMetaProperty>
#include <QtTest>

class TestModelObjects : public QObject
{
    Q_OBJECT

private slots:
    void freshObjects();
    void settersAlwaysEmit_data();
    void settersAlwaysEmit();
    void metaObjectOrder_data();
    void metaObjectOrder();
    void movingOutputBetweenSources();
    void clearingWithoutSource();
    void sameSourceAgain();
    void updateState_data();
    void updateState();
    void linkedOutputsAscending();
    void namesSummary_data();
    void namesSummary();
    void duplicateOutputIndex();
    void destroyedOutputLeavesSource();
    void sourceReleasesPlayerLater();
    void setPlayerLeavesOldPlayer();
};

static QList<int> indexes(const QList<Output*>& outputs)
{
    QList<int> list;
    for (Output* o : outputs)
        list << o->index();
    return list;
}

static Output* makeOutput(int index, QObject* parent)
{
    auto* o = new Output(parent);
    o->setIndex(index);
    return o;
}

static Source* makeSource(int index, QObject* parent)
{
    auto* s = new Source(parent);
    s->setIndex(index);
    return s;
}

void TestModelObjects::freshObjects()
{
    Output o;
    QCOMPARE(o.index(), -1);
    QCOMPARE(o.name(), QString());
    QCOMPARE(o.volume() + o.bass() + o.middle() + o.treble() + o.loudness(), 0);
    QCOMPARE(o.volume(), 0);
    QCOMPARE(o.loudness(), 0);
    QVERIFY(!o.mute());
    QVERIFY(!o.selectedSource());
    QVERIFY(!o.parent());

    Source s;
    QCOMPARE(s.index(), -1);
    QCOMPARE(s.volume(), 0);
    QVERIFY(!s.mute());
    QVERIFY(!s.player());
    QVERIFY(s.linkedOutputList().isEmpty());

    PlaylistEntry e;
    QCOMPARE(e.entryId(), -1);
    QVERIFY(e.name().isEmpty() && e.playlistRef().isEmpty());
}

void TestModelObjects::settersAlwaysEmit_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");

    for (const char* p : { "index", "volume", "bass", "middle", "treble", "loudness" })
        QTest::newRow(qPrintable(QStringLiteral("Output.%1").arg(p))) << "Output" << QByteArray(p) << QVariant(7);
    QTest::newRow("Output.name") << "Output" << QByteArray("name") << QVariant(QStringLiteral("Hall"));
    QTest::newRow("Output.mute") << "Output" << QByteArray("mute") << QVariant(true);
    QTest::newRow("Source.index") << "Source" << QByteArray("index") << QVariant(3);
    QTest::newRow("Source.volume") << "Source" << QByteArray("volume") << QVariant(40);
    QTest::newRow("Source.name") << "Source" << QByteArray("name") << QVariant(QStringLiteral("Aux"));
    QTest::newRow("Source.mute") << "Source" << QByteArray("mute") << QVariant(true);
    QTest::newRow("PlaylistEntry.entryId") << "PlaylistEntry" << QByteArray("entryId") << QVariant(2);
    QTest::newRow("PlaylistEntry.name") << "PlaylistEntry" << QByteArray("name") << QVariant(QStringLiteral("A"));
    QTest::newRow("PlaylistEntry.playlistRef")
        << "PlaylistEntry" << QByteArray("playlistRef") << QVariant(QStringLiteral("m3u:a.m3u"));
}

void TestModelObjects::settersAlwaysEmit()
{
    QFETCH(QString, type);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);

    QScopedPointer<QObject> object(type == "Output" ? static_cast<QObject*>(new Output)
                                       : type == "Source" ? static_cast<QObject*>(new Source)
                                                          : static_cast<QObject*>(new PlaylistEntry));
    const QMetaObject* mo = object->metaObject();
    const QMetaProperty mp = mo->property(mo->indexOfProperty(property));
    QVERIFY(mp.isValid() && mp.hasNotifySignal());
    QSignalSpy spy(object.data(), mp.notifySignal());
    // Same value twice: both writes must reach QML.
    QVERIFY(mp.write(object.data(), value));
    QVERIFY(mp.write(object.data(), value));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(mp.read(object.data()), value);
}

void TestModelObjects::metaObjectOrder_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("properties");
    QTest::addColumn<QStringList>("signalNames");

    QTest::newRow("Output") << "Output"
                            << QStringList { "index", "name", "volume", "mute", "bass", "middle", "treble",
                                             "loudness", "selectedSource" }
                            << QStringList { "indexChanged", "nameChanged", "volumeChanged", "muteChanged",
                                             "bassChanged", "middleChanged", "trebleChanged",
                                             "loudnessChanged", "selectedSourceChanged" };
    QTest::newRow("Source") << "Source"
                            << QStringList { "index", "name", "volume", "mute", "player", "linkedOutputs",
                                             "linkedOutputsModel", "outputSummary", "outputsMuted", "hasLinkedOutputs" }
                            << QStringList { "indexChanged", "nameChanged", "volumeChanged", "muteChanged",
                                             "playerChanged", "linkedOutputsChanged", "outputSummaryChanged",
                                             "outputsMutedChanged" };
    QTest::newRow("PlaylistEntry") << "PlaylistEntry" << QStringList { "entryId", "name", "playlistRef" }
                                   << QStringList { "entryIdChanged", "nameChanged", "playlistRefChanged" };
}

void TestModelObjects::metaObjectOrder()
{
    QFETCH(QString, type);
    QFETCH(QStringList, properties);
    QFETCH(QStringList, signalNames);
    const QMetaObject* mo = type == "Output" ? &Output::staticMetaObject
        : type == "Source"                   ? &Source::staticMetaObject
                                             : &PlaylistEntry::staticMetaObject;
    QStringList gotProperties;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        gotProperties << QString::fromLatin1(mo->property(i).name());
    QStringList gotSignals;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        if (mo->method(i).methodType() == QMetaMethod::Signal)
            gotSignals << QString::fromLatin1(mo->method(i).name());
    }
    QCOMPARE(gotProperties, properties);
    QCOMPARE(gotSignals, signalNames);
}

void TestModelObjects::movingOutputBetweenSources()
{
    QObject owner;
    Source* a = makeSource(1, &owner);
    Source* b = makeSource(2, &owner);
    Output* o = makeOutput(2, &owner);
    o->setSelectedSource(a);
    QCOMPARE(indexes(a->linkedOutputList()), QList<int> { 2 });

    QStringList order;
    connect(a, &Source::linkedOutputsChanged, &owner, [&] { order << "A"; });
    connect(b, &Source::linkedOutputsChanged, &owner, [&] { order << "B"; });
    connect(o, &Output::selectedSourceChanged, &owner, [&] { order << "output"; });
    o->setSelectedSource(b);

    QCOMPARE(order, (QStringList { "A", "B", "output" }));
    QVERIFY(a->linkedOutputList().isEmpty());
    QCOMPARE(indexes(b->linkedOutputList()), QList<int> { 2 });
    QCOMPARE(o->selectedSource(), b);
}

void TestModelObjects::clearingWithoutSource()
{
    Output o;
    QSignalSpy changed(&o, &Output::selectedSourceChanged);
    o.setSelectedSource(nullptr);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!o.selectedSource());
}

void TestModelObjects::sameSourceAgain()
{
    QObject owner;
    Source* s = makeSource(4, &owner);
    Output* o = makeOutput(3, &owner);
    o->setSelectedSource(s);
    QSignalSpy linked(s, &Source::linkedOutputsChanged);
    o->setSelectedSource(s);
    // Removed and added again.
    QCOMPARE(linked.count(), 2);
    QCOMPARE(indexes(s->linkedOutputList()), QList<int> { 3 });
}

void TestModelObjects::updateState_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("signalCount");
    QTest::addColumn<QList<int>>("numbers"); // volume, bass, middle, treble, loudness
    QTest::addColumn<bool>("mute");

    QTest::newRow("five fields") << QStringList { "40", "1", "2", "3", "4" } << 0 << QList<int> { 10, 1, 1, 1, 1 }
                                 << false;
    QTest::newRow("six fields") << QStringList { "40", "1", "-2", "3", "4", "5" } << 6
                                << QList<int> { 40, -2, 3, 4, 5 } << true;
    QTest::newRow("unchanged values still emit")
        << QStringList { "10", "0", "1", "1", "1", "1" } << 6 << QList<int> { 10, 1, 1, 1, 1 } << false;
    QTest::newRow("half rounds up") << QStringList { "49.5", "0", "0", "0", "0", "0" } << 6
                                    << QList<int> { 50, 0, 0, 0, 0 } << false;
    QTest::newRow("negative half rounds away") << QStringList { "-0.5", "0", "0", "0", "0", "0" } << 6
                                               << QList<int> { -1, 0, 0, 0, 0 } << false;
    QTest::newRow("tone not an integer is 0") << QStringList { "20", "true", "1.5", "x", "", "7" } << 6
                                              << QList<int> { 20, 0, 0, 0, 7 } << false;
    QTest::newRow("extra fields ignored") << QStringList { "20", "1", "1", "2", "3", "4", "99" } << 6
                                          << QList<int> { 20, 1, 2, 3, 4 } << true;
}

void TestModelObjects::updateState()
{
    QFETCH(QStringList, fields);
    QFETCH(int, signalCount);
    QFETCH(QList<int>, numbers);
    QFETCH(bool, mute);

    Output o;
    o.setVolume(10);
    o.setBass(1);
    o.setMiddle(1);
    o.setTreble(1);
    o.setLoudness(1);
    int emitted = 0;
    for (auto signal : { &Output::volumeChanged, &Output::muteChanged, &Output::bassChanged, &Output::middleChanged,
                         &Output::trebleChanged, &Output::loudnessChanged, &Output::nameChanged,
                         &Output::indexChanged, &Output::selectedSourceChanged })
        connect(&o, signal, this, [&emitted] { ++emitted; });
    o.updateState(fields);
    QCOMPARE(emitted, signalCount);
    QCOMPARE((QList<int> { o.volume(), o.bass(), o.middle(), o.treble(), o.loudness() }), numbers);
    QCOMPARE(o.mute(), mute);
}

void TestModelObjects::linkedOutputsAscending()
{
    QObject owner;
    Source* s = makeSource(1, &owner);
    for (int i : { 7, 2, 5 })
        makeOutput(i, &owner)->setSelectedSource(s);

    QQmlListProperty<Output> list = s->linkedOutputs();
    QCOMPARE(list.count(&list), 3);
    QList<int> seen;
    for (int i = 0; i < list.count(&list); ++i)
        seen << list.at(&list, i)->index();
    QCOMPARE(seen, (QList<int> { 2, 5, 7 }));
    QCOMPARE(list.at(&list, 3), nullptr);

    // The snapshot follows a later change when read again; the model changes
    // by the one row, never by a reset.
    LinkedOutputsModel* model = s->linkedOutputsModel();
    QSignalSpy reset(model, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
    owner.findChildren<Output*>().first()->setSelectedSource(nullptr); // output 7
    list = s->linkedOutputs();
    QCOMPARE(list.count(&list), 2);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().at(1).toInt(), 2);
    makeOutput(3, &owner)->setSelectedSource(s);
    QList<int> rows;
    for (int i = 0; i < model->rowCount(); ++i)
        rows << model->data(model->index(i), LinkedOutputsModel::OutputRole).value<Output*>()->index();
    QCOMPARE(rows, (QList<int> { 2, 3, 5 }));
    QCOMPARE(reset.count(), 0);
}

void TestModelObjects::namesSummary_data()
{
    QTest::addColumn<int>("outputs");
    QTest::addColumn<QString>("summary");
    QTest::newRow("none") << 0 << "";
    QTest::newRow("one") << 1 << "Zone 0";
    QTest::newRow("three, all named") << 3 << "Zone 0, Zone 1, Zone 2";
    QTest::newRow("four") << 4 << "Zone 0, Zone 1 and 2 more";
    QTest::newRow("a thousand") << 1000 << "Zone 0, Zone 1 and 998 more";
}

void TestModelObjects::namesSummary()
{
    QFETCH(int, outputs);
    QObject owner;
    QList<Output*> list;
    for (int i = 0; i < outputs; ++i) {
        list << makeOutput(i, &owner);
        list.last()->setName(QStringLiteral("Zone %1").arg(i));
    }
    QTEST(Source::namesSummary(list), "summary");
}

void TestModelObjects::duplicateOutputIndex()
{
    QObject owner;
    Source* s = makeSource(1, &owner);
    Output* first = makeOutput(4, &owner);
    Output* second = makeOutput(4, &owner);
    first->setSelectedSource(s);
    QSignalSpy linked(s, &Source::linkedOutputsChanged);
    second->setSelectedSource(s);
    QCOMPARE(linked.count(), 0);
    QCOMPARE(s->linkedOutputList(), QList<Output*> { first });
}

void TestModelObjects::destroyedOutputLeavesSource()
{
    Source s;
    s.setIndex(1);
    auto* o = new Output;
    o->setIndex(6);
    o->setSelectedSource(&s);
    delete o;
    QVERIFY(s.linkedOutputList().isEmpty());
    QCOMPARE(s.linkedOutputsModel()->rowCount(), 0);
    QQmlListProperty<Output> list = s.linkedOutputs();
    QCOMPARE(list.count(&list), 0);
}

void TestModelObjects::sourceReleasesPlayerLater()
{
    auto* s = new Source;
    QPointer<TavirelPlayer> player = new TavirelPlayer;
    s->setPlayer(player);
    delete s;
    // Still valid for bindings that have not yet seen the change...
    QVERIFY(player);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // ...and gone once the event loop has run.
    QVERIFY(!player);
}

void TestModelObjects::setPlayerLeavesOldPlayer()
{
    Source s;
    TavirelPlayer first;
    first.setConnectionEnabled(true);
    s.setPlayer(&first);
    QSignalSpy changed(&s, &Source::playerChanged);
    s.setPlayer(nullptr);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!s.player());
    QVERIFY(first.connectionEnabled());
}

QTEST_GUILESS_MAIN(TestModelObjects)
#include "tst_modelobjects.moc"
