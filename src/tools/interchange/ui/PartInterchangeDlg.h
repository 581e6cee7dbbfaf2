#pragma once

#include <QDialog>

#include "data/DialogContext.h"
#include "tools/interchange/PartInterchange.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace veritom {

class CColorListBox;

// Competitor Part Number Interchange (template 1177): competitor, the competitor's part
// number typed or picked, division and voltage, and the maker's part that replaces it. Every
// decision comes from CPartInterchange; the dialog binds it to its controls.
class CPartInterchangeDlg : public QDialog {
public:
    static constexpr int kTemplateId = 1177;

    CPartInterchangeDlg(const CDialogContext& context, const COrderPadTarget& orderPad,
                        QWidget* parent = nullptr);

    // Shows the database's opening notice, then the dialog; Done ends it with IDOK.
    int Run();

    const CPartInterchange& Interchange() const { return m_interchange; }

private:
    void BuildControls();
    QWidget* BuildButtonColumn();
    void OnCompetitorChosen(int index);
    void OnPartPicked(int row);
    void OnPartTyped();
    void OnDivisionChosen(int index);
    void OnVoltageChosen(int index);
    void OnAddToOrderPad();
    // Brings every control in line with the decisions.
    void Show();
    void ShowParts();
    void ShowAnswer();

    CDialogContext m_context;
    COrderPadTarget m_orderPad;
    CPartInterchange m_interchange;
    QComboBox* m_competitors = nullptr;
    QLineEdit* m_partNumber = nullptr;
    CColorListBox* m_parts = nullptr;
    QComboBox* m_divisions = nullptr;
    QLabel* m_voltageLabel = nullptr;
    QComboBox* m_voltages = nullptr;
    QLabel* m_answerPartNumber = nullptr;
    QLabel* m_answerDescription = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QPushButton* m_add = nullptr;
};

}  // namespace veritom
