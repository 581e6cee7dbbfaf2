#include <QCoreApplication>
#include <QDialog>
#include <QListWidget>

#include "ShellFixture.h"
#include "data/ui/Lead.h"
#include "model/ValveObject.h"

namespace veritom::test {
namespace {

class ValveTypeStepTest : public ShellTest {
protected:
    void SetUp() override { Start(); }

    // Marks the workflow, so a test can tell whether it survived a step.
    void MarkWorkflow() { Object().GetWorkflow()->SetStepText(2, "kept"); }
    bool WorkflowMarked() {
        return Object().GetWorkflow() && Object().GetWorkflow()->GetStepText(2) == "kept";
    }
};

TEST_F(ValveTypeStepTest, NoOptionPatternClosesTheOptionsDialogByItself) {
    ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Open"));
    // The driver rejects any dialog it was not told about, the options dialog included.
    EXPECT_TRUE(Dialogs().Unexpected().isEmpty());
    const CValveTypeAnswer option = Object().GetValveTypeAnswers().option;
    EXPECT_EQ(option.link, "NOOPT");
    EXPECT_EQ(option.number, 0);
    EXPECT_EQ(option.text, "Standard (no option)");
    EXPECT_EQ(Object().GetValveTypeAnswers().flowPattern.third, "FP_2NO");
    EXPECT_EQ(View().DisplayTexts()[0], "2-Way,  Normally Open");
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(View().CurrentStep(), 1);
    EXPECT_TRUE(Object().IsDirty());
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(ValveTypeStepTest, RealOptionsAreOfferedAndCounted) {
    ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Closed"),
                    QStringLiteral("Manual operator"));
    const CValveTypeAnswer option = Object().GetValveTypeAnswers().option;
    EXPECT_EQ(option.link, "MO");
    EXPECT_EQ(option.number, 3);  // four rows, one of them the no-option row
    EXPECT_EQ(View().DisplayTexts()[0], "2-Way,  Normally Closed,  Manual operator");
}

TEST_F(ValveTypeStepTest, ReconfirmingTheSameChoiceKeepsTheWorkflow) {
    ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Closed"),
                    QStringLiteral("Slow closing (reduced water hammer)"));
    MarkWorkflow();
    const CProd_ValveObject* workflow = Object().GetWorkflow();

    QStringList preselected;
    Dialogs().Expect(QStringLiteral("valveTypeDialog"), [&](QDialog& dialog) {
        for (const char* name : {"functionTypeList", "flowPatternList"}) {
            preselected
                << dialog.findChild<QListWidget*>(QLatin1String(name))->currentItem()->text();
        }
        ClickButton(dialog, "okButton");
    });
    Dialogs().Expect(QStringLiteral("valveTypeOptionsDialog"), [&](QDialog& dialog) {
        preselected
            << dialog.findChild<QListWidget*>(QStringLiteral("optionList"))->currentItem()->text();
        ClickButton(dialog, "okButton");
    });
    Press(0);

    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_EQ(preselected, (QStringList{QStringLiteral("2-Way"), QStringLiteral("Normally Closed"),
                                        QStringLiteral("Slow closing (reduced water hammer)")}));
    EXPECT_EQ(Object().GetWorkflow(), workflow);
    EXPECT_TRUE(WorkflowMarked());
    EXPECT_EQ(View().DisplayTexts()[1], "kept");
}

TEST_F(ValveTypeStepTest, AnotherFlowPatternRecreatesTheWorkflowAndClearsTheOption) {
    ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Closed"),
                    QStringLiteral("Manual operator"));
    MarkWorkflow();

    ChooseValveType(QStringLiteral("3-Way"), QStringLiteral("Universal"));
    EXPECT_FALSE(WorkflowMarked());
    EXPECT_EQ(Object().GetValveTypeAnswers().option.link, "NOOPT");
    EXPECT_EQ(View().DisplayTexts()[0], "3-Way,  Universal");
    EXPECT_EQ(View().DisplayTexts()[1], "");
    EXPECT_EQ(Object().GetHighestStep(), 1);
}

