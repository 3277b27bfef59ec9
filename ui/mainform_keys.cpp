// TForm1: the hot keys. The window sees key releases before its controls do, wherever the
// focus is inside it.
#include "ui/mainform.h"

#include "i18n/formeditor.h"
#include "i18n/language.h"
#include "i18n/msgeditor.h"
#include "i18n/msgmanager.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

class tHotKeyFilter : public QObject {
public:
    explicit tHotKeyFilter(TForm1* form) : QObject(form), FForm(form) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyRelease || !watched->isWidgetType()) return false;
        if (static_cast<QWidget*>(watched)->window() != FForm) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat()) return false;
        return FForm->FormKeyUp(key->key(), key->modifiers());
    }

private:
    TForm1* FForm;
};

} // namespace

void TForm1::WatchHotKeys()
{
    FOpenFormEditor = [this] { OpenFormEditor(this, FormsLanguageFile(), FormsLanguageFile()); };
    FOpenMsgEditor = [] { OpenMessageEditor(MessagesLanguageFile(), MessagesLanguageFile()); };
    qApp->installEventFilter(new tHotKeyFilter(this));
}

void TForm1::SetEditorOpeners(std::function<void()> formEditor, std::function<void()> msgEditor)
{
    FOpenFormEditor = std::move(formEditor);
    FOpenMsgEditor = std::move(msgEditor);
}

bool TForm1::FormKeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers mods =
        modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (key == Qt::Key_F2 && mods == Qt::ControlModifier) {
        if (FOpenFormEditor) FOpenFormEditor();
        return true;
    }
    if (key == Qt::Key_F2 && mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (FOpenMsgEditor) FOpenMsgEditor();
        // The editor may have changed any message: read them anew, stored or not.
        CreateMsgManager();
        return true;
    }
    if (key == Qt::Key_F4 && mods == Qt::AltModifier) {
        close(); // through the close rules
        return true;
    }
    return false;
}
