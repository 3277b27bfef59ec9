// The controls of a window as the language files see them: which named controls a window
// has, in creation order, what kind each one is, and its text, hint and items. Our own
// radio group and panel are recognised by class name and reached through properties, so
// this needs no link to the windows themselves.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

enum class tKind {
    None,
    Notebook,      // QTabWidget: page captions
    Button,        // QPushButton, the rounded button included
    Panel,         // our TPanel (a QLabel, so it must come before the labels)
    RadioButton,   // a single QRadioButton
    RadioGroup,    // our TRadioGroup: caption, hint, items
    GroupBox,      // QGroupBox: caption
    CheckBox,      // QCheckBox
    Combo,         // QComboBox: hint, items
    TabSet,        // QTabBar: hint, tabs
    Header,        // QHeaderView: hint, sections
    AttachedLabel, // QLabel with a buddy
    Label,         // QLabel
};

// The first kind that fits, tested in a fixed order.
tKind KindOf(const QWidget* w);
// The integer property "tag"; none reads as 0.
int TagOf(const QWidget* w);

// The window's named controls in creation order (depth first), without Qt's own inner parts,
// the parts of controls that hold a list, and other windows parented to this one.
QList<QPointer<QWidget>> ControlsOf(QWidget* form);

// A control's own text (caption, title or label text) by kind; empty for kinds without one.
QString TextOf(const QWidget* w, tKind kind);
void SetTextOf(QWidget* w, tKind kind, const QString& text);

// The item texts of a control that holds a list: pages, radio items, combo items, tabs,
// header sections.
QStringList ItemsOf(const QWidget* w, tKind kind);
// Puts back the items that differ from `old`, in place and by index; the selection stays.
void SetItems(QWidget* w, tKind kind, const QStringList& old, const QStringList& items);
