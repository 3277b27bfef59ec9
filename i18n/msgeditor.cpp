// The message editor: every entry of the origin file is one row, with the destination
// file's value beside it; "OK" writes all rows into the destination file.
#include "i18n/msgeditor.h"

#include "i18n/editgrid.h"
#include "i18n/msgboxes.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kOriginColumn = 0;
constexpr int kDestColumn = 1;
constexpr int kNameColumn = 2;

QTableWidgetItem* ReadOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

// ---- TMsgTransList

void TMsgTransList::Add(const QString& section, const QString& key, const QString& origin,
                        const QString& dest)
{
    Sections << section;
    Keys << key;
    Origins << origin;
    Dests << dest;
}

void TMsgTransList::Clear()
{
    Sections.clear();
    Keys.clear();
    Origins.clear();
    Dests.clear();
}

// ---- TTrnsmsgForm

TTrnsmsgForm::TTrnsmsgForm(const QString& originFile, const QString& destFile, QWidget* parent)
    : QDialog(parent), FOriginFile(originFile), FDestFile(destFile)
{
    setObjectName(QStringLiteral("TrnsmsgForm"));
    setWindowTitle(QStringLiteral("message translator"));

    auto* paths = new QGridLayout;
    paths->addWidget(new QLabel(QStringLiteral("SOURCE"), this), 0, 0);
    auto* source = new QLabel(originFile, this);
    source->setObjectName(QStringLiteral("SourceLabel"));
    source->setTextFormat(Qt::PlainText);
    paths->addWidget(source, 0, 1);
    paths->addWidget(new QLabel(QStringLiteral("DEST"), this), 1, 0);
    auto* dest = new QLabel(destFile, this);
    dest->setObjectName(QStringLiteral("DestLabel"));
    dest->setTextFormat(Qt::PlainText);
    paths->addWidget(dest, 1, 1);
    paths->setColumnStretch(1, 1);

    Grid = new TEditGrid(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setColumnCount(3);
    Grid->setHorizontalHeaderLabels(
        {QStringLiteral("origin"), QStringLiteral("destination"), QStringLiteral("item name")});
    Grid->SetMaxLength(100);
    Grid->setColumnWidth(kOriginColumn, 240);
    Grid->setColumnWidth(kDestColumn, 240);
    Grid->setColumnWidth(kNameColumn, 160);
    connect(Grid, &QTableWidget::itemChanged, this, &TTrnsmsgForm::GridItemChanged);

    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &TTrnsmsgForm::OkBtnClick);
    AbortBtn = new QPushButton(QStringLiteral("abort"), this);
    AbortBtn->setObjectName(QStringLiteral("AbortBtn"));
    AbortBtn->setAutoDefault(false);
    connect(AbortBtn, &QPushButton::clicked, this, &TTrnsmsgForm::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(AbortBtn);

    // Equal margins left and right: the table is as wide as the window less twice its left
    // margin, whatever the window's size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(paths);
    layout->addWidget(Grid, 1);
    layout->addLayout(buttons);

    resize(670, 395);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    FOrigin = std::make_unique<TMsgManager>(originFile);
    if (!QFileInfo::exists(destFile)) FOrigin->SaveToFile(destFile);
    FDest = std::make_unique<TMsgManager>(destFile);

    for (int s = 0; s < FOrigin->SectionCount(); ++s) {
        const tsection* section = FOrigin->Sections(s);
        for (int k = 0; k < section->Count(); ++k) {
            const QString key = section->Keys(k);
            // An entry without a key cannot be looked up, and writing one would remove its
            // whole section.
            if (key.isEmpty()) continue;
            FList.Add(section->Name(), key, section->Values(k),
                      FDest->ReadMsg(section->Name(), key, QString()));
        }
    }

    Grid->setRowCount(FList.Count());
    const QColor white(255, 255, 255);
    for (int r = 0; r < FList.Count(); ++r) {
        Grid->setItem(r, kOriginColumn, ReadOnlyItem(FList.Origins[r]));
        auto* destItem = new QTableWidgetItem(FList.Dests[r]);
        destItem->setBackground(white);
        Grid->setItem(r, kDestColumn, destItem);
        Grid->setItem(r, kNameColumn, ReadOnlyItem(FList.Keys[r]));
    }
    Grid->FixFirstColumn();
    if (FList.Count() > 0) Grid->GoTo(0, kDestColumn);
}

TTrnsmsgForm::~TTrnsmsgForm() = default;

void TTrnsmsgForm::GridItemChanged(QTableWidgetItem* item)
{
    if (!item || item->column() != kDestColumn) return;
    const int r = item->row();
    if (r >= 0 && r < FList.Count()) FList.Dests[r] = item->text();
}

void TTrnsmsgForm::OkBtnClick()
{
    Grid->EndEdit();
    accept();
}

void TTrnsmsgForm::reject()
{
    if (CenteredYesNoCancelBox(QStringLiteral("exit without saving changes ?")) == mrYes)
        QDialog::reject();
}

void TTrnsmsgForm::StoreAll()
{
    Grid->EndEdit();
    for (int r = 0; r < FList.Count(); ++r)
        FDest->WriteMsg(FList.Sections[r], FList.Keys[r], FList.Dests[r]);
    FDest->SaveToFile(FDestFile);
}

bool OpenMessageEditor(const QString& originFile, const QString& destFile)
{
    if (!QFileInfo(originFile).isFile()) return false;
    TTrnsmsgForm editor(originFile, destFile);
    if (editor.exec() != QDialog::Accepted) return false;
    editor.StoreAll();
    return true;
}
