// Window texts between a window and its forms file: translating a window, writing its texts
// back, and the single reads and writes behind both.
#include "common/clock.h"
#include "i18n/cp1252.h"
#include "i18n/dialogtool.h"
#include "i18n/filesave.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QPixmap>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

// A window with one control of every kind the translation knows, in German design texts.
class TTestForm : public QWidget {
    Q_OBJECT
public:
    TTestForm()
    {
        setWindowTitle(QStringLiteral("KESTROM - Quirrel"));
        ConfigBtn = Named(new TRoundButton(QStringLiteral("AutoConfig"), this), "ConfigBtn");
        ConfigBtn->setToolTip(QStringLiteral("Werkseinstellungen setzen"));
        Named(new TRoundButton(QStringLiteral("Info"), this), "InfoBtn");
        Named(new QPushButton(QStringLiteral("-"), this), "SepBtn");
        Named(new QLabel(this), "Label1");
        auto* value = Named(new QLabel(QStringLiteral("Meßwert"), this), "Label2");
        value->setProperty("tag", 1);

        auto* qLabel = Named(new QLabel(QStringLiteral("Meßgröße auswählen"), this), "qLabel");
        qCombo = Named(new QComboBox(this), "qCombo");
        qCombo->addItems(
            {QStringLiteral("Lux / cd/m²"), QStringLiteral("footcandle, footlambert")});
        qCombo->setCurrentIndex(1);
        qCombo->setToolTip(QStringLiteral("Meßgröße"));
        qLabel->setBuddy(qCombo);
        auto* mbLabel = Named(new QLabel(QStringLiteral("Meßbereich auswählen"), this), "mbLabel");
        mbLabel->setBuddy(qCombo);
        mbLabel->setProperty("tag", 1);

        LangGrp = Named(new TRadioGroup(QStringLiteral(" Sprache wählen "),
                                        {QStringLiteral("Deutsch"), QStringLiteral("English"),
                                         QStringLiteral("Französisch"), QStringLiteral("Spanisch")},
                                        this),
                        "LangGrp");
        LangGrp->setToolTip(QStringLiteral("Sprache"));
        LangGrp->SetItemIndex(0);
        Named(new TRadioGroup(QString(), {QStringLiteral("Liste"), QStringLiteral("Grafik")}, this,
                              2),
              "RadioGroup1");
        Named(new TPanel(this), "Panel1")->setText(QStringLiteral("Bereit"));

        auto* check = Named(new QCheckBox(QStringLiteral("automatisch"), this), "AutoBox");
        check->setToolTip(QStringLiteral("Automatisch messen"));
        auto* frame = Named(new QGroupBox(QStringLiteral("Rahmen"), this), "FrameBox");
        Named(new QRadioButton(QStringLiteral("Option"), frame), "OptBtn")
            ->setToolTip(QStringLiteral("Eine Option"));

        auto* pages = Named(new QTabWidget(this), "Pages");
        pages->addTab(Named(new QWidget, "TabSheet1"), QStringLiteral("Tabelle"));
        auto* chartPage = Named(new QWidget, "TabSheet2");
        pages->addTab(chartPage, QStringLiteral("Grafik"));
        Named(new TRoundButton(QStringLiteral("löschen"), chartPage), "ClearBtn");

        auto* tabs = Named(new QTabBar(this), "Tabs");
        tabs->addTab(QStringLiteral("Eins"));
        tabs->addTab(QStringLiteral("Zwei"));
        tabs->setToolTip(QStringLiteral("Reiter"));

        auto* model = new QStandardItemModel(0, 2, this);
        model->setHorizontalHeaderLabels({QStringLiteral("Wert"), QStringLiteral("Zeit")});
        auto* header = Named(new QHeaderView(Qt::Horizontal, this), "Header");
        header->setModel(model);
        header->setToolTip(QStringLiteral("Kopf"));

        QPixmap picture(4, 4);
        picture.fill(Qt::red);
        Named(new QLabel(this), "Logo")->setPixmap(picture);
        new QPushButton(QStringLiteral("Ohne Namen"), this); // no name, no entry
    }

    template <typename T> T* Named(T* w, const char* name)
    {
        w->setObjectName(QLatin1String(name));
        return w;
    }

    TRoundButton* ConfigBtn;
    QComboBox* qCombo;
    TRadioGroup* LangGrp;
};

