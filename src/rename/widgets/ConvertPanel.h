#pragma once

#include <QFrame>

#include "rename/BatchRename.h"
#include "rename/ConvertOperation.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace miravel {

// The conversion panel (Frame7): letter case and character width of the selected names, in the
// name alone or with its extension, with an example of the chosen conversion.
class ConvertPanel : public QFrame {
    Q_OBJECT

  public:
    ConvertPanel(const BatchContext& batch, QWidget* parent = nullptr);

    Conversion ChosenConversion() const;
    ConversionScope ChosenScope() const;

  private:
    void UpdateConvertPreview();
    void RunConvert();

    BatchContext batch_;
    QButtonGroup* Option4_;  // the conversion
    QButtonGroup* Option5_;  // its scope
    QPushButton* Command8_;  // runs the conversion
    QLabel* Label40_;        // sample names before
    QLabel* Label41_;        // the same names converted
};

}  // namespace miravel
