#include "wizard/ui/ReSelDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"
#include "wizard/WizardStrings.h"

namespace veritom {

namespace {

constexpr int kTextMinimumWidth = 420;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

}  // namespace

CReSelDlg::CReSelDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("reselectionNotice"));
    setWindowTitle(Text(ids::kReselectionTitle));

    auto* caution = new QLabel(Text(ids::kReselectionCaution), this);
    caution->setObjectName(QStringLiteral("cautionText"));
    caution->setWordWrap(true);
    caution->setMinimumWidth(kTextMinimumWidth);
    auto* question = new QLabel(Text(ids::kReselectionQuestion), this);
    question->setObjectName(QStringLiteral("questionText"));
    auto* yes = new QPushButton(Text(ids::kButtonYes), this);
    yes->setObjectName(QStringLiteral("yesButton"));
    yes->setDefault(true);
    auto* no = new QPushButton(Text(ids::kButtonNo), this);
    no->setObjectName(QStringLiteral("noButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caution);
    layout->addWidget(question);
    layout->addLayout(buttons);

    connect(yes, &QPushButton::clicked, this, [this] { done(IDOK); });
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
}

int CReSelDlg::Run() {
    return exec() == IDOK ? IDOK : IDCANCEL;
}

}  // namespace veritom
