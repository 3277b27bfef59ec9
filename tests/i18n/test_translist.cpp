// Translation rows of a window: which texts become rows, under which names and flags, and
// how edited rows go back into the controls.
#include "i18n/translist.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

// A window with one control of every kind, and the cases around empty texts and tag 9.
class TListForm : public QWidget {
    Q_OBJECT
public:
    TListForm()
    {
        setWindowTitle(QStringLiteral("Übersicht"));
        Named(new TRoundButton(QStringLiteral("AutoConfig"), this), "ConfigBtn")
            ->setToolTip(QStringLiteral("Werkseinstellungen setzen"));
        Named(new QPushButton(this), "HintBtn")->setToolTip(QStringLiteral("Nur Hinweis"));
        Named(new QLabel(this), "EmptyLabel");
        Named(new QLabel(QStringLiteral("-"), this), "DashLabel");
        Named(new QPushButton(QStringLiteral("-"), this), "DashBtn")
            ->setToolTip(QStringLiteral("Trenner"));
        Named(new QLabel(QStringLiteral("Meßwert"), this), "TaggedLabel")->setProperty("tag", 9);
        auto* tagged = Named(new TRoundButton(QStringLiteral("Aus"), this), "TaggedBtn");
        tagged->setProperty("tag", 9);
        tagged->setToolTip(QStringLiteral("Ausschalten"));
        auto* qLabel = Named(new QLabel(QStringLiteral("Meßgröße"), this), "qLabel");
        qCombo = Named(new QComboBox(this), "qCombo");
        qCombo->addItems({QStringLiteral("Lux"), QString(), QStringLiteral("footcandle")});
        qCombo->setCurrentIndex(2);
        qCombo->setToolTip(QStringLiteral("Größe"));
        qCombo->setProperty("tag", 9);
        qLabel->setBuddy(qCombo);
        Named(new TPanel(this), "Panel1")->setText(QStringLiteral("Bereit"));
        auto* frame = Named(new QGroupBox(QStringLiteral("Rahmen"), this), "FrameBox");
        frame->setToolTip(QStringLiteral("Rahmenhinweis"));
        Named(new QRadioButton(QStringLiteral("Option"), frame), "OptBtn")
            ->setToolTip(QStringLiteral("Eine Option"));
        Named(new QCheckBox(QStringLiteral("automatisch"), this), "AutoBox");
        auto* lang =
            Named(new TRadioGroup(
                      QStringLiteral(" Sprache wählen "),
                      {QStringLiteral("Deutsch"), QString(), QStringLiteral("Französisch")}, this),
                  "LangGrp");
        lang->setToolTip(QStringLiteral("Sprache"));
        lang->setProperty("tag", 9);
        Named(new TRadioGroup(QString(), {QStringLiteral("Liste"), QStringLiteral("Grafik")}, this,
                              2),
              "ViewGrp");
        auto* pages = Named(new QTabWidget(this), "Pages");
        pages->addTab(Named(new QWidget, "Sheet1"), QStringLiteral("Tabelle"));
        auto* sheet2 = Named(new QWidget, "Sheet2");
        pages->addTab(sheet2, QStringLiteral("Grafik"));
        Named(new TRoundButton(QStringLiteral("löschen"), sheet2), "ClearBtn");
        auto* tabs = Named(new QTabBar(this), "Tabs");
        tabs->addTab(QStringLiteral("Eins"));
        tabs->addTab(QStringLiteral("Zwei"));
        tabs->setTabToolTip(1, QStringLiteral("Zweiter Reiter"));
        auto* model = new QStandardItemModel(0, 2, this);
        model->setHorizontalHeaderLabels({QStringLiteral("Wert"), QStringLiteral("Zeit")});
        Named(new QHeaderView(Qt::Horizontal, this), "Header")->setModel(model);
        auto* stack = Named(new QStackedWidget(this), "Stack");
        auto* stackPage = new QWidget;
        stack->addWidget(stackPage);
        Named(new QLabel(QStringLiteral("Seite"), stackPage), "StackLabel");
        Named(new QLineEdit(QStringLiteral("Text"), this), "Edit")
            ->setToolTip(QStringLiteral("Eingabe"));
        QPixmap picture(4, 4);
        picture.fill(Qt::red);
        Named(new QLabel(this), "Logo")->setPixmap(picture);
    }

    template <typename T> T* Named(T* w, const char* name)
    {
        w->setObjectName(QLatin1String(name));
        return w;
    }

    QComboBox* qCombo;
};

