#include "tools/startup/ui/TipDlg.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/StringTable.h"
#include "data/ui/DialogExec.h"
#include "tools/ToolStrings.h"

namespace veritom {

namespace {

constexpr int kTipWidth = 360;
constexpr int kTipLines = 6;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

// The white panel: the bulb at its top left, the heading to the right of it, the tip below.
QWidget* MakePanel(const QImage& bulb, QLabel* tip, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("tipPanel"));
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(white);

    auto* picture = new QLabel(panel);
    if (!bulb.isNull()) {
        QPixmap pixmap = QPixmap::fromImage(bulb);
        pixmap.setMask(pixmap.createMaskFromColor(Qt::white));
        picture->setPixmap(pixmap);
    }
    auto* heading = new QLabel(Text(ids::kTipHeading), panel);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    heading->setFont(font);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(heading, 1, Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(top);
    layout->addWidget(tip, 1);
    return panel;
}

}  // namespace

CTipDlg::CTipDlg(ITipProfile& profile, const std::string& tipsPath, const QImage& bulb,
                 QWidget* parent)
    : QDialog(parent), m_tips(profile, tipsPath) {
    setObjectName(QStringLiteral("tipDialog"));
    setWindowTitle(Text(ids::kTipTitle));

    m_tip = new QLabel;
    m_tip->setObjectName(QStringLiteral("tipText"));
    m_tip->setWordWrap(true);
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tip->setTextFormat(Qt::PlainText);
    m_tip->setFixedWidth(kTipWidth);
    m_tip->setMinimumHeight(m_tip->fontMetrics().lineSpacing() * kTipLines);
    m_tip->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QWidget* panel = MakePanel(bulb, m_tip, this);

    m_showOnStartup = new QCheckBox(Text(ids::kTipShowOnStartup), this);
    m_showOnStartup->setObjectName(QStringLiteral("showOnStartup"));
    m_showOnStartup->setChecked(CTipOfTheDay::ShowAtStartup(profile));
    m_next = new QPushButton(Text(ids::kTipNext), this);
    m_next->setObjectName(QStringLiteral("nextTipButton"));
    auto* close = new QPushButton(Text(ids::kTipClose), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_showOnStartup);
    buttons->addStretch();
    buttons->addWidget(m_next);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_next, &QPushButton::clicked, this, &CTipDlg::OnNextTip);
    connect(close, &QPushButton::clicked, this, &CTipDlg::OnClose);

    m_tips.Open();
    ShowTip();
}

CTipDlg::~CTipDlg() = default;

void CTipDlg::ShowTip() {
    m_tip->setText(QString::fromStdString(m_tips.Text()));
    m_next->setEnabled(m_tips.CanShowNext());
}

QString CTipDlg::TipText() const {
    return m_tip->text();
}

void CTipDlg::OnNextTip() {
    m_tips.Next(QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier));
    ShowTip();
}

void CTipDlg::OnClose() {
    m_tips.Close(m_showOnStartup->isChecked());
    done(IDOK);
}

int CTipDlg::Run() {
    const int result = ExecDialog(*this);
    m_tips.Finish();
    return result;
}

}  // namespace veritom
