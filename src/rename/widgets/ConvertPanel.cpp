#include "rename/widgets/ConvertPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "rename/OperationTexts.h"
#include "rename/widgets/PanelControls.h"

namespace miravel {

namespace {

// A framed row of option buttons, one group, the first chosen.
QFrame* MakeChoiceFrame(const QString& objectName, const QString& accessibleName,
                        const QString& optionPrefix, const QList<QStringView>& captions,
                        QButtonGroup* group, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(objectName);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAccessibleName(accessibleName);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(6);
    QWidget* previous = nullptr;
    for (int index = 0; index < captions.size(); ++index) {
        QRadioButton* option =
            MakeOption(optionPrefix + QString::number(index), captions[index].toString(), frame);
        option->setAccessibleName(option->text());
        group->addButton(option, index);
        row->addWidget(option);
        if (previous)
            QWidget::setTabOrder(previous, option);
        previous = option;
    }
    group->button(0)->setChecked(true);
    return frame;
}

}  // namespace

ConvertPanel::ConvertPanel(const BatchContext& batch, QWidget* parent)
    : QFrame(parent),
      batch_(batch),
      Option4_(new QButtonGroup(this)),
      Option5_(new QButtonGroup(this)) {
    using namespace rename_texts;
    setObjectName(QStringLiteral("Frame7"));
    setAccessibleName(ConvertTab.toString());

    // The choices are many; they take a row of their own and wrap into two.
    auto* conversions = new QFrame(this);
    conversions->setObjectName(QStringLiteral("Frame8"));
    conversions->setFrameShape(QFrame::StyledPanel);
    conversions->setAccessibleName(QStringLiteral("変換の種類"));
    auto* conversionGrid = new QGridLayout(conversions);
    conversionGrid->setContentsMargins(6, 2, 6, 2);
    conversionGrid->setHorizontalSpacing(8);
    conversionGrid->setVerticalSpacing(2);
    const QStringView captions[] = {ConvertLower, ConvertUpper, ConvertWordHeads,
                                    ConvertFullWidthToHalf, ConvertHalfKanaToFull};
    QRadioButton* options[std::size(captions)] = {};
    for (int index = 0; index < int(std::size(captions)); ++index) {
        options[index] = MakeOption(QStringLiteral("Option4_%1").arg(index),
                                    captions[index].toString(), conversions);
        options[index]->setAccessibleName(options[index]->text());
        Option4_->addButton(options[index], index);
        conversionGrid->addWidget(options[index], index / 3, index % 3);
    }
    options[0]->setChecked(true);

    QFrame* scope = MakeChoiceFrame(QStringLiteral("Frame9"), QStringLiteral("変換する範囲"),
                                    QStringLiteral("Option5_"), {ScopeBaseOnly, ScopeWholeName},
                                    Option5_, this);
    Command8_ = MakeRunButton(QStringLiteral("Command8"), ConvertRun.toString(), this);

    auto* label38 = MakeNamedWord(QStringLiteral("Label38"), QStringLiteral("例："), this);
    const ConversionPreview initial =
        ConversionPreviewTexts(Conversion::Lower, ConversionScope::BaseOnly);
    Label40_ =
        MakeExample(QStringLiteral("Label40"), initial.before, QStringLiteral("変換前の例"), this);
    auto* label39 = MakeNamedWord(QStringLiteral("Label39"), QStringLiteral("変換後："), this);
    Label41_ =
        MakeExample(QStringLiteral("Label41"), initial.after, QStringLiteral("変換後の例"), this);
    for (QLabel* example : {Label40_, Label41_})
        KeepWithinPanel(example);

    auto* inputs = new QHBoxLayout;
    inputs->setSpacing(4);
    inputs->addWidget(conversions, 1);
    inputs->addWidget(scope);
    inputs->addSpacing(8);
    inputs->addWidget(Command8_, 0, Qt::AlignTop);

    auto* examples = new QGridLayout;
    examples->setHorizontalSpacing(4);
    examples->setVerticalSpacing(2);
    examples->addWidget(label38, 0, 0, Qt::AlignRight);
    examples->addWidget(Label40_, 0, 1);
    examples->addWidget(label39, 1, 0, Qt::AlignRight);
    examples->addWidget(Label41_, 1, 1);
    examples->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(8);
    layout->addLayout(inputs);
    layout->addLayout(examples);
    layout->addStretch(1);

    for (size_t i = 1; i < std::size(options); ++i)
        setTabOrder(options[i - 1], options[i]);
    setTabOrder(options[std::size(options) - 1], Option5_->button(0));
    setTabOrder(Option5_->button(1), Command8_);

    // Programmatic choices count like clicks, as the example must always match the choice.
    for (QButtonGroup* group : {Option4_, Option5_}) {
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked)
                UpdateConvertPreview();
        });
    }
    connect(Command8_, &QPushButton::clicked, this, [this] { RunConvert(); });
}

Conversion ConvertPanel::ChosenConversion() const {
    return Conversion(qMax(Option4_->checkedId(), 0));
}

ConversionScope ConvertPanel::ChosenScope() const {
    return ConversionScope(qMax(Option5_->checkedId(), 0));
}

void ConvertPanel::UpdateConvertPreview() {
    const ConversionPreview preview = ConversionPreviewTexts(ChosenConversion(), ChosenScope());
    ShowExample(Label40_, preview.before);
    ShowExample(Label41_, preview.after);
}

void ConvertPanel::RunConvert() {
    BatchRename(MakeConversionOperation(ChosenConversion(), ChosenScope()), batch_);
}

}  // namespace miravel
