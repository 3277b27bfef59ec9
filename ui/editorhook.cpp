#include "ui/editorhook.h"

#include "i18n/formeditor.h"
#include "i18n/language.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

std::function<void(QWidget* form)> OpenFormEditorHook = [](QWidget* form) {
    OpenFormEditor(form, FormsLanguageFile(), FormsLanguageFile());
};

namespace {

class tEditorKeyFilter : public QObject {
public:
    explicit tEditorKeyFilter(QWidget* form) : QObject(form), FForm(form) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyRelease) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F2 || !(key->modifiers() & Qt::ControlModifier) ||
            key->isAutoRepeat())
            return false;
        if (OpenFormEditorHook) OpenFormEditorHook(FForm);
        return true;
    }

private:
    QWidget* FForm;
};

} // namespace

void WatchFormEditorKey(QWidget* form)
{
    auto* filter = new tEditorKeyFilter(form);
    form->installEventFilter(filter);
    for (QWidget* child : form->findChildren<QWidget*>())
        child->installEventFilter(filter);
}
