// Word splitting and the tolerant number conversions that read the meter's replies.
#include "common/textutil.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>

class TestTextUtil : public QObject {
    Q_OBJECT
private slots:
    void getWord_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("delims");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("count");
        QTest::newRow("second") << 2 << "PHOT 1234 E-1 LX" << " " << "1234" << 4;
        QTest::newRow("leading and repeated delims") << 1 << "  a,, b " << " ," << "a" << 2;
        QTest::newRow("beyond last") << 3 << "a b" << " " << "" << 2;
        QTest::newRow("only delims") << 1 << " ;; " << " ;" << "" << 0;
        QTest::newRow("empty text") << 1 << "" << " " << "" << 0;
        QTest::newRow("word zero") << 0 << "a b" << " " << "" << 2;
        QTest::newRow("several delims") << 2 << "1234 E-1 LX" << " ,E" << "-1" << 3;
        QTest::newRow("line end stays in word") << 2 << "RMS 41\r\n" << " " << "41\r\n" << 2;
    }
    void getWord()
    {
        QFETCH(int, n);
        QFETCH(QString, text);
        QFETCH(QString, delims);
        QFETCH(QString, word);
        QFETCH(int, count);
        QCOMPARE(GetWord(n, text, delims), word);
        QCOMPARE(CountWords(text, delims), count);
    }

    void textToInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal") << "1234" << 1234;
        QTest::newRow("blanks and controls trimmed") << " \t-17\r\n" << -17;
        QTest::newRow("plus sign") << "+5" << 5;
        QTest::newRow("hex") << "$41" << 65;
        QTest::newRow("hex lower case") << "$1ff" << 511;
        QTest::newRow("hex all bits") << "$FFFFFFFF" << -1;
        QTest::newRow("hex too long") << "$100000000" << 0;
        QTest::newRow("int max") << "2147483647" << 2147483647;
        QTest::newRow("int min") << "-2147483648" << int(-2147483648LL);
        QTest::newRow("overflow") << "2147483648" << 0;
        QTest::newRow("inner blank") << "12 3" << 0;
        QTest::newRow("float") << "12.5" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("lone dollar") << "$" << 0;
        QTest::newRow("lone sign") << "-" << 0;
        QTest::newRow("not hex") << "$G1" << 0;
        QTest::newRow("exponent word") << "E-1" << 0;
    }
    void textToInt()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(TextToInt(text), value);
    }

    void textToFloat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("mantissa and exponent") << "1234E-1" << 123.4;
        QTest::newRow("first comma is the point") << "12,5" << 12.5;
        QTest::newRow("second comma breaks it") << "1,2,3" << 0.0;
        QTest::newRow("comma and point") << "1,2.5" << 0.0;
        QTest::newRow("point") << "0.25" << 0.25;
        QTest::newRow("trimmed") << "  42\r\n" << 42.0;
        QTest::newRow("negative") << "-3.5" << -3.5;
        QTest::newRow("lower-case exponent") << "5e2" << 500.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("exponent only") << "E5" << 0.0;
        QTest::newRow("exponent without digits") << "5E" << 0.0;
        QTest::newRow("unit glued on") << "1234LX" << 0.0;
        QTest::newRow("inf is no number") << "inf" << 0.0;
        QTest::newRow("nan is no number") << "nan" << 0.0;
        QTest::newRow("hex float is no number") << "0x1p3" << 0.0;
        QTest::newRow("overflow") << "1E999" << 0.0;
        QTest::newRow("underflow") << "1E-999" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
    }
    void textToFloat()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(TextToFloat(text), value);
    }

    // The user's locale must not change how numbers are read.
    void textToFloatIgnoresLocale()
    {
        // A German locale of our own, whatever the machine has installed.
        QTemporaryDir dir;
        QProcess::execute(QStringLiteral("localedef"),
                          {"-i", "de_DE", "-f", "UTF-8", dir.filePath("de_DE.UTF-8")});
        qputenv("LOCPATH", QFile::encodeName(dir.path()));
        const QByteArray old = setlocale(LC_NUMERIC, nullptr);
        const bool german = setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
        qunsetenv("LOCPATH");
        if (!german) QSKIP("no German locale (localedef or its sources missing)");
        QCOMPARE(*localeconv()->decimal_point, ',');
        QCOMPARE(TextToFloat(QStringLiteral("1.5")), 1.5);
        QCOMPARE(TextToFloat(QStringLiteral("1,5")), 1.5);
        setlocale(LC_NUMERIC, old.constData());
    }
};

QTEST_GUILESS_MAIN(TestTextUtil)
#include "test_textutil.moc"
