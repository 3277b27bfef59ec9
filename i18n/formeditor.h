// The form editor: a translator edits the captions and hints of one live window, sees each
// change in the window at once, and stores them in the window's section of a forms file.
// The editor itself is in English and never translated.
#pragma once

#include "i18n/translist.h"

#include <QDialog>
#include <QPointer>
#include <memory>

class QLabel;
class QPushButton;
class QTabBar;
class QTableWidgetItem;
class TEditGrid;
class tClock;

class TTranslatorSimpleDlg : public QDialog {
    Q_OBJECT
public:
    // Tabs of the tab set.
    static constexpr int kCaptionTab = 0;
    static constexpr int kHintTab = 1;

    // Translation passes run through the clock when one is given.
    explicit TTranslatorSimpleDlg(tClock* clock = nullptr);
    ~TTranslatorSimpleDlg() override;

    // Collects the window's texts as translated from the origin file and from the
    // destination file, then selects the caption tab (which stores once).
    void Prepare(QWidget* form, const QString& originFile, const QString& destFile);
    // Puts the destination texts into the window, writes the window's section of the
    // destination file from it and translates the window from that file again. False when
    // there is no window (any more) to store.
    bool Store();

    int CurrentTab() const { return FTab; }
    TTransList* OriginList() const { return FOriginList.get(); }
    TTransList* DestList() const { return FDestList.get(); }

    // "abort", Esc: asks before closing without storing.
    void reject() override;
    // Closing after "OK" stores once more.
    void done(int result) override;

    QTabBar* TabSet;
    TEditGrid* Grid;
    QPushButton* OkBtn;
    QPushButton* AbortBtn;

private:
    void TabSetChange(int index);
    void OkBtnClick();
    void GridItemChanged(QTableWidgetItem* item);
    void GridCurrentCellChanged(int row, int column, int oldRow, int oldColumn);
    void ShowTexts();

    tClock* FClock;
    QPointer<QWidget> FForm;
    QString FOriginFile, FDestFile;
    std::unique_ptr<TTransList> FOriginList, FDestList;
    int FTab = kCaptionTab;
    bool FClosingByOk = false;
    bool FFilling = false;    // the table is being filled by program
    bool FSettingTab = false; // the tab set is being set by program
    QLabel* FOriginLabel;
    QLabel* FFormLabel;
    QLabel* FDestLabel;
};

// Shows the form editor for the window, modally, and destroys it afterwards. Every caller
// passes the current language's forms file as both origin and destination.
void OpenFormEditor(QWidget* form, const QString& originFile, const QString& destFile,
                    tClock* clock = nullptr);
