// The settings dialog: weighting factor and measuring interval, and the timer period that
// the interval gives.
//
// The factor field takes up to six digits, a decimal separator and two decimals. It shows
// the factor with the user's decimal separator, like the value display, and accepts "." as
// well as "," when typed: with no thousands separator there is nothing to confuse, and a
// user should not have to know which one the system expects. "OK" with an empty field, a
// value outside 0.01 to 9999 or no number leaves the dialog open with the field in red.
#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QTimeEdit;
class QTimer;
class TRoundButton;
class tClock;

// The interval list's items, in index order; item 5 is the free interval.
QStringList IntervalItems();
constexpr int kFreeIntervalItem = 5;

// The timer period in ms for an interval choice; item 5 the free interval (a fraction of a
// day) in ms, rounded. No value for a choice outside 0 to 5: the period stays as it was.
std::optional<int> TimerPeriodMs(int intervalChoice, double freeInterval);

// Gives the timer its period and runs it when it should tick: a QTimer with period 0 would
// fire at every pass of the event loop, while a period of 0 here means no ticks at all.
void SetTimerPeriod(QTimer& timer, int periodMs, bool running);

class TSettingsForm : public QDialog {
    Q_OBJECT
public:
    // Translated from the current language's forms file on creation; clock, when given,
    // takes the event steps of the translation.
    explicit TSettingsForm(QWidget* parent = nullptr, tClock* clock = nullptr);

    void SetValues(float factor, int intervalChoice, double freeInterval);
    // Valid after "OK" closed the dialog.
    float Factor() const { return FFactor; }
    int IntervalChoice() const;
    double FreeInterval() const;

    // The entry of the factor field, when it is a factor the dialog accepts.
    std::optional<float> FieldFactor() const;

    QLineEdit* factFld = nullptr;
    QComboBox* IntvCombo = nullptr;
    QTimeEdit* IntvFld = nullptr;
    TRoundButton* OkBtn = nullptr;
    TRoundButton* CancelBtn = nullptr;

private:
    void IntvComboChange();
    void OkBtnclick();
    void MarkFactor(bool bad);

    float FFactor = 1.0f;
};

// Shows the settings dialog with the three values; after "OK" stores the edited values and
// returns true, otherwise leaves them as they were and returns false.
bool EditSettings(float& factor, int32_t& intervalChoice, double& freeInterval,
                  QWidget* parent = nullptr, tClock* clock = nullptr);
