// Message lookup: every text the program sets from code comes from here, with its German
// default, which is written into the messages file when the file lacks it.
#pragma once

#include "i18n/biginifile.h"

#include <QString>

class TMsgManager {
public:
    // Reads the messages file; a missing file gives an empty store.
    explicit TMsgManager(const QString& fileName);

    // The entry; when it is missing or empty and a default is given, the default, which is
    // also written into the file at once.
    QString ReadMsg(const QString& section, const QString& key, const QString& def);
    void WriteMsg(const QString& section, const QString& key, const QString& value);

    bool UpdateFile();
    bool SaveToFile(const QString& path);

    int SectionCount() const { return FStore.SectionCount(); }
    const tsection* Sections(int index) const { return FStore.Sections(index); }
    const QString& FileName() const { return FFileName; }

private:
    QString FFileName;
    TBigInifile FStore;
};

// The message manager of the current language; exists from start to end of the program.
extern TMsgManager* MsgManager;

// Creates MsgManager on the current language's messages file, replacing the one there was
// (the file is read anew, so edited texts take effect at once).
void CreateMsgManager();
void FreeMsgManager();
