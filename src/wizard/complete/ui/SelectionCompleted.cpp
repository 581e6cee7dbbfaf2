#include "wizard/complete/ui/SelectionCompleted.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "wizard/WizardStrings.h"

namespace veritom {

namespace {

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

}  // namespace

CSelectionCompleted::CSelectionCompleted(int templateId, RunCommand run, IsCommandEnabled enabled,
                                         QWidget* parent)
    : QDialog(parent), m_options(templateId), m_run(std::move(run)), m_enabled(std::move(enabled)) {
    setObjectName(QStringLiteral("selectionCompletedDialog"));
    setWindowTitle(Text(ids::kSelectionCompleteTitle));

    auto* selectionGroup = new QGroupBox(Text(ids::kSelectionOptionsGroup), this);
    auto* selectionLayout = new QVBoxLayout(selectionGroup);
    QGroupBox* cadGroup = nullptr;
    QVBoxLayout* cadLayout = nullptr;
    if (m_options.HasCadGroup()) {
        cadGroup = new QGroupBox(Text(ids::kCadOptionsGroup), this);
        cadGroup->setObjectName(QStringLiteral("cadOptionsGroup"));
        cadLayout = new QVBoxLayout(cadGroup);
    }
    for (const CompletionAction& action : m_options.Actions()) {
        QWidget* parentGroup = action.cad ? static_cast<QWidget*>(cadGroup) : selectionGroup;
        QPushButton* button = AddButton(action, parentGroup);
        (action.cad ? cadLayout : selectionLayout)->addWidget(button);
    }

    m_showOptions = new QCheckBox(Text(m_options.ShowOptionsTextId()), this);
    m_showOptions->setObjectName(QStringLiteral("showOptionsCheck"));
    m_showOptions->setChecked(true);
    auto* close = new QPushButton(Text(ids::kCloseButton), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);

    auto* groups = new QHBoxLayout;
    groups->addWidget(selectionGroup);
    if (cadGroup) {
        groups->addWidget(cadGroup);
    }
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_showOptions);
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    UpdateCadButtons();
}

QPushButton* CSelectionCompleted::AddButton(const CompletionAction& action, QWidget* parent) {
    auto* button = new QPushButton(Text(action.textId), parent);
    button->setObjectName(QLatin1String(action.objectName));
    button->setAutoDefault(false);
    m_buttons.push_back({action, button});
    const int commandId = action.commandId;
    // Queued: the command runs from the event loop, where the application reports an engine
    // failure, and not inside the button's click.
    connect(
        button, &QPushButton::clicked, this, [this, commandId] { OnAction(commandId); },
        Qt::QueuedConnection);
    return button;
}

void CSelectionCompleted::UpdateCadButtons() {
    for (const ActionButton& entry : m_buttons) {
        if (entry.action.cad) {
            entry.button->setEnabled(m_enabled && m_enabled(entry.action.commandId));
        }
    }
}

void CSelectionCompleted::OnAction(int commandId) {
    if (m_run) {
        m_run(commandId);
    }
    UpdateCadButtons();
}

void CSelectionCompleted::Run() {
    exec();
}

int CSelectionCompleted::ShowValue() const {
    return CSelectionCompletedOptions::ShowValue(m_showOptions->isChecked());
}

}  // namespace veritom
