#include "app/widgets/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/AppTexts.h"
#include "app/SessionPrompts.h"
#include "app/widgets/OperationPanels.h"
#include "app/widgets/PathsOpener.h"
#include "app/widgets/PersistedTexts.h"
#include "app/widgets/ScreenFit.h"
#include "app/widgets/StatusProgress.h"
#include "files/FileTexts.h"
#include "files/widgets/ConditionsPanel.h"
#include "files/widgets/DriveBox.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FileTableView.h"
#include "files/widgets/FolderListWidget.h"
#include "files/widgets/SmallButton.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "rename/RenameTexts.h"
#include "rename/widgets/DeletePanel.h"
#include "rename/widgets/SerialPanel.h"
#include "session/FolderSession.h"
#include "settings/SettingsSection.h"
#include "settings/SettingsStore.h"
#include "settings/StartFolder.h"

namespace miravel {

namespace {

constexpr int kWindowWidthTwips = 10200;
constexpr int kTwipsPerInch = 1440;
constexpr int kLogicalDpi = 96;
constexpr int kRunMessageMs = 5000;

}  // namespace

MainWindow::MainWindow(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), caption_(WindowCaption(services.version)) {
    setObjectName(QStringLiteral("MainWindow"));
    tableModel_ = new FileTableItemModel(this);
    session_ = new FolderSession(*services_.fileSystem, tableModel_, this);
    prompts_ = new SessionPrompts(*session_, *services_.messages, caption_, this);

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 6, 6, 0);
    outer->setSpacing(6);
    auto* picture2 = new QFrame(central);  // the guide strip
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setFrameShape(QFrame::StyledPanel);
    picture2->setAutoFillBackground(true);
    picture2->setBackgroundRole(QPalette::Base);
    auto* guideLayout = new QHBoxLayout(picture2);
    guideLayout->setContentsMargins(8, 4, 8, 4);
    auto* label26 = new QLabel(app_texts::Guide.toString(), picture2);
    label26->setObjectName(QStringLiteral("Label26"));
    guideLayout->addWidget(label26);
    outer->addWidget(picture2);
    auto* body = new QHBoxLayout;
    body->setSpacing(6);
    body->addWidget(BuildFolderPane(central));
    body->addWidget(BuildTablePane(central), 1);
    outer->addLayout(body, 1);
    BuildOperations(central);
    outer->addWidget(TabStrip1);
    outer->addWidget(Picture1);
    setCentralWidget(central);
    BuildStatusBar();
    opener_ = new PathsOpener({session_, Drive1, ListView1, tableModel_, services_.fileSystem,
                               services_.messages, caption_},
                              this);
    SetTabOrder();
    Connect();
    StartUp();
}

MainWindow::~MainWindow() {
    // An in-place edit still open is abandoned: the children die after this body, and the
    // editor's last focus change must neither rename a file nor reach members already gone.
    ListView1->AbandonNameEdit();
}

QWidget* MainWindow::BuildFolderPane(QWidget* parent) {
    auto* pane = new QWidget(parent);
    pane->setFixedWidth(262);
    auto* left = new QVBoxLayout(pane);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(4);
    Drive1 = new DriveBox(pane);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setAccessibleName(app_texts::DriveLabel.toString());
    // Screen readers take a combo box's label from its buddy label; this one stays unseen.
    auto* driveLabel = new QLabel(Drive1->accessibleName(), pane);
    driveLabel->setBuddy(Drive1);
    driveLabel->hide();
    left->addWidget(Drive1);
    Dir1 = new FolderListWidget(pane);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setAccessibleName(app_texts::FolderLabel.toString());
    left->addWidget(Dir1, 1);
    conditions_ = new ConditionsPanel(services_.today, pane);
    left->addWidget(conditions_);
    return pane;
}

