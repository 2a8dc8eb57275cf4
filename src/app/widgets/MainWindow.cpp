#include "app/widgets/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <memory>

#include "app/AppTexts.h"
#include "app/widgets/StatusProgress.h"
#include "files/FileListBox.h"
#include "files/FileTableFill.h"
#include "files/FileTexts.h"
#include "files/Formats.h"
#include "files/TypeFilter.h"
#include "files/widgets/DateBox.h"
#include "files/widgets/FileTableItemModel.h"
#include "files/widgets/FileTableView.h"
#include "files/widgets/FolderListWidget.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/TypeDescriptions.h"
#include "rename/FolderEntriesRead.h"
#include "rename/RenameTexts.h"
#include "rename/widgets/AddPanel.h"
#include "rename/widgets/ConvertPanel.h"
#include "rename/widgets/DeletePanel.h"
#include "rename/widgets/ReplacePanel.h"
#include "rename/widgets/SerialPanel.h"
#include "settings/SettingsSection.h"
#include "settings/SettingsStore.h"
#include "settings/StartFolder.h"

namespace miravel {

namespace {

constexpr int kWindowWidthTwips = 10200;
constexpr int kTwipsPerInch = 1440;
constexpr int kLogicalDpi = 96;

QPushButton* MakeButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    // Captions are short; keep the buttons no wider than they need to be.
    button->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(caption) + 24);
    return button;
}

DateBox* MakeDateBox(const QString& objectName, const QString& text, const QString& accessible,
                     const std::function<QDate()>& today, QWidget* parent) {
    auto* box = new DateBox(text, today, parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessible);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00")) + 12);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

// The text boxes whose texts are remembered between runs, in the order they are filled.
struct PersistedBox {
    const char* objectName;
    QString SettingsValues::*value;
};
constexpr PersistedBox kPersistedBoxes[] = {
    {"Text1", &SettingsValues::replaceFind}, {"Text2", &SettingsValues::replaceWith},
    {"Text3", &SettingsValues::addText},     {"Text4", &SettingsValues::serialBefore},
    {"Text6", &SettingsValues::serialAfter}, {"Text7", &SettingsValues::deleteStart},
    {"Text8", &SettingsValues::deleteEnd}};

}  // namespace

MainWindow::MainWindow(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), caption_(WindowCaption(services.version)) {
    setObjectName(QStringLiteral("MainWindow"));
    BuildControls();
    StartUp();
}

MainWindow::~MainWindow() {
    // An in-place edit still open is abandoned: the children die after this body, and the
    // editor's last focus change must neither rename a file nor reach members already gone.
    ListView1->Bind({});
}

