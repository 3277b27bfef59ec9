// The question whether readings already listed are discarded or kept when new ones come in
// (continuous measurement, reading the meter's memory).
#pragma once

#include <QDialog>

class TRadioGroup;
class TRoundButton;
class tClock;

class TmdlgForm : public QDialog {
    Q_OBJECT
public:
    // Translated from the current language's forms file on creation; clock, when given,
    // takes the event steps of the translation.
    explicit TmdlgForm(QWidget* parent = nullptr, tClock* clock = nullptr);

    TRadioGroup* mGrp = nullptr;
    TRoundButton* OkBtn = nullptr;
};

// Answers of AskDiscardOrAppend; callers discard only on kDiscardReadings.
constexpr int kDiscardReadings = 0;
constexpr int kAppendReadings = 1;

// Shows the dialog modally: the chosen item (0 discard, 1 append) after "OK", -1 when it was
// closed otherwise.
int AskDiscardOrAppend(QWidget* parent = nullptr, tClock* clock = nullptr);
