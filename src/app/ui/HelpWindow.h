#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace veritom {

// The help viewer: a window of its own that shows a help file (HTML inside, whatever the
// file's ending) and scrolls to a topic. A topic is an anchor name; when the file has no
// anchor of that name, the first place where the text occurs is shown instead, so a
// keyword that is not an anchor still finds its topic. It has Back and Forward, a search
// box, closes with Esc or Ctrl+W, and is a window of its own, not of a dialog, so it stays
// usable while the dialog that asked for it is open.
class CHelpWindow : public QWidget {
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows the window with path at topic (empty: the beginning). False when the file
    // cannot be read.
    bool Open(const QString& path, const QString& topic);
    // Places the window beside anchor (the main window) where the screen has room.
    void PlaceBeside(const QWidget* anchor);

    // The anchor name of a help context: the number itself; 0 is the contents (no anchor).
    static QString TopicFor(int context, const QString& keyword);

    QTextBrowser* Browser() const { return m_browser; }
    QLineEdit* SearchBox() const { return m_search; }
    const QString& FilePath() const { return m_path; }

    // The next place of the search box's text, from the cursor on, wrapping around once;
    // backward searches towards the beginning. False when the text is not in the file.
    bool FindNext(bool backward = false);

private:
    void BuildToolBar(QWidget* bar);
    void ShowTopic(const QString& topic);

    QTextBrowser* m_browser;
    QLineEdit* m_search = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QString m_path;
    bool m_placed = false;
};

}  // namespace veritom
