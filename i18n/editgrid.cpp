// The editors' table: a cell editor is open wherever the current cell may be edited.
#include "i18n/editgrid.h"

#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

class tGridDelegate : public QStyledItemDelegate {
public:
    explicit tGridDelegate(TEditGrid* grid) : QStyledItemDelegate(grid), FGrid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(
                std::max<int>(FGrid->FMaxLength, index.data(Qt::EditRole).toString().size()));
        FGrid->FEditor = editor;
        return editor;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        if (index.column() != FGrid->FSunkenColumn) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (!style) return;
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const QRect rect =
            style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(2, 0, -2, 0);
        const QString shown = opt.fontMetrics.elidedText(text, opt.textElideMode, rect.width());
        const int align = int(Qt::AlignLeft | Qt::AlignVCenter);
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(QPalette::Light));
        painter->drawText(rect.translated(1, 1), align, shown);
        painter->setPen(opt.palette.color(QPalette::Dark));
        painter->drawText(rect, align, shown);
        painter->restore();
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // Enter moves on like Tab, keeping the text.
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
                return true;
            case Qt::Key_Escape:
                // Esc belongs to the window (it asks before closing); the text typed so far
                // is kept for when the window stays open.
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                if (auto* dialog = qobject_cast<QDialog*>(FGrid->window()))
                    QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
                return true;
            default:
                break;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TEditGrid* FGrid;
};

TEditGrid::TEditGrid(QWidget* parent) : QTableWidget(parent)
{
    setItemDelegate(new tGridDelegate(this));
    setEditTriggers(QAbstractItemView::AllEditTriggers); // an editor opens on the current cell
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsMovable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TEditGrid::EndEdit()
{
    if (QWidget* editor = FEditor) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TEditGrid::GoTo(int row, int column)
{
    setCurrentCell(row, column);
}

// A cell made current while the table was hidden gets its editor when the table shows.
void TEditGrid::showEvent(QShowEvent* event)
{
    QTableWidget::showEvent(event);
    const QModelIndex current = currentIndex();
    if (!FEditor && current.isValid() && (current.flags() & Qt::ItemIsEditable)) edit(current);
}

void TEditGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == FEditor) FEditor = nullptr;
    QTableWidget::closeEditor(editor, hint);
}

void TEditGrid::keyPressEvent(QKeyEvent* event)
{
    // Enter on a cell without an editor moves on as well, instead of pressing the window's
    // default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QModelIndex next = moveCursor(MoveNext, Qt::NoModifier);
        if (next.isValid()) setCurrentIndex(next);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// ---- the fixed first column: a second view of the same cells, laid over the first column

void TEditGrid::FixFirstColumn()
{
    if (FFixed || columnCount() == 0) return;
    FFixed = new QTableView(this);
    FFixed->setObjectName(QStringLiteral("FixedColumn"));
    FFixed->setModel(model());
    FFixed->setSelectionModel(selectionModel());
    FFixed->setFocusPolicy(Qt::NoFocus);
    FFixed->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FFixed->setFrameShape(QFrame::NoFrame);
    FFixed->verticalHeader()->hide();
    FFixed->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FFixed->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    FFixed->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FFixed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FFixed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 1; c < columnCount(); ++c)
        FFixed->setColumnHidden(c, true);
    FFixed->setColumnWidth(0, columnWidth(0));
    // Pixel scrolling keeps both views' rows level.
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    FFixed->setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(FFixed);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) {
                if (column != 0) return;
                FFixed->setColumnWidth(0, size);
                UpdateFixedColumn();
            });
    connect(FFixed->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, FFixed->verticalScrollBar(),
            &QAbstractSlider::setValue);
    UpdateFixedColumn();
    FFixed->show();
}

void TEditGrid::UpdateFixedColumn()
{
    if (!FFixed) return;
    FFixed->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                        viewport()->height() + horizontalHeader()->height());
}

void TEditGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    UpdateFixedColumn();
}

void TEditGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    UpdateFixedColumn();
}

// A cell moved to from the right must not end up hidden under the fixed column.
QModelIndex TEditGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableWidget::moveCursor(action, modifiers);
    if (FFixed && action == MoveLeft && current.column() > 0 &&
        visualRect(current).topLeft().x() < FFixed->columnWidth(0)) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() +
                                        visualRect(current).topLeft().x() - FFixed->columnWidth(0));
    }
    return current;
}

void TEditGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // The fixed column is always in sight: going to one of its cells scrolls up or down only.
    if (FFixed && index.column() == 0) {
        const int sideways = horizontalScrollBar()->value();
        QTableWidget::scrollTo(index, hint);
        horizontalScrollBar()->setValue(sideways);
        return;
    }
    QTableWidget::scrollTo(index, hint);
}
