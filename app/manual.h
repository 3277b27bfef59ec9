// "Anleitung": the manual of the chosen meter model in the current language, named by the
// table "QRX.INI" beside the program and opened by the desktop.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// "ORBITEL", "ZENTAMON", "ZENTASPOT" for device items 0 to 3; empty for none.
QString ManualSection(int deviceItem);
// "GER", "ENG", "FRA", "ESP" for languages 0 to 3; empty otherwise.
QString ManualKey(int languageIndex);

// The manual's path: the table's entry, trimmed, with "\" read as the folder separator,
// joined to the program folder. Empty when the table, the section or the key is missing or
// the entry is empty. The table is read anew on every call.
QString ManualPath(int deviceItem, int languageIndex);

// The desktop's "open" action; tests put their own in place.
using tOpenDocument = std::function<bool(const QUrl& url)>;

enum class tManualResult { Opened, NoEntry, NoDocument };

// Opens the manual of the device item in the language. Nothing is opened when the table has
// no entry or names a document that does not exist.
tManualResult OpenManual(int deviceItem, int languageIndex, const tOpenDocument& open = {});

// The button's whole work: opens the manual, or tells the user that there is none.
void ShowManual(int deviceItem, int languageIndex, const tOpenDocument& open = {});

// The text of the box shown when there is no manual to open.
QString NoManualText();
