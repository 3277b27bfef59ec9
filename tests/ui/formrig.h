// The main window on a scripted meter and a virtual clock, in a program folder of its own,
// with the message manager of the chosen language: a whole start in a few milliseconds.
#pragma once

#include "common/progfolder.h"
#include "i18n/language.h"
#include "i18n/msgmanager.h"
#include "scriptedftdi.h"
#include "ui/mainform.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct tFormRig {
    QTemporaryDir Folder;
    tVirtualClock Clock;
    tScriptedFtdi Ftdi{Clock};
    std::unique_ptr<TForm1> Form;
    int SplashCloses = 0;

    // "502" .. "508": a meter of that model; "none": no converter; anything else: a meter
    // whose identification names no model.
    explicit tFormRig(const QByteArray& meter = "502", int language = 0)
    {
        SetProgramPathForTesting(Folder.filePath(QStringLiteral("quirrel2")));
        LanguageIndex = language;
        CreateMsgManager();
        SetMeter(meter);
    }
    ~tFormRig()
    {
        Form.reset();
        FreeMsgManager();
        SetProgramPathForTesting(QString());
        LanguageIndex = 0;
    }

    void SetMeter(const QByteArray& meter)
    {
        Ftdi.OpenStatus = meter == "none" ? FT_DEVICE_NOT_FOUND : FT_OK;
        Ftdi.Responder = [meter](const QByteArray& line) -> QByteArray {
            if (line == "*IDN?") return "KESTROM METER," + meter + "\r\n";
            if (line == "VER?") return "VER 1.07\r\n";
            return "OK\r\n";
        };
    }

    // Creates the window; it is not shown yet.
    TForm1& Create()
    {
        Form = std::make_unique<TForm1>(Ftdi, Clock);
        Form->SetSplashCloser([this] { ++SplashCloses; });
        return *Form;
    }

    // Creates and shows the window: the meter is connected and identified.
    TForm1& Start()
    {
        Create();
        Form->show();
        return *Form;
    }

    void Forget()
    {
        Ftdi.Lines.clear();
        Ftdi.Written.clear();
        Ftdi.Calls.clear();
        Clock.Pauses.clear();
    }

    QString FormsFile(const QString& extension) const
    {
        return Folder.filePath(QStringLiteral("QRXLANG") + extension);
    }

    template <class T = QWidget> T* Find(const char* name) const
    {
        return Form->findChild<T*>(QString::fromLatin1(name));
    }
    QPushButton* ButtonNamed(const char* name) const { return Find<QPushButton>(name); }
    TRadioGroup* DeviceGrp() const { return Find<TRadioGroup>("DeviceGrp"); }
    TRadioGroup* LangGrp() const { return Find<TRadioGroup>("LangGrp"); }
    QComboBox* qCombo() const { return Find<QComboBox>("qCombo"); }
    QComboBox* mbCombo() const { return Find<QComboBox>("mbCombo"); }

    void Press(const char* name) const { ButtonNamed(name)->click(); }
    // A click on an item of a radio group, as the user makes it: on its round mark (a
    // radio button takes clicks only on its mark and its text).
    static void Pick(TRadioGroup* group, int item)
    {
        QAbstractButton* button = group->ItemButton(item);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    // The user picks an item from a drop-down list's popup.
    static void Choose(QComboBox* combo, int item)
    {
        combo->setCurrentIndex(item);
        emit combo->activated(item);
    }

    static QStringList Items(const QComboBox* combo)
    {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }
};
