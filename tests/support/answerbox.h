// Answers the next message box by program, from inside its own event loop: zero-delay
// timers wait until a modal window other than a TBehind (the window that asks) is active,
// then click its button with the caption.
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

template <class TBehind>
void AnswerNextBox(const QString& caption, int triesLeft = 100)
{
    QTimer::singleShot(0, [caption, triesLeft] {
        QWidget* box = QApplication::activeModalWidget();
        if (box && box->isVisible() && !qobject_cast<TBehind*>(box)) {
            for (QPushButton* b : box->findChildren<QPushButton*>())
                if (b->text() == caption) return b->click();
            QFAIL("no such button");
        } else if (triesLeft > 0) {
            AnswerNextBox<TBehind>(caption, triesLeft - 1);
        } else {
            QFAIL("no question came up");
        }
    });
}
