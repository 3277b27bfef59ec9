#include "ui/settings.h"

#include "common/valuetext.h"
#include "i18n/dialogtool.h"
#include "i18n/language.h"
#include "ui/editorhook.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QTimeEdit>
#include <QTimer>
#include <cmath>

namespace {

constexpr double kMsPerDay = 86400.0 * 1000.0;
constexpr double kMinFactor = 0.01;
constexpr double kMaxFactor = 9999;
const QColor kSilver(192, 192, 192);

QFont ArialFont(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

template <class T> T* Placed(T* widget, const char* name, const QRect& at)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(at);
    return widget;
}

QLabel* BoundLabel(QWidget* parent, const char* name, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

QStringList IntervalItems()
{
    return {QStringLiteral("  0,5 s"),  QStringLiteral("  1    s"),
            QStringLiteral("  5    s"), QStringLiteral("10    s"),
            QStringLiteral("60    s"),  QStringLiteral("frei einstellbar")};
}

std::optional<int> TimerPeriodMs(int intervalChoice, double freeInterval)
{
    static const int kPeriods[] = {500, 1000, 5000, 10000, 60000};
    if (intervalChoice >= 0 && intervalChoice < kFreeIntervalItem) return kPeriods[intervalChoice];
    if (intervalChoice != kFreeIntervalItem) return std::nullopt;
    // The field holds at most 23:59:59; anything else is clamped rather than wrapped.
    const double ms = std::round(freeInterval * kMsPerDay);
    if (!(ms > 0)) return 0;
    return int(std::min(ms, kMsPerDay - 1000));
}

void SetTimerPeriod(QTimer& timer, int periodMs, bool running)
{
    timer.setInterval(std::max(periodMs, 0));
    if (running && periodMs > 0) {
        timer.start(); // restarts with the new period at once
    } else {
        timer.stop();
    }
}

TSettingsForm::TSettingsForm(QWidget* parent, tClock* clock) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Einstellungen"));
    setFont(ArialFont(11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kSilver);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(314, 197);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    // Design order: the order translation visits the controls in.
    QLabel* factLabel =
        BoundLabel(this, "factFldLabel", QStringLiteral("Bewertungsfaktor"), QPoint(24, 18));
    factFld = Placed(new QLineEdit(this), "factFld", QRect(24, 32, 145, 24));
    factFld->setFont(ArialFont(13, true));
    factFld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    factFld->setMaxLength(9);
    factFld->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,6}([.,][0-9]{0,2})?")), factFld));
    factLabel->setBuddy(factFld);
    connect(factFld, &QLineEdit::textEdited, this, [this] { MarkFactor(false); });

    QLabel* intvLabel =
        BoundLabel(this, "IntvComboLabel", QStringLiteral("Mess-Intervall / s"), QPoint(24, 74));
    IntvCombo = Placed(new QComboBox(this), "IntvCombo", QRect(24, 88, 145, 22));
    IntvCombo->setFont(ArialFont(13, true));
    IntvCombo->addItems(IntervalItems());
    intvLabel->setBuddy(IntvCombo);
    connect(IntvCombo, &QComboBox::currentIndexChanged, this, &TSettingsForm::IntvComboChange);

    QLabel* freeLabel = BoundLabel(
        this, "IntvFldLabel", QStringLiteral("benutzerdefiniertes Intervall / s"), QPoint(24, 130));
    IntvFld = Placed(new QTimeEdit(this), "IntvFld", QRect(24, 144, 145, 22));
    IntvFld->setDisplayFormat(QStringLiteral("hh:mm:ss"));
    IntvFld->setTimeRange(QTime(0, 0, 0), QTime(23, 59, 59));
    IntvFld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    freeLabel->setBuddy(IntvFld);

    OkBtn = Placed(new TRoundButton(QStringLiteral("OK"), this), "OkBtn", QRect(226, 92, 81, 33));
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &TSettingsForm::OkBtnclick);
    CancelBtn = Placed(new TRoundButton(QStringLiteral("Abbruch"), this), "CancelBtn",
                       QRect(226, 148, 81, 33));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    SetValues(FFactor, 2, 1.0 / 86400);
    TranslateForm(1, FormsLanguageFile(), this, clock);
    WatchFormEditorKey(this);
}

void TSettingsForm::SetValues(float factor, int intervalChoice, double freeInterval)
{
    FFactor = factor;
    factFld->setText(ValueNumber(factor, 2));
    factFld->end(false);
    MarkFactor(false);
    IntvCombo->setCurrentIndex(
        intervalChoice >= 0 && intervalChoice < IntvCombo->count() ? intervalChoice : -1);
    IntvComboChange();
    const double secs = std::round(freeInterval * 86400.0);
    IntvFld->setTime(QTime(0, 0).addSecs(int(std::clamp(secs, 0.0, 86399.0))));
}

int TSettingsForm::IntervalChoice() const
{
    return IntvCombo->currentIndex();
}

double TSettingsForm::FreeInterval() const
{
    return IntvFld->time().msecsSinceStartOfDay() / kMsPerDay;
}

std::optional<float> TSettingsForm::FieldFactor() const
{
    QString text = factFld->text().trimmed();
    text.replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok); // QString::toDouble reads the C locale
    if (!ok || !(value >= kMinFactor && value <= kMaxFactor)) return std::nullopt;
    return float(value);
}

void TSettingsForm::IntvComboChange()
{
    IntvFld->setEnabled(IntvCombo->currentIndex() == kFreeIntervalItem);
}

void TSettingsForm::OkBtnclick()
{
    const std::optional<float> factor = FieldFactor();
    if (!factor) {
        MarkFactor(true);
        factFld->setFocus();
        return;
    }
    FFactor = *factor;
    accept();
}

void TSettingsForm::MarkFactor(bool bad)
{
    QPalette palette = factFld->palette();
    palette.setColor(QPalette::Text, bad ? QColor(Qt::red) : this->palette().color(QPalette::Text));
    factFld->setPalette(palette);
    factFld->setProperty("bad", bad);
}

bool EditSettings(float& factor, int32_t& intervalChoice, double& freeInterval, QWidget* parent,
                  tClock* clock)
{
    TSettingsForm form(parent, clock);
    form.SetValues(factor, intervalChoice, freeInterval);
    if (form.exec() != QDialog::Accepted) return false;
    factor = form.Factor();
    intervalChoice = form.IntervalChoice();
    freeInterval = form.FreeInterval();
    return true;
}
