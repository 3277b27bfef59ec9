// Ctrl+F2 in a dialog opens the form editor for it.
#pragma once

#include <functional>

class QWidget;

// Called with the dialog on Ctrl+F2 (Shift not looked at): the form editor on the forms file
// of the current language; tests put their own in place.
extern std::function<void(QWidget* form)> OpenFormEditorHook;

// Lets form see the key release before its controls do (call after creating the controls).
void WatchFormEditorKey(QWidget* form);
