// The message editor: a translator edits the entries of a messages file, row by row, next
// to the entries of an origin file. It is in English and never translated.
#pragma once

#include "i18n/msgmanager.h"

#include <QDialog>
#include <QStringList>
#include <memory>

class QLabel;
class QPushButton;
class QTableWidgetItem;
class TEditGrid;

// One element per row in each of the four lists.
class TMsgTransList {
public:
    void Add(const QString& section, const QString& key, const QString& origin,
             const QString& dest);
    int Count() const { return int(Keys.size()); }
    void Clear();

    QStringList Sections, Keys, Origins, Dests;
};

class TTrnsmsgForm : public QDialog {
    Q_OBJECT
public:
    // Reads both files and fills the table; a missing destination file is first made as a
    // copy of the origin file.
    TTrnsmsgForm(const QString& originFile, const QString& destFile, QWidget* parent = nullptr);
    ~TTrnsmsgForm() override;

    // Writes every row's destination value into the destination store and saves it to the
    // destination file (silently refused where the file may not be written).
    void StoreAll();

    const TMsgTransList& List() const { return FList; }

    // Every way of closing but "OK" asks first.
    void reject() override;

    TEditGrid* Grid;
    QPushButton* OkBtn;
    QPushButton* AbortBtn;

private:
    void GridItemChanged(QTableWidgetItem* item);
    void OkBtnClick();

    QString FOriginFile, FDestFile;
    std::unique_ptr<TMsgManager> FOrigin, FDest;
    TMsgTransList FList;
};

// Nothing when the origin file does not exist; otherwise shows the message editor modally
// and, after "OK", stores into the destination file. True when it stored. The caller then
// recreates its message manager, so that the edited texts take effect.
bool OpenMessageEditor(const QString& originFile, const QString& destFile);
