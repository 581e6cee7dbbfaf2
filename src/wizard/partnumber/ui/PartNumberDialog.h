#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>

#include "data/DialogContext.h"
#include "wizard/partnumber/PartNumberSelection.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

namespace veritom {

class CCandidateModel;
class CComboUnit;
class CEditNumeric;
class CTabComboBox;
class CWizardButtons;

// Select Part Number (template 107): ten filters over the candidate part numbers of the
// record, the sortable candidate list, catalog information, filter help and the selection
// report of the highlighted candidate. OK writes the chosen part, the filters and the list's
// layout into the record. Every decision comes from CPartNumberSelection.
class CSelection1 : public QDialog {
public:
    static constexpr int kTemplateId = 107;
    static constexpr int kStaleBlinkMs = 650;
    // Shows the selection report of a record (the record with OK applied to a copy).
    using ReportFunction = std::function<void(const CProd_ValveData&)>;

    CSelection1(const CDialogContext& context, CProd_ValveData& record, ReportFunction report,
                QWidget* parent = nullptr);

    // Opens the step (filters, then the list) and runs the dialog: IDOK (record written)
    // or IDCANCEL.
    int Run();

    QTableView* Table() const { return m_table; }
    QPushButton* UpdateButton() const { return m_update; }
    QLabel* StaleIndicator() const { return m_stale; }
    const CPartNumberSelection& Selection() const { return m_selection; }

private:
    using Filter = CPartNumberSelection::Filter;

    void BuildControls();
    QWidget* BuildFilters();
    QWidget* BuildList();
    void AddFilterRow(QGridLayout* grid, int row, int column, int filter, QWidget* field);
    void ConnectControls();
    // Opening: the filters bound to the selection's choices, then the list.
    void Open();
    void ShowFilters();
    void FillCombo(int filter);
    void FillRanges();
    void ShowNumber(int filter);
    void SizeColumns();
    void ShowRows(std::int64_t highlighted);

    void OnOptionChanged(int filter, int index);
    void OnRangeChanged(int index);
    void OnNumberChanged(int filter);
    void OnUpdate();
    void OnHeaderClicked(int section);
    void OnCatalogInformation();
    void OnReport();
    void OnFilterHelp(int filter);
    void OnOk();

    void MarkStale(bool emptied);
    void SetStale(bool stale);
    void ToggleIndicator();
    std::int64_t HighlightedRow() const;
    void StoreColumnOrder();

    CDialogContext m_context;
    CProd_ValveData& m_record;
    ReportFunction m_report;
    CPartNumberSelection m_selection;
    bool m_binding = false;  // controls are being filled: their signals are no user change

    std::array<QLabel*, CPartNumberSelection::kFilterCount> m_labels{};
    std::array<QComboBox*, CPartNumberSelection::kFilterCount> m_combos{};
    std::array<CEditNumeric*, CPartNumberSelection::kFilterCount> m_edits{};
    std::array<CComboUnit*, CPartNumberSelection::kFilterCount> m_units{};
    std::array<QToolButton*, CPartNumberSelection::kFilterCount> m_helps{};
    CTabComboBox* m_ranges = nullptr;
    QPushButton* m_update = nullptr;
    QPushButton* m_catalog = nullptr;
    QPushButton* m_reportButton = nullptr;
    QLabel* m_stale = nullptr;
    QLabel* m_count = nullptr;
    QTableView* m_table = nullptr;
    CCandidateModel* m_model = nullptr;
    CWizardButtons* m_buttons = nullptr;
    QTimer m_blink{this};
};

}  // namespace veritom
