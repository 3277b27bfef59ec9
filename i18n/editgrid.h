// The table of the two translation editors: always ready to type into, Tab and Enter move
// to the next cell, Esc asks the window to close, and typed texts are held to a length.
#pragma once

#include <QPointer>
#include <QTableWidget>

class QTableView;

class TEditGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TEditGrid(QWidget* parent = nullptr);

    // Longest text a translator can type into a cell. A longer text already in a cell is not
    // cut by merely entering it.
    void SetMaxLength(int length) { FMaxLength = length; }
    int MaxLength() const { return FMaxLength; }
    // That column's texts are drawn sunken.
    void SetSunkenColumn(int column) { FSunkenColumn = column; }
    int SunkenColumn() const { return FSunkenColumn; }
    // The first column stays in place when the table scrolls sideways (call once the columns
    // exist).
    void FixFirstColumn();

    // Ends the cell edit in progress and keeps what was typed.
    void EndEdit();
    // Makes the cell current; its editor opens when it is editable.
    void GoTo(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void updateGeometries() override;

private:
    friend class tGridDelegate;
    void UpdateFixedColumn();

    int FMaxLength = 100;
    int FSunkenColumn = -1;
    QPointer<QWidget> FEditor;
    QTableView* FFixed = nullptr;
};
