#include "rename/widgets/DeletePanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "rename/RenameTexts.h"
#include "rename/widgets/PanelControls.h"

namespace miravel {

DeletePanel::DeletePanel(const BatchContext& batch, QWidget* parent)
    : QFrame(parent), batch_(batch) {
    setObjectName(QStringLiteral("Frame6"));
    setAccessibleName(QStringLiteral("番号付き文字列を削除"));
    BuildControls();

    connect(Option3, &QButtonGroup::idClicked, this, [this] { UpdateDeletePreview(); });
    for (QLineEdit* box : {Text7_, Text8_})
        connect(box, &QLineEdit::textChanged, this, [this] { UpdateDeletePreview(); });
    connect(Command7, &QPushButton::clicked, this,
            [this] { BatchRename(MakeDeleteNumberedOperation(Fields()), batch_); });
}

void DeletePanel::BuildControls() {
    Text7_ = MakeTextBox(QStringLiteral("Text7"), QStringLiteral("[第"),
                         QStringLiteral("番号の前の文字列"), QStringLiteral("[第第第"), 0, this);
    Text8_ = MakeTextBox(QStringLiteral("Text8"), QStringLiteral("話]"),
                         QStringLiteral("番号の後の文字列"), QStringLiteral("話話話]"), 0, this);
    Option3 = new QButtonGroup(this);
    Option3->setObjectName(QStringLiteral("Option3"));
    Option3->addButton(
        MakeOption(QStringLiteral("Option3_0"), QStringLiteral("文字列と数字"), this), 0);
    Option3->addButton(MakeOption(QStringLiteral("Option3_1"), QStringLiteral("数字"), this), 1);
    Option3->button(0)->setChecked(true);
    Command7 = MakeRunButton(QStringLiteral("Command7"), QStringLiteral("削除"), this);
    Command7->setAccessibleName(QStringLiteral("番号付き文字列を削除"));

    Label31 = MakeExample(QStringLiteral("Label31"), rename_texts::DeleteBeforeInitial.toString(),
                          QStringLiteral("例"), this);
    Label9 = MakeExample(QStringLiteral("Label9"), rename_texts::DeleteAfterInitial.toString(),
                         QStringLiteral("削除後の例"), this);
    for (QLabel* example : {Label31, Label9})
        example->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The fields read as a sentence in three rows; the examples stand beside them.
    auto* sentence = new QVBoxLayout;
    sentence->setSpacing(4);
    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(MakeWord(QStringLiteral("ファイル名に含まれる、文字列"), this));
    headingRow->addStretch(1);
    auto* markerRow = new QHBoxLayout;
    markerRow->addWidget(Text7_);
    markerRow->addWidget(MakeWord(QStringLiteral("＋ 数値 +"), this));
    markerRow->addWidget(Text8_);
    markerRow->addWidget(MakeWord(QStringLiteral("の"), this));
    markerRow->addStretch(1);
    auto* optionRow = new QHBoxLayout;
    optionRow->addWidget(Option3->button(0));
    optionRow->addWidget(Option3->button(1));
    optionRow->addWidget(MakeWord(QStringLiteral("を"), this));
    optionRow->addSpacing(12);
    optionRow->addWidget(Command7);
    optionRow->addStretch(1);
    for (QHBoxLayout* row : {headingRow, markerRow, optionRow}) {
        row->setSpacing(4);
        sentence->addLayout(row);
    }

    auto* examples = new QGridLayout;
    examples->setHorizontalSpacing(4);
    examples->setVerticalSpacing(4);
    examples->addWidget(MakeWord(QStringLiteral("例："), this), 0, 0, Qt::AlignTop);
    examples->addWidget(Label31, 0, 1);
    examples->addWidget(MakeWord(QStringLiteral("削除後："), this), 1, 0, Qt::AlignTop);
    examples->addWidget(Label9, 1, 1);
    examples->setColumnStretch(1, 1);
    examples->setRowStretch(1, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(12);
    layout->addLayout(sentence);
    layout->addLayout(examples, 1);

    QWidget* readingOrder[] = {Text7_, Text8_, Option3->button(0), Option3->button(1), Command7};
    for (size_t i = 1; i < std::size(readingOrder); ++i)
        setTabOrder(readingOrder[i - 1], readingOrder[i]);
}

DeleteFields DeletePanel::Fields() const {
    DeleteFields fields;
    fields.start = Text7_->text();
    fields.end = Text8_->text();
    fields.mode = Option3->checkedId() == 1 ? DeleteMode::NumberOnly : DeleteMode::StringsAndNumber;
    return fields;
}

void DeletePanel::UpdateDeletePreview() {
    const DeletePreview preview = DeletePreviewTexts(Fields());
    ShowExample(Label31, preview.before);
    ShowExample(Label9, preview.after);
    SetStruck(preview.struck);
}

void DeletePanel::ApplyRefusalMark() {
    SetStruck(false);
    if (DeleteFieldsRefused(Fields())) {
        ShowExample(Label9, Label31->text());
        SetStruck(true);
    }
}

void DeletePanel::SetStruck(bool struck) {
    QFont font = Label9->font();
    font.setStrikeOut(struck);
    Label9->setFont(font);
}

}  // namespace miravel
