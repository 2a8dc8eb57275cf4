#include "rename/widgets/SerialPanel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "files/Formats.h"
#include "platform/widgets/LeaveCheck.h"
#include "rename/PanelTexts.h"
#include "rename/RenameTexts.h"
#include "rename/widgets/NumberFieldCheck.h"
#include "rename/widgets/PanelControls.h"

namespace miravel {

SerialPanel::SerialPanel(MessageBoxes* messages, const QString& title, QWidget* parent)
    : OperationPanel(parent), cmbZero_(new QComboBox(this)) {
    setObjectName(QStringLiteral("Frame5"));
    setAccessibleName(rename_texts::SerialPanelName.toString());
    BuildControls();

    startCheck_ = CheckNumberField(Text5, messages, title);
    positionCheck_ = CheckNumberField(txtST2, messages, title);

    connect(cmbZero_, &QComboBox::currentIndexChanged, this, [this] { UpdateSerialPreview(); });
    connect(Option2, &QButtonGroup::idClicked, this, [this] { UpdateSerialPreview(); });
    for (QLineEdit* box : {Text4_, Text5, Text6_, txtST2})
        connect(box, &QLineEdit::textChanged, this, [this] { UpdateSerialPreview(); });
    // Told apart from the example, which follows clicks only.
    connect(cmbZero_, &QComboBox::currentIndexChanged, this, [this] { ReportChange(); });
    connect(Option2, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            ReportChange();
    });
    for (QLineEdit* box : {Text4_, Text5, Text6_, txtST2})
        connect(box, &QLineEdit::textChanged, this, [this] { ReportChange(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Run(); });
}

void SerialPanel::BuildControls() {
    cmbZero_->setObjectName(QStringLiteral("cmbZero"));
    cmbZero_->setAccessibleName(rename_texts::SerialDigitsName.toString());
    for (int digits = 1; digits <= 8; ++digits)
        cmbZero_->addItem(QString::number(digits));
    // Nothing is chosen until the window picks the first entry, which builds the example.
    cmbZero_->setCurrentIndex(-1);

    Option2 = new QButtonGroup(this);
    Option2->setObjectName(QStringLiteral("Option2"));
    const QString placements[] = {rename_texts::PlaceHead.toString(),
                                  rename_texts::PlaceTail.toString(),
                                  rename_texts::PlacePosition.toString()};
    for (int index = 0; index < 3; ++index)
        Option2->addButton(
            MakeOption(QStringLiteral("Option2_%1").arg(index), placements[index], this), index);
    Option2->button(0)->setChecked(true);
    txtST2 = MakeNumberBox(QStringLiteral("txtST2"), QStringLiteral("0"),
                           rename_texts::SerialPositionName.toString(), 3, this);
    txtST2->setEnabled(false);

    Text4_ = MakeTextBox(QStringLiteral("Text4"), rename_texts::MarkerStartDefault.toString(),
                         rename_texts::TextBeforeNumberName.toString(),
                         rename_texts::MarkerStartWidth.toString(), 0, this);
    Text5 = MakeNumberBox(QStringLiteral("Text5"), QStringLiteral("1"),
                          rename_texts::SerialStartName.toString(), 4, this);
    Text6_ = MakeTextBox(QStringLiteral("Text6"), rename_texts::MarkerEndDefault.toString(),
                         rename_texts::TextAfterNumberName.toString(),
                         rename_texts::MarkerEndWidth.toString(), 0, this);
    Command3 = MakeRunButton(QStringLiteral("Command3"), rename_texts::AddCaption.toString(), this);
    Command3->setAccessibleName(rename_texts::SerialPanelName.toString());

    Label37 = MakeExample(QStringLiteral("Label37"), rename_texts::SerialSamples.toString(),
                          rename_texts::ExampleName.toString(), this);
    lblPre = MakeExample(QStringLiteral("lblPre"), rename_texts::SerialPreviewInitial.toString(),
                         rename_texts::AddAfterName.toString(), this);
    lblPre->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The fields read as a sentence in three rows; the examples stand beside them.
    auto* sentence = new QVBoxLayout;
    sentence->setSpacing(4);
    auto* placementRow = new QHBoxLayout;
    placementRow->addWidget(MakeWord(rename_texts::WordOfName.toString(), this));
    for (int index = 0; index < 3; ++index)
        placementRow->addWidget(Option2->button(index));
    placementRow->addWidget(txtST2);
    placementRow->addWidget(MakeWord(rename_texts::WordTo.toString(), this));
    placementRow->addStretch(1);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(Text4_);
    numberRow->addWidget(MakeWord(rename_texts::WordPlus.toString(), this));
    numberRow->addWidget(Text5);
    numberRow->addWidget(MakeWord(rename_texts::WordSerialFrom.toString(), this));
    numberRow->addWidget(MakeWord(rename_texts::WordPlus.toString(), this));
    numberRow->addWidget(Text6_);
    numberRow->addWidget(MakeWord(rename_texts::WordObject.toString(), this));
    numberRow->addStretch(1);
    auto* digitsRow = new QHBoxLayout;
    QLabel* zeroWord = MakeWord(rename_texts::WordZeroFill.toString(), this);
    zeroWord->setBuddy(cmbZero_);  // screen readers label the combo box by it
    digitsRow->addWidget(zeroWord);
    digitsRow->addWidget(cmbZero_);
    digitsRow->addWidget(MakeWord(rename_texts::WordDigits.toString(), this));
    digitsRow->addSpacing(12);
    digitsRow->addWidget(Command3);
    digitsRow->addStretch(1);
    for (QHBoxLayout* row : {placementRow, numberRow, digitsRow}) {
        row->setSpacing(4);
        sentence->addLayout(row);
    }

    auto* examples = new QGridLayout;
    examples->setHorizontalSpacing(4);
    examples->setVerticalSpacing(4);
    examples->addWidget(MakeWord(rename_texts::WordExample.toString(), this), 0, 0, Qt::AlignTop);
    examples->addWidget(Label37, 0, 1, Qt::AlignTop);
    examples->addWidget(MakeWord(rename_texts::WordAdded.toString(), this), 1, 0, Qt::AlignTop);
    examples->addWidget(lblPre, 1, 1, 2, 1);
    examples->setColumnStretch(1, 1);
    examples->setRowStretch(2, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(12);
    layout->addLayout(sentence);
    layout->addLayout(examples, 1);

    QWidget* readingOrder[] = {Option2->button(0),
                               Option2->button(1),
                               Option2->button(2),
                               txtST2,
                               Text4_,
                               Text5,
                               Text6_,
                               cmbZero_,
                               Command3};
    for (size_t i = 1; i < std::size(readingOrder); ++i)
        setTabOrder(readingOrder[i - 1], readingOrder[i]);
}

SerialFields SerialPanel::Fields() const {
    SerialFields fields;
    fields.prefix = Text4_->text();
    fields.start = Text5->text();
    fields.suffix = Text6_->text();
    fields.digitCount = cmbZero_->currentText();
    fields.placement = Placement(qMax(Option2->checkedId(), 0));
    fields.position = txtST2->text();
    return fields;
}

void SerialPanel::UpdateSerialPreview() {
    const SerialFields fields = Fields();
    if (const std::optional<QString> text = SerialPreviewText(fields))
        ShowExample(lblPre, *text);
    // Set even when the example keeps its text, so the box follows the choice at once.
    txtST2->setEnabled(fields.placement == Placement::Position);
}

void SerialPanel::SetDigitsFromCount(qint64 count) {
    const int index = cmbZero_->findText(QString::number(DigitCount(count)));
    cmbZero_->setCurrentIndex(index >= 0 ? index : cmbZero_->count() - 1);
}

void SerialPanel::Run() {
    // A refused number field has just taken the focus back; the click that left it is not a run.
    if (startCheck_->Refused() || positionCheck_->Refused())
        return;
    Q_EMIT RunRequested(Fields());
}

}  // namespace miravel
