// Message lookup with German defaults that fill the messages file.
#include "i18n/msgmanager.h"

#include "i18n/language.h"

TMsgManager* MsgManager = nullptr;

TMsgManager::TMsgManager(const QString& fileName) : FFileName(fileName), FStore(fileName) {}

QString TMsgManager::ReadMsg(const QString& section, const QString& key, const QString& def)
{
    const QString entry = FStore.ReadString(section, key, QString());
    if (!def.isEmpty() && entry.isEmpty()) {
        // An empty key cannot hold a text: writing it would remove the whole section.
        if (key.isEmpty()) return def;
        FStore.WriteString(section, key, def);
        FStore.UpdateFile();
        return def;
    }
    return entry;
}

void TMsgManager::WriteMsg(const QString& section, const QString& key, const QString& value)
{
    FStore.WriteString(section, key, value);
}

bool TMsgManager::UpdateFile()
{
    return FStore.UpdateFile();
}

bool TMsgManager::SaveToFile(const QString& path)
{
    return FStore.SaveToFile(path);
}

void CreateMsgManager()
{
    FreeMsgManager();
    MsgManager = new TMsgManager(MessagesLanguageFile());
}

void FreeMsgManager()
{
    delete MsgManager;
    MsgManager = nullptr;
}