void MainWindow::BuildControls() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 6, 6, 0);
    outer->setSpacing(6);

    // Guide strip.
    auto* picture2 = new QFrame(central);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setFrameShape(QFrame::StyledPanel);
    picture2->setAutoFillBackground(true);
    picture2->setBackgroundRole(QPalette::Base);
    auto* guideLayout = new QHBoxLayout(picture2);
    guideLayout->setContentsMargins(8, 4, 8, 4);
    Label26 = new QLabel(texts::GuideText(), picture2);
    Label26->setObjectName(QStringLiteral("Label26"));
    guideLayout->addWidget(Label26);
    outer->addWidget(picture2);

    auto* body = new QHBoxLayout;
    body->setSpacing(6);
    outer->addLayout(body, 1);

    // Folder, pattern and conditions on the left.
    auto* leftPane = new QWidget(central);
    leftPane->setFixedWidth(262);
    auto* left = new QVBoxLayout(leftPane);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(4);
    body->addWidget(leftPane);
    Drive1 = new QComboBox(central);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setAccessibleName(QStringLiteral("ドライブ"));
    // Screen readers take a combo box's label from its buddy label; this one stays unseen.
    auto* driveLabel = new QLabel(Drive1->accessibleName(), leftPane);
    driveLabel->setBuddy(Drive1);
    driveLabel->hide();
    left->addWidget(Drive1);
    Dir1 = new FolderListWidget(*services_.fileSystem, central);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setAccessibleName(QStringLiteral("フォルダ"));
    left->addWidget(Dir1, 1);
    File1 = new FileListBox(*services_.fileSystem, this);
    File1->setObjectName(QStringLiteral("File1"));

    auto* patternRow = new QHBoxLayout;
    auto* patternLabel = new QLabel(texts::PatternLabel(), central);
    txtPattern = new QLineEdit(texts::DefaultPattern(), central);
    txtPattern->setObjectName(QStringLiteral("txtPattern"));
    txtPattern->setAccessibleName(texts::PatternLabel());
    patternLabel->setBuddy(txtPattern);
    Command5 = MakeButton(QStringLiteral("Command5"), texts::ClearCaption(), central);
    Command5->setAccessibleName(texts::PatternLabel() + texts::ClearCaption());
    patternRow->addWidget(patternLabel);
    patternRow->addWidget(txtPattern, 1);
    patternRow->addWidget(Command5);
    left->addLayout(patternRow);

    auto* conditions = new QGridLayout;
    conditions->setHorizontalSpacing(2);
    conditions->setVerticalSpacing(4);
    auto* typeLabel = new QLabel(texts::TypeLabel(), central);
    Combo2 = new QComboBox(central);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setAccessibleName(texts::TypeLabel());
    Combo2->addItems(TypeFilterEntries());
    typeLabel->setBuddy(Combo2);
    conditions->addWidget(typeLabel, 0, 0);
    conditions->addWidget(Combo2, 0, 1, 1, 3, Qt::AlignLeft);
    const QString fromDefault = QLatin1String(kDateFromDefault);
    const QString toDefault = QLatin1String(kDateToDefault);
    txtMkDate1 =
        MakeDateBox(QStringLiteral("txtMkDate1"), fromDefault,
                    texts::CreatedLabel() + QStringLiteral("から"), services_.today, central);
    txtMkDate2 =
        MakeDateBox(QStringLiteral("txtMkDate2"), toDefault,
                    texts::CreatedLabel() + QStringLiteral("まで"), services_.today, central);
    txtReNew1 =
        MakeDateBox(QStringLiteral("txtReNew1"), fromDefault,
                    texts::ModifiedLabel() + QStringLiteral("から"), services_.today, central);
    txtReNew2 =
        MakeDateBox(QStringLiteral("txtReNew2"), toDefault,
                    texts::ModifiedLabel() + QStringLiteral("まで"), services_.today, central);
    cmdClear = MakeButton(QStringLiteral("cmdClear"), texts::ClearCaption(), central);
    cmdClear->setAccessibleName(texts::CreatedLabel() + texts::ClearCaption());
    Command6 = MakeButton(QStringLiteral("Command6"), texts::ClearCaption(), central);
    Command6->setAccessibleName(texts::ModifiedLabel() + texts::ClearCaption());
    auto addRange = [&](int row, const QString& label, QLineEdit* from, QLineEdit* to,
                        QPushButton* clear) {
        auto* caption = new QLabel(label, central);
        caption->setBuddy(from);
        conditions->addWidget(caption, row, 0);
        conditions->addWidget(from, row, 1);
        conditions->addWidget(new QLabel(QStringLiteral("～"), central), row, 2);
        conditions->addWidget(to, row, 3);
        conditions->addWidget(clear, row, 4);
    };
    addRange(1, texts::CreatedLabel(), txtMkDate1, txtMkDate2, cmdClear);
    addRange(2, texts::ModifiedLabel(), txtReNew1, txtReNew2, Command6);
    conditions->setColumnStretch(5, 1);  // extra width goes after the clear buttons
    left->addLayout(conditions);

    // The file table on the right.
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    body->addLayout(right, 1);
    tableModel_ = new FileTableItemModel(this);
    ListView1 = new FileTableView(central);
    ListView1->setModel(tableModel_);
    ListView1->header()->setSectionsClickable(true);
    ListView1->header()->setStretchLastSection(false);
    ListView1->setColumnWidth(kNameColumn, 180);
    ListView1->setColumnWidth(kSizeColumn, 70);
    ListView1->setColumnWidth(kTypeColumn, 110);
    ListView1->setColumnWidth(kMadeColumn, 130);
    ListView1->setColumnWidth(kRenewColumn, 130);
    ListView1->setColumnWidth(kNoColumn, 44);
    right->addWidget(ListView1, 1);
    auto* tableButtons = new QHBoxLayout;
    Command4 = MakeButton(QStringLiteral("Command4"), texts::SelectAllCaption(), central);
    tableButtons->addWidget(Command4);
    tableButtons->addWidget(MakeUndoControls(central));
    tableButtons->addStretch(1);
    right->addLayout(tableButtons);
    ListView1->Bind({services_.fileSystem, services_.messages, [this] { return Dir1->Path(); },
                     [this](const QString& folder, const QString& oldName, const QString& newName) {
                         const FileSystem& files = *services_.fileSystem;
                         undo_.Record(folder, files.FolderIdentity(folder),
                                      {RenamedNow(files, folder, oldName, newName)});
                     }});

    // Operations: the tab strip over the container of the panels.
    TabStrip1 = new QTabBar(central);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setAccessibleName(QStringLiteral("操作"));
    for (int tab = 0; tab < texts::kTabCount; ++tab)
        TabStrip1->addTab(texts::TabCaption(tab));
    TabStrip1->setExpanding(false);
    outer->addWidget(TabStrip1);
    Picture1 = new QFrame(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::StyledPanel);
    auto* panels = new QGridLayout(Picture1);
    panels->setContentsMargins(6, 6, 6, 6);
    progress_ = new StatusProgress(this);
    const BatchContext batch = MakeBatchContext();
    Frame3 = new ReplacePanel(batch, Picture1);
    Frame4 = new AddPanel(batch, Picture1);
    Frame5 = new SerialPanel(batch, Picture1);
    Frame6 = new DeletePanel(batch, Picture1);
    Frame7 = new ConvertPanel(batch, Picture1);
    for (QFrame* frame :
         {static_cast<QFrame*>(Frame3), static_cast<QFrame*>(Frame4), static_cast<QFrame*>(Frame5),
          static_cast<QFrame*>(Frame6), static_cast<QFrame*>(Frame7)}) {
        panels->addWidget(frame, 0, 0);
        frame->setVisible(frame == Frame3);
    }
    outer->addWidget(Picture1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(true);
    for (int panel = 0; panel < 3; ++panel) {
        statusPanels_[panel] = new QLabel(StatusBar1);
        statusPanels_[panel]->setObjectName(QStringLiteral("StatusPanel%1").arg(panel + 1));
        statusPanels_[panel]->setMinimumWidth(panel < 2 ? 110 : 200);
        StatusBar1->addWidget(statusPanels_[panel], panel < 2 ? 0 : 1);
    }
    setStatusBar(StatusBar1);
    progress_->AttachTo(StatusBar1);
    setCentralWidget(central);

    // Tab follows the reading order: the folder, the pattern, the conditions row by row, the
    // table, then the tabs and on into the panel shown.
    QWidget* readingOrder[] = {Drive1,     Dir1,       txtPattern, Command5,  Combo2,
                               txtMkDate1, txtMkDate2, cmdClear,   txtReNew1, txtReNew2,
                               Command6,   ListView1,  Command4,   cmdUndo,   TabStrip1};
    for (size_t i = 1; i < std::size(readingOrder); ++i)
        setTabOrder(readingOrder[i - 1], readingOrder[i]);

    connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { DriveChanged(); });
    connect(Dir1, &FolderListWidget::PathChanged, this, [this] { FolderChanged(); });
    connect(File1, &FileListBox::PathChange, this, [this] { FillFileTable(); });
    connect(File1, &FileListBox::PatternChange, this, [this] { FillFileTable(); });
    connect(txtPattern, &QLineEdit::textChanged, this, [this] { PatternChanged(); });
    txtPattern->installEventFilter(this);
    connect(Command5, &QPushButton::clicked, this,
            [this] { txtPattern->setText(texts::DefaultPattern()); });
    connect(TabStrip1, &QTabBar::currentChanged, this, [this] { ShowPanelForTab(); });
    // A new entry rewrites the pattern; picking the shown entry again applies it once more, in
    // case the pattern was typed over since.
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { ApplyTypeFilter(); });
    connect(Combo2, &QComboBox::activated, this, [this] { ApplyTypeFilter(); });
    for (DateBox* box : {txtMkDate1, txtMkDate2, txtReNew1, txtReNew2})
        connect(box, &DateBox::DateChanged, this, [this] { Refill(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { ResetCreatedRange(); });
    connect(Command6, &QPushButton::clicked, this, [this] { ResetModifiedRange(); });
    connect(Command4, &QPushButton::clicked, ListView1, &FileTableView::SelectAllRows);
    connect(ListView1, &FileTableView::SelectionSummaryReady, this,
            [this](const SelectionSummary& summary) {
                SetStatusText(3, summary.placeText);
                SetDigitsFromCount(summary.count);
                SetStatusText(1, summary.countText);
                SetStatusText(2, summary.sizeText);
            });
}

void MainWindow::StartUp() {
    setWindowTitle(caption_);
    const int width = kWindowWidthTwips * kLogicalDpi / kTwipsPerInch;
    resize(width, 640);

    Combo2->setCurrentIndex(0);
    ApplyTypeFilter();  // the first entry is current already, so no change announces it
    Frame5->cmbZero()->setCurrentIndex(0);

    settingsSection_ = SettingsSectionForUser(services_.loginName, services_.userId);
    settingsFiles_ = SettingsFileLocation(services_.appFolder, services_.userConfigFolder);
    const QString fallback = FallbackStartFolder(services_.appFolder, services_.homeFolder);
    SettingsValues defaults;
    defaults.folder = fallback;
    settings_ = LoadSettings(settingsFiles_.readFrom, settingsSection_, defaults);
    // A relative path would depend on wherever the program happened to be started from.
    const QString folder = StartFolder(settings_.folder, fallback, [this](const QString& path) {
        return QDir::isAbsolutePath(path) && services_.fileSystem->FolderExists(path);
    });

    SelectDriveFor(folder);
    Dir1->SetPath(folder);
    FillPersistedTexts(settings_);

    // The delete example marks at once texts that a run would refuse.
    Frame6->ApplyRefusalMark();

    tableModel_->SetHeaderImage(kNameColumn, QStringLiteral("up"));
    ListView1->header()->moveSection(ListView1->header()->visualIndex(kNoColumn), 0);
}

void MainWindow::SelectDriveFor(const QString& folder) {
    const QStringList roots = services_.fileSystem->DriveRoots();
    QSignalBlocker blocker(Drive1);
    Drive1->clear();
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < roots.size(); ++i) {
        Drive1->addItem(roots[i], roots[i]);
        const QString prefix = FolderPrefix(roots[i]);
        const bool contains = roots[i] == folder || folder.startsWith(prefix);
        if (contains && roots[i].size() > bestLength) {
            best = i;
            bestLength = roots[i].size();
        }
    }
    // The start folder's volume is chosen without a fill of its root: the folder's own fill
    // follows at once and shows the same final state.
    if (best >= 0)
        Drive1->setCurrentIndex(best);
}

