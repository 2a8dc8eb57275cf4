#pragma once

#include <QMainWindow>
#include <QString>

#include "app/MainWindowServices.h"
#include "settings/SettingsFileLocation.h"
#include "settings/SettingsValues.h"

class QAction;
class QLabel;
class QPushButton;
class QStatusBar;
class QTabBar;

namespace miravel {

class ConditionsPanel;
class DriveBox;
class FileTableItemModel;
class FileTableView;
class FolderListWidget;
class FolderSession;
class OperationPanels;
class PathsOpener;
class SessionPrompts;
class StatusProgress;

// The one window: it lays out the controls and connects them to the folder session.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    QString Caption() const { return caption_; }
    FolderSession& Session() const { return *session_; }
    FileTableItemModel* TableModel() const { return tableModel_; }
    FileTableView* TableView() const { return ListView1; }
    FolderListWidget* FolderList() const { return Dir1; }
    QString StatusText(int panel) const;  // panels 1 to 4
    const MainWindowServices& Services() const { return services_; }
    StatusProgress* Progress() const { return progress_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildFolderPane(QWidget* parent);
    QWidget* BuildTablePane(QWidget* parent);
    void BuildOperations(QWidget* parent);
    void BuildStatusBar();
    void SetTabOrder();
    void Connect();
    void StartUp();
    void SetStatusText(int panel, const QString& text);

    MainWindowServices services_;
    QString caption_;
    // Read once at start-up, written once on close, always with the same section.
    QString settingsSection_;
    SettingsFilePaths settingsFiles_;
    SettingsValues settings_;

    FolderSession* session_ = nullptr;
    SessionPrompts* prompts_ = nullptr;
    PathsOpener* opener_ = nullptr;    // the folder and files named at start or dropped
    DriveBox* Drive1 = nullptr;        // mounted volumes' roots
    FolderListWidget* Dir1 = nullptr;  // the folder and its neighbours
    ConditionsPanel* conditions_ = nullptr;
    FileTableView* ListView1 = nullptr;  // the file table
    FileTableItemModel* tableModel_ = nullptr;
    QPushButton* Command4 = nullptr;  // selects every row ("全選択")
    QPushButton* cmdUndo = nullptr;   // takes back the last renames ("元に戻す")
    QAction* undoAction_ = nullptr;   // the same by Ctrl+Z where no text box takes the key
    StatusProgress* progress_ = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    static constexpr int kStatusPanels = 4;
    QLabel* statusPanels_[kStatusPanels] = {};
    QTabBar* TabStrip1 = nullptr;
    OperationPanels* Picture1 = nullptr;  // the operation panels, one shown per tab
};

}  // namespace miravel
