#include "app/ui/VeritomView.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/AppStrings.h"
#include "app/CommandIds.h"
#include "app/VeritomAppInterface.h"
#include "app/VeritomObject.h"
#include "app/ui/LanguageBundle.h"
#include "app/ui/VeritomApp.h"
#include "app/ui/VeritomButton.h"
#include "base/Paths.h"
#include "base/StringTable.h"

namespace veritom {

namespace {

constexpr int kIndicatorBitmapId = 121;
constexpr int kUnboundedHeight = 100000;

int QtTextFlags(unsigned drawFlags) {
    int flags = Qt::AlignLeft | Qt::AlignTop;
    if (drawFlags & DT_WORDBREAK) {
        flags |= Qt::TextWordWrap;
    }
    if (drawFlags & DT_NOCLIP) {
        flags |= Qt::TextDontClip;
    }
    return flags;
}

}  // namespace

CVeritomView::CVeritomView(CVeritomApp& app, QWidget* parent) : QWidget(parent), m_app(app) {
    setObjectName(QStringLiteral("buttonPanel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);

    const QString background =
        QString::fromStdString(JoinPath(m_app.GetNetPath(), "background.bmp"));
    if (!m_app.GetNetPath().empty() && QFileInfo::exists(background)) {
        m_background.Read(background);
    }
    CreateButtons();
    m_indicator = CBitmapEx(m_app.GetBundle().Bitmap(kIndicatorBitmapId));

    m_startTimer.setSingleShot(true);
    connect(&m_startTimer, &QTimer::timeout, this, &CVeritomView::OnStartTimer);
    connect(&m_blinkTimer, &QTimer::timeout, this, &CVeritomView::Blink);
}

CVeritomView::~CVeritomView() {
    m_startTimer.stop();
    m_blinkTimer.stop();
}

CVeritomObject& CVeritomView::Object() const {
    return *m_app.GetSelectionObject();
}

void CVeritomView::CreateButtons() {
    const int count = Object().GetNumberOfButtons();
    for (int i = 0; i < count; ++i) {
        auto* button = new CVeritomButton(QString::fromStdString(Object().GetButtonText(i)),
                                          cmd::kPanelButtonFirst + i, this);
        connect(button, &QPushButton::clicked, this, [this, i] { PressButton(i); });
        m_buttons.push_back(button);
    }
    m_displayTexts.assign(m_buttons.size(), std::string());
    m_textRects.assign(m_buttons.size(), QRect());
    LayOutButtons();
}

CVeritomButton* CVeritomView::Button(int index) const {
    return index >= 0 && index < ButtonCount() ? m_buttons[static_cast<std::size_t>(index)]
                                               : nullptr;
}

QRect CVeritomView::DisplayTextRect(int index) const {
    return index >= 0 && index < ButtonCount() ? m_textRects[static_cast<std::size_t>(index)]
                                               : QRect();
}

void CVeritomView::OnInitialUpdate() {
    if (m_firstUpdateDone) {
        return;
    }
    m_firstUpdateDone = true;
    UpdateButtonStates();
    ReloadDisplayTexts();
    Invalidate();
}

void CVeritomView::Refresh() {
    UpdateButtonStates();
    ReloadDisplayTexts();
    Invalidate();
}

void CVeritomView::ReloadButtons() {
    for (int i = 0; i < ButtonCount(); ++i) {
        m_buttons[static_cast<std::size_t>(i)]->setText(
            QString::fromStdString(Object().GetButtonText(i)));
        m_buttons[static_cast<std::size_t>(i)]->setEnabled(Object().GetButtonState(i));
    }
    // The new language's bundle may draw its indicator differently.
    m_indicator = CBitmapEx(m_app.GetBundle().Bitmap(kIndicatorBitmapId));
    Invalidate();
}

void CVeritomView::UpdateButtonStates() {
    int lastEnabled = 0;
    for (int i = 0; i < ButtonCount(); ++i) {
        const bool enabled = Object().GetButtonState(i);
        m_buttons[static_cast<std::size_t>(i)]->setEnabled(enabled);
        if (enabled) {
            lastEnabled = i;
        }
    }
    SetCurrentStep(lastEnabled);
    if (CVeritomButton* button = Button(lastEnabled)) {
        button->setFocus();
    }
}

void CVeritomView::ReloadDisplayTexts() {
    for (int i = 0; i < ButtonCount(); ++i) {
        m_displayTexts[static_cast<std::size_t>(i)] = Object().GetButtonSelectionDisplayText(i);
    }
}

void CVeritomView::PressButton(int index) {
    m_app.SendCommand(cmd::kPanelButtonFirst + index);
}

bool CVeritomView::OnCommand(int commandId) {
    const int index = commandId - cmd::kPanelButtonFirst;
    if (commandId < cmd::kPanelButtonFirst || commandId > cmd::kPanelButtonLast ||
        index >= ButtonCount()) {
        return false;
    }
    const bool done = Object().PerformButtonAction(commandId);
    Refresh();
    if (!Object().IsSelectionComplete()) {
        m_selectionComplete = false;
        StartBlinking();
    } else {
        StopBlinking();
        m_selectionComplete = true;
        if (done) {
            Object().SelectionCompleted();
        }
    }
    return true;
}

void CVeritomView::ShowSelectionState(bool complete) {
    if (complete) {
        m_selectionComplete = true;
        StopBlinking();
    } else {
        m_selectionComplete = false;
        StartBlinking();
    }
}

void CVeritomView::LayOutButtons() {
    const int count = ButtonCount();
    if (count == 0) {
        return;
    }
    const int margin = height() / 10;
    const int step = (height() - 2 * margin) / (count + 1);
    for (int i = 0; i < count; ++i) {
        m_buttons[static_cast<std::size_t>(i)]->setGeometry(kButtonLeft, margin + i * step,
                                                            kButtonWidth, kButtonHeight);
    }
}

QRect CVeritomView::IndicatorRect() const {
    const CVeritomButton* button = Button(m_currentStep);
    if (!button) {
        return {};
    }
    const int top = button->geometry().top();
    return QRect(QPoint(kIndicatorLeft, top + kIndicatorTopOffset),
                 QPoint(kIndicatorRight - 1, top + kIndicatorBottomOffset - 1));
}

void CVeritomView::SetCurrentStep(int index) {
    if (index == m_currentStep) {
        return;
    }
    const bool shown = m_indicatorShown && m_panelValid;
    if (shown) {
        DrawIndicator(false);
    }
    m_currentStep = index;
    if (shown) {
        DrawIndicator(true);
    }
}

void CVeritomView::MoveToNextStep() {
    const int count = ButtonCount();
    if (count == 0) {
        return;
    }
    int focused = m_currentStep;
    for (int i = 0; i < count; ++i) {
        if (m_buttons[static_cast<std::size_t>(i)]->hasFocus()) {
            focused = i;
        }
    }
    // Disabled buttons cannot take the focus, so the step moves on to the next one that can.
    for (int offset = 1; offset <= count; ++offset) {
        const int next = (focused + offset) % count;
        if (m_buttons[static_cast<std::size_t>(next)]->isEnabled()) {
            SetCurrentStep(next);
            m_buttons[static_cast<std::size_t>(next)]->setFocus();
            return;
        }
    }
}

void CVeritomView::StartBlinking() {
    if (m_selectionComplete || m_blinking) {
        return;
    }
    m_startTimer.start(kStartDelayMs);
    m_blinking = true;
}

void CVeritomView::OnStartTimer() {
    m_blinkTimer.start(kBlinkPeriodMs);
    Blink();
}

void CVeritomView::Blink() {
    if (m_blinking) {
        m_indicatorShown = !m_indicatorShown;
        DrawIndicator(m_indicatorShown);
    } else {
        DrawIndicator(false);
    }
}

void CVeritomView::StopBlinking() {
    m_startTimer.stop();
    m_blinkTimer.stop();
    if (m_blinking) {
        m_blinking = false;
        Blink();
    }
    m_indicatorShown = false;
}

void CVeritomView::DrawIndicator(bool shown) {
    if (!m_panelValid) {
        update();  // the indicator comes with the whole panel at the next paint
        return;
    }
    QPainter painter(&m_panel);
    if (shown) {
        const QRect rect = IndicatorRect();
        m_indicator.DrawTransparent(painter, rect.left(), rect.top(), Qt::white, true);
        update(rect);
    } else if (m_indicator.HasSavedBackground()) {
        const QRect saved(m_indicator.SavedPosition(), m_indicator.Size());
        m_indicator.RestoreBackground(painter);
        update(saved);
    }
}

void CVeritomView::Invalidate() {
    m_panelValid = false;
    update();
}

void CVeritomView::RenderPanel() {
    m_panel = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&m_panel);
    painter.fillRect(rect(), palette().window());
    m_background.Draw(painter, rect());
    painter.setPen(palette().windowText().color());
    painter.setBackgroundMode(Qt::TransparentMode);

    const QString heading = QString::fromStdString(LoadString(ids::kPanelHeading));
    painter.drawText(QRect(0, kHeadingTop, width(), fontMetrics().height()),
                     Qt::AlignHCenter | Qt::AlignTop, heading);

    for (int i = 0; i < ButtonCount(); ++i) {
        const QRect button = m_buttons[static_cast<std::size_t>(i)]->geometry();
        const int flags = QtTextFlags(Object().GetButtonSelectionDisplayFormat(i));
        const QString text = QString::fromStdString(m_displayTexts[static_cast<std::size_t>(i)]);
        const int left = button.left() + button.width() + kTextGap;
        const int textWidth = std::max(1, width() - kTextRightMargin - left);
        const QRect measured =
            painter.boundingRect(QRect(left, 0, textWidth, kUnboundedHeight), flags, text);
        const QRect target(left, button.top() + (button.height() - measured.height()) / 2,
                           textWidth, measured.height());
        m_textRects[static_cast<std::size_t>(i)] = target;
        painter.drawText(target, flags, text);
    }
    painter.end();

    // Pixels kept under the indicator belong to the panel drawn before.
    m_indicator = CBitmapEx(m_indicator.Image());
    m_panelValid = true;
    if (m_blinking && m_indicatorShown) {
        QPainter overlay(&m_panel);
        const QRect rect = IndicatorRect();
        m_indicator.DrawTransparent(overlay, rect.left(), rect.top(), Qt::white, true);
    }
}

void CVeritomView::paintEvent(QPaintEvent* event) {
    if (!m_panelValid || m_panel.size() != size()) {
        RenderPanel();
    }
    QPainter painter(this);
    painter.drawImage(event->rect(), m_panel, event->rect());
}

void CVeritomView::resizeEvent(QResizeEvent* event) {
    LayOutButtons();
    Invalidate();
    QWidget::resizeEvent(event);
}

bool CVeritomView::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            MoveToNextStep();
            return true;
        }
    }
    return QWidget::event(event);
}

}  // namespace veritom
