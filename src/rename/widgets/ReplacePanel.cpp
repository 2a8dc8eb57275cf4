#include "rename/widgets/ReplacePanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "rename/OperationTexts.h"
#include "rename/PanelTexts.h"
#include "rename/RenameTexts.h"
#include "rename/ReplaceOperation.h"
#include "rename/widgets/PanelControls.h"

namespace miravel {

ReplacePanel::ReplacePanel(QWidget* parent) : OperationPanel(parent) {
    setObjectName(QStringLiteral("Frame3"));
    setAccessibleName(rename_texts::ReplaceCaption.toString());

    const QString findCaption = rename_texts::WordInName.toString();
    auto* label1 = MakeNamedWord(QStringLiteral("Label1"), findCaption, this);
    Text1_ = MakeFreeTextBox(QStringLiteral("Text1"), findCaption, this);
    label1->setBuddy(Text1_);
    auto* label4 =
        MakeNamedWord(QStringLiteral("Label4"), rename_texts::WordObject.toString(), this);
    Text2_ =
        MakeFreeTextBox(QStringLiteral("Text2"), rename_texts::ReplaceWithName.toString(), this);
    auto* label3 = MakeNamedWord(QStringLiteral("Label3"), rename_texts::WordTo.toString(), this);
    Command1_ =
        MakeRunButton(QStringLiteral("Command1"), rename_texts::ReplaceCaption.toString(), this);
    chkRegex_ = new QCheckBox(rename_texts::RegexCaption.toString(), this);
    chkRegex_->setObjectName(QStringLiteral("chkRegex"));
    chkRegex_->setAccessibleName(chkRegex_->text());
    chkReplaceAll_ = new QCheckBox(rename_texts::ReplaceAllCaption.toString(), this);
    chkReplaceAll_->setObjectName(QStringLiteral("chkReplaceAll"));
    chkReplaceAll_->setAccessibleName(chkReplaceAll_->text());
    auto* label29 =
        MakeNamedWord(QStringLiteral("Label29"), rename_texts::WordExample.toString(), this);
    Label30_ = MakeExample(QStringLiteral("Label30"), rename_texts::ReplaceBeforeInitial.toString(),
                           rename_texts::ReplaceBeforeName.toString(), this);
    auto* label27 =
        MakeNamedWord(QStringLiteral("Label27"), rename_texts::WordReplaced.toString(), this);
    Label28_ = MakeExample(QStringLiteral("Label28"), rename_texts::PlainSamples.toString(),
                           rename_texts::ReplaceAfterName.toString(), this);
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
    for (QLineEdit* box : {Text1_, Text2_})
        connect(box, &QLineEdit::textChanged, this, [this] { ReportChange(); });
    for (QCheckBox* box : {chkRegex_, chkReplaceAll_})
        connect(box, &QCheckBox::toggled, this, [this] { ReportChange(); });
    connect(Command1_, &QPushButton::clicked, this,
            [this] { Q_EMIT RunRequested(CurrentRequest()); });

    Text1_->setText(QStringLiteral("sample"));
}

OperationRequest ReplacePanel::CurrentRequest() const {
    return ReplaceFields{Text1_->text(), Text2_->text(), chkRegex_->isChecked(),
                         chkReplaceAll_->isChecked()};
}

}  // namespace miravel
