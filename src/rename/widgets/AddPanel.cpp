#include "rename/widgets/AddPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "rename/AddStringOperation.h"
#include "rename/DateTokens.h"
#include "rename/OperationTexts.h"
#include "rename/RenameTexts.h"
#include "rename/widgets/NumberFieldCheck.h"
#include "rename/widgets/PanelControls.h"

namespace miravel {

namespace {

constexpr int kPositionMaxLength = 3;

}  // namespace

AddPanel::AddPanel(const BatchContext& batch, QWidget* parent)
    : QFrame(parent), batch_(batch), Option1_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Frame4"));
    setAccessibleName(QStringLiteral("文字列を付加"));

    auto* label5 = MakeNamedWord(QStringLiteral("Label5"), QStringLiteral("ファイル名の"), this);
    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);
    frame1->setAccessibleName(QStringLiteral("ファイル名の"));
    const QString captions[] = {QStringLiteral("先頭"), QStringLiteral("後尾"),
                                QStringLiteral("指定")};
    QRadioButton* options[3] = {};
    for (int index = 0; index < 3; ++index) {
        options[index] =
            MakeOption(QStringLiteral("Option1_%1").arg(index), captions[index], frame1);
        Option1_->addButton(options[index], index);
    }
    options[int(Placement::Head)]->setChecked(true);
    txtST_ = MakeNumberBox(QStringLiteral("txtST"), QStringLiteral("0"),
                           QStringLiteral("指定する文字数"), kPositionMaxLength, frame1);
    txtST_->setInputMethodHints(Qt::ImhFormattedNumbersOnly | Qt::ImhPreferLatin);
    auto* placementRow = new QHBoxLayout(frame1);
    placementRow->setContentsMargins(6, 2, 6, 2);
    placementRow->setSpacing(6);
    for (QRadioButton* option : options)
        placementRow->addWidget(option);
    placementRow->addWidget(txtST_);

    auto* label7 = MakeNamedWord(QStringLiteral("Label7"), QStringLiteral("へ"), this);
    Text3_ = MakeFreeTextBox(QStringLiteral("Text3"), QStringLiteral("付加する文字列"), this);
    cmdToken_ = new QToolButton(this);
    cmdToken_->setObjectName(QStringLiteral("cmdToken"));
    cmdToken_->setText(QStringLiteral("日付"));
    cmdToken_->setAccessibleName(QStringLiteral("日付を挿入"));
    cmdToken_->setFocusPolicy(Qt::StrongFocus);
    cmdToken_->setPopupMode(QToolButton::InstantPopup);
    auto* tokens = new QMenu(cmdToken_);
    tokens->setObjectName(QStringLiteral("mnuToken"));
    for (const QStringView name :
         {rename_texts::TokenCreated, rename_texts::TokenModified, rename_texts::TokenTaken}) {
        const QString token = QLatin1Char('<') + name.toString() + QLatin1Char('>');
        connect(tokens->addAction(token), &QAction::triggered, this, [this, token] {
            Text3_->insert(token);
            Text3_->setFocus(Qt::OtherFocusReason);
        });
    }
    cmdToken_->setMenu(tokens);
    auto* label6 = MakeNamedWord(QStringLiteral("Label6"), QStringLiteral("を"), this);
    Command2_ = MakeRunButton(QStringLiteral("Command2"), QStringLiteral("付加"), this);
    auto* label36 = MakeNamedWord(QStringLiteral("Label36"), QStringLiteral("例："), this);
    auto* label35 = MakeExample(QStringLiteral("Label35"), rename_texts::PlainSamples.toString(),
                                QStringLiteral("付加前の例"), this);
    auto* label34 = MakeNamedWord(QStringLiteral("Label34"), QStringLiteral("付加後："), this);
    Label33_ = MakeExample(QStringLiteral("Label33"), rename_texts::PlainSamples.toString(),
                           QStringLiteral("付加後の例"), this);
    for (QLabel* example : {label35, Label33_})
        KeepWithinPanel(example);

    auto* inputs = new QHBoxLayout;
    inputs->setSpacing(4);
    inputs->addWidget(label5);
    inputs->addWidget(frame1);
    inputs->addWidget(label7);
    inputs->addWidget(Text3_, 1);
    inputs->addWidget(cmdToken_);
    inputs->addWidget(label6);
    inputs->addSpacing(8);
    inputs->addWidget(Command2_);

    auto* examples = new QGridLayout;
    examples->setHorizontalSpacing(4);
    examples->setVerticalSpacing(2);
    examples->addWidget(label36, 0, 0, Qt::AlignRight);
    examples->addWidget(label35, 0, 1);
    examples->addWidget(label34, 1, 0, Qt::AlignRight);
    examples->addWidget(Label33_, 1, 1);
    examples->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(8);
    layout->addLayout(inputs);
    layout->addLayout(examples);
    layout->addStretch(1);

    setTabOrder(options[0], options[1]);
    setTabOrder(options[1], options[2]);
    setTabOrder(options[2], txtST_);
    setTabOrder(txtST_, Text3_);
    setTabOrder(Text3_, cmdToken_);
    setTabOrder(cmdToken_, Command2_);

    positionCheck_ = new NumberFieldCheck(txtST_, batch_.messages, batch_.title);

    // Programmatic choices count like clicks, as the example must always match the choice.
    connect(Option1_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            UpdateAddPreview();
    });
    connect(Text3_, &QLineEdit::textChanged, this, [this] { UpdateAddPreview(); });
    connect(txtST_, &QLineEdit::textChanged, this, [this] { UpdateAddPreview(); });
    connect(Command2_, &QPushButton::clicked, this, [this] { RunAdd(); });

    UpdateAddPreview();
}

std::optional<Placement> AddPanel::ChosenPlacement() const {
    const int id = Option1_->checkedId();
    if (id < 0)
        return std::nullopt;
    return Placement(id);
}

void AddPanel::UpdateAddPreview() {
    const std::optional<Placement> placement = ChosenPlacement();
    if (!placement)
        return;
    const std::optional<QString> example =
        AddPreviewText({Text3_->text(), *placement, txtST_->text()});
    if (example)
        ShowExample(Label33_, *example);
    txtST_->setEnabled(*placement == Placement::Position);
}

void AddPanel::RunAdd() {
    // A refused position has had its say; the run's own checks stop any other bad value.
    const std::optional<Placement> placement = ChosenPlacement();
    if (!placement || positionCheck_->Refused())
        return;
    const QString text = Text3_->text();
    RowDatesLookup rowDates;
    if (batch_.rowDates && text.contains(u'<'))
        rowDates = batch_.rowDates(NeedsDateTaken(text));
    BatchRename(MakeAddStringOperation({text, *placement, txtST_->text()}, rowDates), batch_);
}

}  // namespace miravel
