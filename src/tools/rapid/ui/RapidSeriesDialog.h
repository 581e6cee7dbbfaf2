#pragma once

#include <QDialog>
#include <QImage>
#include <string>
#include <vector>

#include "data/DialogContext.h"
#include "tools/orderpad/OrderPadLine.h"
#include "tools/rapid/RapidSeries.h"

class QPlainTextEdit;

namespace veritom {

class CColorListBox;
class CWizardButtons;

// Rapid Selection - Series (template 113): the design series with the database's note. OK or
// a double click opens Rapid Selection for the series; its Done ends this dialog too, its
// Back returns here.
class CRapidSeries : public QDialog {
public:
    static constexpr int kTemplateId = 113;

    CRapidSeries(const CDialogContext& context, const COrderPadTarget& orderPad,
                 const QImage& stateIcons, QWidget* parent = nullptr);

    int Run();

private:
    void OnOk();

    CDialogContext m_context;
    COrderPadTarget m_orderPad;
    QImage m_stateIcons;
    std::vector<CRapidSeriesEntry> m_series;
    CColorListBox* m_list = nullptr;
    QPlainTextEdit* m_note = nullptr;
    CWizardButtons* m_buttons = nullptr;
};

// Tools, Rapid Selection: says so when there is no series, opens the one series at once, or
// lets the user choose among several first.
void RunRapidSelectionTool(const CDialogContext& context, const COrderPadTarget& orderPad,
                           QWidget* parent, const QImage& stateIcons);

}  // namespace veritom