void MainWindow::DriveChanged() {
    const QString root = Drive1->currentData().toString();
    const QString error = services_.fileSystem->FolderAccessError(root);
    if (!error.isEmpty()) {
        services_.messages->Error(error, caption_);
        return;
    }
    Dir1->SetPath(root);
}

void MainWindow::FolderChanged() {
    File1->SetPath(Dir1->Path());
    SetStatusText(3, texts::FolderSelectionText(Dir1->Path()));
}

void MainWindow::PatternChanged() {
    File1->SetPattern(txtPattern->text());
}

void MainWindow::PatternLeave() {
    if (txtPattern->text().isEmpty())
        txtPattern->setText(texts::DefaultPattern());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtPattern && event->type() == QEvent::FocusOut)
        PatternLeave();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ShowPanelForTab() {
    QFrame* frames[] = {Frame3, Frame4, Frame5, Frame6, Frame7};
    for (QFrame* frame : frames)
        frame->hide();
    const int tab = TabStrip1->currentIndex();
    if (tab >= 0 && tab < int(std::size(frames)))
        frames[tab]->show();
}

void MainWindow::FillFileTable() {
    setCursor(Qt::WaitCursor);
    // Disabling the table pushes the focus on to the next control. A fill can run while the
    // table is taking the focus (a click on it made a date box refill), and the focus belongs
    // to the table then.
    const bool tableHadFocus = ListView1->hasFocus();
    ListView1->setEnabled(false);

    const DateConditions dates = CurrentDateConditions();
    FileRowSources sources;
    sources.accepts = [&dates](QStringView created, QStringView modified) {
        return dates.Accepts(created, modified);
    };
    sources.typeOf = [this](const QString& name) { return typeDescriptions_.Describe(name); };
    ProgressScope progress(progress_, qint64(File1->Files().size()));
    sources.progress = [&progress](qint64 done) { progress.Advance(done); };
    FileRowsBuild build = BuildFileRows(File1->Files(), sources);
    const auto rows = static_cast<qint64>(build.rows.size());

    tableModel_->SetListedRows(std::move(build.rows));
    ListView1->selectAll();
    SetDigitsFromCount(rows);
    SetStatusText(1, SelectedCountText(rows));
    SetStatusText(2, FormatSizeTotal(build.totalBytes));

    ListView1->setEnabled(true);
    if (tableHadFocus)
        ListView1->setFocus(Qt::OtherFocusReason);
    unsetCursor();
}

