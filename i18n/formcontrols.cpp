// The controls of a window as the language files see them: enumeration, kinds, texts and
// items.
#include "i18n/formcontrols.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVariant>

namespace {

// Qt names the parts it builds inside its widgets "qt_..."; they are not ours.
bool IsOwnName(const QString& name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// Controls that hold a list build their own parts (item buttons, scroll arrows, popups),
// which are not controls of the window.
bool HasOwnParts(const QWidget* w)
{
    return w->inherits("TRadioGroup") || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QTabBar*>(w) || qobject_cast<const QHeaderView*>(w);
}

// The window's controls in creation order: named descendants, depth first. Other windows
// parented to this one (dialogs) have their own sections.
void CollectControls(QWidget* parent, QList<QPointer<QWidget>>& out)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow()) continue;
        if (IsOwnName(w->objectName())) out << w;
        if (!HasOwnParts(w)) CollectControls(w, out);
    }
}

} // namespace

tKind KindOf(const QWidget* w)
{
    if (qobject_cast<const QTabWidget*>(w)) return tKind::Notebook;
    if (qobject_cast<const QPushButton*>(w)) return tKind::Button;
    if (w->inherits("TPanel")) return tKind::Panel;
    if (qobject_cast<const QRadioButton*>(w)) return tKind::RadioButton;
    if (w->inherits("TRadioGroup")) return tKind::RadioGroup;
    if (qobject_cast<const QGroupBox*>(w)) return tKind::GroupBox;
    if (qobject_cast<const QCheckBox*>(w)) return tKind::CheckBox;
    if (qobject_cast<const QComboBox*>(w)) return tKind::Combo;
    if (qobject_cast<const QTabBar*>(w)) return tKind::TabSet;
    if (qobject_cast<const QHeaderView*>(w)) return tKind::Header;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        // A label that shows a picture is an image, not a text.
        if (!label->pixmap().isNull() || label->movie()) return tKind::None;
        return label->buddy() ? tKind::AttachedLabel : tKind::Label;
    }
    return tKind::None;
}

int TagOf(const QWidget* w)
{
    return w->property("tag").toInt(); // no tag reads as 0
}

QList<QPointer<QWidget>> ControlsOf(QWidget* form)
{
    QList<QPointer<QWidget>> controls;
    CollectControls(form, controls);
    return controls;
}

QString TextOf(const QWidget* w, tKind kind)
{
    switch (kind) {
    case tKind::Button:
    case tKind::RadioButton:
    case tKind::CheckBox:
        return static_cast<const QAbstractButton*>(w)->text();
    case tKind::RadioGroup:
    case tKind::GroupBox:
        return static_cast<const QGroupBox*>(w)->title();
    case tKind::Panel:
    case tKind::AttachedLabel:
    case tKind::Label:
        return static_cast<const QLabel*>(w)->text();
    default:
        return QString();
    }
}

void SetTextOf(QWidget* w, tKind kind, const QString& text)
{
    if (text == TextOf(w, kind)) return;
    switch (kind) {
    case tKind::Button:
    case tKind::RadioButton:
    case tKind::CheckBox:
        static_cast<QAbstractButton*>(w)->setText(text);
        break;
    case tKind::RadioGroup:
    case tKind::GroupBox:
        static_cast<QGroupBox*>(w)->setTitle(text);
        break;
    case tKind::Panel:
    case tKind::AttachedLabel:
    case tKind::Label:
        static_cast<QLabel*>(w)->setText(text);
        break;
    default:
        break;
    }
}

QStringList ItemsOf(const QWidget* w, tKind kind)
{
    QStringList items;
    switch (kind) {
    case tKind::Notebook: {
        const auto* tabs = static_cast<const QTabWidget*>(w);
        for (int i = 0; i < tabs->count(); ++i)
            items << tabs->tabText(i);
        break;
    }
    case tKind::RadioGroup:
        items = w->property("items").toStringList();
        break;
    case tKind::Combo: {
        const auto* combo = static_cast<const QComboBox*>(w);
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        break;
    }
    case tKind::TabSet: {
        const auto* bar = static_cast<const QTabBar*>(w);
        for (int i = 0; i < bar->count(); ++i)
            items << bar->tabText(i);
        break;
    }
    case tKind::Header: {
        const auto* header = static_cast<const QHeaderView*>(w);
        if (const QAbstractItemModel* model = header->model())
            for (int i = 0; i < header->count(); ++i)
                items << model->headerData(i, header->orientation()).toString();
        break;
    }
    default:
        break;
    }
    return items;
}

// Changed items go back in place, by index; the selection stays where it was.
void SetItems(QWidget* w, tKind kind, const QStringList& old, const QStringList& items)
{
    for (int i = 0; i < items.size(); ++i) {
        if (items[i] == old[i]) continue;
        switch (kind) {
        case tKind::Notebook:
            static_cast<QTabWidget*>(w)->setTabText(i, items[i]);
            break;
        case tKind::Combo:
            static_cast<QComboBox*>(w)->setItemText(i, items[i]);
            break;
        case tKind::TabSet:
            static_cast<QTabBar*>(w)->setTabText(i, items[i]);
            break;
        case tKind::Header: {
            auto* header = static_cast<QHeaderView*>(w);
            header->model()->setHeaderData(i, header->orientation(), items[i]);
            break;
        }
        default:
            break;
        }
    }
    // The group relabels its item buttons in place and keeps its choice.
    if (kind == tKind::RadioGroup && items != old) w->setProperty("items", items);
}
