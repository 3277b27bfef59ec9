// The manual launcher. The table is small and edited by hand, so it is read at every press.
#include "app/manual.h"

#include "common/progfolder.h"
#include "i18n/memini.h"
#include "i18n/msgboxes.h"
#include "i18n/msgmanager.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

QString ManualSection(int deviceItem)
{
    switch (deviceItem) {
    case 0:
    case 1:
        return QStringLiteral("ORBITEL");
    case 2:
        return QStringLiteral("ZENTAMON");
    case 3:
        return QStringLiteral("ZENTASPOT");
    default:
        return QString();
    }
}

QString ManualKey(int languageIndex)
{
    switch (languageIndex) {
    case 0:
        return QStringLiteral("GER");
    case 1:
        return QStringLiteral("ENG");
    case 2:
        return QStringLiteral("FRA");
    case 3:
        return QStringLiteral("ESP");
    default:
        return QString();
    }
}

QString ManualPath(int deviceItem, int languageIndex)
{
    const QString section = ManualSection(deviceItem);
    const QString key = ManualKey(languageIndex);
    if (section.isEmpty() || key.isEmpty()) return QString();
    const tMyMemIniFile table(ProgramFile(QStringLiteral("QRX.INI")));
    QString value = table.ReadString(section, key, QString()); // trimmed by the reader
    value.replace(u'\\', u'/');
    if (value.isEmpty()) return QString();
    // Always below the program folder, as written in the table: nothing is added between.
    return ProgramFolder() + u'/' + value;
}

tManualResult OpenManual(int deviceItem, int languageIndex, const tOpenDocument& open)
{
    const QString path = ManualPath(deviceItem, languageIndex);
    if (path.isEmpty()) return tManualResult::NoEntry;
    // The desktop here says nothing about a missing document, so the program does.
    if (!QFileInfo::exists(path)) return tManualResult::NoDocument;
    const QUrl url = QUrl::fromLocalFile(QDir::cleanPath(path));
    if (open)
        open(url);
    else
        QDesktopServices::openUrl(url);
    return tManualResult::Opened;
}

QString NoManualText()
{
    const QString def = QString::fromUtf8("Keine Anleitung für dieses Gerät gefunden");
    return MsgManager
               ? MsgManager->ReadMsg(QStringLiteral("general"), QStringLiteral("manMsg"), def)
               : def;
}

void ShowManual(int deviceItem, int languageIndex, const tOpenDocument& open)
{
    if (OpenManual(deviceItem, languageIndex, open) != tManualResult::Opened)
        InfoBox(NoManualText());
}