void MainWindow::Refill() {
    File1->Refresh();
    FillFileTable();
}

void MainWindow::SetDigitsFromCount(qint64 count) {
    QComboBox* cmbZero = Frame5->cmbZero();
    const QString digits = QString::number(DigitCount(count));
    const int index = cmbZero->findText(digits);
    cmbZero->setCurrentIndex(index >= 0 ? index : cmbZero->count() - 1);
}

QString MainWindow::StatusText(int panel) const {
    return statusPanels_[panel - 1]->text();
}

void MainWindow::SetStatusText(int panel, const QString& text) {
    statusPanels_[panel - 1]->setText(text);
}

QStringList MainWindow::SelectedRowNames() const {
    const std::vector<int> selected = ListView1->SelectedRows();
    QStringList names;
    names.reserve(static_cast<qsizetype>(selected.size()));
    for (int row : selected)
        names << tableModel_->Row(row).name;
    return names;
}

BatchContext MainWindow::MakeBatchContext() {
    BatchContext context;
    context.messages = services_.messages;
    context.fileSystem = services_.fileSystem;
    context.title = caption_;
    context.folder = [this] { return Dir1->Path(); };
    context.selectedRowNames = [this] { return SelectedRowNames(); };
    context.refill = [this] { Refill(); };
    context.folderEntries = [this](const QStringList& selected) {
        return ReadFolderEntries(*services_.fileSystem, Dir1->Path(), selected);
    };
    context.renamed = [this](const QString& folder,
                             const std::optional<FileIdentity>& folderIdentity,
                             std::vector<RenamedFile> renamed) {
        undo_.Record(folder, folderIdentity, std::move(renamed));
    };
    context.progress = progress_;
    // The table's dates as they stand; a photo's date is read from its file when a run asks for
    // it (never while the user types), each version of a file once.
    context.rowDates = [this](bool withDateTaken) -> RowDatesLookup {
        auto rows = std::make_shared<QHash<QString, RowDates>>();
        for (const FileRow& row : tableModel_->Rows())
            rows->insert(row.name, RowDates{row.created, row.modified, std::nullopt});
        const QString folder = Dir1->Path();
        return [this, rows, folder, withDateTaken](const QString& name) -> std::optional<RowDates> {
            const auto found = rows->constFind(name);
            if (found == rows->cend())
                return std::nullopt;
            RowDates dates = *found;
            if (withDateTaken)
                dates.taken = datesTaken_.DateOf(QDir(folder).filePath(name));
            return dates;
        };
    };
    return context;
}

