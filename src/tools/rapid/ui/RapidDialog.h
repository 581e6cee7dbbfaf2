#pragma once

#include <QDialog>
#include <QImage>
#include <array>

#include "data/DialogContext.h"
#include "tools/rapid/RapidSelection.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace veritom {

class CLead;
class CTabComboBox;

// Rapid Selection (template 1175): the build type, one drop-down list per part number
// segment, the part number built and Add to OrderPad. Every decision comes from
// CRapidSelection; the dialog runs its requests one posted step at a time, so it repaints
// between segments. Done ends with IDOK, Back with IDCANCEL.
class CRapid2 : public QDialog {
public:
    static constexpr int kTemplateId = 1175;

    // stateIcons holds the three state pictures side by side (waiting, chosen, to choose).
    CRapid2(const CDialogContext& context, const COrderPadTarget& orderPad, std::string seriesLink,
            const QImage& stateIcons, QWidget* parent = nullptr);

    int Run();

    const CRapidSelection& Selection() const { return m_rapid; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildSegmentGrid();
    QWidget* BuildButtonColumn();
    void Initialize();
    void Post(CRapidSelection::Step step);
    void RunStep(CRapidSelection::Step step);
    void OnBuildTypeChosen(int type);
    void OnLineChosen(int segment, int line);
    void OnAddToOrderPad();
    void ShowSegments();
    void SyncList(int segment);
    void SyncLists();
    void ShowPicture();
    void ShowPartNumber();
    void Emphasize(int segment, bool on);
    void AwaitChoice(int segment);
    QPixmap StateIcon(CRapidSelection::SegmentState state) const;

    CDialogContext m_context;
    COrderPadTarget m_orderPad;
    CRapidSelection m_rapid;
    QImage m_stateIcons;
    std::array<QLabel*, kRapidSegmentCount> m_headings{};
    std::array<CTabComboBox*, kRapidSegmentCount> m_lists{};
    std::array<QLabel*, kRapidSegmentCount> m_icons{};
    std::array<QRadioButton*, 4> m_types{};  // by build type; 0 unused
    QButtonGroup* m_typeGroup = nullptr;
    CLead* m_picture = nullptr;
    QLabel* m_partNumber = nullptr;
    QLabel* m_description = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_done = nullptr;
    QPushButton* m_back = nullptr;
    // Requests posted before the user changed the build type or a choice are dropped.
    int m_generation = 0;
};

}  // namespace veritom
