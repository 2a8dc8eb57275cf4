#include "rename/widgets/ConvertPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "rename/OperationTexts.h"
#include "rename/PanelTexts.h"
#include "rename/widgets/PanelControls.h"

namespace miravel {

namespace {

// A framed grid of option buttons named prefix0, prefix1, …, one group, the first chosen;
// returns the buttons in their order.
QList<QRadioButton*> AddChoices(QFrame* frame, const QString& prefix,
                                const QList<QStringView>& captions, int columns,
                                QButtonGroup* group) {
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    QList<QRadioButton*> options;
    for (int index = 0; index < captions.size(); ++index) {
        QRadioButton* option =
            MakeOption(prefix + QString::number(index), captions[index].toString(), frame);
        option->setAccessibleName(option->text());
        group->addButton(option, index);
        grid->addWidget(option, index / columns, index % columns);
        options << option;
    }
    options[0]->setChecked(true);
    return options;
}

}  // namespace

ConvertPanel::ConvertPanel(QWidget* parent)
    : OperationPanel(parent), Option4_(new QButtonGroup(this)), Option5_(new QButtonGroup(this)) {
    using namespace rename_texts;
    setObjectName(QStringLiteral("Frame7"));
    setAccessibleName(ConvertPanelName.toString());

    // The conversions are many; they wrap into rows of two, so that the panel is no wider than
    // the window.
    auto* conversions = new QFrame(this);
    conversions->setObjectName(QStringLiteral("Frame8"));
    conversions->setAccessibleName(ConversionsName.toString());
    const QList<QRadioButton*> options = AddChoices(conversions, QStringLiteral("Option4_"),
                                                    {ConvertLower, ConvertUpper, ConvertWordHeads,
                                                     ConvertFullWidthToHalf, ConvertHalfKanaToFull},
                                                    2, Option4_);
    auto* scope = new QFrame(this);
    scope->setObjectName(QStringLiteral("Frame9"));
    scope->setAccessibleName(ScopeName.toString());
    const QList<QRadioButton*> scopes =
        AddChoices(scope, QStringLiteral("Option5_"), {ScopeBaseOnly, ScopeWholeName}, 1, Option5_);
    Command8_ = MakeRunButton(QStringLiteral("Command8"), ConvertRun.toString(), this);

    auto* label38 = MakeNamedWord(QStringLiteral("Label38"), WordExample.toString(), this);
    const ConversionPreview initial =
        ConversionPreviewTexts(Conversion::Lower, ConversionScope::BaseOnly);
    Label40_ =
        MakeExample(QStringLiteral("Label40"), initial.before, ConvertBeforeName.toString(), this);
    auto* label39 = MakeNamedWord(QStringLiteral("Label39"), WordConverted.toString(), this);
    Label41_ =
        MakeExample(QStringLiteral("Label41"), initial.after, ConvertAfterName.toString(), this);
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

    const QList<QRadioButton*> order = options + scopes;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    setTabOrder(order.last(), Command8_);

    // Programmatic choices count like clicks, as the example must always match the choice.
    for (QButtonGroup* group : {Option4_, Option5_}) {
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked) {
                UpdateConvertPreview();
                ReportChange();
            }
        });
    }
    connect(Command8_, &QPushButton::clicked, this,
            [this] { Q_EMIT RunRequested(CurrentRequest()); });
}

ConvertFields ConvertPanel::Fields() const {
    return {Conversion(qMax(Option4_->checkedId(), 0)),
            ConversionScope(qMax(Option5_->checkedId(), 0))};
}

OperationRequest ConvertPanel::CurrentRequest() const {
    return Fields();
}

void ConvertPanel::UpdateConvertPreview() {
    const ConvertFields fields = Fields();
    const ConversionPreview preview = ConversionPreviewTexts(fields.conversion, fields.scope);
    ShowExample(Label40_, preview.before);
    ShowExample(Label41_, preview.after);
}

}  // namespace miravel
