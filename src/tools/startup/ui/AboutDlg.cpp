#include "tools/startup/ui/AboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"
#include "data/ui/DialogExec.h"
#include "tools/ToolStrings.h"
#include "tools/startup/StartupFlow.h"

namespace veritom {

namespace {

constexpr int kPictureWidth = 280;

QLabel* MakeLine(const std::string& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg(const QImage& picture, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QString::fromStdString(LoadString(ids::kAboutTitle)));

    auto* layout = new QVBoxLayout(this);
    if (!picture.isNull()) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("aboutPicture"));
        image->setPixmap(
            QPixmap::fromImage(picture.scaledToWidth(kPictureWidth, Qt::SmoothTransformation)));
        image->setAlignment(Qt::AlignCenter);
        layout->addWidget(image);
    }
    QLabel* product = MakeLine(AboutProductLine(), "aboutProduct", this);
    QFont font = product->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    product->setFont(font);
    layout->addWidget(product);
    layout->addWidget(MakeLine(AboutVersionLine(), "aboutVersion", this));
    layout->addWidget(MakeLine(AboutBuildLine(), "aboutBuilt", this));
    layout->addWidget(MakeLine(LoadString(ids::kAboutMaker), "aboutMaker", this));

    auto* ok = new QPushButton(QString::fromStdString(LoadString(ids::kButtonOk)), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, [this] { done(IDOK); });
}

int CAboutDlg::Run() {
    return ExecDialog(*this);
}

}  // namespace veritom
