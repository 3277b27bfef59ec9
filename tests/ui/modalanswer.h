// Answers a modal dialog from inside its own event loop, and gives a test a program folder
// of its own with the language files it needs.
#pragma once

#include "common/progfolder.h"
#include "i18n/cp1252.h"
#include "i18n/language.h"
#include "i18n/msgmanager.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

// Zero-delay timers wait until a TDialog is the active modal window, then hand it over.
template <class TDialog>
void AnswerNextDialog(std::function<void(TDialog*)> answer, int triesLeft = 100)
{
    QTimer::singleShot(0, [answer, triesLeft] {
        auto* dialog = qobject_cast<TDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            answer(dialog);
        } else if (triesLeft > 0) {
            AnswerNextDialog<TDialog>(answer, triesLeft - 1);
        } else {
            QFAIL("no dialog came up");
        }
    });
}

// The program folder for one test, in the given language, with a message manager on it.
struct tProgramFolder {
    QTemporaryDir Folder;

    explicit tProgramFolder(int language = 0)
    {
        SetProgramPathForTesting(Folder.filePath(QStringLiteral("quirrel2")));
        LanguageIndex = language;
        CreateMsgManager();
    }
    ~tProgramFolder()
    {
        FreeMsgManager();
        SetProgramPathForTesting(QString());
        LanguageIndex = 0;
    }

    // A language file of the folder: "QRXLANG" + extension, written as Windows-1252.
    void Write(const char* extension, const QString& text) const
    {
        QFile f(Folder.filePath(QStringLiteral("QRXLANG") + QLatin1String(extension)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(EncodeCp1252(text));
    }
};
