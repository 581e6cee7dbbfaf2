#include "app/ui/HelpWindow.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "app/AppStrings.h"
#include "base/StringTable.h"

namespace veritom {

CHelpWindow::CHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 720);
    setWindowTitle(QString::fromStdString(LoadString(ids::kHelpWindowTitle)));
}

bool CHelpWindow::Open(const QString& path, const QString& topic) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        return false;
    }
    m_path = info.absoluteFilePath();
    // The type is given, because help files keep endings that do not say HTML.
    m_browser->setSource(QUrl::fromLocalFile(m_path), QTextDocument::HtmlResource);
    const QString title = m_browser->documentTitle();
    const QString helpTitle = QString::fromStdString(LoadString(ids::kHelpWindowTitle));
    setWindowTitle(title.isEmpty() ? helpTitle : title + QStringLiteral(" - ") + helpTitle);
    // Shown first: a hidden browser cannot scroll to a topic.
    show();
    raise();
    ShowTopic(topic);
    return true;
}

QString CHelpWindow::TopicFor(int context, const QString& keyword) {
    if (!keyword.isEmpty()) {
        return keyword;
    }
    return context == 0 ? QString() : QString::number(context);
}

void CHelpWindow::ShowTopic(const QString& topic) {
    m_browser->verticalScrollBar()->setValue(0);
    if (topic.isEmpty()) {
        return;
    }
    QTextDocument* document = m_browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(topic)) {
                m_browser->scrollToAnchor(topic);
                return;
            }
        }
    }
    m_browser->moveCursor(QTextCursor::Start);
    if (m_browser->find(topic)) {
        m_browser->ensureCursorVisible();
    }
}

}  // namespace veritom
