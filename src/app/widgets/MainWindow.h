#pragma once

#include <QMainWindow>
#include <QString>

#include "app/MainWindowServices.h"
#include "files/DateConditions.h"
#include "platform/DateTakenCache.h"
#include "platform/TypeDescriptions.h"
#include "rename/BatchRename.h"
#include "rename/UndoHistory.h"
#include "settings/SettingsFileLocation.h"
#include "settings/SettingsValues.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabBar;

namespace miravel {

class AddPanel;
class ConvertPanel;
class DateBox;
class DeletePanel;
class FileListBox;
class FileTableItemModel;
class FileTableView;
class FolderListWidget;
class ReplacePanel;
class SerialPanel;
class StatusProgress;

// The one window: it owns every control and binds them to the logic of the rooms.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    QString Caption() const { return caption_; }
    FileTableItemModel* TableModel() const { return tableModel_; }
    FileTableView* TableView() const { return ListView1; }
    FolderListWidget* FolderList() const { return Dir1; }
    FileListBox* FileList() const { return File1; }
    QString StatusText(int panel) const;  // panels 1 to 3
    const MainWindowServices& Services() const { return services_; }

    // Rebuilds the table from the file list: every row selected, status panels 1 and 2, the
    // digit count of the serial panel, the current sort.
    void FillFileTable();
    // Refreshes the file list from the folder, then fills.
    void Refill();
    // Selects the zero-padding entry equal to the digit count of count (the last when none).
    void SetDigitsFromCount(qint64 count);
    void SetStatusText(int panel, const QString& text);
    // Selected rows' names in table order.
    QStringList SelectedRowNames() const;
    // What the operation panels' batch runs are given of the window.
    BatchContext MakeBatchContext();
    // Gives the files of the last batch run or in-place rename their old names, then refills.
    void UndoLastRename();
    StatusProgress* Progress() const { return progress_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void StartUp();
    void DriveChanged();
    void FolderChanged();
    void PatternChanged();
    void PatternLeave();
    void ShowPanelForTab();
    void SelectDriveFor(const QString& folder);
    void ApplyTypeFilter();
    void ResetCreatedRange();
    void ResetModifiedRange();
    DateConditions CurrentDateConditions() const;
    void FillPersistedTexts(const SettingsValues& values);
    void TakePersistedTexts(SettingsValues& values) const;
    QPushButton* MakeUndoControls(QWidget* parent);

    MainWindowServices services_;
    QString caption_;
    // Read once at start-up, written once on close, always with the same section.
    QString settingsSection_;
    SettingsFilePaths settingsFiles_;
    SettingsValues settings_;
    TypeDescriptions typeDescriptions_;  // cached per extension across fills
    DateTakenCache datesTaken_;          // the photos' dates, each file version read once

    // Folder and pattern.
    QComboBox* Drive1 = nullptr;       // mounted volumes' roots
    FolderListWidget* Dir1 = nullptr;  // the folder and its neighbours
    FileListBox* File1 = nullptr;      // never shown: the folder's matching files
    QLineEdit* txtPattern = nullptr;   // search pattern ("検索文字")
    QPushButton* Command5 = nullptr;   // resets the pattern ("ｸﾘｱ")
    // Conditions.
    QComboBox* Combo2 = nullptr;      // type filter
    DateBox* txtMkDate1 = nullptr;    // created from
    DateBox* txtMkDate2 = nullptr;    // created to
    DateBox* txtReNew1 = nullptr;     // modified from
    DateBox* txtReNew2 = nullptr;     // modified to
    QPushButton* cmdClear = nullptr;  // resets the creation range
    QPushButton* Command6 = nullptr;  // resets the modification range
    // File table.
    FileTableView* ListView1 = nullptr;  // the file table
    FileTableItemModel* tableModel_ = nullptr;
    QPushButton* Command4 = nullptr;  // selects every row ("全選択")
    QPushButton* cmdUndo = nullptr;   // takes back the last renames ("元に戻す")
    QAction* undoAction_ = nullptr;   // the same by Ctrl+Z where no text box takes the key
    UndoHistory undo_;
    StatusProgress* progress_ = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* statusPanels_[3] = {};
    // Operations.
    QLabel* Label26 = nullptr;  // the guide of the four steps
    QTabBar* TabStrip1 = nullptr;
    QFrame* Picture1 = nullptr;  // holds the operation panels
    ReplacePanel* Frame3 = nullptr;
    AddPanel* Frame4 = nullptr;
    SerialPanel* Frame5 = nullptr;
    DeletePanel* Frame6 = nullptr;
    ConvertPanel* Frame7 = nullptr;
};

}  // namespace miravel
