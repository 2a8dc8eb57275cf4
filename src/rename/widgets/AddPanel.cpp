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

#include "platform/widgets/LeaveCheck.h"
#include "rename/AddStringOperation.h"
#include "rename/OperationTexts.h"
#include "rename/PanelTexts.h"
#include "rename/RenameTexts.h"
#include "rename/widgets/NumberFieldCheck.h"
#include "rename/widgets/PanelControls.h"

namespace miravel {

namespace {

constexpr int kPositionMaxLength = 3;

}  // namespace

AddPanel::AddPanel(MessageBoxes* messages, const QString& title, QWidget* parent)
    : OperationPanel(parent), Option1_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Frame4"));
    setAccessibleName(rename_texts::AddPanelName.toString());

    auto* label5 =
        MakeNamedWord(QStringLiteral("Label5"), rename_texts::WordOfName.toString(), this);
    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);
    frame1->setAccessibleName(rename_texts::WordOfName.toString());
    const QString captions[] = {rename_texts::PlaceHead.toString(),
                                rename_texts::PlaceTail.toString(),
                                rename_texts::PlacePosition.toString()};
    QRadioButton* options[3] = {};
    for (int index = 0; index < 3; ++index) {
        options[index] =
            MakeOption(QStringLiteral("Option1_%1").arg(index), captions[index], frame1);
        Option1_->addButton(options[index], index);
    }
    options[int(Placement::Head)]->setChecked(true);
    txtST_ = MakeNumberBox(QStringLiteral("txtST"), QStringLiteral("0"),
                           rename_texts::AddPositionName.toString(), kPositionMaxLength, frame1);
    txtST_->setInputMethodHints(Qt::ImhFormattedNumbersOnly | Qt::ImhPreferLatin);
    auto* placementRow = new QHBoxLayout(frame1);
    placementRow->setContentsMargins(6, 2, 6, 2);
    placementRow->setSpacing(6);
    for (QRadioButton* option : options)
        placementRow->addWidget(option);
    placementRow->addWidget(txtST_);

    auto* label7 = MakeNamedWord(QStringLiteral("Label7"), rename_texts::WordTo.toString(), this);
    Text3_ = MakeFreeTextBox(QStringLiteral("Text3"), rename_texts::AddTextName.toString(), this);
    cmdToken_ = new QToolButton(this);
    cmdToken_->setObjectName(QStringLiteral("cmdToken"));
    cmdToken_->setText(rename_texts::TokenButton.toString());
    cmdToken_->setAccessibleName(rename_texts::TokenButtonName.toString());
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
    auto* label6 =
        MakeNamedWord(QStringLiteral("Label6"), rename_texts::WordObject.toString(), this);
    Command2_ =
        MakeRunButton(QStringLiteral("Command2"), rename_texts::AddCaption.toString(), this);
    auto* label36 =
        MakeNamedWord(QStringLiteral("Label36"), rename_texts::WordExample.toString(), this);
    auto* label35 = MakeExample(QStringLiteral("Label35"), rename_texts::PlainSamples.toString(),
                                rename_texts::AddBeforeName.toString(), this);
    auto* label34 =
        MakeNamedWord(QStringLiteral("Label34"), rename_texts::WordAdded.toString(), this);
    Label33_ = MakeExample(QStringLiteral("Label33"), rename_texts::PlainSamples.toString(),
                           rename_texts::AddAfterName.toString(), this);
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

    positionCheck_ = CheckNumberField(txtST_, messages, title);

    // Programmatic choices count like clicks, as the example must always match the choice.
    connect(Option1_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            UpdateAddPreview();
            ReportChange();
        }
    });
    for (QLineEdit* box : {Text3_, txtST_})
        connect(box, &QLineEdit::textChanged, this, [this] {
            UpdateAddPreview();
            ReportChange();
        });
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

OperationRequest AddPanel::CurrentRequest() const {
    return AddStringFields{Text3_->text(), ChosenPlacement().value_or(Placement::Head),
                           txtST_->text()};
}

void AddPanel::RunAdd() {
    // A refused position has had its say; the run's own checks stop any other bad value.
    if (!ChosenPlacement() || positionCheck_->Refused())
        return;
    Q_EMIT RunRequested(CurrentRequest());
}

}  // namespace miravel
