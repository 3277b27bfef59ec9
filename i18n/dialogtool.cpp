// Window texts between a window and a forms file. Each named control is sorted into one
// kind, tested in a fixed order (the first kind that fits wins), and the kind says which of
// its texts are read and which are written.
#include "i18n/dialogtool.h"

#include "common/clock.h"

#include <QAbstractItemModel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVariant>

namespace {

const QString kCaptionKey = QStringLiteral("CAPTION");
const QString kHintSuffix = QStringLiteral("Hint");
const QString kMissing = QStringLiteral("XXXXX");

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

QList<QPointer<QWidget>> ControlsOf(QWidget* form)
{
    QList<QPointer<QWidget>> controls;
    CollectControls(form, controls);
    return controls;
}

// ---- item lists by kind

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

// The radio group's item texts changed in place, on the item buttons themselves: replacing
// its item list would rebuild the buttons, and a pass may run from inside a click on one of
// them (the language group translates itself). Only when the buttons cannot be matched to
// the items does the list go in as a whole, which keeps the chosen index as well.
void SetRadioGroupItems(QWidget* group, const QStringList& old, const QStringList& items)
{
    const auto* buttons = group->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    bool inPlace = buttons && buttons->buttons().size() == old.size();
    for (int i = 0; inPlace && i < old.size(); ++i) {
        const QAbstractButton* b = buttons->button(i);
        inPlace = b && b->text() == old[i];
    }
    if (!inPlace) {
        group->setProperty("items", items);
        return;
    }
    for (int i = 0; i < items.size(); ++i)
        if (items[i] != old[i]) buttons->button(i)->setText(items[i]);
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
    if (kind == tKind::RadioGroup && items != old) SetRadioGroupItems(w, old, items);
}

// ---- own text and hint by kind

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

struct tTexts {
    bool Text = false;  // the control's own text under its name
    bool Hint = false;  // its tool tip under name + "Hint"
    bool Items = false; // its items under name + index
};

// What a pass reads from the file into the control.
tTexts ReadTexts(const QWidget* w, tKind kind)
{
    switch (kind) {
    case tKind::Notebook:
        return {false, false, true};
    case tKind::Button:
    case tKind::RadioButton:
    case tKind::CheckBox:
        return {true, true, false};
    case tKind::Panel:
    case tKind::GroupBox:
        return {true, false, false};
    case tKind::RadioGroup:
        return {true, true, true};
    case tKind::Combo:
    case tKind::TabSet:
    case tKind::Header:
        return {false, true, true};
    case tKind::AttachedLabel:
    case tKind::Label:
        return {TagOf(w) == 0, false, false}; // a tagged label holds a text set by the program
    default:
        return {};
    }
}

// What the write-back stores. Lists with a hint of their own store only their items, and a
// label's tag does not matter here.
tTexts WrittenTexts(tKind kind)
{
    switch (kind) {
    case tKind::Notebook:
    case tKind::Combo:
    case tKind::TabSet:
    case tKind::Header:
        return {false, false, true};
    case tKind::Button:
    case tKind::RadioButton:
    case tKind::CheckBox:
        return {true, true, false};
    case tKind::RadioGroup:
        return {true, true, true};
    case tKind::Panel:
    case tKind::GroupBox:
    case tKind::AttachedLabel:
    case tKind::Label:
        return {true, false, false};
    default:
        return {};
    }
}

} // namespace

// ---- TDialogTool

TDialogTool::TDialogTool(const QString& formsFile) : FStore(formsFile) {}

QString TDialogTool::ReadText(const QString& section, const QString& key,
                              const QString& current) const
{
    const QString text = FStore.ReadString(section, key, kMissing);
    return text == kMissing ? current : text;
}

QString TDialogTool::ReadHint(const QString& section, const QString& name,
                              const QString& current) const
{
    return FStore.ReadString(section, name + kHintSuffix, current);
}

void TDialogTool::WriteText(const QString& section, const QString& key, const QString& text)
{
    if (key.isEmpty() || text.isEmpty() || text == QLatin1String("-")) return;
    FStore.WriteString(section, key, text);
}

void TDialogTool::WriteHint(const QString& section, const QString& name, const QString& hint)
{
    if (name.isEmpty() || hint.isEmpty()) return;
    FStore.WriteString(section, name + kHintSuffix, hint);
}

// Qt shows a control's tool tip whenever it has one, so there is no per-control switch for
// hints to turn on; `mode` is kept for the callers, which all pass 1.
void TDialogTool::Translate(QWidget* form, int mode, tClock* clock)
{
    Q_UNUSED(mode);
    if (!form) return;
    tClock& events = clock ? *clock : RealClock();
    const QPointer<QWidget> window(form);
    const QString section = FormSection(form);

    form->setWindowTitle(ReadText(section, kCaptionKey, form->windowTitle()));
    for (const QPointer<QWidget>& control : ControlsOf(form)) {
        // Events run between controls, so a handler may have removed this one or the window.
        if (!window) return;
        QWidget* w = control.data();
        if (!w) continue;
        const tKind kind = KindOf(w);
        const tTexts what = ReadTexts(w, kind);
        const QString name = w->objectName();
        if (what.Text) SetTextOf(w, kind, ReadText(section, name, TextOf(w, kind)));
        if (what.Hint) {
            const QString hint = ReadHint(section, name, w->toolTip());
            if (hint != w->toolTip()) w->setToolTip(hint);
        }
        if (what.Items) {
            const QStringList old = ItemsOf(w, kind);
            QStringList items = old;
            for (int i = 0; i < items.size(); ++i)
                items[i] = ReadText(section, name + QString::number(i), items[i]);
            SetItems(w, kind, old, items);
            w->update();
        }
        events.ProcessEvents();
    }
}

void TDialogTool::WriteTexts(QWidget* form)
{
    if (!form) return;
    const QString section = FormSection(form);
    // Entries of controls that are gone or whose text is now empty go with the old section.
    FStore.EraseSection(section);
    WriteText(section, kCaptionKey, form->windowTitle());
    for (const QPointer<QWidget>& control : ControlsOf(form)) {
        QWidget* w = control.data();
        const tKind kind = KindOf(w);
        const tTexts what = WrittenTexts(kind);
        const QString name = w->objectName();
        if (what.Text) WriteText(section, name, TextOf(w, kind));
        if (what.Hint) WriteHint(section, name, w->toolTip());
        if (what.Items) {
            const QStringList items = ItemsOf(w, kind);
            for (int i = 0; i < items.size(); ++i)
                WriteText(section, name + QString::number(i), items[i]);
        }
    }
    FStore.UpdateFile();
}

// ---- passes

void TranslateForm(int mode, const QString& formsFile, QWidget* form, tClock* clock)
{
    if (!form || formsFile.isEmpty() || !QFileInfo::exists(formsFile)) return;
    TDialogTool tool(formsFile);
    tool.Translate(form, mode, clock);
}

void WriteFormTexts(const QString& formsFile, QWidget* form)
{
    if (!form) return;
    TDialogTool tool(formsFile);
    tool.WriteTexts(form);
}

QString FormSection(const QWidget* form)
{
    return form ? QString::fromLatin1(form->metaObject()->className()) : QString();
}
