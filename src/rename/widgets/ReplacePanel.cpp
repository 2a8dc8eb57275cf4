#include "rename/widgets/ReplacePanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "rename/OperationTexts.h"
#include "rename/PatternReplace.h"
#include "rename/RenameTexts.h"
#include "rename/ReplaceOperation.h"
#include "rename/widgets/PanelControls.h"

namespace miravel {

ReplacePanel::ReplacePanel(const BatchContext& batch, QWidget* parent)
    : QFrame(parent), batch_(batch) {
    setObjectName(QStringLiteral("Frame3"));
    setAccessibleName(QStringLiteral("置換"));

    const QString findCaption = QStringLiteral("ファイル名に含まれる、文字列");
    auto* label1 = MakeNamedWord(QStringLiteral("Label1"), findCaption, this);
    Text1_ = MakeFreeTextBox(QStringLiteral("Text1"), findCaption, this);
    label1->setBuddy(Text1_);
    auto* label4 = MakeNamedWord(QStringLiteral("Label4"), QStringLiteral("を"), this);
    Text2_ = MakeFreeTextBox(QStringLiteral("Text2"), QStringLiteral("置換後の文字列"), this);
    auto* label3 = MakeNamedWord(QStringLiteral("Label3"), QStringLiteral("へ"), this);
    Command1_ = MakeRunButton(QStringLiteral("Command1"), QStringLiteral("置換"), this);
    chkRegex_ = new QCheckBox(rename_texts::RegexCaption.toString(), this);
    chkRegex_->setObjectName(QStringLiteral("chkRegex"));
    chkRegex_->setAccessibleName(chkRegex_->text());
    chkReplaceAll_ = new QCheckBox(rename_texts::ReplaceAllCaption.toString(), this);
    chkReplaceAll_->setObjectName(QStringLiteral("chkReplaceAll"));
    chkReplaceAll_->setAccessibleName(chkReplaceAll_->text());
    auto* label29 = MakeNamedWord(QStringLiteral("Label29"), QStringLiteral("例："), this);
    Label30_ = MakeExample(QStringLiteral("Label30"), rename_texts::ReplaceBeforeInitial.toString(),
                           QStringLiteral("置換前の例"), this);
    auto* label27 = MakeNamedWord(QStringLiteral("Label27"), QStringLiteral("置換後："), this);
    Label28_ = MakeExample(QStringLiteral("Label28"), rename_texts::PlainSamples.toString(),
                           QStringLiteral("置換後の例"), this);
    for (QLabel* example : {Label30_, Label28_})
        KeepWithinPanel(example);

    auto* inputs = new QHBoxLayout;
    inputs->setSpacing(4);
    inputs->addWidget(label1);
    inputs->addWidget(Text1_, 1);
    inputs->addWidget(label4);
    inputs->addWidget(Text2_, 1);
    inputs->addWidget(label3);
    inputs->addSpacing(8);
    inputs->addWidget(Command1_);

    auto* choices = new QHBoxLayout;
    choices->setSpacing(12);
    choices->addWidget(chkRegex_);
    choices->addWidget(chkReplaceAll_);
    choices->addStretch(1);

    auto* examples = new QGridLayout;
    examples->setHorizontalSpacing(4);
    examples->setVerticalSpacing(2);
    examples->addWidget(label29, 0, 0, Qt::AlignRight);
    examples->addWidget(Label30_, 0, 1);
    examples->addWidget(label27, 1, 0, Qt::AlignRight);
    examples->addWidget(Label28_, 1, 1);
    examples->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(8);
    layout->addLayout(inputs);
    layout->addLayout(choices);
    layout->addLayout(examples);
    layout->addStretch(1);

    setTabOrder(Text1_, Text2_);
    setTabOrder(Text2_, Command1_);
    setTabOrder(Command1_, chkRegex_);
    setTabOrder(chkRegex_, chkReplaceAll_);

    connect(Text1_, &QLineEdit::textChanged, this,
            [this](const QString& text) { ShowExample(Label30_, ReplacePreviewText(text)); });
    connect(Text2_, &QLineEdit::textChanged, this,
            [this](const QString& text) { ShowExample(Label28_, ReplacePreviewText(text)); });
    connect(Command1_, &QPushButton::clicked, this, [this] { RunReplace(); });

    Text1_->setText(QStringLiteral("sample"));
}

void ReplacePanel::RunReplace() {
    const bool regex = chkRegex_->isChecked();
    const bool replaceAll = chkReplaceAll_->isChecked();
    if (!regex && !replaceAll) {
        BatchRename(MakeReplaceOperation(Text1_->text(), Text2_->text()), batch_);
        return;
    }
    BatchRename(MakePatternReplaceOperation({Text1_->text(), Text2_->text(), regex, replaceAll}),
                batch_);
}

}  // namespace miravel
