#include "rename/widgets/DeletePanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "rename/PanelTexts.h"
#include "rename/RenameTexts.h"
#include "rename/widgets/PanelControls.h"

namespace miravel {

DeletePanel::DeletePanel(QWidget* parent) : OperationPanel(parent) {
    setObjectName(QStringLiteral("Frame6"));
    setAccessibleName(rename_texts::DeletePanelName.toString());
    BuildControls();

    connect(Option3, &QButtonGroup::idClicked, this, [this] { UpdateDeletePreview(); });
    for (QLineEdit* box : {Text7_, Text8_})
        connect(box, &QLineEdit::textChanged, this, [this] { UpdateDeletePreview(); });
    // Told apart from the examples, which follow clicks only.
    connect(Option3, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            ReportChange();
    });
    for (QLineEdit* box : {Text7_, Text8_})
        connect(box, &QLineEdit::textChanged, this, [this] { ReportChange(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Q_EMIT RunRequested(Fields()); });
}

void DeletePanel::BuildControls() {
    Text7_ = MakeTextBox(QStringLiteral("Text7"), rename_texts::MarkerStartDefault.toString(),
                         rename_texts::TextBeforeNumberName.toString(),
                         rename_texts::MarkerStartWidth.toString(), 0, this);
    Text8_ = MakeTextBox(QStringLiteral("Text8"), rename_texts::MarkerEndDefault.toString(),
                         rename_texts::TextAfterNumberName.toString(),
                         rename_texts::MarkerEndWidth.toString(), 0, this);
    Option3 = new QButtonGroup(this);
    Option3->setObjectName(QStringLiteral("Option3"));
    Option3->addButton(MakeOption(QStringLiteral("Option3_0"),
                                  rename_texts::DeleteStringsAndNumber.toString(), this),
                       0);
    Option3->addButton(
        MakeOption(QStringLiteral("Option3_1"), rename_texts::DeleteNumberOnly.toString(), this),
        1);
    Option3->button(0)->setChecked(true);
    Command7 =
        MakeRunButton(QStringLiteral("Command7"), rename_texts::DeleteCaption.toString(), this);
    Command7->setAccessibleName(rename_texts::DeletePanelName.toString());

    Label31 = MakeExample(QStringLiteral("Label31"), rename_texts::DeleteBeforeInitial.toString(),
                          rename_texts::ExampleName.toString(), this);
    Label9 = MakeExample(QStringLiteral("Label9"), rename_texts::DeleteAfterInitial.toString(),
                         rename_texts::DeleteAfterName.toString(), this);
    for (QLabel* example : {Label31, Label9})
        example->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The fields read as a sentence in three rows; the examples stand beside them.
    auto* sentence = new QVBoxLayout;
    sentence->setSpacing(4);
    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(MakeWord(rename_texts::WordInName.toString(), this));
    headingRow->addStretch(1);
    auto* markerRow = new QHBoxLayout;
    markerRow->addWidget(Text7_);
    markerRow->addWidget(MakeWord(rename_texts::WordPlusNumber.toString(), this));
    markerRow->addWidget(Text8_);
    markerRow->addWidget(MakeWord(rename_texts::WordOf.toString(), this));
    markerRow->addStretch(1);
    auto* optionRow = new QHBoxLayout;
    optionRow->addWidget(Option3->button(0));
    optionRow->addWidget(Option3->button(1));
    optionRow->addWidget(MakeWord(rename_texts::WordObject.toString(), this));
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
    examples->addWidget(MakeWord(rename_texts::WordExample.toString(), this), 0, 0, Qt::AlignTop);
    examples->addWidget(Label31, 0, 1);
    examples->addWidget(MakeWord(rename_texts::WordDeleted.toString(), this), 1, 0, Qt::AlignTop);
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
