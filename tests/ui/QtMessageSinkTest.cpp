#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

#include "MessageRecorder.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/QtMessageSink.h"

namespace veritom {
namespace {

TEST(QtMessageSink, BuildsBoxesWithTheApplicationNameAndTheAskedButtons) {
    CQtMessageSink sink(QStringLiteral("Morvane Valve"));
    const struct {
        MsgButtons buttons;
        MsgIcon icon;
        QMessageBox::StandardButtons standard;
        QMessageBox::Icon qtIcon;
        QMessageBox::StandardButton escape;
    } cases[] = {
        {MsgButtons::Ok, MsgIcon::None, QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok},
        {MsgButtons::OkCancel, MsgIcon::Information, QMessageBox::Ok | QMessageBox::Cancel,
         QMessageBox::Information, QMessageBox::Cancel},
        {MsgButtons::YesNo, MsgIcon::Question, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Question, QMessageBox::No},
        {MsgButtons::YesNoCancel, MsgIcon::Warning,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Warning,
         QMessageBox::Cancel},
        {MsgButtons::RetryCancel, MsgIcon::Error, QMessageBox::Retry | QMessageBox::Cancel,
         QMessageBox::Critical, QMessageBox::Cancel},
    };
    for (const auto& c : cases) {
        const auto box = sink.BuildMessageBox("Save your current selection?", c.buttons, c.icon);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Morvane Valve"));
        EXPECT_EQ(box->text(), QStringLiteral("Save your current selection?"));
        EXPECT_EQ(box->standardButtons(), c.standard);
        EXPECT_EQ(box->icon(), c.qtIcon);
        EXPECT_EQ(box->escapeButton(), box->button(c.escape));
    }
    sink.SetCaption(QStringLiteral("Veritom"));
    EXPECT_EQ(sink.BuildMessageBox("x", MsgButtons::Ok, MsgIcon::None)->windowTitle(),
              QStringLiteral("Veritom"));
}

TEST(QtMessageSink, TurnsButtonsIntoAnswersAndAClosedBoxIntoItsEscapeAnswer) {
    const struct {
        QMessageBox::StandardButton clicked;
        MsgButtons buttons;
        MsgAnswer answer;
    } cases[] = {
        {QMessageBox::Yes, MsgButtons::YesNoCancel, MsgAnswer::Yes},
        {QMessageBox::No, MsgButtons::YesNoCancel, MsgAnswer::No},
        {QMessageBox::Retry, MsgButtons::RetryCancel, MsgAnswer::Retry},
        {QMessageBox::Ok, MsgButtons::OkCancel, MsgAnswer::Ok},
        {QMessageBox::NoButton, MsgButtons::Ok, MsgAnswer::Ok},
        {QMessageBox::NoButton, MsgButtons::YesNo, MsgAnswer::No},
        {QMessageBox::NoButton, MsgButtons::YesNoCancel, MsgAnswer::Cancel},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CQtMessageSink::AnswerFor(c.clicked, c.buttons), c.answer);
    }
}

TEST(QtMessageSink, BalancesTheWaitCursor) {
    {
        CQtMessageSink sink;
        sink.EndWaitCursor();  // unmatched: nothing to take away
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        sink.BeginWaitCursor();
        sink.BeginWaitCursor();
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        sink.EndWaitCursor();
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    }
    // A sink that goes away mid-wait gives the cursor back.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtMessageSink, TellsWebAddressesFromLocalDocuments) {
    const struct {
        const char* text;
        const char* url;
    } cases[] = {
        {"https://www.example.com/veritominfo/products/index.htm",
         "https://www.example.com/veritominfo/products/index.htm"},
        {"mailto:support@example.com", "mailto:support@example.com"},
        {"/opt/veritom/Reference/EN/Guide.pdf", "file:///opt/veritom/Reference/EN/Guide.pdf"},
        {"/opt/veritom\\Reference\\EN\\Guide.pdf", "file:///opt/veritom/Reference/EN/Guide.pdf"},
        {"/opt/a b/c#1.pdf", "file:///opt/a%20b/c%231.pdf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CQtMessageSink::DocumentUrl(c.text).toString(QUrl::FullyEncoded),
                  QString::fromLatin1(c.url))
            << c.text;
    }
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls.append(url); }
};

TEST(QtMessageSink, OpensExistingDocumentsAndWebPagesThroughTheDesktop) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("Guide.pdf"));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    test::MessageRecorder messages;
    CQtMessageSink sink;
    EXPECT_TRUE(sink.OpenDocument(pdf.toStdString()));
    EXPECT_TRUE(sink.OpenDocument("https://www.example.com/veritominfo"));
    EXPECT_TRUE(messages.boxes.empty());
    // What cannot be opened says so, with the path.
    const std::string missing = dir.filePath(QStringLiteral("Missing.pdf")).toStdString();
    EXPECT_FALSE(sink.OpenDocument(missing));
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_NE(messages.boxes[0].text.find(missing), std::string::npos);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(catcher.urls,
              (QList<QUrl>{QUrl::fromLocalFile(pdf),
                           QUrl(QStringLiteral("https://www.example.com/veritominfo"))}));
}

