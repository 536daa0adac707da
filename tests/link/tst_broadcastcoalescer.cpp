// What waits for the GUI thread while it is busy: the latest state per key,
// in an order that keeps state behind the lists it refers to.
#include "link/broadcastcoalescer.h"

#include <QTest>

class TestBroadcastCoalescer : public QObject
{
    Q_OBJECT

private slots:
    void coalesces_data()
    {
        QTest::addColumn<QStringList>("in");
        QTest::addColumn<QStringList>("out");

        QTest::newRow("latest list only")
            << QStringList { "1|BROAD|1|0|0@A", "2|BROAD|1|0|0@B", "3|BROAD|1|0|0@C" }
            << QStringList { "3|BROAD|1|0|0@C" };
        QTest::newRow("a list keeps its place before the state behind it")
            << QStringList { "1|BROAD|0|0|5@M@0", "2|BROAD|1|0|3@A", "3|BROAD|3|0|3|40|0|0|0|0|0", "4|BROAD|1|0|3@B" }
            << QStringList { "1|BROAD|0|0|5@M@0", "4|BROAD|1|0|3@B", "3|BROAD|3|0|3|40|0|0|0|0|0" };
        QTest::newRow("latest state per index, moved behind the lists")
            << QStringList { "1|BROAD|3|0|3|10|0|0|0|0|0", "2|BROAD|3|0|4|20|0|0|0|0|0", "3|BROAD|1|0|3@A|4@B",
                             "4|BROAD|3|0|3|30|0|0|0|0|0" }
            << QStringList { "2|BROAD|3|0|4|20|0|0|0|0|0", "3|BROAD|1|0|3@A|4@B", "4|BROAD|3|0|3|30|0|0|0|0|0" };
        QTest::newRow("routes merge, latest per output")
            << QStringList { "1|BROAD|2|0|3@5|4@5", "2|BROAD|2|0|3@1", "3|BROAD|2|0|7" }
            << QStringList { "3|BROAD|2|0|3@1|4@5|7" };
        QTest::newRow("routes after the outputs they name")
            << QStringList { "1|BROAD|2|0|3@5", "2|BROAD|1|0|3@A", "3|BROAD|2|0|3@6" }
            << QStringList { "2|BROAD|1|0|3@A", "3|BROAD|2|0|3@6" };
        QTest::newRow("kinds apart")
            << QStringList { "1|BROAD|4|0|5|30", "2|BROAD|10|0|5|1", "3|BROAD|25|0|1@a@b", "4|BROAD|500" }
            << QStringList { "1|BROAD|4|0|5|30", "2|BROAD|10|0|5|1", "3|BROAD|25|0|1@a@b", "4|BROAD|500" };
    }

    void coalesces()
    {
        QFETCH(QStringList, in);
        QFETCH(QStringList, out);
        BroadcastCoalescer waiting;
        for (const QString &text : in)
            waiting.add(text);
        QStringList got;
        while (!waiting.isEmpty())
            got << waiting.takeNext();
        QCOMPARE(got, out);
    }

    void floodIsBounded()
    {
        BroadcastCoalescer waiting;
        for (int i = 0; i < 100000; ++i) {
            waiting.add(QStringLiteral("%1|BROAD|1|0|0@A|1@B").arg(i));
            waiting.add(QStringLiteral("%1|BROAD|3|0|%2|50|0|0|0|0|0").arg(i).arg(i % 16));
        }
        QCOMPARE(waiting.size(), 17);
        // Distinct keys without end stop at the bound.
        for (int i = 0; i < BroadcastCoalescer::MaxKeys + 100; ++i)
            waiting.add(QStringLiteral("x|BROAD|4|0|%1|50").arg(i));
        QCOMPARE(waiting.size(), BroadcastCoalescer::MaxKeys);
    }
};

QTEST_GUILESS_MAIN(TestBroadcastCoalescer)
#include "tst_broadcastcoalescer.moc"
