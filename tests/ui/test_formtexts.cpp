// The main window and its forms files: written at creation, translated from at the next
// start, and the language switch.
#include "formrig.h"
#include "i18n/cp1252.h"

#include <QChartView>
#include <QCollator>
#include <QFile>
#include <QtTest>

namespace {

const QString kTitle = QStringLiteral("Kestrom Quirrel  V 2.10");

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A forms file in Windows-1252 with CR LF line ends.
QByteArray FormsText(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeCp1252(line) + "\r\n";
    return bytes;
}

} // namespace

class TestFormTexts : public QObject {
    Q_OBJECT
private slots:
    void formsFileWrittenAtCreation()
    {
        tFormRig rig;
        rig.Create();
        QCOMPARE(rig.Form->windowTitle(), kTitle);
        const QByteArray bytes = ReadBytes(rig.FormsFile(QStringLiteral(".LCG")));
        QVERIFY(bytes.startsWith("[TForm1]\r\n"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));

        QByteArrayList lines = bytes.split('\n');
        lines.removeLast();
        QStringList keys;
        for (int i = 1; i < lines.size(); ++i) {
            QVERIFY(lines[i].endsWith('\r'));
            keys << QString::fromLatin1(lines[i].left(lines[i].indexOf('=')));
        }
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        for (int i = 1; i < keys.size(); ++i)
            QVERIFY2(collator.compare(keys[i - 1], keys[i]) < 0, qPrintable(keys[i]));

        // The design texts, byte for byte in Windows-1252.
        for (const char* line : {
                 "CAPTION=KESTROM - Quirrel\r\n",
                 "VersBtn=Version\r\n",
                 "VersBtnHint=Ger\xE4teversion abfragen\r\n",
                 "ConfigBtnHint=Werkseinstellungen setzen\r\n",
                 "DeviceGrp= Ger\xE4t w\xE4hlen \r\n",
                 "DeviceGrp3=ZENTA-SPOT 2 USB\r\n",
                 "LangGrp2=Franz\xF6sisch\r\n",
                 "qComboLabel=Me\xDF"
                 "gr\xF6\xDF"
                 "e ausw\xE4hlen\r\n",
                 "qCombo0=Lux / cd/m\xB2\r\n",
                 "mbCombo4=Me\xDF"
                 "bereich 4 (100 ..200000 lx)\r\n",
                 "mBtn=Me\xDF"
                 "wert anzeigen\r\n",
                 "RadioGroup11=Grafik\r\n",
                 "DelMemBtn=Speicher l\xF6schen\r\n",
                 "ScaleGrp= Skalierung \r\n",
                 "tbBtn=Testbild\r\n",
                 "QuitBtn=Ende\r\n",
             })
            QVERIFY2(bytes.contains(line), line);
        // Empty texts and the page areas, table and chart have no entries.
        for (const char* key : {"\nLabel1=", "\nLabel2=", "\nNBK", "\nValTable", "\nChart",
                                "\nImgWin", "\nPanel1=", "\nRadioGroup1="})
            QVERIFY2(!bytes.contains(key), key);
    }

    void translatedAtTheNextStart()
    {
        tFormRig rig;
        rig.Create();
        rig.Form.reset();
        const QString forms = rig.FormsFile(QStringLiteral(".LCG"));
        QByteArray bytes = ReadBytes(forms);
        bytes.replace("CAPTION=KESTROM - Quirrel", "CAPTION=Quirrel");
        bytes.replace("ConfigBtn=AutoConfig", "ConfigBtn=Neu einrichten");
        bytes.replace("ConfigBtnHint=Werkseinstellungen setzen", "ConfigBtnHint=");
        bytes.replace("LangGrp1=English", "LangGrp1=Englisch");
        bytes.replace("qCombo1=footcandle, footlambert", "qCombo1=XXXXX");
        bytes.replace("VersBtn=Version", "VersBtn=");
        bytes += "mbCombo7=Bereich 7\r\nLabel2=12,00 lx\r\n";
        WriteBytes(forms, bytes);

        rig.Create();
        QCOMPARE(rig.ButtonNamed("ConfigBtn")->text(), QStringLiteral("Neu einrichten"));
        QCOMPARE(rig.ButtonNamed("ConfigBtn")->toolTip(), QString());
        QCOMPARE(rig.LangGrp()->ItemText(1), QStringLiteral("Englisch"));
        QCOMPARE(rig.qCombo()->itemText(1), QStringLiteral("footcandle, footlambert"));
        QCOMPARE(rig.qCombo()->currentIndex(), 0);
        QCOMPARE(rig.mbCombo()->count(), 5);
        QCOMPARE(rig.Find<QLabel>("Label2")->text(), QStringLiteral("12,00 lx"));
        QCOMPARE(rig.ButtonNamed("VersBtn")->text(), QString());
        QCOMPARE(rig.Form->windowTitle(), kTitle); // the fixed title comes after translation

        // Written back from what the window shows: the emptied caption has no entry, so the
        // next start shows the German caption again.
        bytes = ReadBytes(forms);
        QVERIFY(bytes.contains("\r\nCAPTION=Quirrel\r\n"));
        QVERIFY(bytes.contains("\r\nConfigBtn=Neu einrichten\r\n"));
        QVERIFY(!bytes.contains("ConfigBtnHint"));
        QVERIFY(!bytes.contains("VersBtn="));
        QVERIFY(!bytes.contains("mbCombo7"));
        rig.Form.reset();
        rig.Create();
        QCOMPARE(rig.ButtonNamed("VersBtn")->text(), QStringLiteral("Version"));
    }

