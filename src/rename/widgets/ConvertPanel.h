#pragma once

#include "rename/ConvertOperation.h"
#include "rename/widgets/OperationPanel.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace miravel {

// The conversion panel (Frame7): letter case and character width of the selected names, in the
// name alone or with its extension, with an example of the chosen conversion. The choices are
// the option groups Option4 (the conversion, Option4_0 to Option4_4) and Option5 (the scope,
// Option5_0 and Option5_1), each button's index its id and its enum value.
class ConvertPanel : public OperationPanel {
    Q_OBJECT

  public:
    explicit ConvertPanel(QWidget* parent = nullptr);

    OperationRequest CurrentRequest() const override;

  private:
    ConvertFields Fields() const;
    void UpdateConvertPreview();

    QButtonGroup* Option4_;  // the conversion
    QButtonGroup* Option5_;  // its scope
    QPushButton* Command8_;  // runs the conversion
    QLabel* Label40_;        // sample names before
    QLabel* Label41_;        // the same names converted
};

}  // namespace miravel