QWidget* MainWindow::BuildTablePane(QWidget* parent) {
    auto* pane = new QWidget(parent);
    auto* right = new QVBoxLayout(pane);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(4);
    ListView1 = new FileTableView(pane);
    ListView1->setModel(tableModel_);
    ListView1->setSelectionModel(session_->Selection());
    ListView1->header()->setSectionsClickable(true);
    right->addWidget(ListView1, 1);
    auto* buttons = new QHBoxLayout;
    Command4 =
        MakeSmallButton(QStringLiteral("Command4"), app_texts::SelectAllCaption.toString(), pane);
    const QString undoCaption = rename_texts::UndoCaption.toString();
    cmdUndo = MakeSmallButton(QStringLiteral("cmdUndo"), undoCaption, pane);
    // A text box with the focus takes Ctrl+Z for its own typing first.
    undoAction_ = new QAction(undoCaption, this);
    undoAction_->setObjectName(QStringLiteral("undoAction"));
    undoAction_->setShortcut(QKeySequence::Undo);
    undoAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(undoAction_);
    buttons->addWidget(Command4);
    buttons->addWidget(cmdUndo);
    buttons->addStretch(1);
    right->addLayout(buttons);
    return pane;
}

void MainWindow::BuildOperations(QWidget* parent) {
    TabStrip1 = new QTabBar(parent);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setAccessibleName(app_texts::OperationsLabel.toString());
    for (const QStringView caption : app_texts::TabCaptions)
        TabStrip1->addTab(caption.toString());
    TabStrip1->setExpanding(false);
    Picture1 = new OperationPanels(services_.messages, caption_, parent);
}

void MainWindow::BuildStatusBar() {
    progress_ = new StatusProgress(this);
    session_->SetProgress(progress_);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(true);
    for (int panel = 0; panel < kStatusPanels; ++panel) {
        statusPanels_[panel] = new QLabel(StatusBar1);
        statusPanels_[panel]->setObjectName(QStringLiteral("StatusPanel%1").arg(panel + 1));
        statusPanels_[panel]->setMinimumWidth(panel == 2 ? 200 : 110);
        StatusBar1->addWidget(statusPanels_[panel], panel == 2 ? 1 : 0);
    }
    setStatusBar(StatusBar1);
    progress_->AttachTo(StatusBar1);
}