namespace {

QString Flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString RowText(const TTransObj* row)
{
    return QStringList{row->Name,
                       row->Caption,
                       row->Hint,
                       Flag(row->CaptionEditable),
                       Flag(row->HintEditable),
                       QString::number(row->ItemIndex)}
        .join(u'|');
}

// What the window shows: "CAPTION", "Name" its text, "Name.hint", "Name.i" item i,
// "Name.tip" + i the tool tip of tab i.
QString Shown(QWidget* form, const QString& what)
{
    if (what == QLatin1String("CAPTION")) return form->windowTitle();
    const QString name = what.section(u'.', 0, 0), part = what.section(u'.', 1);
    auto* w = form->findChild<QWidget*>(name);
    if (!w) return QStringLiteral("<no %1>").arg(name);
    if (part == QLatin1String("hint")) return w->toolTip();
    if (part.startsWith(QLatin1String("tip")))
        return qobject_cast<QTabBar*>(w)->tabToolTip(part.mid(3).toInt());
    if (part.isEmpty()) {
        if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        return QStringLiteral("<no text>");
    }
    const int i = part.toInt();
    if (auto* g = qobject_cast<TRadioGroup*>(w)) return g->ItemText(i);
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->itemText(i);
    if (auto* t = qobject_cast<QTabWidget*>(w)) return t->tabText(i);
    if (auto* t = qobject_cast<QTabBar*>(w)) return t->tabText(i);
    if (auto* h = qobject_cast<QHeaderView*>(w))
        return h->model()->headerData(i, Qt::Horizontal).toString();
    return QStringLiteral("<no items>");
}

int RowNamed(const TTransList& list, const QString& name)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.Items(i)->Name == name) return i;
    return -1;
}

} // namespace

class TestTransList : public QObject {
    Q_OBJECT
private slots:
    // Rows in creation order: texts by kind, item rows numbered by position from 1 with
    // empty items skipped, tag 9 ignored by the list rules only.
    void collect()
    {
        TListForm form;
        TTransList list;
        list.Collect(&form);
        const QStringList expected{
            "TListForm|Übersicht||1|0|-1",
            "ConfigBtn|AutoConfig|Werkseinstellungen setzen|1|1|-1",
            "HintBtn||Nur Hinweis|1|1|-1",
            "DashBtn|-|Trenner|1|1|-1",
            "qLabel|Meßgröße||1|0|-1",
            "qCombo [1]|Lux||1|0|0",
            "qCombo [3]|footcandle||1|0|2",
            "Panel1|Bereit||1|0|-1",
            "FrameBox|Rahmen||1|0|-1",
            "OptBtn|Option|Eine Option|1|1|-1",
            "AutoBox|automatisch||1|1|-1",
            "LangGrp| Sprache wählen |Sprache|1|1|-1",
            "LangGrp [1]|Deutsch||1|0|0",
            "LangGrp [3]|Französisch||1|0|2",
            "ViewGrp|||1|1|-1",
            "ViewGrp [1]|Liste||1|0|0",
            "ViewGrp [2]|Grafik||1|0|1",
            "Pages [1]|Tabelle||1|0|0",
            "Pages [2]|Grafik||1|0|1",
            "ClearBtn|löschen||1|1|-1",
            "Tabs [1]|Eins||1|1|0",
            "Tabs [2]|Zwei|Zweiter Reiter|1|1|1",
            "Header [1]|Wert||1|0|0",
            "Header [2]|Zeit||1|0|1",
            "StackLabel|Seite||1|0|-1",
        };
        QStringList rows;
        for (int i = 0; i < list.Count(); ++i)
            rows << RowText(list.Items(i));
        QCOMPARE(rows, expected);
        QCOMPARE(list.Form(), &form);

        // Each row remembers the control it came from.
        QCOMPARE(list.Items(0)->Component.data(), &form);
        for (int i = 1; i < list.Count(); ++i) {
            const QString control = list.Items(i)->Name.section(u' ', 0, 0);
            QCOMPARE(list.Items(i)->Component.data(), form.findChild<QWidget*>(control));
        }
    }

    void outsideTheList()
    {
        TListForm form;
        TTransList list;
        list.Collect(&form);
        for (const int i : {-1, list.Count()}) {
            QVERIFY(!list.Items(i));
            QVERIFY(!list.CaptionEditable(i));
            QVERIFY(!list.HintEditable(i));
        }
        list.Clear();
        QCOMPARE(list.Count(), 0);
        QVERIFY(!list.Form());
        QVERIFY(!list.Items(0));
    }

