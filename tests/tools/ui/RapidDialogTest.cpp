// Rapid selection as a user walks it: the series, then segment after segment by keyboard and
// mouse, the part number, Add to OrderPad, a change that drops the part number, Back.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "DialogDriver.h"
#include "MessageRecorder.h"
#include "ToolUiSupport.h"
#include "app/ui/LanguageBundle.h"
#include "base/DialogResult.h"
#include "tools/rapid/ui/RapidDialog.h"
#include "tools/rapid/ui/RapidSeriesDialog.h"
#include "units/TabStops.h"
#include "units/ui/ColorListBox.h"
#include "units/ui/TabComboBox.h"
#include "units/ui/TabbedText.h"

namespace veritom::test {
namespace {

constexpr int kStateIcons = 307;

CTabComboBox* List(QDialog& dialog, int segment) {
    return dialog.findChild<CTabComboBox*>(QStringLiteral("segmentList%1").arg(segment));
}

QString Shown(QDialog& dialog, const char* name) {
    return dialog.findChild<QLabel*>(QLatin1String(name))->text();
}

bool AddEnabled(QDialog& dialog) {
    return dialog.findChild<QPushButton*>(QStringLiteral("addToOrderPadButton"))->isEnabled();
}

// The segment whose list waits for a choice, -1 for none.
int Waiting(QDialog& dialog) {
    for (int k = 0; k < kRapidSegmentCount; ++k) {
        CTabComboBox* list = List(dialog, k);
        if (list->isVisible() && list->isEnabled() && list->count() > 1 &&
            list->currentIndex() < 0) {
            return k;
        }
    }
    return -1;
}

// Picks line of an open drop-down with the keyboard: Down to it from the first, then Return.
void PickWithKeys(CTabComboBox& list, int line) {
    ASSERT_TRUE(list.view()->isVisible());
    for (int i = 0; i < line; ++i) {
        PressKey(*list.view(), Qt::Key_Down);
    }
    PressKey(*list.view(), Qt::Key_Return);
}

// Whether the text field of the closed list holds each of its lines whole.
bool ShowsEveryLineWhole(CTabComboBox& list) {
    CTabStops stops;
    stops.Set({32});
    QStyleOptionComboBox option;
    option.initFrom(&list);
    const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, &list);
    for (int row = 0; row < list.count(); ++row) {
        if (TabbedTextWidth(list.fontMetrics(), list.itemText(row), stops) > field.width()) {
            return false;
        }
    }
    return true;
}

// Picks a line as a click in the drop-down does.
void Pick(CTabComboBox& list, int line) {
    list.hidePopup();
    list.setCurrentIndex(line);
    emit list.activated(line);
}

class RapidDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CToolDatabase::Exists()) {
            GTEST_SKIP() << "the selection database has not been built";
        }
    }
    MessageRecorder m_messages;
};

TEST_F(RapidDialogTest, FromTheSeriesToAPartNumberAndBack) {
    CToolContext tools;
    CDialogDriver driver;
    QPointer<QDialog> seriesDialog;
    driver.Expect(QStringLiteral("rapidSeriesDialog"), [&](QDialog& series) {
        seriesDialog = &series;
        auto* list = series.findChild<CColorListBox*>(QStringLiteral("seriesList"));
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->currentRow(), 0);
        list->setCurrentRow(1);
        ClickButton(series, "okButton");
    });
    driver.Expect(QStringLiteral("rapidDialog"), [&](QDialog& dialog) {
        EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("buildComplete"))->isChecked());
        // The series segment is shown disabled; the body material waits with its list open.
        EXPECT_FALSE(List(dialog, 0)->isEnabled());
        ASSERT_TRUE(WaitUntil([&] { return List(dialog, 1)->view()->isVisible(); }));
        EXPECT_FALSE(AddEnabled(dialog));
        PickWithKeys(*List(dialog, 1), 0);
        ASSERT_TRUE(WaitUntil([&] { return List(dialog, 2)->count() > 0; }));
        EXPECT_EQ(List(dialog, 1)->currentIndex(), 0);

        // The rest by mouse: the first line wherever a choice waits.
        for (int k = Waiting(dialog); k >= 0; k = Waiting(dialog)) {
            Pick(*List(dialog, k), 0);
            ASSERT_TRUE(WaitUntil([&] {
                const int next = Waiting(dialog);
                return (next >= 0 && next != k) || !Shown(dialog, "partNumberDisplay").isEmpty();
            }));
        }
        const QString partNumber = Shown(dialog, "partNumberDisplay");
        EXPECT_TRUE(partNumber.startsWith(QStringLiteral("K21B"))) << partNumber.toStdString();
        EXPECT_FALSE(Shown(dialog, "descriptionDisplay").isEmpty());
        ASSERT_TRUE(AddEnabled(dialog));
        ClickButton(dialog, "addToOrderPadButton");
        EXPECT_TRUE(m_messages.boxes.empty());
        const auto sent = tools.SentPart();
        EXPECT_EQ(sent.at("Part Number"), partNumber.toStdString());
        EXPECT_EQ(sent.at("Division"), "Morvane Valve");
        EXPECT_EQ(sent.at("Description"), Shown(dialog, "descriptionDisplay").toStdString());
        EXPECT_EQ(sent.at("Quantity"), "1");

        // Another body material drops the part number at once.
        Pick(*List(dialog, 1), 1);
        ASSERT_TRUE(WaitUntil([&] { return Shown(dialog, "partNumberDisplay").isEmpty(); }));
        EXPECT_FALSE(AddEnabled(dialog));
        EXPECT_EQ(Shown(dialog, "descriptionDisplay"), QString());
        EXPECT_EQ(List(dialog, 5)->count(), 0);

        // The solenoid only: the valve's segments go.
        dialog.findChild<QRadioButton*>(QStringLiteral("buildSolenoid"))->click();
        ASSERT_TRUE(WaitUntil([&] { return List(dialog, 1)->isHidden(); }));
        EXPECT_TRUE(List(dialog, 7)->isVisible());
        EXPECT_FALSE(AddEnabled(dialog));
        ClickButton(dialog, "backButton");
        // Back returns to the series, still listed; Cancel leaves.
        QTimer::singleShot(50, [&] {
            ASSERT_TRUE(seriesDialog);
            EXPECT_EQ(
                seriesDialog->findChild<CColorListBox*>(QStringLiteral("seriesList"))->count(), 3);
            ClickButton(*seriesDialog, "cancelButton");
        });
    });
    RunRapidSelectionTool(tools.Context(), tools.OrderPad(), nullptr,
                          CLanguageBundle::ProgramBitmap(kStateIcons));
    EXPECT_TRUE(driver.AllHandled());
    EXPECT_TRUE(driver.Unexpected().isEmpty());
}

