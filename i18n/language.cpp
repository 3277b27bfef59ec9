// Language index and language file names.
#include "i18n/language.h"

#include "common/progfolder.h"
#include "i18n/memini.h"

int LanguageIndex = 0;

namespace {

const char* const kFormsExtensions[kLanguageCount] = {".LCG", ".LCE", ".LCF", ".LCS"};
const char* const kMessagesExtensions[kLanguageCount] = {".LMG", ".LME", ".LMF", ".LMS"};

int CurrentLanguage()
{
    return LanguageIndex >= 0 && LanguageIndex < kLanguageCount ? LanguageIndex : 0;
}

} // namespace

QString SettingsFile()
{
    return ProgramPathWithExtension(QStringLiteral(".INI"));
}

void ReadLanguageIndex()
{
    const tMyMemIniFile settings(SettingsFile());
    const int id = settings.ReadInteger(QStringLiteral("LANG"), QStringLiteral("ID"), 0);
    LanguageIndex = id >= 0 && id < kLanguageCount ? id : 0;
}

void WriteLanguageIndex()
{
    tMyMemIniFile settings(SettingsFile());
    settings.WriteInteger(QStringLiteral("LANG"), QStringLiteral("ID"), LanguageIndex);
    settings.UpdateFile(); // a settings file that cannot be written keeps the old language
}

QString FormsLanguageFile()
{
    return ProgramFile(QStringLiteral("QRXLANG") +
                       QLatin1String(kFormsExtensions[CurrentLanguage()]));
}

QString MessagesLanguageFile()
{
    return ProgramFile(QStringLiteral("QRXLANG") +
                       QLatin1String(kMessagesExtensions[CurrentLanguage()]));
}
