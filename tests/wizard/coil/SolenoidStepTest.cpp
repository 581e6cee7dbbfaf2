#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "CoilRecords.h"
#include "ShellFixture.h"
#include "base/ConfigStore.h"
#include "data/ui/Lead.h"
#include "model/ValveObject.h"
#include "wizard/complete/ui/SelectionCompleted.h"

// The Solenoid (Coil) step and Selection Complete in the running program, driven through
// their dialogs as a user would.
namespace veritom::test {
namespace {

constexpr int kSolenoidButton = 2;
constexpr int kPartNumberButton = 3;

// The program's dialogs, with the Part Number step answered: it picks a part.
class PartNumberAnswered : public ISelectionDialogs {
public:
    explicit PartNumberAnswered(std::unique_ptr<ISelectionDialogs> real)
        : m_real(std::move(real)) {}
    int RunValveType(const CDialogContext& c, CValveTypeAnswers& a) override {
        return m_real->RunValveType(c, a);
    }
    bool RunReselectionNotice() override { return m_real->RunReselectionNotice(); }
    int RunApplication(const CDialogContext& c, CProd_ValveData& r) override {
        return m_real->RunApplication(c, r);
    }
    int RunSolenoid(const CDialogContext& c, CProd_ValveData& r) override {
        return m_real->RunSolenoid(c, r);
    }
    int RunPartNumber(const CDialogContext&, CProd_ValveData& r) override {
        r.m_PN_CompletePNVAL = std::string("4M-DDD-24D");
        return IDOK;
    }
    void RunSelectionCompleted(CVeritomObject& o, int t) override {
        ++selectionCompletedCalls;
        m_real->RunSelectionCompleted(o, t);
    }
    void RunSpecialityValves(const CDialogContext& c) override { m_real->RunSpecialityValves(c); }
    void RunInterchange(const CDialogContext& c) override { m_real->RunInterchange(c); }
    void RunUnitConversion(const CDialogContext& c) override { m_real->RunUnitConversion(c); }
    void RunStartupScreens(const CDialogContext& c) override { m_real->RunStartupScreens(c); }