// The coil housing lines name construction and enclosure together and were cut in the closed
// list, in German more than in English.
TEST_F(RapidDialogTest, EveryLineShowsWholeInItsClosedList) {
    for (const std::string language : {"EN", "DE"}) {
        CToolContext tools("", language);
        CDialogDriver driver;
        driver.Expect(QStringLiteral("rapidDialog"), [&](QDialog& dialog) {
            for (int k = Waiting(dialog); k >= 0; k = Waiting(dialog)) {
                Pick(*List(dialog, k), 0);
                ASSERT_TRUE(WaitUntil([&] {
                    const int next = Waiting(dialog);
                    return (next >= 0 && next != k) ||
                           !Shown(dialog, "partNumberDisplay").isEmpty();
                }));
            }
            ASSERT_FALSE(Shown(dialog, "partNumberDisplay").isEmpty());
            QCoreApplication::processEvents();
            for (int k = 0; k < kRapidSegmentCount; ++k) {
                EXPECT_TRUE(ShowsEveryLineWhole(*List(dialog, k)))
                    << language << " segment " << k << ": "
                    << List(dialog, k)->currentText().toStdString();
            }
            ClickButton(dialog, "doneButton");
        });
        CRapid2 rapid(tools.Context(), tools.OrderPad(), "K20", QImage());
        EXPECT_EQ(rapid.Run(), IDOK);
        EXPECT_TRUE(driver.AllHandled());
    }
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(RapidDialogTest, OneSeriesOpensAtOnceAndNoSeriesSaysSo) {
    {
        CToolContext tools(
            "DELETE FROM RapidSeriesType WHERE DesignSeriesLink <> 'K20';"
            "DELETE FROM RapidSeries WHERE DesignSeriesLink <> 'K20';");
        CDialogDriver driver;
        driver.Expect(QStringLiteral("rapidDialog"),
                      [](QDialog& dialog) { ClickButton(dialog, "doneButton"); });
        RunRapidSelectionTool(tools.Context(), tools.OrderPad(), nullptr, QImage());
        EXPECT_TRUE(driver.AllHandled());
        EXPECT_TRUE(driver.Unexpected().isEmpty());
    }
    {
        CToolContext tools("DELETE FROM RapidSeriesType; DELETE FROM RapidSeries;");
        CDialogDriver driver;
        RunRapidSelectionTool(tools.Context(), tools.OrderPad(), nullptr, QImage());
        EXPECT_TRUE(driver.Unexpected().isEmpty());
        EXPECT_EQ(
            m_messages.Texts(),
            (std::vector<std::string>{"No product series is available for rapid selection."}));
    }
}

TEST_F(RapidDialogTest, ASeriesWithNothingToBuildOnlyGoesBack) {
    CToolContext tools("DELETE FROM RapidSeriesType WHERE DesignSeriesLink = 'K30';");
    CDialogDriver driver;
    driver.Expect(QStringLiteral("rapidDialog"), [&](QDialog& dialog) {
        EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("doneButton"))->isEnabled());
        EXPECT_FALSE(dialog.findChild<QRadioButton*>(QStringLiteral("buildComplete"))->isEnabled());
        EXPECT_TRUE(List(dialog, 1)->isHidden());
        ClickButton(dialog, "backButton");
    });
    CRapid2 rapid(tools.Context(), tools.OrderPad(), "K30", QImage());
    EXPECT_EQ(rapid.Run(), IDCANCEL);
    EXPECT_EQ(m_messages.beeps, 1);
    EXPECT_TRUE(driver.AllHandled());
}

}  // namespace
}  // namespace veritom::test
