// The form editor. Row r of the table is row r of both translation lists, which were
// collected from the same window; the tab says whether captions or hints are shown.
#include "i18n/formeditor.h"

#include "i18n/dialogtool.h"
#include "i18n/editgrid.h"
#include "i18n/msgboxes.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr int kOriginColumn = 0;
constexpr int kDestColumn = 1;
constexpr int kItemColumn = 2;

QLabel* PurpleLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 128));
    label->setPalette(palette);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void CentreOnScreen(QWidget* w)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        w->move(area.x() + (area.width() - w->width()) / 2,
                area.y() + (area.height() - w->height()) / 2);
    }
}

} // namespace

TTranslatorSimpleDlg::TTranslatorSimpleDlg(tClock* clock) : FClock(clock)
{
    setObjectName(QStringLiteral("TranslatorSimpleDlg"));
    setWindowTitle(QStringLiteral("Translation"));
    // No close box: the editor is left through "OK" or "abort".
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* origin = new QLabel(QStringLiteral("origin :"), this);
    FOriginLabel = PurpleLabel(this);
    auto* editing = new QLabel(QStringLiteral("editing :"), this);
    FFormLabel = PurpleLabel(this);
    FDestLabel = PurpleLabel(this);
    auto* top = new QGridLayout;
    top->addWidget(origin, 0, 0);
    top->addWidget(FOriginLabel, 0, 1, 1, 2);
    top->addWidget(editing, 1, 0);
    top->addWidget(FFormLabel, 1, 1);
    top->addWidget(FDestLabel, 1, 2);
    top->setColumnStretch(2, 1);

    TabSet = new QTabBar(this);
    TabSet->setObjectName(QStringLiteral("TabSet"));
    TabSet->addTab(QStringLiteral("caption text"));
    TabSet->addTab(QStringLiteral("hint text"));
    TabSet->setExpanding(false);
    connect(TabSet, &QTabBar::currentChanged, this, &TTranslatorSimpleDlg::TabSetChange);

    Grid = new TEditGrid(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setColumnCount(3);
    Grid->setHorizontalHeaderLabels(
        {QStringLiteral("Origin"), QStringLiteral("Destination"), QStringLiteral("Item")});
    Grid->SetMaxLength(100);
    Grid->SetSunkenColumn(kItemColumn);
    Grid->setColumnWidth(kOriginColumn, 170);
    Grid->setColumnWidth(kDestColumn, 170);
    Grid->horizontalHeader()->setStretchLastSection(true);
    QPalette cyan = Grid->palette();
    cyan.setColor(QPalette::Base, QColor(224, 255, 255));
    Grid->setPalette(cyan);
    connect(Grid, &QTableWidget::itemChanged, this, &TTranslatorSimpleDlg::GridItemChanged);
    connect(Grid, &QTableWidget::currentCellChanged, this,
            &TTranslatorSimpleDlg::GridCurrentCellChanged);

    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &TTranslatorSimpleDlg::OkBtnClick);
    AbortBtn = new QPushButton(QStringLiteral("abort"), this);
    AbortBtn->setObjectName(QStringLiteral("AbortBtn"));
    AbortBtn->setAutoDefault(false);
    connect(AbortBtn, &QPushButton::clicked, this, &TTranslatorSimpleDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(AbortBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(TabSet);
    layout->addWidget(Grid, 1);
    layout->addStretch(0);
    layout->addLayout(buttons);

    resize(500, 270);
    CentreOnScreen(this);
}

TTranslatorSimpleDlg::~TTranslatorSimpleDlg() = default;

void TTranslatorSimpleDlg::Prepare(QWidget* form, const QString& originFile,
                                   const QString& destFile)
{
    FForm = form;
    FOriginFile = originFile;
    FDestFile = destFile;
    FOriginList = std::make_unique<TTransList>();
    FDestList = std::make_unique<TTransList>();

    // A translation pass lets events run, so the window may be gone after each one.
    TranslateForm(1, FOriginFile, FForm, FClock);
    FOriginList->Collect(FForm);
    TranslateForm(1, FDestFile, FForm, FClock);
    FDestList->Collect(FForm);

    TabSetChange(kCaptionTab); // stores once
}

bool TTranslatorSimpleDlg::Store()
{
    if (!FDestList || !FForm) return false;
    FDestList->Apply();
    WriteFormTexts(FDestFile, FForm);
    TranslateForm(1, FDestFile, FForm, FClock);
    return true;
}

void TTranslatorSimpleDlg::ShowTexts()
{
    FOriginLabel->setText(FOriginFile);
    FFormLabel->setText(FormSection(FForm));
    FDestLabel->setText(FDestFile);

    FFilling = true;
    Grid->EndEdit();
    Grid->setCurrentCell(-1, -1);
    const int rows = FOriginList ? FOriginList->Count() : 0;
    Grid->setRowCount(rows);
    const QColor buttonFace = palette().color(QPalette::Button);
    const bool captions = FTab == kCaptionTab;
    int firstEditable = -1;
    for (int r = 0; r < rows; ++r) {
        const TTransObj* origin = FOriginList->Items(r);
        const TTransObj* dest = FDestList ? FDestList->Items(r) : nullptr;
        const bool editable =
            FDestList && (captions ? FDestList->CaptionEditable(r) : FDestList->HintEditable(r));
        if (editable && firstEditable < 0) firstEditable = r;

        auto* originItem = new QTableWidgetItem(captions ? origin->Caption : origin->Hint);
        originItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        originItem->setBackground(buttonFace);
        Grid->setItem(r, kOriginColumn, originItem);

        auto* destItem =
            new QTableWidgetItem(dest ? (captions ? dest->Caption : dest->Hint) : QString());
        destItem->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                    : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (!editable) destItem->setBackground(buttonFace);
        Grid->setItem(r, kDestColumn, destItem);

        auto* nameItem = new QTableWidgetItem(origin->Name);
        nameItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        Grid->setItem(r, kItemColumn, nameItem);
    }
    Grid->setVisible(rows > 0);
    if (rows > 0) Grid->GoTo(std::max(firstEditable, 0), kDestColumn);
    FFilling = false;
}

// The click alone does not switch: the edit in progress is kept, the texts are stored under
// the new tab, and only then does the tab set show it.
void TTranslatorSimpleDlg::TabSetChange(int index)
{
    if (FSettingTab) return;
    Grid->EndEdit();
    FTab = index;
    if (Store()) ShowTexts();
    FSettingTab = true;
    TabSet->setCurrentIndex(FTab);
    FSettingTab = false;
}

void TTranslatorSimpleDlg::OkBtnClick()
{
    Grid->EndEdit();
    FClosingByOk = true;
    if (Store())
        accept();
    else
        FClosingByOk = false;
}

void TTranslatorSimpleDlg::done(int result)
{
    if (FClosingByOk) {
        Store();
        FOriginList.reset();
        FDestList.reset();
    }
    QDialog::done(result);
}

void TTranslatorSimpleDlg::reject()
{
    if (CenteredYesNoCancelBox(QStringLiteral("exit without saving changes ?")) == mrYes)
        QDialog::reject();
}

// Typing changes the destination list only; the window follows when the cell is left.
void TTranslatorSimpleDlg::GridItemChanged(QTableWidgetItem* item)
{
    if (FFilling || !item || item->column() != kDestColumn || !FDestList) return;
    TTransObj* dest = FDestList->Items(item->row());
    if (!dest) return;
    if (FTab == kCaptionTab && dest->CaptionEditable)
        dest->Caption = item->text();
    else if (FTab == kHintTab && dest->HintEditable)
        dest->Hint = item->text();
}

void TTranslatorSimpleDlg::GridCurrentCellChanged(int, int, int, int)
{
    if (FFilling || !FDestList) return;
    FDestList->Apply();
}

void OpenFormEditor(QWidget* form, const QString& originFile, const QString& destFile,
                    tClock* clock)
{
    if (!form) return;
    TTranslatorSimpleDlg editor(clock);
    editor.Prepare(form, originFile, destFile);
    editor.exec();
}