QPushButton* MainWindow::MakeUndoControls(QWidget* parent) {
    const QString caption = rename_texts::UndoCaption.toString();
    cmdUndo = MakeButton(QStringLiteral("cmdUndo"), caption, parent);
    // A text box with the focus takes Ctrl+Z for its own typing first.
    undoAction_ = new QAction(caption, this);
    undoAction_->setObjectName(QStringLiteral("undoAction"));
    undoAction_->setShortcut(QKeySequence::Undo);
    undoAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(undoAction_);
    const auto enable = [this] {
        cmdUndo->setEnabled(undo_.CanUndo());
        undoAction_->setEnabled(undo_.CanUndo());
    };
    undo_.changed = enable;
    enable();
    connect(cmdUndo, &QPushButton::clicked, this, &MainWindow::UndoLastRename);
    connect(undoAction_, &QAction::triggered, this, &MainWindow::UndoLastRename);
    return cmdUndo;
}

void MainWindow::UndoLastRename() {
    if (undo_.UndoLast(*services_.fileSystem, *services_.messages, caption_, progress_))
        Refill();
}

DateConditions MainWindow::CurrentDateConditions() const {
    DateConditions dates;
    dates.createdFrom = txtMkDate1->Date();
    dates.createdTo = txtMkDate2->Date();
    dates.modifiedFrom = txtReNew1->Date();
    dates.modifiedTo = txtReNew2->Date();
    return dates;
}

