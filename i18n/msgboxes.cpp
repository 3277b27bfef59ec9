// Message boxes laid out like the platform's standard box: icon left of the wrapped text,
// one centred row of equally wide buttons below.
#include "i18n/msgboxes.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace {

enum class tBoxKind { Info, Question, CenteredQuestion };

class TMsgBoxDialog : public QDialog {
public:
    TMsgBoxDialog(tBoxKind kind, const QString& text);

    // Esc and the frame's close button.
    void reject() override { done(FCancelResult); }

private:
    QPushButton* AddButton(QHBoxLayout* row, const QString& caption, int result);

    int FCancelResult = mrCancel;
    std::vector<QPushButton*> FButtons;
};

TMsgBoxDialog::TMsgBoxDialog(tBoxKind kind, const QString& text)
{
    const bool info = kind == tBoxKind::Info;
    setWindowTitle(info ? QStringLiteral("Information") : QStringLiteral("Bestätigung"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(QApplication::font("QMessageBoxLabel")); // the platform's message font

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(
        style()
            ->standardIcon(info ? QStyle::SP_MessageBoxInformation : QStyle::SP_MessageBoxQuestion,
                           nullptr, this)
            .pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);

    // The text wraps at half the screen's width; shorter texts keep their own width.
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("message"));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    const int maxWidth = std::max(100, screenRect.width() / 2);
    const QRect textRect = label->fontMetrics().boundingRect(
        QRect(0, 0, maxWidth, 100000), Qt::TextWordWrap | Qt::AlignLeft, text);
    const int textWidth = std::min(maxWidth, textRect.width() + 2);
    label->setFixedSize(textWidth, label->heightForWidth(textWidth));

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, this));
    top->addWidget(label);
    top->addStretch();

    // One centred row in the order "&Ja", "&Nein", "OK", "Abbrechen". Enter presses "OK"
    // or else "&Ja"; Esc and closing the box press "Abbrechen" or else "OK".
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* def = nullptr;
    if (info) {
        def = AddButton(row, QStringLiteral("OK"), mrOk);
        FCancelResult = mrOk;
    } else {
        def = AddButton(row, QStringLiteral("&Ja"), mrYes);
        AddButton(row, QStringLiteral("&Nein"), mrNo);
        AddButton(row, QStringLiteral("Abbrechen"), mrCancel);
        FCancelResult = mrCancel;
    }
    row->addStretch();
    def->setDefault(true);
    def->setFocus();

    // All buttons as wide as the widest caption, and never narrower than a standard button.
    int width = std::max(75, style()->pixelMetric(QStyle::PM_DialogButtonsButtonWidth));
    for (QPushButton* b : FButtons)
        width = std::max(width, b->sizeHint().width());
    for (QPushButton* b : FButtons)
        b->setFixedWidth(width);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, this));
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetNoConstraint);

    // The whole window, frame included, goes to the centre of the screen.
    QSize size = layout->sizeHint();
    setFixedSize(size);
    winId(); // the frame is known once the window exists
    const QSize frame = frameGeometry().size();
    move(screenRect.x() + (screenRect.width() - frame.width()) / 2,
         screenRect.y() + (screenRect.height() - frame.height()) / 2);
    if (kind == tBoxKind::CenteredQuestion) return;

    // The other boxes then grow by the screen's resolution against 96 dots per inch.
    const qreal dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    if (dpi > 0 && !qFuzzyCompare(dpi, 96.0))
        setFixedSize(qRound(size.width() * dpi / 96.0), qRound(size.height() * dpi / 96.0));
}

QPushButton* TMsgBoxDialog::AddButton(QHBoxLayout* row, const QString& caption, int result)
{
    auto* button = new QPushButton(caption, this);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    row->addWidget(button);
    FButtons.push_back(button);
    return button;
}

int ShowBox(tBoxKind kind, const QString& text)
{
    TMsgBoxDialog box(kind, text);
    return box.exec();
}

} // namespace

int InfoBox(const QString& text)
{
    return ShowBox(tBoxKind::Info, text);
}

int YesNoCancelBox(const QString& text)
{
    return ShowBox(tBoxKind::Question, text);
}

int CenteredYesNoCancelBox(const QString& text)
{
    return ShowBox(tBoxKind::CenteredQuestion, text);
}
