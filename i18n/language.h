// The chosen language: kept in the settings file between runs, and the two language files
// that belong to it.
#pragma once

#include <QString>

// 0 German, 1 English, 2 French, 3 Spanish.
extern int LanguageIndex;
constexpr int kLanguageCount = 4;

// LanguageIndex := "ID" of section "LANG" of the settings file; German when it is missing,
// not a number or not one of the four languages.
void ReadLanguageIndex();
// Stores LanguageIndex in the settings file; a failure is ignored.
void WriteLanguageIndex();

// The current language's files in the program folder ("QRXLANG.LCG", "QRXLANG.LMG", ...).
QString FormsLanguageFile();
QString MessagesLanguageFile();

// The settings file beside the program.
QString SettingsFile();