TEST_F(ValveTypeStepTest, CancelChangesNothing) {
    Dialogs().Expect(QStringLiteral("valveTypeDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "cancelButton"); });
    Press(0);
    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_EQ(Object().GetWorkflow(), nullptr);
    EXPECT_FALSE(Object().IsDirty());
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, false, false, false}));

    // Cancel in the options dialog leaves the Valve Type dialog open.
    Dialogs().Expect(QStringLiteral("valveTypeDialog"), [](QDialog& dialog) {
        SelectRow(dialog, "flowPatternList", QStringLiteral("Normally Closed"));
        ClickButton(dialog, "okButton");
    });
    Dialogs().Expect(QStringLiteral("valveTypeOptionsDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "cancelButton"); });
    bool stillOpen = false;
    Dialogs().Expect(QStringLiteral("valveTypeDialog"), [&](QDialog& dialog) {
        stillOpen = dialog.isVisible();
        ClickButton(dialog, "cancelButton");
    });
    Press(0);
    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(Object().GetWorkflow(), nullptr);
}

TEST_F(ValveTypeStepTest, PictureFollowsTheFlowPatternAndDoubleClickActsAsOk) {
    QImage first;
    QImage second;
    bool shown = false;
    Dialogs().Expect(QStringLiteral("valveTypeDialog"), [&](QDialog& dialog) {
        auto* picture = dialog.findChild<CLead*>(QStringLiteral("flowPatternPicture"));
        shown = picture->isVisible() && picture->HasPicture();
        first = picture->Picture();
        auto* patterns = dialog.findChild<QListWidget*>(QStringLiteral("flowPatternList"));
        patterns->setCurrentRow(1);
        QCoreApplication::processEvents();
        second = picture->Picture();
        emit patterns->itemDoubleClicked(patterns->currentItem());
    });
    Press(0);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(first.isNull());
    EXPECT_NE(first, second);
    EXPECT_EQ(View().DisplayTexts()[0], "2-Way,  Normally Open");
}

TEST_F(ValveTypeStepTest, ReferenceAndHelpOpenTheirPages) {
    Dialogs().Expect(QStringLiteral("valveTypeDialog"), [](QDialog& dialog) {
        ClickButton(dialog, "referenceButton");
        ClickButton(dialog, "helpButton");
        QCoreApplication::processEvents();
        ClickButton(dialog, "cancelButton");
    });
    Press(0);
    ASSERT_EQ(m_messages.opened.size(), 1u);
    EXPECT_NE(m_messages.opened[0].find("Reference/EN/Reference.pdf"), std::string::npos);
    ASSERT_EQ(m_messages.help.size(), 1u);
    EXPECT_NE(m_messages.help[0].find("MorvaneEN.hlp#231"), std::string::npos);
}

// Reselection Notice: only before a step earlier than the highest one reached.
class ReselectionTest : public ShellTest {
protected:
    void SetUp() override {
        Start();
        const std::string path = Path("local/three.mrv");
        WriteSelectionFile(path, {});
        ASSERT_TRUE(App().Documents().OpenDocumentFile(path));
        ASSERT_EQ(Object().GetHighestStep(), 3);
        m_messages.boxes.clear();
    }

    void ExpectNotice(bool yes) {
        Dialogs().Expect(QStringLiteral("reselectionNotice"), [yes](QDialog& dialog) {
            ClickButton(dialog, yes ? "yesButton" : "noButton");
        });
    }
};

TEST_F(ReselectionTest, LaterOrSameStepsRunWithoutTheNotice) {
    for (int button : {3, 2}) {
        Press(button);  // the step's own dialog comes with a later version
        EXPECT_TRUE(Dialogs().Handled().isEmpty());
    }
    EXPECT_EQ(m_messages.Texts(),
              (std::vector<std::string>{
                  "\"Part Number\" is not available in this version of the selector.",
                  "\"Solenoid (Coil)\" is not available in this version of the selector."}));
}

TEST_F(ReselectionTest, EarlierStepsAskAndNoKeepsEverything) {
    ExpectNotice(false);
    Press(1);
    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_TRUE(m_messages.boxes.empty());

    ExpectNotice(true);
    Press(1);
    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_EQ(m_messages.Texts(),
              (std::vector<std::string>{
                  "\"Application\" is not available in this version of the selector."}));

    // Yes on Valve Type opens its dialog; cancelling it keeps the whole selection.
    ExpectNotice(true);
    Dialogs().Expect(QStringLiteral("valveTypeDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "cancelButton"); });
    Press(0);
    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_EQ(Object().GetHighestStep(), 3);
    EXPECT_EQ(View().DisplayTexts()[2], "24 V DC");
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, true, true}));
}

}  // namespace
}  // namespace veritom::test
