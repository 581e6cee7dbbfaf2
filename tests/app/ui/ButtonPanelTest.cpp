#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

#include "ShellFixture.h"
#include "app/CommandIds.h"
#include "app/ui/VeritomButton.h"

namespace veritom::test {
namespace {

class ButtonPanelTest : public ShellTest {
protected:
    void SetUp() override { Start(); }

    QImage Panel() { return View().grab().toImage(); }

    void SendKey(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
    }
};

TEST_F(ButtonPanelTest, ButtonsAreLaidOutByTheClientHeight) {
    for (const QSize size : {QSize(800, 600), QSize(700, 460), QSize(1000, 900)}) {
        SCOPED_TRACE(size.height());
        Frame().resize(size);
        QApplication::processEvents();
        const int height = View().height();
        const int margin = height / 10;
        const int step = (height - 2 * margin) / 5;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(View().Button(i)->geometry(), QRect(20, margin + i * step, 180, 40)) << i;
        }
    }
    EXPECT_GE(Frame().minimumWidth(), 640);
}

TEST_F(ButtonPanelTest, SelectionTextIsCentredBesideItsButton) {
    ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Closed"),
                    QStringLiteral("Manual reset (closes on power loss, opened by hand)"));
    Frame().resize(660, 500);  // narrow, so the text wraps onto more lines
    Panel();
    const QRect button = View().Button(0)->geometry();
    const QRect text = View().DisplayTextRect(0);
    EXPECT_EQ(text.left(), button.right() + 1 + 55);
    EXPECT_EQ(text.right() + 1, View().width() - 10);
    EXPECT_GT(text.height(), View().fontMetrics().height());  // wrapped
    EXPECT_LE(std::abs(text.center().y() - button.center().y()), 1);
}

TEST_F(ButtonPanelTest, IndicatorIsDrawnBesideTheCurrentStepAndTheBackgroundPutBack) {
    View().StopBlinking();
    const QImage before = Panel();
    const QRect rect = View().IndicatorRect();
    EXPECT_EQ(rect, QRect(QPoint(205, View().Button(0)->y() + 14),
                          QPoint(239, View().Button(0)->y() + 29)));

    View().StartBlinking();
    View().Blink();
    ASSERT_TRUE(View().IsIndicatorShown());
    const QImage shown = Panel();
    EXPECT_EQ(shown.pixelColor(rect.left() + 20, rect.top() + 8), QColor(0xD0, 0x35, 0x2B));
    // White is transparent: the corners show the panel underneath.
    EXPECT_EQ(shown.pixel(rect.topLeft()), before.pixel(rect.topLeft()));
    EXPECT_EQ(shown.copy(QRect(0, 0, 200, 100)), before.copy(QRect(0, 0, 200, 100)));

    View().Blink();
    EXPECT_FALSE(View().IsIndicatorShown());
    EXPECT_EQ(Panel(), before);

    View().Blink();
    View().StopBlinking();
    EXPECT_FALSE(View().IsBlinking());
    EXPECT_FALSE(View().IsIndicatorShown());
    EXPECT_EQ(Panel(), before);
}

TEST_F(ButtonPanelTest, IndicatorFollowsTheNextStepAfterAPress) {
    ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Open"));
    EXPECT_TRUE(View().IsBlinking());
    EXPECT_EQ(View().IndicatorRect().top(), View().Button(1)->y() + 14);
}

TEST_F(ButtonPanelTest, DeactivationStopsTheIndicatorHidden) {
    Frame().activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(Frame().isActiveWindow());
    EXPECT_TRUE(View().IsBlinking());
    View().Blink();
    const bool shown = View().IsIndicatorShown();
    EXPECT_TRUE(shown);

    QWidget other;
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    ASSERT_FALSE(Frame().isActiveWindow());
    EXPECT_FALSE(View().IsBlinking());
    EXPECT_FALSE(View().IsIndicatorShown());

    Frame().activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(View().IsBlinking());
}

TEST_F(ButtonPanelTest, TabMovesTheCurrentStepAndEnterPresses) {
    ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Open"));
    ASSERT_EQ(View().CurrentStep(), 1);
    // Only the first two buttons are enabled: Tab wraps around them.
    SendKey(View().Button(1), Qt::Key_Tab);
    EXPECT_EQ(View().CurrentStep(), 0);
    SendKey(View().Button(0), Qt::Key_Tab);
    EXPECT_EQ(View().CurrentStep(), 1);
    SendKey(&View(), Qt::Key_Tab);
    EXPECT_EQ(View().CurrentStep(), 0);

    Dialogs().Expect(QStringLiteral("valveTypeDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "cancelButton"); });
    SendKey(View().Button(0), Qt::Key_Return);
    EXPECT_TRUE(Dialogs().AllHandled());
}

TEST_F(ButtonPanelTest, CompleteSelectionStopsTheIndicator) {
    const std::string path = Path("local/done.mrv");
    WriteSelectionFile(path, {.highestStep = 4, .stepReached = 4, .selectionComplete = true});
    ASSERT_TRUE(App().Documents().OpenDocumentFile(path));
    EXPECT_TRUE(Object().IsSelectionComplete());
    EXPECT_TRUE(View().IsSelectionComplete());
    EXPECT_FALSE(View().IsBlinking());
    View().StartBlinking();
    EXPECT_FALSE(View().IsBlinking());
    EXPECT_EQ(View().DisplayTexts()[3], "4M-DDD");

    App().SendCommand(cmd::kFileNew);
    EXPECT_EQ(View().CurrentStep(), 0);
}

}  // namespace
}  // namespace veritom::test