// The named controls of TTestForm.
constexpr int kNamedControls = 21;

namespace {

// What a control shows: "Name" its text, "Name.hint", "Name.i" item i, "Name.count",
// "CAPTION" the window's title.
QString Shown(QWidget* form, const QString& what)
{
    if (what == QLatin1String("CAPTION")) return form->windowTitle();
    const QString name = what.section(u'.', 0, 0), part = what.section(u'.', 1);
    auto* w = form->findChild<QWidget*>(name);
    if (!w) return QStringLiteral("<no %1>").arg(name);
    if (part == QLatin1String("hint")) return w->toolTip();
    if (part.isEmpty()) {
        if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        return QStringLiteral("<no text>");
    }
    QStringList items;
    if (auto* g = qobject_cast<TRadioGroup*>(w)) items = g->Items();
    if (auto* c = qobject_cast<QComboBox*>(w))
        for (int i = 0; i < c->count(); ++i)
            items << c->itemText(i);
    if (auto* t = qobject_cast<QTabWidget*>(w))
        for (int i = 0; i < t->count(); ++i)
            items << t->tabText(i);
    if (auto* t = qobject_cast<QTabBar*>(w))
        for (int i = 0; i < t->count(); ++i)
            items << t->tabText(i);
    if (auto* h = qobject_cast<QHeaderView*>(w))
        for (int i = 0; i < h->count(); ++i)
            items << h->model()->headerData(i, Qt::Horizontal).toString();
    if (part == QLatin1String("count")) return QString::number(items.size());
    return items.value(part.toInt(), QStringLiteral("<no item>"));
}

// Every text, hint and item the test window shows.
QStringList Snapshot(QWidget* form)
{
    QStringList all{form->windowTitle()};
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        const QString name = w->objectName();
        all << name + u'=' + Shown(form, name) << Shown(form, name + QLatin1String(".hint"));
        const int count = Shown(form, name + QLatin1String(".count")).toInt();
        for (int i = 0; i < count; ++i)
            all << Shown(form, name + u'.' + QString::number(i));
    }
    return all;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// A forms file in the code page of the language files, from lines of text.
QByteArray FormsFile(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeCp1252(line) + "\r\n";
    return bytes;
}

} // namespace

class TestDialogTool : public QObject {
    Q_OBJECT
private:
    QTemporaryDir Dir;
    QString File() const { return Dir.filePath(QStringLiteral("QRXLANG.LCF")); }

private slots:
    void initTestCase()
    {
        QVERIFY(Dir.isValid());
        SetLocalDiskCheckForTesting([](const QString&) { return true; });
    }
    void cleanupTestCase() { SetLocalDiskCheckForTesting({}); }
    void cleanup()
    {
        QFile::setPermissions(File(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(File());
    }

    void section()
    {
        TTestForm form;
        QCOMPARE(FormSection(&form), QStringLiteral("TTestForm"));
        QCOMPARE(FormSection(nullptr), QString());
    }

    void readText_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* file, const char* expected) {
            QTest::newRow(name) << QString::fromUtf8(file) << QString::fromUtf8(expected);
        };
        row("missing", "[TTestForm]", "current");
        row("a text", "[TTestForm]\nk=Texte", "Texte");
        row("XXXXX counts as missing", "[TTestForm]\nk=XXXXX", "current");
        row("only the five capitals", "[TTestForm]\nk=xxxxx", "xxxxx");
        row("XXXXX with a blank is a text", "[TTestForm]\nk=XXXXX ", "XXXXX ");
        row("empty entry empties", "[TTestForm]\nk=", "");
        row("another section", "[TOther]\nk=Texte", "current");
    }
    void readText()
    {
        QFETCH(QString, file);
        QFETCH(QString, expected);
        WriteAll(File(), EncodeCp1252(file));
        const TDialogTool tool(File());
        QCOMPARE(tool.ReadText(QStringLiteral("TTestForm"), QStringLiteral("k"),
                               QStringLiteral("current")),
                 expected);
    }

