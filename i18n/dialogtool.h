// Window texts in both directions between a window and the forms file of a language:
// translating a window from the file, and writing the texts it shows back into the file.
// The window's class name is its section; controls are found by object name, in creation
// order, and told apart by their Qt class (our own radio group and panel by class name,
// their texts through properties), so this needs no link to the windows themselves.
#pragma once

#include "i18n/biginifile.h"

#include <QString>

class QWidget;
class tClock;

class TDialogTool {
public:
    // Reads the forms file when it exists; destroying the tool does not save.
    explicit TDialogTool(const QString& formsFile);

    // The entry when it exists and is not "XXXXX" (an empty entry gives the empty text);
    // else the current text.
    QString ReadText(const QString& section, const QString& key, const QString& current) const;
    // The entry under name + "Hint" when it exists; else the current hint.
    QString ReadHint(const QString& section, const QString& name, const QString& current) const;
    // Writes unless the key is empty, the text is empty or the text is "-".
    void WriteText(const QString& section, const QString& key, const QString& text);
    // Writes under name + "Hint" unless the name or the hint is empty.
    void WriteHint(const QString& section, const QString& name, const QString& hint);

    // Mode 1 switches hints on where a control's kind says so; 0 off.
    void Translate(QWidget* form, int mode, tClock* clock = nullptr);
    // Rebuilds the window's section from what it shows now, then saves (silently refused
    // where the file may not be written).
    void WriteTexts(QWidget* form);

    TBigInifile& Store() { return FStore; }

private:
    TBigInifile FStore;
};

// Nothing when the file does not exist. Pending events are processed after each control
// (through the clock when one is given).
void TranslateForm(int mode, const QString& formsFile, QWidget* form, tClock* clock = nullptr);
void WriteFormTexts(const QString& formsFile, QWidget* form);

// The section of a window: its class name.
QString FormSection(const QWidget* form);
