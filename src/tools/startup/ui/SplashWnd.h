#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace veritom {

// The splash screen: a borderless picture over the main window while start-up finishes. It
// goes after five seconds or at the first key or mouse press anywhere in the program (which
// it swallows), then runs its closing action (the start-up screens) once.
class CSplashWnd : public QWidget {
public:
    static constexpr int kShowMilliseconds = 5000;

    // Shows the splash over owner unless one is shown already or the picture is null; false
    // when it did not show.
    static bool ShowSplashScreen(const QImage& picture, QWidget* owner,
                                 std::function<void()> onClosed);
    // The splash on screen, or nullptr.
    static CSplashWnd* Current();

    ~CSplashWnd() override;

    // Closes the splash now, repaints the owner and runs the closing action.
    void HideSplashScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSplashWnd(const QImage& picture, QWidget* owner, std::function<void()> onClosed);

    QImage m_picture;
    QPointer<QWidget> m_owner;
    std::function<void()> m_onClosed;
    int m_timer = 0;
    bool m_closing = false;
};

}  // namespace veritom
