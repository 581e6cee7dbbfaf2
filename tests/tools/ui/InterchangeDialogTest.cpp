// The interchange as a user works it: the opening notice, a typed part number, another
// division, a number that matches nothing, another competitor, Add to OrderPad and Done.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "DialogDriver.h"
#include "MessageRecorder.h"
#include "ToolUiSupport.h"
#include "base/DialogResult.h"
#include "tools/interchange/ui/PartInterchangeDlg.h"
#include "units/ui/ColorListBox.h"

namespace veritom::test {
namespace {

template <typename T>
T& Child(QDialog& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QLatin1String(name));
    if (!child) {
        throw std::runtime_error(std::string("no child ") + name);
    }
    return *child;
}

QString Answer(QDialog& dialog) {
    return Child<QLabel>(dialog, "answerPartNumber").text();
}

void Choose(QComboBox& list, const QString& text) {
    const int index = list.findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list.setCurrentIndex(index);
    emit list.activated(index);
}

class InterchangeDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CToolDatabase::Exists()) {
            GTEST_SKIP() << "the selection database has not been built";
        }
    }
    MessageRecorder m_messages;
};

TEST_F(InterchangeDialogTest, TypePickChangeAndOrder) {
    CToolContext tools;
    CDialogDriver driver;
    driver.Expect(QStringLiteral("interchangeDialog"), [&](QDialog& dialog) {
        EXPECT_EQ(m_messages.boxes.size(), 1u);  // the opening notice
        auto& edit = Child<QLineEdit>(dialog, "partNumberEdit");
        auto& add = Child<QPushButton>(dialog, "addToOrderPadButton");
        EXPECT_EQ(edit.text(), QStringLiteral("AF8210"));
        EXPECT_TRUE(Answer(dialog).startsWith(QStringLiteral("K21BN08040N-SF1L-")));
        EXPECT_TRUE(add.isEnabled());

        edit.setFocus();
        edit.selectAll();
        TypeKeys(edit, QStringLiteral("afx"));
        ASSERT_TRUE(WaitUntil([&] { return Answer(dialog).contains(QStringLiteral("SF7L")); }));
        EXPECT_EQ(edit.text(), QStringLiteral("afx"));
        EXPECT_EQ(Child<CColorListBox>(dialog, "partNumberList").currentRow(), 4);
        EXPECT_TRUE(Child<QPlainTextEdit>(dialog, "exceptionsNote")
                        .toPlainText()
                        .startsWith(QStringLiteral("Explosion-proof coil")));

        // A division without coils: the valve alone, not orderable here.
        edit.selectAll();
        TypeKeys(edit, QStringLiteral("AF8262"));
        ASSERT_TRUE(WaitUntil([&] { return Answer(dialog).startsWith(QStringLiteral("K20")); }));
        Choose(Child<QComboBox>(dialog, "divisionList"),
               QStringLiteral("Morvane valve bodies, less coil"));
        ASSERT_TRUE(WaitUntil([&] { return Answer(dialog) == QStringLiteral("K20BN04006N"); }));
        EXPECT_FALSE(Child<QComboBox>(dialog, "voltageList").isEnabled());
        EXPECT_FALSE(add.isEnabled());

        // A number that matches nothing leaves nothing to order.
        edit.selectAll();
        TypeKeys(edit, QStringLiteral("ZZ"));
        ASSERT_TRUE(WaitUntil([&] { return Answer(dialog).isEmpty(); }));
        EXPECT_FALSE(add.isEnabled());
        EXPECT_EQ(Child<CColorListBox>(dialog, "partNumberList").currentRow(), -1);
        EXPECT_EQ(Child<QComboBox>(dialog, "divisionList").count(), 0);

        // Another competitor: its first part number, with the focus in the edit.
        Choose(Child<QComboBox>(dialog, "competitorList"), QStringLiteral("Brenholt Valve Co."));
        ASSERT_TRUE(WaitUntil([&] { return edit.text() == QStringLiteral("B114-N"); }));
        EXPECT_TRUE(Answer(dialog).startsWith(QStringLiteral("K40AN04016NI-")));
        Child<CColorListBox>(dialog, "partNumberList").setCurrentRow(1);
        ASSERT_TRUE(WaitUntil([&] { return edit.text() == QStringLiteral("BH-2401-E"); }));
        ASSERT_TRUE(
            WaitUntil([&] { return Answer(dialog).startsWith(QStringLiteral("K21BN12048E")); }));
        ASSERT_TRUE(add.isEnabled());
        m_messages.boxes.clear();
        add.click();
        EXPECT_TRUE(m_messages.boxes.empty());
        const auto sent = tools.SentPart();
        EXPECT_EQ(sent.at("Part Number"), Answer(dialog).toStdString());
        EXPECT_EQ(sent.at("Division"), "");
        EXPECT_EQ(sent.at("Description"),
                  Child<QLabel>(dialog, "answerDescription").text().toStdString());
        ClickButton(dialog, "doneButton");
    });
    CPartInterchangeDlg dialog(tools.Context(), tools.OrderPad());
    EXPECT_EQ(dialog.Run(), IDOK);
    EXPECT_TRUE(driver.AllHandled());
    EXPECT_TRUE(driver.Unexpected().isEmpty());
}

TEST_F(InterchangeDialogTest, AGermanDatabaseShowsGermanTexts) {
    CToolContext tools("", "DE");
    CDialogDriver driver;
    driver.Expect(QStringLiteral("interchangeDialog"), [&](QDialog& dialog) {
        auto& divisions = Child<QComboBox>(dialog, "divisionList");
        EXPECT_EQ(divisions.itemText(0), QStringLiteral("Morvane-Magnetventile"));
        ClickButton(dialog, "doneButton");
    });
    CPartInterchangeDlg(tools.Context(), COrderPadTarget{}).Run();
    EXPECT_EQ(m_messages.boxes.at(0).text.rfind("Der Vergleich", 0), 0u);
}

}  // namespace
}  // namespace veritom::test
