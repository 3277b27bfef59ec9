// Fitting a picture into a rectangle: aspect kept, placed by mode, halves rounded to even.
#include "app/devicepicture.h"

#include <QtTest>

namespace {
// Rectangles written as left, top, right, bottom (right and bottom exclusive).
QRect Ltrb(int l, int t, int r, int b)
{
    return QRect(l, t, r - l, b - t);
}
} // namespace

class TestFitAspectRect : public QObject {
    Q_OBJECT
private slots:
    void fit_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QRect>("target");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QRect>("expected");

        const QRect pane = Ltrb(0, 0, 305, 377);
        QTest::newRow("photo 804x886 in the pane") << QSize(804, 886) << pane << 4
                                                   << Ltrb(0, 20, 305, 356);
        QTest::newRow("photo 865x1063 in the pane") << QSize(865, 1063) << pane << 4
                                                    << Ltrb(0, 1, 305, 376);
        QTest::newRow("photo 864x1063 in the pane") << QSize(864, 1063) << pane << 4
                                                    << Ltrb(0, 1, 305, 376);
        for (int mode = 0; mode <= 8; ++mode)
            QTest::addRow("equal ratios, mode %d", mode)
                << QSize(200, 100) << Ltrb(0, 0, 400, 200) << mode << Ltrb(0, 0, 400, 200);

        QTest::newRow("narrower, left") << QSize(200, 100) << Ltrb(0, 0, 300, 100) << 0
                                        << Ltrb(0, 0, 200, 100);
        QTest::newRow("narrower, centre") << QSize(200, 100) << Ltrb(0, 0, 300, 100) << 4
                                          << Ltrb(50, 0, 250, 100);
        QTest::newRow("narrower, right") << QSize(200, 100) << Ltrb(0, 0, 300, 100) << 8
                                         << Ltrb(100, 0, 300, 100);
        QTest::newRow("flatter, top") << QSize(100, 200) << Ltrb(0, 0, 100, 300) << 0
                                      << Ltrb(0, 0, 100, 200);
        QTest::newRow("flatter, middle") << QSize(100, 200) << Ltrb(0, 0, 100, 300) << 4
                                         << Ltrb(0, 50, 100, 250);
        QTest::newRow("flatter, bottom") << QSize(100, 200) << Ltrb(0, 0, 100, 300) << 8
                                         << Ltrb(0, 100, 100, 300);

        // Only one direction is placed: the other one is spanned in full.
        QTest::newRow("narrower ignores the vertical mode")
            << QSize(200, 100) << Ltrb(0, 0, 300, 100) << 7 << Ltrb(50, 0, 250, 100);
        QTest::newRow("flatter ignores the horizontal mode")
            << QSize(100, 200) << Ltrb(0, 0, 100, 300) << 5 << Ltrb(0, 50, 100, 250);

        QTest::newRow("target away from the origin")
            << QSize(200, 100) << Ltrb(10, 20, 310, 120) << 5 << Ltrb(110, 20, 310, 120);
        // Both halves are truncated before subtracting: 101 div 2 - 50 div 2.
        QTest::newRow("centre with odd sizes") << QSize(100, 100) << Ltrb(0, 0, 101, 50) << 1
                                               << Ltrb(25, 0, 75, 50);
        QTest::newRow("middle with odd sizes") << QSize(100, 100) << Ltrb(0, 0, 50, 101) << 3
                                               << Ltrb(0, 25, 50, 75);

        // Halves go to the even neighbour: 4.5 -> 4, 7.5 -> 8, 1.5 -> 2, 2.5 -> 2.
        QTest::newRow("width 4.5") << QSize(3, 2) << Ltrb(0, 0, 10, 3) << 0 << Ltrb(0, 0, 4, 3);
        QTest::newRow("width 7.5") << QSize(3, 2) << Ltrb(0, 0, 10, 5) << 0 << Ltrb(0, 0, 8, 5);
        QTest::newRow("height 1.5") << QSize(4, 1) << Ltrb(0, 0, 6, 5) << 0 << Ltrb(0, 0, 6, 2);
        QTest::newRow("height 2.5") << QSize(4, 1) << Ltrb(0, 0, 10, 5) << 0
                                    << Ltrb(0, 0, 10, 2);

        QTest::newRow("enlarging") << QSize(8, 10) << Ltrb(0, 0, 305, 377) << 4
                                   << Ltrb(1, 0, 303, 377);
    }
    void fit()
    {
        QFETCH(QSize, source);
        QFETCH(QRect, target);
        QFETCH(int, mode);
        QFETCH(QRect, expected);
        QRect result(-1, -1, 1, 1);
        QVERIFY(FitAspectRect(QRect(QPoint(0, 0), source), target, mode, result));
        QCOMPARE(result, expected);
    }

    void refused_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QRect>("target");
        QTest::addColumn<int>("mode");
        QTest::newRow("mode 9") << QSize(200, 100) << Ltrb(0, 0, 300, 100) << 9;
        QTest::newRow("negative mode") << QSize(200, 100) << Ltrb(0, 0, 300, 100) << -1;
        QTest::newRow("empty source") << QSize(0, 100) << Ltrb(0, 0, 300, 100) << 4;
        QTest::newRow("source without height") << QSize(100, 0) << Ltrb(0, 0, 300, 100) << 4;
        QTest::newRow("target without height") << QSize(200, 100) << Ltrb(0, 0, 300, 0) << 4;
        QTest::newRow("target without width") << QSize(200, 100) << Ltrb(0, 0, 0, 100) << 4;
    }
    void refused()
    {
        QFETCH(QSize, source);
        QFETCH(QRect, target);
        QFETCH(int, mode);
        const QRect before(7, 8, 9, 10);
        QRect result = before;
        QVERIFY(!FitAspectRect(QRect(QPoint(0, 0), source), target, mode, result));
        QCOMPARE(result, before);
    }
};

QTEST_APPLESS_MAIN(TestFitAspectRect)
#include "test_fitaspectrect.moc"
