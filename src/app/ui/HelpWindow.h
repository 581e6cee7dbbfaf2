#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace veritom {

// The help viewer: a window of its own that shows a help file (HTML inside, whatever the
// file's ending) and scrolls to a topic. A topic is an anchor name; when the file has no
// anchor of that name, the first place where the text occurs is shown instead, so a
// keyword that is not an anchor still finds its topic.
class CHelpWindow : public QWidget {
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows the window with path at topic (empty: the beginning). False when the file
    // cannot be read.
    bool Open(const QString& path, const QString& topic);

    // The anchor name of a help context: the number itself; 0 is the contents (no anchor).
    static QString TopicFor(int context, const QString& keyword);

    QTextBrowser* Browser() const { return m_browser; }
    const QString& FilePath() const { return m_path; }

private:
    void ShowTopic(const QString& topic);

    QTextBrowser* m_browser;
    QString m_path;
};

}  // namespace veritom
