#include "ui/mdlg.h"

#include "i18n/dialogtool.h"
#include "i18n/language.h"
#include "ui/editorhook.h"
#include "ui/widgets.h"

#include <QGuiApplication>
#include <QScreen>

TmdlgForm::TmdlgForm(QWidget* parent, tClock* clock) : QDialog(parent)
{
    setWindowTitle(QString());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);
    setAutoFillBackground(true);
    resize(297, 208);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    mGrp = new TRadioGroup(
        QString(), {QStringLiteral("Meßwerte verwerfen"), QStringLiteral("neue Werte anhängen")},
        this);
    mGrp->setObjectName(QStringLiteral("mGrp"));
    mGrp->setGeometry(24, 16, 249, 97);
    mGrp->SetItemIndex(kDiscardReadings);

    OkBtn = new TRoundButton(QStringLiteral("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(105, 132, 81, 33);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);

    TranslateForm(1, FormsLanguageFile(), this, clock);
    WatchFormEditorKey(this);
}

int AskDiscardOrAppend(QWidget* parent, tClock* clock)
{
    TmdlgForm form(parent, clock);
    if (form.exec() != QDialog::Accepted) return -1;
    return form.mGrp->ItemIndex();
}
