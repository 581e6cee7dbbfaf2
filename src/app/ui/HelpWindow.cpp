#include "app/ui/HelpWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/AppStrings.h"
#include "base/StringTable.h"

namespace veritom {

namespace {

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

}  // namespace

CHelpWindow::CHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto* bar = new QWidget(this);
    BuildToolBar(bar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser, 1);
    resize(640, 720);
    setWindowTitle(Text(ids::kHelpWindowTitle));

    auto* close = new QAction(this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence::Close});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    auto* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    addAction(find);
}

void CHelpWindow::BuildToolBar(QWidget* bar) {
    m_back = new QToolButton(bar);
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_back->setToolTip(Text(ids::kHelpBack));
    m_back->setShortcut(QKeySequence::Back);
    m_back->setEnabled(false);
    m_forward = new QToolButton(bar);
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_forward->setToolTip(Text(ids::kHelpForward));
    m_forward->setShortcut(QKeySequence::Forward);
    m_forward->setEnabled(false);
    m_search = new QLineEdit(bar);
    m_search->setObjectName(QStringLiteral("helpSearch"));
    m_search->setPlaceholderText(Text(ids::kHelpSearch));
    m_search->setClearButtonEnabled(true);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_back);
    layout->addWidget(m_forward);
    layout->addStretch();
    layout->addWidget(m_search, 2);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_search, &QLineEdit::returnPressed, this, [this] { FindNext(); });
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
    const QString helpTitle = Text(ids::kHelpWindowTitle);
    setWindowTitle(title.isEmpty() ? helpTitle : title + QStringLiteral(" - ") + helpTitle);
    // Shown first: a hidden browser cannot scroll to a topic.
    show();
    raise();
    ShowTopic(topic);
    return true;
}

void CHelpWindow::PlaceBeside(const QWidget* anchor) {
    if (m_placed || !anchor || !anchor->isVisible()) {
        return;
    }
    m_placed = true;
    const QScreen* screen = anchor->screen();
    if (!screen) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect main = anchor->frameGeometry();
    QRect help(QPoint(), frameGeometry().size());
    help.setHeight(std::min(help.height(), room.height()));
    // Right of the main window when it fits, else left of it, else at the screen's right edge.
    if (main.right() + help.width() <= room.right()) {
        help.moveTopLeft(QPoint(main.right() + 1, main.top()));
    } else if (main.left() - help.width() >= room.left()) {
        help.moveTopRight(QPoint(main.left() - 1, main.top()));
    } else {
        help.moveTopRight(QPoint(room.right(), main.top()));
    }
    if (help.bottom() > room.bottom()) {
        help.moveBottom(room.bottom());
    }
    move(help.topLeft());
}

QString CHelpWindow::TopicFor(int context, const QString& keyword) {
    if (!keyword.isEmpty()) {
        return keyword;
    }
    return context == 0 ? QString() : QString::number(context);
}

bool CHelpWindow::FindNext(bool backward) {
    const QString text = m_search->text();
    if (text.isEmpty()) {
        return false;
    }
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_browser->find(text, flags)) {
        return true;
    }
    m_browser->moveCursor(backward ? QTextCursor::End : QTextCursor::Start);
    return m_browser->find(text, flags);
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