void MainWindow::ApplyTypeFilter() {
    // The pattern's change handler refills the table.
    txtPattern->setText(ApplyTypeFilterToPattern(txtPattern->text(), Combo2->currentText()));
}

void MainWindow::ResetCreatedRange() {
    txtMkDate1->SetDate(QLatin1String(kDateFromDefault));
    txtMkDate2->SetDate(QLatin1String(kDateToDefault));
    Refill();
}

void MainWindow::ResetModifiedRange() {
    txtReNew1->SetDate(QLatin1String(kDateFromDefault));
    txtReNew2->SetDate(QLatin1String(kDateToDefault));
    Refill();
}

void MainWindow::FillPersistedTexts(const SettingsValues& values) {
    for (const PersistedBox& persisted : kPersistedBoxes) {
        if (auto* box = findChild<QLineEdit*>(QLatin1String(persisted.objectName)))
            box->setText(values.*persisted.value);
    }
    Frame3->chkRegex()->setChecked(values.regex == QLatin1String("1"));
    Frame3->chkReplaceAll()->setChecked(values.replaceAll == QLatin1String("1"));
}

void MainWindow::TakePersistedTexts(SettingsValues& values) const {
    for (const PersistedBox& persisted : kPersistedBoxes) {
        if (const auto* box = findChild<const QLineEdit*>(QLatin1String(persisted.objectName)))
            values.*persisted.value = box->text();
    }
    const auto flag = [](const QCheckBox* box) {
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    };
    values.regex = flag(Frame3->chkRegex());
    values.replaceAll = flag(Frame3->chkReplaceAll());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!Dir1->Path().isEmpty())
        settings_.folder = Dir1->Path();
    TakePersistedTexts(settings_);
    SaveSettings(settingsFiles_, settingsSection_, settings_);
    event->accept();
}

}  // namespace miravel
