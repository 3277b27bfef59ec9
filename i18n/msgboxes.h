// The program's message boxes: German titles and buttons in every language.
#pragma once

#include <QString>

// Results, as the callers compare them.
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// "Information" with "OK": 1.
int InfoBox(const QString& text);
// "Bestätigung" with "&Ja", "&Nein", "Abbrechen": 6, 7, or 2 (also for Esc and closing).
int YesNoCancelBox(const QString& text);
// The same, centred on the screen and not enlarged for the screen's resolution.
int CenteredYesNoCancelBox(const QString& text);