// A help file with an ending that does not say HTML, long enough to scroll.
QString WriteHelpFile(const QTemporaryDir& dir) {
    QString html = QStringLiteral("<html><head><title>Morvane Help</title></head><body>");
    for (int i = 0; i < 200; ++i) {
        html += QStringLiteral("<p>Filler paragraph %1.</p>").arg(i);
    }
    html += QStringLiteral("<h2><a name=\"231\">Valve Type</a></h2><p>Choose a function type.</p>");
    for (int i = 0; i < 100; ++i) {
        html += QStringLiteral("<p>More filler %1.</p>").arg(i);
    }
    html += QStringLiteral("<p>Coils for Hazardous locations need approvals.</p>");
    for (int i = 0; i < 100; ++i) {
        html += QStringLiteral("<p>Final filler %1.</p>").arg(i);
    }
    html += QStringLiteral("</body></html>");
    const QString path = dir.filePath(QStringLiteral("Morvane.hlp"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(html.toUtf8());
    return path;
}

TEST(QtMessageSink, ShowsHelpFilesAtTheTopicOfAContextOrKeyword) {
    QTemporaryDir dir;
    const QString path = WriteHelpFile(dir);
    test::MessageRecorder messages;
    CQtMessageSink sink;
    QScrollBar* scroll = sink.HelpWindow().Browser()->verticalScrollBar();

    ASSERT_TRUE(sink.ShowHelp(path.toStdString(), 0, ""));
    EXPECT_TRUE(sink.HelpWindow().isVisible());
    EXPECT_TRUE(sink.HelpWindow().windowTitle().startsWith(QStringLiteral("Morvane Help")));
    EXPECT_TRUE(sink.HelpWindow().Browser()->toPlainText().contains(QStringLiteral("Valve Type")));
    EXPECT_EQ(scroll->value(), 0);

    ASSERT_TRUE(sink.ShowHelp(path.toStdString(), 231, ""));
    const int atContext = scroll->value();
    EXPECT_GT(atContext, 0);

    ASSERT_TRUE(sink.ShowHelp(path.toStdString(), 0, "Hazardous"));
    EXPECT_GT(scroll->value(), atContext);
    EXPECT_EQ(sink.HelpWindow().Browser()->textCursor().selectedText(),
              QStringLiteral("Hazardous"));

    // An unknown topic shows the beginning.
    ASSERT_TRUE(sink.ShowHelp(path.toStdString(), 9999, ""));
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_TRUE(messages.boxes.empty());
}

// The help window: search with wrap-around, Back and Forward over the topics shown, and
// Esc or Ctrl+W to close it.
TEST(QtMessageSink, HelpWindowSearchesGoesBackAndCloses) {
    QTemporaryDir dir;
    const QString path = WriteHelpFile(dir);
    test::MessageRecorder messages;
    CQtMessageSink sink;
    CHelpWindow& window = sink.HelpWindow();
    ASSERT_TRUE(sink.ShowHelp(path.toStdString(), 0, ""));

    window.SearchBox()->setText(QStringLiteral("Hazardous"));
    EXPECT_TRUE(window.FindNext());
    EXPECT_EQ(window.Browser()->textCursor().selectedText(), QStringLiteral("Hazardous"));
    EXPECT_TRUE(window.FindNext());  // wraps around to the same, only place
    window.SearchBox()->setText(QStringLiteral("Nowhere in the file"));
    EXPECT_FALSE(window.FindNext());

    auto* back = window.findChild<QToolButton*>(QStringLiteral("helpBack"));
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->isEnabled());
    window.Browser()->setSource(QUrl(QStringLiteral("#231")));
    EXPECT_TRUE(back->isEnabled());

    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
        ASSERT_TRUE(sink.ShowHelp(path.toStdString(), 0, ""));
        ASSERT_TRUE(window.isVisible());
        bool closed = false;
        for (QAction* action : window.actions()) {
            if (action->shortcuts().contains(key)) {
                action->trigger();
                closed = true;
            }
        }
        EXPECT_TRUE(closed);
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(QtMessageSink, ReportsAHelpFileThatCannotBeOpened) {
    QTemporaryDir dir;
    test::MessageRecorder messages;
    CQtMessageSink sink;
    const QString missing = dir.filePath(QStringLiteral("Missing.hlp"));
    EXPECT_FALSE(sink.ShowHelp(missing.toStdString(), 12, ""));
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_NE(messages.boxes[0].text.find(missing.toStdString()), std::string::npos);
    EXPECT_FALSE(sink.HelpWindow().isVisible());
    EXPECT_EQ(CHelpWindow::TopicFor(0, QString()), QString());
    EXPECT_EQ(CHelpWindow::TopicFor(1173, QString()), QStringLiteral("1173"));
    EXPECT_EQ(CHelpWindow::TopicFor(1173, QStringLiteral("AgencyApp")),
              QStringLiteral("AgencyApp"));
}

}  // namespace
}  // namespace veritom

#include "QtMessageSinkTest.moc"
