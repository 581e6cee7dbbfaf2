#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "data/ui/BitmapEx.h"
#include "data/ui/Dib.h"

namespace veritom {

class CVeritomApp;
class CVeritomButton;
class CVeritomObject;

// The button panel: one push button per step of the selection in a column, the text of what
// was chosen in each step to the right of its button, and a blinking picture beside the step
// to do next. Number, texts, states and actions of the buttons all come from the selection
// object.
//
// The panel is drawn into an image first, so the indicator can be drawn over it and the
// pixels under it put back without drawing the whole panel again.
class CVeritomView : public QWidget {
public:
    static constexpr int kIndicatorLeft = 205;
    static constexpr int kIndicatorRight = 240;
    static constexpr int kIndicatorTopOffset = 14;
    static constexpr int kIndicatorBottomOffset = 30;
    static constexpr int kButtonLeft = 20;
    static constexpr int kButtonWidth = 180;
    static constexpr int kButtonHeight = 40;
    static constexpr int kTextGap = 55;
    static constexpr int kTextRightMargin = 10;
    static constexpr int kHeadingTop = 5;
    static constexpr int kStartDelayMs = 5;
    static constexpr int kBlinkPeriodMs = 500;

    explicit CVeritomView(CVeritomApp& app, QWidget* parent = nullptr);
    ~CVeritomView() override;

    // Once, when the window is first shown: button states, focus and current step.
    void OnInitialUpdate();
    // After a new selection or a loaded file: states, current step, focus, texts.
    void Refresh();
    // Button texts and states again, after a language switch.
    void ReloadButtons();
    // Panel button commands (100 + i); false for any other command.
    bool OnCommand(int commandId);
    // After a file was opened: a complete selection stops the indicator, any other starts it.
    void ShowSelectionState(bool complete);
    bool IsSelectionComplete() const { return m_selectionComplete; }

    void StartBlinking();
    void StopBlinking();
    bool IsBlinking() const { return m_blinking; }
    bool IsIndicatorShown() const { return m_indicatorShown; }
    // One blink step, as the timer makes it.
    void Blink();

    // The button beside which the indicator blinks.
    int CurrentStep() const { return m_currentStep; }
    QRect IndicatorRect() const;
    QRect HeadingRect() const;
    int ButtonCount() const { return static_cast<int>(m_buttons.size()); }
    CVeritomButton* Button(int index) const;
    const std::vector<std::string>& DisplayTexts() const { return m_displayTexts; }
    bool HasBackground() const { return !m_background.IsEmpty(); }
    // Where display text index is drawn, as last laid out.
    QRect DisplayTextRect(int index) const;

    // The panel is drawn again at the next paint.
    void Invalidate();
    // Tab from a button: the step after the focused button becomes current.
    void MoveToNextStep();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    CVeritomObject& Object() const;
    void CreateButtons();
    void LayOutButtons();
    void UpdateButtonStates();
    void ReloadDisplayTexts();
    void PressButton(int index);
    void OnStartTimer();
    void RenderPanel();
    void DrawIndicator(bool shown);
    void SetCurrentStep(int index);

    CVeritomApp& m_app;
    std::vector<CVeritomButton*> m_buttons;
    std::vector<std::string> m_displayTexts;
    std::vector<QRect> m_textRects;
    CDib m_background;
    CBitmapEx m_indicator;
    QImage m_panel;
    bool m_panelValid = false;
    QTimer m_startTimer;
    QTimer m_blinkTimer;
    int m_currentStep = 0;
    bool m_blinking = false;
    bool m_indicatorShown = false;
    bool m_selectionComplete = false;
    bool m_firstUpdateDone = false;
};

}  // namespace veritom
