#pragma once

#include <QTimer>
#include <QWidget>
#include <string>

class QLabel;
class QProgressBar;

namespace veritom {

// The progress program's window: titled "Please Wait !" until a caller starts it with its
// own title, it shows the caller's text line, a second line, and a bar that keeps moving
// while a task runs.
class CProgressWindow : public QWidget {
public:
    static constexpr int kDefaultStepMs = 100;

    CProgressWindow();

    // START: the caller's title; the display starts afresh.
    void Start(const QString& title);
    // TEXT: the line and the second part. A second part that is a number of milliseconds
    // sets the pace of the bar; any other is shown under the line.
    void ShowText(const QString& line, const QString& second);
    // END_RESET: the task ended; texts cleared, the bar stops.
    void Reset();

    QString Line() const;
    QString SecondLine() const;

private:
    void Step();
    void CentreOnScreen();

    QLabel* m_line;
    QLabel* m_second;
    QProgressBar* m_bar;
    QTimer m_timer;
};

}  // namespace veritom