    void readHint_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* file, const char* expected) {
            QTest::newRow(name) << QString::fromUtf8(file) << QString::fromUtf8(expected);
        };
        row("missing", "[TTestForm]\nk=Texte", "current");
        row("a hint", "[TTestForm]\nkHint=Astuce", "Astuce");
        row("empty entry removes the hint", "[TTestForm]\nkHint=", "");
        row("a hint entry is taken as it stands", "[TTestForm]\nkHint=XXXXX", "XXXXX");
    }
    void readHint()
    {
        QFETCH(QString, file);
        QFETCH(QString, expected);
        WriteAll(File(), EncodeCp1252(file));
        const TDialogTool tool(File());
        QCOMPARE(tool.ReadHint(QStringLiteral("TTestForm"), QStringLiteral("k"),
                               QStringLiteral("current")),
                 expected);
    }

    void write_data()
    {
        QTest::addColumn<bool>("hint");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // the section as written, "" for nothing
        const auto row = [](const char* name, bool hint, const char* key, const char* text,
                            const char* expected) {
            QTest::newRow(name) << hint << QString::fromUtf8(key) << QString::fromUtf8(text)
                                << QString::fromUtf8(expected);
        };
        row("text", false, "k", "Texte", "[S]|k=Texte");
        row("text: empty key", false, "", "Texte", "");
        row("text: empty text", false, "k", "", "");
        row("text: a dash", false, "k", "-", "");
        row("text: two dashes", false, "k", "--", "[S]|k=--");
        row("text: a blank", false, "k", " ", "[S]|k= ");
        row("hint", true, "k", "Astuce", "[S]|kHint=Astuce");
        row("hint: empty name", true, "", "Astuce", "");
        row("hint: empty hint", true, "k", "", "");
        row("hint: a dash", true, "k", "-", "[S]|kHint=-");
    }
    void write()
    {
        QFETCH(bool, hint);
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TDialogTool tool(File());
        if (hint)
            tool.WriteHint(QStringLiteral("S"), key, text);
        else
            tool.WriteText(QStringLiteral("S"), key, text);
        QCOMPARE(QString::fromLatin1(tool.Store().SaveToBytes())
                     .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
                     .join(u'|'),
                 expected);
    }

    // One entry of a French forms file against what the window then shows.
    void translate_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* entry, const char* what,
                            const char* expected) {
            QTest::newRow(name) << QString::fromUtf8(entry) << QString::fromUtf8(what)
                                << QString::fromUtf8(expected);
        };
        row("caption", "CAPTION=Quirrel (fr)", "CAPTION", "Quirrel (fr)");
        row("caption XXXXX", "CAPTION=XXXXX", "CAPTION", "KESTROM - Quirrel");
        row("language item", "LangGrp1=Anglais", "LangGrp.1", "Anglais");
        row("language item XXXXX", "LangGrp1=XXXXX", "LangGrp.1", "English");
        row("other items stay", "LangGrp1=Anglais", "LangGrp.2", "Französisch");
        row("item beyond the count", "LangGrp4=Italien", "LangGrp.count", "4");
        row("radio group caption", "LangGrp= Choisir la langue ", "LangGrp", " Choisir la langue ");
        row("radio group hint", "LangGrpHint=Langue", "LangGrp.hint", "Langue");
        row("radio group, empty caption", "RadioGroup1=Vue", "RadioGroup1", "Vue");
        row("button", "ConfigBtn=Configuration", "ConfigBtn", "Configuration");
        row("button, empty entry", "ConfigBtn=", "ConfigBtn", "");
        row("button hint", "ConfigBtnHint=Réglages d'usine", "ConfigBtn.hint", "Réglages d'usine");
        row("button hint, empty entry", "ConfigBtnHint=", "ConfigBtn.hint", "");
        row("button hint, no entry", "ConfigBtn=Configuration", "ConfigBtn.hint",
            "Werkseinstellungen setzen");
        row("button without a hint gets one", "InfoBtnHint=Page d'accueil", "InfoBtn.hint",
            "Page d'accueil");
        row("button on a notebook page", "ClearBtn=effacer", "ClearBtn", "effacer");
        row("combo item", "qCombo1=pied-bougie", "qCombo.1", "pied-bougie");
        row("combo item beyond the count", "qCombo2=Candela", "qCombo.count", "2");
        row("combo hint", "qComboHint=Grandeur", "qCombo.hint", "Grandeur");
        row("attached label", "qLabel=Choisir la grandeur", "qLabel", "Choisir la grandeur");
        row("attached label with a tag", "mbLabel=Choisir la plage", "mbLabel",
            "Meßbereich auswählen");
        row("label", "Label1=Version", "Label1", "Version");
        row("label with a tag", "Label2=Valeur", "Label2", "Meßwert");
        row("label showing a picture", "Logo=Texte", "Logo", "");
        row("panel", "Panel1=Prêt", "Panel1", "Prêt");
        row("check box", "AutoBox=automatique", "AutoBox", "automatique");
        row("check box hint", "AutoBoxHint=Mesure auto", "AutoBox.hint", "Mesure auto");
        row("group box", "FrameBox=Cadre", "FrameBox", "Cadre");
        row("radio button", "OptBtn=Choix", "OptBtn", "Choix");
        row("radio button hint", "OptBtnHint=Un choix", "OptBtn.hint", "Un choix");
        row("notebook page", "Pages1=Graphique", "Pages.1", "Graphique");
        row("tab set", "Tabs0=Un", "Tabs.0", "Un");
        row("tab set hint", "TabsHint=Onglets", "Tabs.hint", "Onglets");
        row("header section", "Header1=Heure", "Header.1", "Heure");
        row("header hint", "HeaderHint=En-tête", "Header.hint", "En-tête");
        row("key without regard to case", "configbtn=Configuration", "ConfigBtn", "Configuration");
    }
    void translate()
    {
        QFETCH(QString, entry);
        QFETCH(QString, what);
        QFETCH(QString, expected);
        WriteAll(File(), FormsFile({QStringLiteral("[TTestForm]"), entry}));
        TTestForm form;
        tVirtualClock clock;
        TranslateForm(1, File(), &form, &clock);
        QCOMPARE(Shown(&form, what), expected);
    }

    void missingFileChangesNothing()
    {
        TTestForm form;
        const QStringList before = Snapshot(&form);
        tVirtualClock clock;
        TranslateForm(1, File(), &form, &clock);
        QCOMPARE(Snapshot(&form), before);
        QCOMPARE(clock.EventSteps, 0);
        QVERIFY(!QFile::exists(File()));
    }

    void emptyFileChangesNothing()
    {
        WriteAll(File(), QByteArray());
        TTestForm form;
        const QStringList before = Snapshot(&form);
        tVirtualClock clock;
        TranslateForm(1, File(), &form, &clock);
        QCOMPARE(Snapshot(&form), before);
    }

    // The window repaints during the pass: events run once after every control, and the
    // controls are taken in creation order.
    void eventsRunAfterEachControl()
    {
        WriteAll(File(), FormsFile({"[TTestForm]", "ConfigBtn=Configuration", "Panel1=Prêt"}));
        TTestForm form;
        tVirtualClock clock;
        QStringList seen;
        clock.OnProcessEvents = [&] {
            seen << form.ConfigBtn->text() + u'/' + Shown(&form, QStringLiteral("Panel1"));
        };
        TranslateForm(1, File(), &form, &clock);
        QCOMPARE(clock.EventSteps, kNamedControls);
        QCOMPARE(seen.first(), QStringLiteral("Configuration/Bereit"));
        QCOMPARE(seen.last(), QStringLiteral("Configuration/Prêt"));
    }

    // A handler that runs between two controls may remove controls or the whole window.
    void controlsRemovedDuringThePass()
    {
        WriteAll(File(), FormsFile({"[TTestForm]", "Panel1=Prêt", "ClearBtn=effacer"}));
        TTestForm form;
        tVirtualClock clock;
        clock.OnProcessEvents = [&] { delete form.findChild<QWidget*>(QStringLiteral("Panel1")); };
        TranslateForm(1, File(), &form, &clock);
        QVERIFY(!form.findChild<QWidget*>(QStringLiteral("Panel1")));
        QCOMPARE(Shown(&form, QStringLiteral("ClearBtn")), QStringLiteral("effacer"));

        auto* doomed = new TTestForm;
        QPointer<QWidget> guard(doomed);
        tVirtualClock closing;
        closing.OnProcessEvents = [&] { delete guard.data(); };
        TranslateForm(1, File(), doomed, &closing);
        QVERIFY(!guard);
        QCOMPARE(closing.EventSteps, 1);
    }

    void selectionsStayAndNoPickIsReported()
    {
        WriteAll(File(), FormsFile({"[TTestForm]", "qCombo0=Lux / cd/m² (fr)",
                                    "qCombo1=pied-bougie, pied-lambert", "LangGrp0=Allemand",
                                    "LangGrp1=Anglais", "LangGrp2=Français", "LangGrp3=Espagnol"}));
        TTestForm form;
        QPointer<QAbstractButton> english = form.LangGrp->ItemButton(1);
        QSignalSpy comboChanged(form.qCombo, &QComboBox::currentIndexChanged);
        QSignalSpy picked(form.LangGrp, &TRadioGroup::Click);
        tVirtualClock clock;
        TranslateForm(1, File(), &form, &clock);

        QCOMPARE(form.qCombo->currentIndex(), 1);
        QCOMPARE(form.qCombo->currentText(), QStringLiteral("pied-bougie, pied-lambert"));
        QCOMPARE(comboChanged.count(), 0);
        QCOMPARE(form.LangGrp->ItemIndex(), 0);
        QVERIFY(form.LangGrp->ItemButton(0)->isChecked());
        QCOMPARE(picked.count(), 0);
        QCOMPARE(form.LangGrp->Items(),
                 (QStringList{"Allemand", "Anglais", "Français", "Espagnol"}));
        QCOMPARE(form.LangGrp->ItemButton(1), english.data()); // translated in place
    }

    // The language group translates the window, itself included, from inside the click on
    // one of its items; the clicked item stays the same button and stays chosen.
    void languagePickTranslatesItsOwnGroup()
    {
        WriteAll(File(), FormsFile({"[TTestForm]", "LangGrp0=Allemand", "LangGrp1=Anglais",
                                    "LangGrp2=Français", "LangGrp3=Espagnol"}));
        TTestForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        tVirtualClock clock;
        connect(form.LangGrp, &TRadioGroup::Click, &form,
                [&] { TranslateForm(1, File(), &form, &clock); });
        QPointer<QAbstractButton> french = form.LangGrp->ItemButton(2);
        QTest::mouseClick(french, Qt::LeftButton);
        QVERIFY(french);
        QCOMPARE(form.LangGrp->ItemButton(2), french.data());
        QCOMPARE(form.LangGrp->ItemIndex(), 2);
        QVERIFY(french->isChecked());
        QCOMPARE(french->text(), QStringLiteral("Français"));
    }

    // The German window written into a new file: sorted, CR LF, Windows-1252. Empty texts,
    // "-", empty hints, the hints of lists and pictures give no entries.
    void writeBackGerman()
    {
        TTestForm form;
        WriteFormTexts(File(), &form);
        const QByteArray expected = "[TTestForm]\r\n"
                                    "AutoBox=automatisch\r\n"
                                    "AutoBoxHint=Automatisch messen\r\n"
                                    "CAPTION=KESTROM - Quirrel\r\n"
                                    "ClearBtn=l\xF6schen\r\n"
                                    "ConfigBtn=AutoConfig\r\n"
                                    "ConfigBtnHint=Werkseinstellungen setzen\r\n"
                                    "FrameBox=Rahmen\r\n"
                                    "Header0=Wert\r\n"
                                    "Header1=Zeit\r\n"
                                    "InfoBtn=Info\r\n"
                                    "Label2=Me\xDFwert\r\n"
                                    "LangGrp= Sprache w\xE4hlen \r\n"
                                    "LangGrp0=Deutsch\r\n"
                                    "LangGrp1=English\r\n"
                                    "LangGrp2=Franz\xF6sisch\r\n"
                                    "LangGrp3=Spanisch\r\n"
                                    "LangGrpHint=Sprache\r\n"
                                    "mbLabel=Me\xDF"
                                    "bereich ausw\xE4hlen\r\n"
                                    "OptBtn=Option\r\n"
                                    "OptBtnHint=Eine Option\r\n"
                                    "Pages0=Tabelle\r\n"
                                    "Pages1=Grafik\r\n"
                                    "Panel1=Bereit\r\n"
                                    "qCombo0=Lux / cd/m\xB2\r\n"
                                    "qCombo1=footcandle, footlambert\r\n"
                                    "qLabel=Me\xDFgr\xF6\xDF"
                                    "e ausw\xE4hlen\r\n"
                                    "RadioGroup10=Liste\r\n"
                                    "RadioGroup11=Grafik\r\n"
                                    "Tabs0=Eins\r\n"
                                    "Tabs1=Zwei\r\n";
        QCOMPARE(ReadAll(File()), expected);
    }

    void writeBackReplacesOnlyItsSection()
    {
        WriteAll(File(),
                 FormsFile({"[TOther]", "k=v", "[TTestForm]", "Gone=alt", "ConfigBtn=Alt"}));
        TTestForm form;
        form.setWindowTitle(QString());
        WriteFormTexts(File(), &form);
        const TBigInifile store(File());
        QCOMPARE(store.ReadString("TOther", "k", "<none>"), QStringLiteral("v"));
        QCOMPARE(store.ReadString("TTestForm", "Gone", "<none>"), QStringLiteral("<none>"));
        QCOMPARE(store.ReadString("TTestForm", "ConfigBtn", "<none>"),
                 QStringLiteral("AutoConfig"));
        QCOMPARE(store.ReadString("TTestForm", "CAPTION", "<none>"), QStringLiteral("<none>"));
    }

    // An empty entry empties the button; the write-back then drops its key, so the next
    // start shows the German caption again.
    void emptiedButtonComesBackNextTime()
    {
        WriteAll(File(), FormsFile({"[TTestForm]", "ConfigBtn=", "ConfigBtnHint=Réglages"}));
        TTestForm form;
        tVirtualClock clock;
        TranslateForm(1, File(), &form, &clock);
        QCOMPARE(form.ConfigBtn->text(), QString());
        WriteFormTexts(File(), &form);
        QCOMPARE(TBigInifile(File()).ReadString("TTestForm", "ConfigBtn", "<none>"),
                 QStringLiteral("<none>"));

        TTestForm next;
        TranslateForm(1, File(), &next, &clock);
        QCOMPARE(next.ConfigBtn->text(), QStringLiteral("AutoConfig"));
        QCOMPARE(next.ConfigBtn->toolTip(), QStringLiteral("Réglages"));
    }

    // What one window wrote, a fresh window reads back as it was shown.
    void roundTrip()
    {
        TTestForm shown;
        shown.setWindowTitle(QStringLiteral("Quirrel (fr)"));
        shown.ConfigBtn->setText(QStringLiteral("Configuration"));
        shown.ConfigBtn->setToolTip(QStringLiteral("Réglages d'usine"));
        shown.qCombo->setItemText(0, QStringLiteral("Lux / cd/m² (fr)"));
        shown.LangGrp->SetItemText(3, QStringLiteral("Espagnol"));
        shown.findChild<QTabWidget*>("Pages")->setTabText(1, QStringLiteral("Graphique"));
        shown.findChild<QLabel*>("Label1")->setText(QStringLiteral("ZENTA-SPOT 2 USB"));
        WriteFormTexts(File(), &shown);

        TTestForm next;
        tVirtualClock clock;
        TranslateForm(1, File(), &next, &clock);
        QCOMPARE(Snapshot(&next), Snapshot(&shown));
    }

    void readOnlyFileStaysAsItWas()
    {
        const QByteArray before = FormsFile({"; Kommentar", "[TTestForm]", "ConfigBtn=Alt"});
        WriteAll(File(), before);
        QVERIFY(QFile::setPermissions(File(), QFile::ReadOwner | QFile::ReadGroup));
        TTestForm form;
        WriteFormTexts(File(), &form);
        QCOMPARE(ReadAll(File()), before);
    }

    // A dialog parented to the window is a window of its own, with its own section.
    void otherWindowsAreNotPartOfTheForm()
    {
        TTestForm form;
        auto* dialog = new QDialog(&form);
        auto* button = new TRoundButton(QStringLiteral("OK"), dialog);
        button->setObjectName(QStringLiteral("OkBtn"));
        WriteAll(File(), FormsFile({"[TTestForm]", "OkBtn=Valider"}));
        tVirtualClock clock;
        TranslateForm(1, File(), &form, &clock);
        QCOMPARE(button->text(), QStringLiteral("OK"));
        QCOMPARE(clock.EventSteps, kNamedControls);

        WriteFormTexts(File(), &form);
        QCOMPARE(TBigInifile(File()).ReadString("TTestForm", "OkBtn", "<none>"),
                 QStringLiteral("<none>"));
        QCOMPARE(FormSection(dialog), QStringLiteral("QDialog"));
    }
};

QTEST_MAIN(TestDialogTool)
#include "test_dialogtool.moc"
