#include "tools/startup/ui/SplashWnd.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

#include "tools/startup/StartupFlow.h"

namespace veritom {

namespace {

CSplashWnd* g_splash = nullptr;
// Room below the text for the picture's own bottom edge.
constexpr int kFootMargin = 10;

bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonDblClick:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool CSplashWnd::ShowSplashScreen(const QImage& picture, QWidget* owner,
                                  std::function<void()> onClosed) {
    if (g_splash || picture.isNull()) {
        return false;
    }
    g_splash = new CSplashWnd(picture, owner, std::move(onClosed));
    g_splash->show();
    g_splash->repaint();
    return true;
}

CSplashWnd* CSplashWnd::Current() {
    return g_splash;
}

CSplashWnd::CSplashWnd(const QImage& picture, QWidget* owner, std::function<void()> onClosed)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_picture(picture),
      m_owner(owner),
      m_onClosed(std::move(onClosed)) {
    setObjectName(QStringLiteral("splashWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::ArrowCursor);
    setFixedSize(m_picture.size());
    QRect frame(QPoint(0, 0), size());
    if (owner && owner->isVisible()) {
        frame.moveCenter(owner->frameGeometry().center());
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame.moveCenter(screen->availableGeometry().center());
    }
    move(frame.topLeft());
    m_timer = startTimer(kShowMilliseconds);
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd() {
    qApp->removeEventFilter(this);
    if (g_splash == this) {
        g_splash = nullptr;
    }
}

void CSplashWnd::HideSplashScreen() {
    if (m_closing) {
        return;
    }
    m_closing = true;
    killTimer(m_timer);
    qApp->removeEventFilter(this);
    g_splash = nullptr;
    close();
    if (m_owner) {
        m_owner->update();
    }
    if (m_onClosed) {
        m_onClosed();
    }
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
    // The product's name and version at the foot of the picture, above its bottom edge.
    QFont versionFont = painter.font();
    QFont productFont = versionFont;
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.4);
    const int versionHeight = QFontMetrics(versionFont).lineSpacing();
    const int productHeight = QFontMetrics(productFont).lineSpacing();
    const QRect version(0, height() - kFootMargin - versionHeight, width(), versionHeight);
    const QRect product(0, version.top() - productHeight, width(), productHeight);
    painter.setPen(Qt::white);
    painter.setFont(productFont);
    painter.drawText(product, Qt::AlignCenter, QString::fromStdString(AboutProductLine()));
    painter.setFont(versionFont);
    painter.drawText(version, Qt::AlignCenter, QString::fromStdString(AboutVersionLine()));
}

void CSplashWnd::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_timer) {
        HideSplashScreen();
    }
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event) {
    if (m_closing) {
        return QWidget::eventFilter(watched, event);
    }
    // Taking the key from the shortcuts first keeps it from running a menu command.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (IsInput(event->type())) {
        HideSplashScreen();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace veritom
