#include "tools/startup/ui/DisclaimerDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/ui/DialogExec.h"
#include "tools/ToolStrings.h"

namespace veritom {

namespace {

// The guide's default look: Arial at 175 twips, dark red on light grey.
constexpr double kTextPoints = 8.75;
const QColor kTextColour(192, 0, 0);
const QColor kBackground(215, 215, 215);
constexpr QSize kInitialSize(620, 560);

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

}  // namespace

CDisclaimerDialog::CDisclaimerDialog(const QString& richText, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("disclaimerDialog"));
    setWindowTitle(Text(ids::kDisclaimerTitle));

    auto* heading = new QLabel(Text(ids::kDisclaimerHeading), this);
    heading->setObjectName(QStringLiteral("disclaimerHeading"));
    heading->setWordWrap(true);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);

    auto* danger = new QLabel(Text(ids::kDisclaimerDanger), this);
    danger->setObjectName(QStringLiteral("dangerNotice"));
    danger->setWordWrap(true);
    QFont dangerFont = danger->font();
    dangerFont.setWeight(QFont::Bold);
    danger->setFont(dangerFont);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("disclaimerText"));
    m_text->setReadOnly(true);
    m_text->setOpenLinks(false);
    m_text->setTabChangesFocus(true);
    QFont textFont(QStringLiteral("Arial"));
    textFont.setPointSizeF(kTextPoints);
    m_text->document()->setDefaultFont(textFont);
    QPalette colours = m_text->palette();
    colours.setColor(QPalette::Base, kBackground);
    colours.setColor(QPalette::Text, kTextColour);
    m_text->setPalette(colours);
    if (richText.isEmpty()) {
        MessageBox(LoadString(ids::kDisclaimerTextMissing), MsgButtons::Ok, MsgIcon::Error);
    } else {
        m_text->setHtml(richText);
    }

    auto* accept = new QPushButton(Text(ids::kButtonAccept), this);
    accept->setObjectName(QStringLiteral("acceptButton"));
    auto* decline = new QPushButton(Text(ids::kButtonDecline), this);
    decline->setObjectName(QStringLiteral("declineButton"));
    accept->setAutoDefault(false);
    decline->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(decline);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 12, 20, 12);
    layout->addWidget(heading);
    layout->addWidget(danger);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    resize(kInitialSize);

    connect(accept, &QPushButton::clicked, this, [this] { done(IDOK); });
    connect(decline, &QPushButton::clicked, this, &QDialog::reject);
    m_text->setFocus(Qt::OtherFocusReason);
}

int CDisclaimerDialog::Run() {
    return ExecDialog(*this);
}

}  // namespace veritom
