// The program's own controls: the rounded flat button, the radio group and the panel.
// Form translation finds them by class name and reaches their texts through properties, so
// it needs no link to this library.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

class QGridLayout;

// Flat, light grey (202), bold caption, blue while the mouse is over it, rounded corners.
class TRoundButton : public QPushButton {
    Q_OBJECT
public:
    explicit TRoundButton(const QString& caption, QWidget* parent = nullptr, int pixelSize = 13);
};

// A captioned group of radio buttons laid out in columns; the chosen item is its item index
// (-1 none). Choosing an item, by the user or by program, emits `Click` when it changes the
// choice.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ Items WRITE SetItems)
    Q_PROPERTY(int itemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int columns READ Columns WRITE SetColumns)
public:
    explicit TRadioGroup(const QString& caption, const QStringList& items,
                         QWidget* parent = nullptr, int columns = 1);

    QStringList Items() const;
    // Replaces the items; the chosen index is kept when it is still in range.
    void SetItems(const QStringList& items);
    int ItemCount() const { return FButtons.size(); }
    QString ItemText(int index) const;
    void SetItemText(int index, const QString& text);
    int ItemIndex() const { return FIndex; }
    void SetItemIndex(int index);
    int Columns() const { return FColumns; }
    void SetColumns(int columns);
    QAbstractButton* ItemButton(int index) const { return FButtons.value(index); }

signals:
    void Click();

private:
    void Relayout();
    void Picked(int index);

    QList<QAbstractButton*> FButtons;
    QButtonGroup* FGroup;
    QGridLayout* FGrid;
    int FIndex = -1;
    int FColumns = 1;
};

// A plain area with a centred caption.
class TPanel : public QLabel {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);
};