    int selectionCompletedCalls = 0;

private:
    std::unique_ptr<ISelectionDialogs> m_real;
};

template <typename T>
T* Child(QDialog& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void ChooseInCombo(QDialog& dialog, const char* name, const QString& text) {
    auto* combo = Child<QComboBox>(dialog, name);
    ASSERT_NE(combo, nullptr);
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->setCurrentIndex(index);
    Settle();
}

class SolenoidStepTest : public ShellTest {
protected:
    // Starts the program on a selection whose Application step is done.
    void StartAtSolenoid(const ApplicationAnswers& answers = {}) {
        Start();
        const std::string path = Path("application.mrv");
        WriteFile(path, ApplicationStageFile(ApplicationStageRecord(answers)));
        ASSERT_TRUE(App().Documents().OpenDocumentFile(path));
        ASSERT_TRUE(ButtonEnabled(kSolenoidButton));
    }

    CProd_ValveData& Record() { return Object().GetWorkflow()->GetValveData(); }

    // Both dialogs confirmed with what they preselect.
    void ConfirmBoth() {
        Dialogs().Expect(QStringLiteral("coilSelectionDialog"),
                         [](QDialog& d) { ClickButton(d, "okButton"); });
        Dialogs().Expect(QStringLiteral("coilSelectionAdditionalDialog"),
                         [](QDialog& d) { ClickButton(d, "okButton"); });
        Press(kSolenoidButton);
        EXPECT_TRUE(Dialogs().AllHandled());
    }
};

TEST_F(SolenoidStepTest, BothDialogsChooseTheCoilAndOpenThePartNumberStep) {
    StartAtSolenoid();
    QString description;
    bool terminationPictureShown = false;
    Dialogs().Expect(QStringLiteral("coilSelectionDialog"), [&](QDialog& d) {
        EXPECT_TRUE(Child<QRadioButton>(d, "acButton")->isChecked());
        EXPECT_EQ(Child<QListWidget>(d, "voltageList")->currentItem()->text(),
                  QStringLiteral("120 V / 60 Hz"));
        Child<QRadioButton>(d, "dcButton")->click();
        Settle();
        EXPECT_EQ(Child<QListWidget>(d, "voltageList")->currentItem()->text(),
                  QStringLiteral("24 V"));
        SelectRow(d, "voltageList", QStringLiteral("12 V"));
        Settle();
        Child<QRadioButton>(d, "hazardousButton")->click();
        Settle();
        description = Child<QPlainTextEdit>(d, "environmentDescription")->toPlainText();
        ClickButton(d, "okButton");
    });
    Dialogs().Expect(QStringLiteral("coilSelectionAdditionalDialog"), [&](QDialog& d) {
        EXPECT_EQ(Child<QListWidget>(d, "constructionList")->currentItem()->text(),
                  QStringLiteral("Explosion-proof coil"));
        ChooseInCombo(d, "terminationList", QStringLiteral("Screw terminals in junction box"));
        terminationPictureShown = Child<CLead>(d, "terminationPicture")->HasPicture();
        ClickButton(d, "okButton");
    });
    Press(kSolenoidButton);
    ASSERT_TRUE(Dialogs().AllHandled());
    EXPECT_TRUE(description.startsWith(QStringLiteral("Sites where flammable")));
    EXPECT_TRUE(terminationPictureShown);
    EXPECT_EQ(View().DisplayTexts()[2],
              "12 V DC,  Explosion-proof coil,  Screw terminals in junction box,  "
              "Type 7/9, explosion-proof");
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(Record().m_OpEnvLink.Value(), "HAZ");
    EXPECT_EQ(Record().m_TermPic.Value(), "TERM_SC");
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(SolenoidStepTest, ConfirmingAgainUnchangedKeepsTheStep) {
    StartAtSolenoid();
    ConfirmBoth();
    const std::string summary = View().DisplayTexts()[2];
    ASSERT_EQ(summary,
              "120 V / 60 Hz AC,  Standard molded coil,  Flying leads, 18 in,  Type 1, general "
              "purpose");
    Object().GetWorkflow()->SetStepText(4, "kept");
    ConfirmBoth();
    EXPECT_EQ(Object().GetWorkflow()->GetStepText(4), "kept");
    EXPECT_EQ(View().DisplayTexts()[2], summary);
}

TEST_F(SolenoidStepTest, CancelInTheSecondDialogReturnsToTheFirst) {
    StartAtSolenoid();
    Dialogs().Expect(QStringLiteral("coilSelectionDialog"),
                     [](QDialog& d) { ClickButton(d, "okButton"); });
    Dialogs().Expect(QStringLiteral("coilSelectionAdditionalDialog"),
                     [](QDialog& d) { ClickButton(d, "cancelButton"); });
    Dialogs().Expect(QStringLiteral("coilSelectionDialog"),
                     [](QDialog& d) { ClickButton(d, "cancelButton"); });
    Press(kSolenoidButton);
    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_FALSE(ButtonEnabled(kPartNumberButton));
    EXPECT_EQ(Record().m_VoltLink.Value(), "");
}

TEST_F(SolenoidStepTest, ListsWithoutEntriesAreDisabledAndComeBackWithThem) {
    UseChangedDatabase("DELETE FROM Termination WHERE TermLink = 'PL';");
    StartAtSolenoid();
    std::vector<bool> enabled;
    Dialogs().Expect(QStringLiteral("coilSelectionDialog"),
                     [](QDialog& d) { ClickButton(d, "okButton"); });
    Dialogs().Expect(QStringLiteral("coilSelectionAdditionalDialog"), [&](QDialog& d) {
        auto* terminations = Child<QComboBox>(d, "terminationList");
        auto* enclosures = Child<QComboBox>(d, "enclosureList");
        SelectRow(d, "constructionList", QStringLiteral("Integral coil with connector"));
        Settle();
        enabled.push_back(terminations->isEnabled());
        enabled.push_back(enclosures->isEnabled());
        enabled.push_back(Child<CLead>(d, "terminationPicture")->isVisible());
        SelectRow(d, "constructionList", QStringLiteral("Standard molded coil"));
        Settle();
        enabled.push_back(terminations->isEnabled());
        enabled.push_back(enclosures->isEnabled());
        enabled.push_back(terminations->currentIndex() == 0);
        ClickButton(d, "okButton");
    });
    Press(kSolenoidButton);
    ASSERT_TRUE(Dialogs().AllHandled());
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, true, true, true}));
    EXPECT_EQ(Record().m_TermLink.Value(), "LD");
}

TEST_F(SolenoidStepTest, NonStandardVoltageSkipsTheCoilDetails) {
    StartAtSolenoid();
    Dialogs().Expect(QStringLiteral("coilSelectionDialog"), [](QDialog& d) {
        SelectRow(d, "voltageList", QStringLiteral("Non-standard voltage"));
        Settle();
        ClickButton(d, "okButton");
    });
    Press(kSolenoidButton);
    ASSERT_TRUE(Dialogs().AllHandled());
    ASSERT_EQ(m_messages.boxes.size(), 1u);
    EXPECT_EQ(m_messages.boxes[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(View().DisplayTexts()[2], "Non-standard voltage");
    EXPECT_EQ(Record().m_SolConstLink.Value(), "ALL");
    EXPECT_TRUE(ButtonEnabled(kPartNumberButton));
}

TEST_F(SolenoidStepTest, SelectionCompleteIsOfferedAfterThePartNumberStepUntilSwitchedOff) {
    Start();
    auto* dialogs = new PartNumberAnswered(App().ReplaceDialogs(nullptr));
    App().ReplaceDialogs(std::unique_ptr<ISelectionDialogs>(dialogs));
    const std::string path = Path("application.mrv");
    WriteFile(path, ApplicationStageFile(ApplicationStageRecord()));
    ASSERT_TRUE(App().Documents().OpenDocumentFile(path));
    ConfirmBoth();

    bool hasCadButton = true;
    Dialogs().Expect(QStringLiteral("selectionCompletedDialog"), [&](QDialog& d) {
        hasCadButton = d.findChild<QPushButton*>(QStringLiteral("viewCadDrawingButton"));
        // A button runs its menu command while the dialog stays open.
        ClickButton(d, "viewSelectionReportButton");
        Settle();
        EXPECT_TRUE(d.isVisible());
        auto* show = Child<QCheckBox>(d, "showOptionsCheck");
        EXPECT_TRUE(show->isChecked());
        show->setChecked(false);
        ClickButton(d, "closeButton");
    });
    Press(kPartNumberButton);
    ASSERT_TRUE(Dialogs().AllHandled());
    EXPECT_FALSE(hasCadButton);  // this product has no CAD: template 208
    EXPECT_EQ(dialogs->selectionCompletedCalls, 1);
    ASSERT_EQ(m_messages.boxes.size(), 1u);  // the report is not in this build yet
    EXPECT_EQ(App().GetConfigStore().ReadProfileInt("SelectionCompleted", "Show", 1), 0);

    // Switched off: the next completed selection offers nothing (an unexpected dialog fails).
    Press(kPartNumberButton);
    EXPECT_EQ(dialogs->selectionCompletedCalls, 1);
    EXPECT_EQ(View().DisplayTexts()[3], "4M-DDD-24D");
}

TEST_F(SolenoidStepTest, CadButtonsFollowTheMenuUpdateHandlers) {
    Start();
    std::vector<int> run;
    CSelectionCompleted dialog(
        207, [&](int id) { run.push_back(id); }, [](int id) { return id != 32808; });
    std::vector<std::pair<std::string, bool>> states;
    for (const char* name : {"viewCadDrawingButton", "printCadDxfButton", "printCadHpglButton",
                             "generateCadFileButton", "addToOrderPadButton"}) {
        auto* button = dialog.findChild<QPushButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        states.emplace_back(name, button->isEnabled());
    }
    EXPECT_EQ(states, (std::vector<std::pair<std::string, bool>>{{"viewCadDrawingButton", true},
                                                                 {"printCadDxfButton", false},
                                                                 {"printCadHpglButton", true},
                                                                 {"generateCadFileButton", true},
                                                                 {"addToOrderPadButton", true}}));
    dialog.findChild<QPushButton*>(QStringLiteral("generateCadFileButton"))->click();
    Settle();
    EXPECT_EQ(run, std::vector<int>{32806});
    EXPECT_EQ(dialog.ShowValue(), 1);
}

}  // namespace
}  // namespace veritom::test
