// Ctrl+F2 in a dialog opens the form editor for it. The dialogs only report the key; what it
// opens is installed here by the part of the program that owns the editors.
#pragma once

#include <functional>

class QWidget;

// Called with the dialog on Ctrl+F2 (Shift not looked at); empty until an editor is installed.
extern std::function<void(QWidget* form)> OpenFormEditorHook;

// Lets form see the key release before its controls do (call after creating the controls).
void WatchFormEditorKey(QWidget* form);