void MainWindow::SetTabOrder() {
    // Tab follows the reading order: the folder, the pattern, the conditions row by row, the
    // table, then the tabs and on into the panel shown.
    QList<QWidget*> order = {Drive1, Dir1};
    order += conditions_->ReadingOrder();
    order += {ListView1, Command4, cmdUndo, TabStrip1};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::Connect() {
    FolderSession* session = session_;
    connect(Drive1, &DriveBox::RootChosen, session, &FolderSession::OpenVolume);
    connect(Dir1, &FolderListWidget::PathChanged, session, &FolderSession::OpenFolder);
    connect(session, &FolderSession::FolderChanged, Dir1, &FolderListWidget::SetPath);
    connect(Dir1, &FolderListWidget::PathsDropped, opener_, &PathsOpener::OpenPaths);
    connect(session, &FolderSession::SubFoldersChanged, Dir1, &FolderListWidget::ShowFolder);
    connect(session, &FolderSession::FolderChanged, this, [this](const QString& folder) {
        SetStatusText(3, files_texts::FolderSelectionText(folder));
    });
    connect(conditions_, &ConditionsPanel::PatternChanged, session, &FolderSession::SetPattern);
    connect(conditions_, &ConditionsPanel::DatesChanged, session,
            &FolderSession::SetDateConditions);

    connect(session, &FolderSession::FillStarting, ListView1, &FileTableView::BeginRefill);
    connect(session, &FolderSession::TableRefilled, ListView1, &FileTableView::EndRefill);
    connect(session, &FolderSession::TableRefilled, this, [this](const SelectionSummary& summary) {
        Picture1->Serial()->SetDigitsFromCount(summary.count);
        SetStatusText(1, summary.countText);
        SetStatusText(2, summary.sizeText);
    });
    connect(session, &FolderSession::SelectionSummaryChanged, this,
            [this](const SelectionSummary& summary) {
                SetStatusText(3, summary.placeText);
                Picture1->Serial()->SetDigitsFromCount(summary.count);
                SetStatusText(1, summary.countText);
                SetStatusText(2, summary.sizeText);
            });
    connect(ListView1, &FileTableView::SelectionGestureEnded, session,
            &FolderSession::ReportSelection);
    connect(Command4, &QPushButton::clicked, session, &FolderSession::SelectAll);
    connect(Command4, &QPushButton::clicked, ListView1,
            [this] { ListView1->setFocus(Qt::OtherFocusReason); });
    connect(ListView1, &FileTableView::NameEdited, session, &FolderSession::RenameInPlace);
    connect(session, &FolderSession::InPlaceRenameEnded, ListView1, &FileTableView::EndNameEdit);

    connect(TabStrip1, &QTabBar::currentChanged, Picture1, &QStackedWidget::setCurrentIndex);
    connect(Picture1, &OperationPanels::RequestChanged, session, &FolderSession::SetOperation);
    connect(Picture1, &OperationPanels::RunRequested, prompts_, &SessionPrompts::Run);
    connect(session, &FolderSession::RunFinished, this, [this](const BatchResult& result) {
        StatusBar1->showMessage(app_texts::RunFinishedText(result.Count(RowOutcome::Kind::Renamed),
                                                           result.Count(RowOutcome::Kind::Failed)),
                                kRunMessageMs);
    });
    connect(session, &FolderSession::PlanChanged, this,
            [this](const std::shared_ptr<const BatchRun>& run) {
                SetStatusText(4, app_texts::PlanCountsText(*run));
            });
    connect(cmdUndo, &QPushButton::clicked, prompts_, &SessionPrompts::Undo);
    connect(undoAction_, &QAction::triggered, prompts_, &SessionPrompts::Undo);
    connect(session, &FolderSession::UndoAvailable, cmdUndo, &QWidget::setEnabled);
    connect(session, &FolderSession::UndoAvailable, undoAction_, &QAction::setEnabled);
    cmdUndo->setEnabled(false);
    undoAction_->setEnabled(false);
}

void MainWindow::StartUp() {
    setWindowTitle(caption_);
    FitToScreen(*this, QSize(kWindowWidthTwips * kLogicalDpi / kTwipsPerInch, 640));
    conditions_->ChooseFirstType();
    Picture1->Serial()->cmbZero()->setCurrentIndex(0);

    settingsSection_ = SettingsSectionForUser(services_.loginName, services_.userId);
    settingsFiles_ = SettingsFileLocation(services_.appFolder, services_.userConfigFolder);
    const QString fallback = FallbackStartFolder(services_.appFolder, services_.homeFolder);
    SettingsValues defaults;
    defaults.folder = fallback;
    settings_ = LoadSettings(settingsFiles_.readFrom, settingsSection_, defaults);
    // A relative path would depend on wherever the program happened to be started from.
    const StartRequest& request = services_.start;
    const QString folder =
        !request.folder.isEmpty()
            ? request.folder
            : StartFolder(settings_.folder, fallback, [this](const QString& path) {
                  return QDir::isAbsolutePath(path) && services_.fileSystem->FolderExists(path);
              });
    opener_->Open(folder, request.selectNames, StartRequestNotice(request));
    FillPersistedTexts(this, settings_);
    // The delete example marks at once texts that a run would refuse.
    Picture1->Delete()->ApplyRefusalMark();
    session_->SetOperation(Picture1->CurrentRequest());

    tableModel_->SetHeaderImage(kNameColumn, QStringLiteral("up"));
    QHeaderView* header = ListView1->header();
    header->moveSection(header->visualIndex(kNoColumn), 0);
    header->moveSection(header->visualIndex(kPreviewColumn), header->visualIndex(kNameColumn) + 1);
}

QString MainWindow::StatusText(int panel) const {
    return statusPanels_[panel - 1]->text();
}

void MainWindow::SetStatusText(int panel, const QString& text) {
    statusPanels_[panel - 1]->setText(text);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!session_->Folder().isEmpty())
        settings_.folder = session_->Folder();
    TakePersistedTexts(this, settings_);
    SaveSettings(settingsFiles_, settingsSection_, settings_);
    event->accept();
}

}  // namespace miravel
