#include "DialogDriver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace veritom::test {

namespace {

constexpr int kPollMs = 5;
constexpr int kTimeLimitTicks = 2000;  // ten seconds on one dialog

}  // namespace

CDialogDriver::CDialogDriver() {
    m_timer.setInterval(kPollMs);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { Poll(); });
    m_timer.start();
}

CDialogDriver::~CDialogDriver() {
    m_timer.stop();
}

void CDialogDriver::Expect(const QString& objectName, Action action) {
    m_expected.push_back({objectName, std::move(action)});
}

void CDialogDriver::Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
        m_ticksOnDialog = 0;
        return;
    }
    if (!m_expected.empty() && m_expected.front().name == dialog->objectName()) {
        const Expectation expectation = m_expected.front();
        m_expected.pop_front();
        m_open.emplace_back(dialog);
        m_handled << dialog->objectName();
        m_ticksOnDialog = 0;
        expectation.action(*dialog);
        return;
    }
    // A dialog already answered waits for its action to take effect, or for the next
    // expectation once a dialog it opened has closed.
    if (std::find(m_open.begin(), m_open.end(), dialog) != m_open.end()) {
        if (++m_ticksOnDialog > kTimeLimitTicks) {
            ADD_FAILURE() << "dialog still open: " << dialog->objectName().toStdString();
            dialog->reject();
        }
        return;
    }
    m_unexpected << dialog->objectName();
    dialog->reject();
}

void ClickButton(QDialog& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

void SelectRow(QDialog& dialog, const char* listName, const QString& text) {
    auto* list = dialog.findChild<QListWidget*>(QLatin1String(listName));
    ASSERT_NE(list, nullptr) << listName;
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(items.isEmpty()) << text.toStdString();
    list->setCurrentItem(items.front());
}

void ClickChoice(QDialog& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
    QCoreApplication::processEvents();
}

void ChooseText(QDialog& dialog, const char* comboName, const QString& text) {
    auto* combo = dialog.findChild<QComboBox*>(QLatin1String(comboName));
    ASSERT_NE(combo, nullptr) << comboName;
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->setCurrentIndex(index);
    QCoreApplication::processEvents();
}

void EnterText(QDialog& dialog, const char* editName, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(editName));
    ASSERT_NE(edit, nullptr) << editName;
    edit->setText(text);
    QCoreApplication::processEvents();
}

}  // namespace veritom::test
