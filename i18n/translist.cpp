// Translation rows of a window: which texts of which kinds of control a translator sees,
// and how they go back.
#include "i18n/translist.h"

#include "i18n/dialogtool.h"
#include "i18n/formcontrols.h"

#include <QTabBar>
#include <QWidget>

namespace {

// A tag the program gives controls whose texts are nobody's to translate.
constexpr int kNoTranslationTag = 9;

bool IsListKind(tKind kind)
{
    switch (kind) {
    case tKind::RadioGroup:
    case tKind::TabSet:
    case tKind::Combo:
    case tKind::Notebook:
    case tKind::Header:
        return true;
    default:
        return false;
    }
}

} // namespace

// ---- TTransObj

void TTransObj::Reset()
{
    Name.clear();
    Caption.clear();
    Hint.clear();
    HintEditable = false;
    CaptionEditable = true;
    Component = nullptr;
    ItemIndex = -1;
    FWindowRow = false;
}

bool TTransObj::FromWindow(QWidget* window)
{
    Reset();
    if (!window || TagOf(window) == kNoTranslationTag) return false;
    Name = FormSection(window);
    Caption = window->windowTitle();
    if (Name.isEmpty() || Caption.isEmpty() || Caption == QLatin1String("-")) return false;
    Component = window;
    FWindowRow = true;
    return true;
}

bool TTransObj::FromComponent(QWidget* component)
{
    if (component && component->isWindow()) return FromWindow(component);
    Reset();
    if (!component || TagOf(component) == kNoTranslationTag) return false;

    const tKind kind = KindOf(component);
    switch (kind) {
    case tKind::Label:
    case tKind::AttachedLabel:
    case tKind::Panel:
    case tKind::GroupBox:
        Caption = TextOf(component, kind);
        Name = component->objectName();
        break;
    case tKind::Button:
    case tKind::CheckBox:
    case tKind::RadioButton:
    case tKind::RadioGroup: // its caption and hint, as the list rules give them
        Caption = TextOf(component, kind);
        Hint = component->toolTip();
        HintEditable = true;
        Name = component->objectName();
        break;
    case tKind::Combo:
        Name = component->objectName();
        break;
    default:
        break;
    }
    const bool keep =
        (!Name.isEmpty() && !Caption.isEmpty() && Caption != QLatin1String("-")) || !Hint.isEmpty();
    if (keep) Component = component;
    return keep;
}

void TTransObj::ApplyToComponent() const
{
    QWidget* w = Component;
    if (!w) return;
    if (FWindowRow) {
        if (w->windowTitle() != Caption) w->setWindowTitle(Caption);
        return;
    }
    const tKind kind = KindOf(w);
    if (ItemIndex >= 0) {
        if (!IsListKind(kind)) return;
        const QStringList old = ItemsOf(w, kind);
        if (ItemIndex >= old.size()) return; // the list has shrunk since
        QStringList items = old;
        items[ItemIndex] = Caption;
        SetItems(w, kind, old, items);
        if (kind == tKind::TabSet) static_cast<QTabBar*>(w)->setTabToolTip(ItemIndex, Hint);
        return;
    }
    switch (kind) {
    case tKind::Label:
    case tKind::AttachedLabel:
    case tKind::Panel:
    case tKind::GroupBox:
        SetTextOf(w, kind, Caption);
        break;
    case tKind::Button:
    case tKind::CheckBox:
    case tKind::RadioButton:
    case tKind::RadioGroup:
        SetTextOf(w, kind, Caption);
        if (w->toolTip() != Hint) w->setToolTip(Hint);
        break;
    default:
        break;
    }
}

// ---- TTransList

void TTransList::Add(std::unique_ptr<TTransObj> row)
{
    FRows.push_back(std::move(row));
}

// List rules: one row per item with a text, numbered by position from 1. The tag is not
// looked at; of these controls only the radio group has a row of its own, always.
void TTransList::AddItems(QWidget* w)
{
    const tKind kind = KindOf(w);
    const QString name = w->objectName();
    if (kind == tKind::RadioGroup) {
        auto own = std::make_unique<TTransObj>();
        own->Name = name;
        own->Caption = TextOf(w, kind);
        own->Hint = w->toolTip();
        own->HintEditable = true;
        own->Component = w;
        Add(std::move(own));
    }
    const QStringList items = ItemsOf(w, kind);
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].isEmpty()) continue;
        auto row = std::make_unique<TTransObj>();
        row->Name = QStringLiteral("%1 [%2]").arg(name).arg(i + 1);
        row->Caption = items[i];
        if (kind == tKind::TabSet) {
            row->Hint = static_cast<const QTabBar*>(w)->tabToolTip(i);
            row->HintEditable = true;
        }
        row->Component = w;
        row->ItemIndex = i;
        Add(std::move(row));
    }
}

void TTransList::Collect(QWidget* form)
{
    if (!form) return;
    FForm = form;
    auto own = std::make_unique<TTransObj>();
    if (own->FromWindow(form)) Add(std::move(own));
    for (const QPointer<QWidget>& control : ControlsOf(form)) {
        QWidget* w = control.data();
        if (IsListKind(KindOf(w))) {
            AddItems(w);
            continue;
        }
        auto row = std::make_unique<TTransObj>();
        if (row->FromComponent(w)) Add(std::move(row));
    }
}

void TTransList::Apply() const
{
    for (const auto& row : FRows)
        row->ApplyToComponent();
}

TTransObj* TTransList::Items(int index) const
{
    return index >= 0 && index < Count() ? FRows[size_t(index)].get() : nullptr;
}

bool TTransList::CaptionEditable(int index) const
{
    const TTransObj* row = Items(index);
    return row && row->CaptionEditable;
}

bool TTransList::HintEditable(int index) const
{
    const TTransObj* row = Items(index);
    return row && row->HintEditable;
}

void TTransList::Clear()
{
    FRows.clear();
    FForm = nullptr;
}