    // Single controls, each through one row object that was used before (its fields are
    // cleared first).
    void fromComponent_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("row");
        QTest::newRow("window") << "" << true << "TListForm|Übersicht||1|0|-1";
        QTest::newRow("window tagged 9") << "tag9" << false << "";
        QTest::newRow("window without caption") << "nocaption" << false << "";
        QTest::newRow("rounded button")
            << "ConfigBtn" << true << "ConfigBtn|AutoConfig|Werkseinstellungen setzen|1|1|-1";
        QTest::newRow("button tagged 9") << "TaggedBtn" << false << "";
        QTest::newRow("label tagged 9") << "TaggedLabel" << false << "";
        QTest::newRow("empty label") << "EmptyLabel" << false << "";
        QTest::newRow("label with a dash") << "DashLabel" << false << "";
        QTest::newRow("button with a hint only")
            << "HintBtn" << true << "HintBtn||Nur Hinweis|1|1|-1";
        QTest::newRow("group box: no hint") << "FrameBox" << true << "FrameBox|Rahmen||1|0|-1";
        QTest::newRow("combo box") << "qCombo" << false << "";
        QTest::newRow("notebook") << "Pages" << false << "";
        QTest::newRow("tab set") << "Tabs" << false << "";
        QTest::newRow("line edit") << "Edit" << false << "";
        QTest::newRow("picture") << "Logo" << false << "";
    }
    void fromComponent()
    {
        QFETCH(QString, control);
        QFETCH(bool, kept);
        QFETCH(QString, row);
        TListForm form;
        QWidget* w = &form;
        if (control == QLatin1String("tag9"))
            form.setProperty("tag", 9);
        else if (control == QLatin1String("nocaption"))
            form.setWindowTitle(QString());
        else if (!control.isEmpty())
            w = form.findChild<QWidget*>(control);
        QVERIFY(w);

        TTransObj obj;
        QVERIFY(obj.FromComponent(form.findChild<QWidget*>(QStringLiteral("OptBtn"))));
        obj.ItemIndex = 3;
        QCOMPARE(obj.FromComponent(w), kept);
        QCOMPARE(obj.Component.data(), kept ? w : nullptr);
        QCOMPARE(obj.ItemIndex, -1);
        if (kept)
            QCOMPARE(RowText(&obj), row);
        else
            QVERIFY(obj.Hint.isEmpty() && !obj.HintEditable && obj.CaptionEditable);
    }

    // A row edited in both fields, applied with the whole list, against what the window
    // shows then.
    void apply_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char* row, const char* what, const char* expected) {
            QTest::newRow(qPrintable(QStringLiteral("%1 / %2").arg(row, what)))
                << QString::fromUtf8(row) << QString::fromUtf8(what) << QString::fromUtf8(expected);
        };
        add("TListForm", "CAPTION", "neu");
        add("ConfigBtn", "ConfigBtn", "neu");
        add("ConfigBtn", "ConfigBtn.hint", "neuer Hinweis");
        add("HintBtn", "HintBtn", "neu");
        add("HintBtn", "HintBtn.hint", "neuer Hinweis");
        add("qLabel", "qLabel", "neu");
        add("Panel1", "Panel1", "neu");
        add("FrameBox", "FrameBox", "neu");
        add("FrameBox", "FrameBox.hint", "Rahmenhinweis"); // a group box has no hint row
        add("OptBtn", "OptBtn", "neu");
        add("OptBtn", "OptBtn.hint", "neuer Hinweis");
        add("AutoBox", "AutoBox.hint", "neuer Hinweis");
        add("LangGrp", "LangGrp", "neu");
        add("LangGrp", "LangGrp.hint", "neuer Hinweis");
        add("LangGrp [3]", "LangGrp.2", "neu");
        add("LangGrp [3]", "LangGrp.0", "Deutsch");
        add("LangGrp [3]", "LangGrp.hint", "Sprache");
        add("qCombo [3]", "qCombo.2", "neu");
        add("qCombo [3]", "qCombo.hint", "Größe");
        add("Pages [2]", "Pages.1", "neu");
        add("ClearBtn", "ClearBtn", "neu");
        add("Tabs [2]", "Tabs.1", "neu");
        add("Tabs [2]", "Tabs.tip1", "neuer Hinweis");
        add("Tabs [1]", "Tabs.tip0", "neuer Hinweis");
        add("Header [1]", "Header.0", "neu");
        add("StackLabel", "StackLabel", "neu");
    }
    void apply()
    {
        QFETCH(QString, row);
        QFETCH(QString, what);
        QFETCH(QString, expected);
        TListForm form;
        TTransList list;
        list.Collect(&form);
        const int index = RowNamed(list, row);
        QVERIFY(index >= 0);
        list.Items(index)->Caption = QStringLiteral("neu");
        list.Items(index)->Hint = QStringLiteral("neuer Hinweis");
        list.Apply();
        QCOMPARE(Shown(&form, what), expected);
        QCOMPARE(form.qCombo->currentIndex(), 2); // the selection stays
    }

    // Rows whose control has gone are skipped; the others still go back.
    void applyAfterAControlIsGone()
    {
        TListForm form;
        TTransList list;
        list.Collect(&form);
        for (int i = 0; i < list.Count(); ++i)
            list.Items(i)->Caption = QStringLiteral("neu");
        delete form.findChild<QWidget*>(QStringLiteral("Panel1"));
        delete form.findChild<QWidget*>(QStringLiteral("LangGrp"));
        list.Apply();
        QCOMPARE(Shown(&form, QStringLiteral("ConfigBtn")), QStringLiteral("neu"));
        QCOMPARE(Shown(&form, QStringLiteral("StackLabel")), QStringLiteral("neu"));
    }
};

QTEST_MAIN(TestTransList)
#include "test_translist.moc"
