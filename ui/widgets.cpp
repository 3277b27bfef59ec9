#include "ui/widgets.h"

#include <QGridLayout>
#include <QRadioButton>

TRoundButton::TRoundButton(const QString& caption, QWidget* parent, int pixelSize)
    : QPushButton(caption, parent)
{
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral(
                      "TRoundButton { background-color: rgb(202,202,202); color: black;"
                      " font-family: Arial; font-weight: bold; font-size: %1px;"
                      " border: 1px solid rgb(160,160,160); border-radius: 8px; padding: 2px 6px; }"
                      "TRoundButton:hover { color: rgb(0,0,255); }"
                      "TRoundButton:pressed { background-color: rgb(180,180,180); }"
                      "TRoundButton:disabled { color: rgb(128,128,128); }")
                      .arg(pixelSize));
}

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent,
                         int columns)
    : QGroupBox(caption, parent), FGroup(new QButtonGroup(this)), FGrid(new QGridLayout(this)),
      FColumns(std::max(1, columns))
{
    FGrid->setContentsMargins(8, 4, 8, 4);
    FGrid->setSpacing(2);
    connect(FGroup, &QButtonGroup::idClicked, this, &TRadioGroup::Picked);
    SetItems(items);
}

QStringList TRadioGroup::Items() const
{
    QStringList items;
    for (QAbstractButton* b : FButtons) items << b->text();
    return items;
}

void TRadioGroup::SetItems(const QStringList& items)
{
    // Existing item buttons are kept and only relabelled: new texts may be set from inside a
    // click on one of them (the language group translates itself).
    while (FButtons.size() > items.size()) delete FButtons.takeLast();
    for (int i = 0; i < items.size(); ++i) {
        if (i < FButtons.size()) {
            FButtons[i]->setText(items[i]);
            continue;
        }
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(QString()); // items are translated through the group, not alone
        FGroup->addButton(b, i);
        FButtons << b;
    }
    if (FIndex >= FButtons.size()) FIndex = -1;
    if (FIndex >= 0) FButtons[FIndex]->setChecked(true);
    Relayout();
}

QString TRadioGroup::ItemText(int index) const
{
    return index >= 0 && index < FButtons.size() ? FButtons[index]->text() : QString();
}

void TRadioGroup::SetItemText(int index, const QString& text)
{
    if (index >= 0 && index < FButtons.size()) FButtons[index]->setText(text);
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index >= FButtons.size()) index = FButtons.size() - 1; // past the end: the last item
    if (index < -1) index = -1;
    if (index == FIndex) return;
    FIndex = index;
    if (index < 0) {
        // A button group cannot show "none chosen" while exclusive.
        FGroup->setExclusive(false);
        for (QAbstractButton* b : FButtons) b->setChecked(false);
        FGroup->setExclusive(true);
    } else {
        FButtons[index]->setChecked(true);
    }
    emit Click();
}

void TRadioGroup::SetColumns(int columns)
{
    FColumns = std::max(1, columns);
    Relayout();
}

void TRadioGroup::Relayout()
{
    const int rows = (FButtons.size() + FColumns - 1) / FColumns;
    for (int i = 0; i < FButtons.size(); ++i) {
        FGrid->removeWidget(FButtons[i]);
        FGrid->addWidget(FButtons[i], rows > 0 ? i % rows : 0, rows > 0 ? i / rows : 0);
    }
}

void TRadioGroup::Picked(int index)
{
    if (index == FIndex) return;
    FIndex = index;
    emit Click();
}

TPanel::TPanel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::NoFrame);
}
