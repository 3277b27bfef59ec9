// The texts of one live window as rows a translator can edit: one row for every caption,
// hint and list item, each remembering the control (and item) it came from, so that edited
// texts go straight back into the window.
#pragma once

#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class QWidget;

class TTransObj {
public:
    // Fills the row from one control, or from a window, and says whether the row is worth
    // keeping. A control tagged 9 gives no row.
    bool FromComponent(QWidget* component);
    // Writes the row's caption and hint back into its control (or item); rows without one,
    // or whose control is gone, are skipped.
    void ApplyToComponent() const;

    QString Name;    // class name, control name, or "name [n]" for item n counted from 1
    QString Caption; // caption, text or item text
    QString Hint;
    bool HintEditable = false;
    bool CaptionEditable = true;
    QPointer<QWidget> Component;
    int ItemIndex = -1; // -1: the control itself; else that item of its list

private:
    friend class TTransList;
    void Reset();
    bool FromWindow(QWidget* window);

    bool FWindowRow = false; // the row of the window itself
};

class TTransList {
public:
    // Adds the rows of the window: its own row, then its controls in creation order, lists
    // item by item.
    void Collect(QWidget* form);
    // Writes every row back into its control, in list order, captions and hints alike.
    void Apply() const;
    // The row, or nullptr outside the list.
    TTransObj* Items(int index) const;
    // The row's flag; false outside the list.
    bool CaptionEditable(int index) const;
    bool HintEditable(int index) const;
    void Clear();

    int Count() const { return int(FRows.size()); }
    QWidget* Form() const { return FForm; }

private:
    void Add(std::unique_ptr<TTransObj> row);
    void AddItems(QWidget* w);

    std::vector<std::unique_ptr<TTransObj>> FRows;
    QPointer<QWidget> FForm;
};