    void startsInTheStoredLanguage()
    {
        tFormRig rig("502", 2);
        WriteBytes(rig.FormsFile(QStringLiteral(".LCF")),
                   FormsText({"[TForm1]", "CAPTION=Quirrel", "ConfigBtn=Configuration",
                              "LangGrp2=Français"}));
        rig.Start();
        QCOMPARE(LanguageIndex, 2);
        QCOMPARE(rig.LangGrp()->ItemIndex(), 2);
        QCOMPARE(rig.LangGrp()->ItemText(2), QStringLiteral("Français"));
        QCOMPARE(rig.ButtonNamed("ConfigBtn")->text(), QStringLiteral("Configuration"));
        QCOMPARE(rig.Form->windowTitle(), kTitle);
        QVERIFY(MsgManager->FileName().endsWith(QLatin1String("QRXLANG.LMF")));
        QVERIFY(!QFile::exists(rig.FormsFile(QStringLiteral(".LCG"))));
    }

    void switchToFrench()
    {
        tFormRig rig("504");
        rig.Start();
        WriteBytes(rig.FormsFile(QStringLiteral(".LCF")),
                   FormsText({"[TForm1]", "CAPTION=Quirrel en français", "ConfigBtn=Configuration",
                              "ConfigBtnHint=Réglages d'usine", "DeviceGrp= Appareil ",
                              "LangGrp0=Allemand", "LangGrp1=XXXXX", "qCombo1=pied-bougie"}));
        rig.Forget();
        tFormRig::Pick(rig.LangGrp(), 2);

        QCOMPARE(LanguageIndex, 2);
        QCOMPARE(rig.Form->windowTitle(), QStringLiteral("Quirrel en français"));
        QCOMPARE(rig.ButtonNamed("ConfigBtn")->text(), QStringLiteral("Configuration"));
        QCOMPARE(rig.ButtonNamed("ConfigBtn")->toolTip(), QStringLiteral("Réglages d'usine"));
        QCOMPARE(rig.DeviceGrp()->title(), QStringLiteral(" Appareil "));
        QCOMPARE(rig.DeviceGrp()->ItemIndex(), 2);
        QCOMPARE(rig.LangGrp()->Items(),
                 (QStringList{"Allemand", "English", "Französisch", "Spanisch"}));
        QCOMPARE(rig.LangGrp()->ItemIndex(), 2);
        QCOMPARE(rig.qCombo()->itemText(1), QStringLiteral("pied-bougie"));
        QVERIFY(MsgManager->FileName().endsWith(QLatin1String("QRXLANG.LMF")));
        QVERIFY(rig.Ftdi.Lines.isEmpty());

        // The file now lists every text the window shows, the version text included.
        const QByteArray bytes = ReadBytes(rig.FormsFile(QStringLiteral(".LCF")));
        QVERIFY(bytes.contains("\r\nVersBtn=Version\r\n"));
        QVERIFY(bytes.contains("\r\nConfigBtnHint=R\xE9glages d'usine\r\n"));
        QVERIFY(bytes.contains("\r\nLangGrp1=English\r\n"));
        QVERIFY(bytes.contains("\r\nmbCombo4= 10   .. 19900 cd/m\xB2\r\n"));

        // Texts composed later take the new language.
        tFormRig::Choose(rig.qCombo(), 1);
        QCOMPARE(rig.Find<QChartView>("Chart")->chart()->axes(Qt::Vertical).value(0)->titleText(),
                 QStringLiteral("luminance / fL"));
    }

    void switchWithoutFormsFileKeepsTheTitle()
    {
        tFormRig rig;
        rig.Start();
        tFormRig::Pick(rig.LangGrp(), 1);
        QCOMPARE(LanguageIndex, 1);
        QCOMPARE(rig.Form->windowTitle(), kTitle);
        QCOMPARE(rig.ButtonNamed("ConfigBtn")->text(), QStringLiteral("AutoConfig"));
        QVERIFY(ReadBytes(rig.FormsFile(QStringLiteral(".LCE")))
                    .contains("\r\nCAPTION=Kestrom Quirrel  V 2.10\r\n"));
        QVERIFY(MsgManager->FileName().endsWith(QLatin1String("QRXLANG.LME")));
    }

    void switchBackShowsTheDesignCaption()
    {
        tFormRig rig;
        rig.Start();
        tFormRig::Pick(rig.LangGrp(), 3);
        tFormRig::Pick(rig.LangGrp(), 0);
        QCOMPARE(LanguageIndex, 0);
        QCOMPARE(rig.Form->windowTitle(), QStringLiteral("KESTROM - Quirrel"));
    }
};

QTEST_MAIN(TestFormTexts)
#include "test_formtexts.moc"
