#pragma once

#include <QDialog>
#include <QImage>
#include <string>

#include "tools/startup/TipOfTheDay.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace veritom {

class ITipProfile;

// Tip of the Day (template 123): the tip on white under the bulb and "Did you know...", the
// start-up check box, Next Tip and Close. Every decision comes from CTipOfTheDay.
class CTipDlg : public QDialog {
public:
    static constexpr int kTemplateId = 123;

    CTipDlg(ITipProfile& profile, const std::string& tipsPath, const QImage& bulb,
            QWidget* parent = nullptr);
    ~CTipDlg() override;

    int Run();

    QString TipText() const;

private:
    void OnNextTip();
    void OnClose();
    void ShowTip();

    CTipOfTheDay m_tips;
    QLabel* m_tip = nullptr;
    QCheckBox* m_showOnStartup = nullptr;
    QPushButton* m_next = nullptr;
};

}  // namespace veritom
