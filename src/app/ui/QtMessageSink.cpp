#include "app/ui/QtMessageSink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>

#include "app/AppStrings.h"
#include "app/ui/HelpWindow.h"
#include "base/Format.h"
#include "base/StringTable.h"

namespace veritom {

namespace {

QMessageBox::StandardButtons StandardButtonsFor(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case MsgButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

// The button that closing the box stands for.
QMessageBox::StandardButton EscapeButtonFor(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return QMessageBox::Ok;
        case MsgButtons::YesNo:
            return QMessageBox::No;
        case MsgButtons::OkCancel:
        case MsgButtons::YesNoCancel:
        case MsgButtons::RetryCancel:
            break;
    }
    return QMessageBox::Cancel;
}

QMessageBox::Icon QtIconFor(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Warning:
            return QMessageBox::Warning;
        case MsgIcon::Error:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

bool IsWebAddress(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1 &&
           (text.contains(QLatin1String("://")) || url.scheme() == QLatin1String("mailto"));
}

}  // namespace

CQtMessageSink::CQtMessageSink(QString caption) : m_caption(std::move(caption)) {}

CQtMessageSink::~CQtMessageSink() {
    while (m_waitDepth > 0) {
        EndWaitCursor();
    }
}

std::unique_ptr<QMessageBox> CQtMessageSink::BuildMessageBox(const std::string& text,
                                                             MsgButtons buttons,
                                                             MsgIcon icon) const {
    auto box =
        std::make_unique<QMessageBox>(QtIconFor(icon), m_caption, QString::fromStdString(text),
                                      StandardButtonsFor(buttons), m_parent.data());
    box->setObjectName(QStringLiteral("messageBox"));
    box->setEscapeButton(EscapeButtonFor(buttons));
    return box;
}

MsgAnswer CQtMessageSink::AnswerFor(QMessageBox::StandardButton button, MsgButtons buttons) {
    switch (button) {
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Retry:
            return MsgAnswer::Retry;
        default:
            break;
    }
    return AnswerFor(EscapeButtonFor(buttons), buttons);
}

MsgAnswer CQtMessageSink::ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) {
    const auto box = BuildMessageBox(text, buttons, icon);
    const auto clicked = static_cast<QMessageBox::StandardButton>(box->exec());
    return AnswerFor(clicked, buttons);
}

void CQtMessageSink::Beep() {
    QApplication::beep();
}

void CQtMessageSink::BeginWaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ++m_waitDepth;
}

void CQtMessageSink::EndWaitCursor() {
    // An unmatched end must not take away a cursor that someone else set.
    if (m_waitDepth == 0) {
        return;
    }
    --m_waitDepth;
    QGuiApplication::restoreOverrideCursor();
}

QUrl CQtMessageSink::DocumentUrl(const std::string& urlOrPath) {
    const QString text = QString::fromStdString(urlOrPath).trimmed();
    if (IsWebAddress(text)) {
        return QUrl(text, QUrl::StrictMode);
    }
    QString path = text;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QUrl::fromLocalFile(path);
}

bool CQtMessageSink::OpenDocument(const std::string& urlOrPath) {
    const QUrl url = DocumentUrl(urlOrPath);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

CHelpWindow& CQtMessageSink::HelpWindow() {
    if (!m_helpWindow) {
        m_helpWindow = std::make_unique<CHelpWindow>();
    }
    return *m_helpWindow;
}

bool CQtMessageSink::ShowHelp(const std::string& helpFile, int context,
                              const std::string& keyword) {
    QString path = QString::fromStdString(helpFile);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    CHelpWindow& window = HelpWindow();
    if (!window.Open(path, CHelpWindow::TopicFor(context, QString::fromStdString(keyword)))) {
        // Through the installed sink, like every other message of the program.
        MessageBox(Format(LoadString(ids::kHelpFileUnavailable), path.toStdString()),
                   MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    window.activateWindow();
    return true;
}

}  // namespace veritom
