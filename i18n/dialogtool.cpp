// Window texts between a window and a forms file. Each named control is sorted into one
// kind (formcontrols.h), and the kind says which of its texts are read and which are written.
#include "i18n/dialogtool.h"

#include "common/clock.h"
#include "i18n/formcontrols.h"

#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace {

const QString kCaptionKey = QStringLiteral("CAPTION");
const QString kHintSuffix = QStringLiteral("Hint");
const QString kMissing = QStringLiteral("XXXXX");

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
