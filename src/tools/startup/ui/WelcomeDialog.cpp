#include "tools/startup/ui/WelcomeDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"
#include "data/ui/DialogExec.h"
#include "tools/ToolStrings.h"

namespace veritom {

namespace {

constexpr QSize kPictureBox(480, 300);

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

}  // namespace

CWelcomeDialog::CWelcomeDialog(const QString& picturePath, QWidget* parent)
    : QDialog(parent), m_image(picturePath) {
    setObjectName(QStringLiteral("welcomeDialog"));
    setWindowTitle(Text(ids::kWelcomeTitle));

    auto* heading = new QLabel(Text(ids::kWelcomeHeading), this);
    heading->setWordWrap(true);
    heading->setAlignment(Qt::AlignCenter);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    heading->setFont(font);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("welcomePicture"));
    m_picture->setFixedSize(kPictureBox);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    if (!m_image.isNull()) {
        m_picture->setPixmap(QPixmap::fromImage(
            m_image.scaled(kPictureBox, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }

    auto* ok = new QPushButton(Text(ids::kButtonOk), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_picture, 0, Qt::AlignCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, [this] { done(IDOK); });
    ok->setFocus(Qt::OtherFocusReason);
}

int CWelcomeDialog::Run() {
    return ExecDialog(*this);
}

}  // namespace veritom
