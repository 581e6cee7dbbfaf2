#include "ProgressWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "tools/progress/ProgressCommand.h"

namespace veritom {

namespace {

constexpr int kBarSteps = 20;
constexpr int kMinimumWidth = 360;

}  // namespace

CProgressWindow::CProgressWindow()
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(QString::fromUtf8(progress::kInitialTitle.data(),
                                     static_cast<qsizetype>(progress::kInitialTitle.size())));
    setMinimumWidth(kMinimumWidth);
    m_line = new QLabel(this);
    m_line->setObjectName(QStringLiteral("line"));
    m_second = new QLabel(this);
    m_second->setObjectName(QStringLiteral("secondLine"));
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, kBarSteps);
    m_bar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_line);
    layout->addWidget(m_second);
    layout->addWidget(m_bar);
    m_second->hide();
    m_timer.setInterval(kDefaultStepMs);
    connect(&m_timer, &QTimer::timeout, this, &CProgressWindow::Step);
    CentreOnScreen();
}

void CProgressWindow::CentreOnScreen() {
    adjustSize();
    if (const QScreen* display = screen()) {
        move(display->availableGeometry().center() - rect().center());
    }
}

void CProgressWindow::Start(const QString& title) {
    setWindowTitle(title);
    Reset();
    CentreOnScreen();
    show();
    raise();
}

void CProgressWindow::ShowText(const QString& line, const QString& second) {
    m_line->setText(line);
    bool isNumber = false;
    const int stepMs = second.toInt(&isNumber);
    if (isNumber && stepMs > 0) {
        m_timer.setInterval(stepMs);
        m_second->clear();
    } else {
        m_second->setText(second);
    }
    m_second->setVisible(!m_second->text().isEmpty());
    if (!m_timer.isActive()) {
        m_timer.start();
    }
}

void CProgressWindow::Reset() {
    m_timer.stop();
    m_timer.setInterval(kDefaultStepMs);
    m_line->clear();
    m_second->clear();
    m_second->hide();
    m_bar->setValue(0);
}

QString CProgressWindow::Line() const {
    return m_line->text();
}

QString CProgressWindow::SecondLine() const {
    return m_second->text();
}

void CProgressWindow::Step() {
    m_bar->setValue(m_bar->value() >= kBarSteps ? 0 : m_bar->value() + 1);
}

}  // namespace veritom
