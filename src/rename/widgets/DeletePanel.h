#pragma once

#include "rename/DeleteNumberedOperation.h"
#include "rename/widgets/OperationPanel.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace miravel {

// The delete numbered string panel (Frame6): markers such as [第9話].
class DeletePanel : public OperationPanel {
    Q_OBJECT

  public:
    explicit DeletePanel(QWidget* parent = nullptr);

    // The texts around the number, kept in the settings between runs.
    QLineEdit* Text7() const { return Text7_; }
    QLineEdit* Text8() const { return Text8_; }

    // The panel's fields as they stand.
    DeleteFields Fields() const;
    OperationRequest CurrentRequest() const override { return Fields(); }
    // Rebuilds both examples and strikes the after-example through while a run would refuse
    // the fields.
    void UpdateDeletePreview();
    // Only the strike-through of the after-example, for fields that were loaded without a
    // rebuild (the examples keep their texts unless the fields are refused).
    void ApplyRefusalMark();

  private:
    void BuildControls();
    void SetStruck(bool struck);

    QLineEdit* Text7_ = nullptr;      // before the number
    QLineEdit* Text8_ = nullptr;      // after the number
    QButtonGroup* Option3 = nullptr;  // strings and number, or the number only
    QPushButton* Command7 = nullptr;  // runs the deletion
    QLabel* Label31 = nullptr;        // sample names with their markers
    QLabel* Label9 = nullptr;         // the sample names after the deletion
};

}  // namespace miravel
