// The Application step through the real dialogs of the running program, on the staged
// selection databases: Select Application, then either selection method, back to the panel.
#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "ShellFixture.h"
#include "app/CommandIds.h"
#include "model/ValveObject.h"
#include "units/ui/ColorListBox.h"
#include "units/ui/ComboUnit.h"

namespace veritom::test {
namespace {

template <typename T = QWidget>
T* Child(QDialog& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Clicks a button, radio button or check box and lets its queued work run.
void Click(QDialog& dialog, const char* name) {
    if (auto* button = Child<QAbstractButton>(dialog, name)) {
        button->click();
    }
    QCoreApplication::processEvents();
}

void Enter(QDialog& dialog, const char* edit, const QString& text) {
    if (auto* box = Child<QLineEdit>(dialog, edit)) {
        box->setText(text);
    }
}

void ChooseUnit(QDialog& dialog, const char* list, const char* code) {
    if (auto* units = Child<CComboUnit>(dialog, list)) {
        EXPECT_TRUE(units->SelectUnit(code)) << code;
    }
}

void Choose(QDialog& dialog, const char* combo, const QString& text) {
    if (auto* box = Child<QComboBox>(dialog, combo)) {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
    }
}

QString TextOf(QDialog& dialog, const char* name) {
    if (auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(name))) {
        return edit->text();
    }
    if (auto* label = dialog.findChild<QLabel*>(QLatin1String(name))) {
        return label->text();
    }
    if (auto* combo = dialog.findChild<QComboBox*>(QLatin1String(name))) {
        return combo->currentText();
    }
    if (auto* box = dialog.findChild<QPlainTextEdit*>(QLatin1String(name))) {
        return box->toPlainText();
    }
    if (auto* list = dialog.findChild<QListWidget*>(QLatin1String(name))) {
        return list->currentItem() ? list->currentItem()->text() : QString();
    }
    ADD_FAILURE() << "no text control " << name;
    return {};
}

// A key typed into the dialog's focused control. Its queued work runs unless it opens the
// next dialog: that one must open after the action, when the driver can answer it.
void Key(QDialog& dialog, int key, bool settle = true) {
    if (!dialog.isActiveWindow()) {
        dialog.activateWindow();
        QCoreApplication::processEvents();
    }
    QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
    if (settle) {
        QCoreApplication::processEvents();
    }
}

class ApplicationStepTest : public ShellTest {
protected:
    void SetUp() override {
        Start(Arguments());
        ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Closed"),
                        QStringLiteral("Standard (no option)"));
        m_messages.boxes.clear();
    }
    virtual std::vector<std::string> Arguments() const { return {}; }

    CProd_ValveData& Record() { return Object().GetWorkflow()->GetValveData(); }

    // Select Application with the general purpose valve, then the given method dialog.
    void GeneralPurpose() {
        Dialogs().Expect(QStringLiteral("selectApplicationDialog"),
                         [](QDialog& dialog) { ClickButton(dialog, "okButton"); });
    }
    void Speciality(const QString& application) {
        Dialogs().Expect(QStringLiteral("selectApplicationDialog"), [=](QDialog& dialog) {
            Click(dialog, "specialityRadio");
            SelectRow(dialog, "applicationList", application);
            ClickButton(dialog, "okButton");
        });
    }
    // The known parameters selected by catalog data with a port size.
    void CatalogData(const QString& port, const QString& maximum = {}) {
        Dialogs().Expect(QStringLiteral("selectionMethodDialog"), [=](QDialog& dialog) {
            Choose(dialog, "portSizeList", port);
            if (!maximum.isEmpty()) {
                Enter(dialog, "row2Edit", maximum);
            }
            ClickButton(dialog, "okButton");
        });
    }
    void Confirm(const char* dialogName) {
        Dialogs().Expect(QLatin1String(dialogName),
                         [](QDialog& dialog) { ClickButton(dialog, "okButton"); });
    }
    void Run() {
        Press(1);
        EXPECT_TRUE(Dialogs().AllHandled())
            << Dialogs().Handled().join(QLatin1Char(',')).toStdString();
    }
};

TEST_F(ApplicationStepTest, GeneralPurposeByCatalogData) {
    GeneralPurpose();
    QStringList shown;
    Dialogs().Expect(QStringLiteral("selectionMethodDialog"), [&](QDialog& dialog) {
        for (const char* name : {"rowLabel1", "rowLabel2", "rowLabel3", "rowLabel4", "fluidList",
                                 "row2Edit", "row2EditUnit"}) {
            shown << TextOf(dialog, name);
        }
        EXPECT_TRUE(Child(dialog, "portSizeList")->isVisibleTo(&dialog));
        EXPECT_FALSE(Child(dialog, "flowRateEdit")->isVisibleTo(&dialog));
        // No port size: the message, and the list gets the focus.
        ClickButton(dialog, "okButton");
        QCoreApplication::processEvents();
        EXPECT_EQ(m_messages.Texts(),
                  (std::vector<std::string>{"You must choose a connection size."}));
        EXPECT_EQ(dialog.focusWidget(), Child(dialog, "portSizeList"));

        // Above every valve's rating: the catalogue's message with the limit in the entry's
        // unit; the entry gets the focus, its text selected.
        m_messages.boxes.clear();
        Choose(dialog, "portSizeList", QStringLiteral("1/2\""));
        Enter(dialog, "row2Edit", QStringLiteral("40"));
        ChooseUnit(dialog, "row2EditUnit", "BAR");
        ClickButton(dialog, "okButton");
        QCoreApplication::processEvents();
        EXPECT_EQ(m_messages.Texts(),
                  (std::vector<std::string>{
                      "The maximum pressure differential is above the rating of every valve of "
                      "this type. The highest rating available is\n34.5 bar abs  "}));
        auto* maximum = Child<QLineEdit>(dialog, "row2Edit");
        EXPECT_EQ(dialog.focusWidget(), maximum);
        EXPECT_EQ(maximum->selectedText(), QStringLiteral("40"));
        EXPECT_TRUE(dialog.isVisible());

        Enter(dialog, "row2Edit", QStringLiteral("8"));
        ClickButton(dialog, "okButton");
    });
    Run();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Port Size:"),
                                  QStringLiteral("Max. Pressure Differential:"),
                                  QStringLiteral("Min. Pressure Differential: *"),
                                  QStringLiteral("Max. Inlet Pressure:"), QStringLiteral("Air"),
                                  QStringLiteral("100"), QStringLiteral("psig")}));
    EXPECT_EQ(View().DisplayTexts()[1], "Fluid is Air,  Port Connection Size 1/2\"");
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(View().CurrentStep(), 2);
    EXPECT_EQ(Record().m_App_MOPDVAL.Value(), 8);
    EXPECT_EQ(Record().m_App_MOPDVAL.Unit(), "BAR");
    EXPECT_EQ(Record().m_ConFluidLink.Value(), "08");
    EXPECT_EQ(Record().m_MethodLink, 1);
    EXPECT_EQ(Record().m_AppTypeLink.Value(), "GP");
}

TEST_F(ApplicationStepTest, CalculatedValveSize) {
    GeneralPurpose();
    QStringList shown;
    Dialogs().Expect(QStringLiteral("selectionMethodDialog"), [&](QDialog& dialog) {
        Click(dialog, "calculateRadio");
        Click(dialog, "liquidRadio");
        for (const char* name :
             {"rowLabel1", "rowLabel2", "rowLabel3", "flowRateEditUnit", "fluidList"}) {
            shown << TextOf(dialog, name);
        }
        EXPECT_FALSE(Child(dialog, "portSizeList")->isVisibleTo(&dialog));
        // No flow: refused, the flow rate gets the focus.
        Enter(dialog, "flowRateEdit", QStringLiteral("0"));
        ClickButton(dialog, "okButton");
        QCoreApplication::processEvents();
        ASSERT_EQ(m_messages.boxes.size(), 1u);
        EXPECT_EQ(m_messages.boxes[0].text.rfind("Flow rate and pressure differential", 0), 0u);
        EXPECT_EQ(dialog.focusWidget(), Child(dialog, "flowRateEdit"));
        // Too hot, in Celsius.
        m_messages.boxes.clear();
        Enter(dialog, "flowRateEdit", QStringLiteral("10"));
        Enter(dialog, "row2Edit", QStringLiteral("200"));
        ChooseUnit(dialog, "row2EditUnit", "DEG_C");
        ClickButton(dialog, "okButton");
        QCoreApplication::processEvents();
        ASSERT_EQ(m_messages.boxes.size(), 1u);
        EXPECT_TRUE(m_messages.boxes[0].text.ends_with("\n148.9 \u00B0C  "));
        EXPECT_EQ(dialog.focusWidget(), Child(dialog, "row2Edit"));

        Enter(dialog, "row2Edit", QStringLiteral("40"));
        Enter(dialog, "row3Edit", QStringLiteral("25"));
        ClickButton(dialog, "okButton");
    });
    Run();
    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("Flow Rate:"), QStringLiteral("Fluid Temperature:"),
                           QStringLiteral("Pressure Differential:"), QStringLiteral("gpm (US)"),
                           QStringLiteral("Water")}));
    // 10 gpm of water through 25 psi: Cv = 10 * sqrt(1 / 25).
    EXPECT_EQ(View().DisplayTexts()[1],
              "Fluid is Water,  10 gpm (US),  40 \u00B0C,  100 psig,  Calculated Cv 2.00 ");
    EXPECT_EQ(Record().m_CalcFlowFactorVAL.Value(), 2.0);
    EXPECT_EQ(Record().m_MethodLink, 2);
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, true, false}));
}

TEST_F(ApplicationStepTest, MethodSwitchKeepsEachRowsValue) {
    GeneralPurpose();
    QStringList seen;
    Dialogs().Expect(QStringLiteral("selectionMethodDialog"), [&](QDialog& dialog) {
        Enter(dialog, "row2Edit", QStringLiteral("77"));  // maximum differential
        Click(dialog, "calculateRadio");
        seen << TextOf(dialog, "row2Edit") << TextOf(dialog, "row3Edit");
        Enter(dialog, "row2Edit", QStringLiteral("150"));  // fluid temperature
        Click(dialog, "byCatalogRadio");
        seen << TextOf(dialog, "row2Edit") << TextOf(dialog, "row3Edit")
             << TextOf(dialog, "methodInformation").left(20);
        Click(dialog, "calculateRadio");
        seen << TextOf(dialog, "row2Edit");
        ClickButton(dialog, "cancelButton");
    });
    Dialogs().Expect(QStringLiteral("selectApplicationDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "cancelButton"); });
    Run();
    // Row 3 of the calculation is the maximum differential of catalog data; row 2 changes
    // meaning and keeps each method's own value.
    EXPECT_EQ(seen, (QStringList{QStringLiteral("100"), QStringLiteral("77"), QStringLiteral("77"),
                                 QStringLiteral("10"), QStringLiteral("Choose the port size"),
                                 QStringLiteral("150")}));
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(View().DisplayTexts()[1], "");
}

TEST_F(ApplicationStepTest, MediumNotListed) {
    GeneralPurpose();
    Dialogs().Expect(QStringLiteral("selectionMethodDialog"), [&](QDialog& dialog) {
        Click(dialog, "mediumNotListedCheck");
        EXPECT_FALSE(Child(dialog, "fluidList")->isEnabled());
        Choose(dialog, "portSizeList", QStringLiteral("1/4\""));
        ClickButton(dialog, "okButton");
    });
    Run();
    EXPECT_EQ(View().DisplayTexts()[1],
              "Fluid is Other gas (not listed),  Port Connection Size 1/4\"");
    EXPECT_TRUE(Record().m_ChkBxFlags & CProd_ValveData::kFlagMediumNotListed);
}

TEST_F(ApplicationStepTest, ValveSizeSkipsTheSolenoid) {
    Speciality(QStringLiteral("Proportional Flow Control, Gases"));
    Dialogs().Expect(QStringLiteral("valveSizeDialog"), [&](QDialog& dialog) {
        for (const char* tick : {"inletPressureCheck", "volumetricFlowCheck"}) {
            Click(dialog, tick);
        }
        EXPECT_FALSE(Child(dialog, "inletPressureEdit")->isEnabled());
        Enter(dialog, "flowFactorEdit", QStringLiteral("10"));
        ChooseUnit(dialog, "flowFactorEditUnit", "KV");
        ClickButton(dialog, "okButton");
        QCoreApplication::processEvents();
        EXPECT_EQ(m_messages.Texts(),
                  (std::vector<std::string>{
                      "The flow factor entered is larger than that of every valve of this "
                      "application. The largest flow factor available is  3.57 Kv"}));
        EXPECT_EQ(dialog.focusWidget(), Child(dialog, "flowFactorEdit"));
        Enter(dialog, "flowFactorEdit", QStringLiteral("2"));
        Choose(dialog, "controlSignalList", QStringLiteral("4-20 mA"));
        ClickButton(dialog, "okButton");
    });
    Run();
    EXPECT_EQ(View().DisplayTexts()[1],
              "Proportional Flow Control, Gases,  Control Input Signal 4-20 mA,  Kv Rating 2.00");
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, false, true}));
    EXPECT_EQ(Record().m_ConFluidLink.Value(), "ALL");
    EXPECT_EQ(Record().m_VoltLink.Value(), "ALL");
    EXPECT_EQ(Record().m_SelMethodCode.Value(), 2);
}

// Confirming the same application and parameters keeps every later answer; a changed
// parameter starts them afresh.
TEST_F(ApplicationStepTest, ReconfirmingKeepsTheLaterSteps) {
    GeneralPurpose();
    CatalogData(QStringLiteral("1/2\""));
    Run();
    Object().GetWorkflow()->SetStepText(3, "kept");
    Record().m_VoltLink = std::string("120AC");

    GeneralPurpose();
    Confirm("selectionMethodDialog");
    Run();
    EXPECT_EQ(Object().GetWorkflow()->GetStepText(3), "kept");
    EXPECT_EQ(Record().m_VoltLink.Value(), "120AC");

    GeneralPurpose();
    CatalogData(QStringLiteral("1/2\""), QStringLiteral("90"));
    Run();
    EXPECT_EQ(Object().GetWorkflow()->GetStepText(3), "");
    EXPECT_EQ(Record().m_VoltLink.Value(), "");
    EXPECT_EQ(Record().m_App_MOPDVAL.Value(), 90);
}

TEST_F(ApplicationStepTest, CancelInTheMethodDialogReturnsToSelectApplication) {
    bool stillOpen = false;
    GeneralPurpose();
    Dialogs().Expect(QStringLiteral("selectionMethodDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "cancelButton"); });
    Dialogs().Expect(QStringLiteral("selectApplicationDialog"), [&](QDialog& dialog) {
        stillOpen = dialog.isVisible();
        ClickButton(dialog, "cancelButton");
    });
    Run();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(Object().GetWorkflow()->GetStepReached(), 1);
}

// The whole step by keyboard alone: arrows, Tab and Enter.
TEST_F(ApplicationStepTest, KeyboardAlone) {
    Dialogs().Expect(QStringLiteral("selectApplicationDialog"), [](QDialog& dialog) {
        EXPECT_EQ(dialog.focusWidget(), Child(dialog, "generalPurposeRadio"));
        Key(dialog, Qt::Key_Down);
        EXPECT_TRUE(Child<QAbstractButton>(dialog, "specialityRadio")->isChecked());
        EXPECT_TRUE(Child(dialog, "applicationList")->isEnabled());
        Key(dialog, Qt::Key_Up);
        EXPECT_TRUE(Child<QAbstractButton>(dialog, "generalPurposeRadio")->isChecked());
        Key(dialog, Qt::Key_Return, false);
    });
    Dialogs().Expect(QStringLiteral("selectionMethodDialog"), [](QDialog& dialog) {
        EXPECT_EQ(dialog.focusWidget(), Child(dialog, "portSizeList"));
        Key(dialog, Qt::Key_Down);
        Key(dialog, Qt::Key_Down);
        EXPECT_EQ(TextOf(dialog, "portSizeList"), QStringLiteral("1/4\""));
        Key(dialog, Qt::Key_Return, false);
    });
    Run();
    EXPECT_EQ(View().DisplayTexts()[1], "Fluid is Air,  Port Connection Size 1/4\"");
}

TEST_F(ApplicationStepTest, SpecialityValvesList) {
    QStringList lines;
    Dialogs().Expect(QStringLiteral("specialityValvesDialog"), [&](QDialog& dialog) {
        auto* list = Child<QListWidget>(dialog, "valveList");
        for (int row = 0; row < list->count(); ++row) {
            lines << list->item(row)->text();
        }
        EXPECT_TRUE(TextOf(dialog, "noteBox").startsWith(QStringLiteral("The valves below")));
        list->setCurrentRow(2);
        Click(dialog, "catalogButton");
        ClickButton(dialog, "doneButton");
    });
    App().SendCommand(cmd::kUserMenuFirst);
    EXPECT_TRUE(Dialogs().AllHandled());
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("K60 Series\tCryogenic valves")));
    ASSERT_EQ(m_messages.opened.size(), 1u);
    EXPECT_TRUE(m_messages.opened[0].ends_with("/Reference/EN/K80.pdf")) << m_messages.opened[0];
    EXPECT_TRUE(m_messages.boxes.empty());
}

class GermanApplicationStepTest : public ApplicationStepTest {
protected:
    void SetUp() override {
        Start();
        App().SendCommand(cmd::kLanguageFirst + LanguageIndex("DE"));
        ChooseValveType(QStringLiteral("2/2-Wege"), QStringLiteral("Stromlos geschlossen"),
                        QStringLiteral("Standard (ohne Option)"));
        m_messages.boxes.clear();
    }
};

TEST_F(GermanApplicationStepTest, TextsOfTheLanguage) {
    QStringList shown;
    Dialogs().Expect(QStringLiteral("selectApplicationDialog"), [&](QDialog& dialog) {
        shown << dialog.windowTitle() << Child<QAbstractButton>(dialog, "specialityRadio")->text()
              << TextOf(dialog, "descriptionBox").left(13);
        ClickButton(dialog, "okButton");
    });
    Dialogs().Expect(QStringLiteral("selectionMethodDialog"), [&](QDialog& dialog) {
        shown << TextOf(dialog, "rowLabel1") << TextOf(dialog, "fluidList");
        Choose(dialog, "portSizeList", QStringLiteral("1/2\""));
        Enter(dialog, "row2Edit", QStringLiteral("600"));
        ClickButton(dialog, "okButton");
        QCoreApplication::processEvents();
        Enter(dialog, "row2Edit", QStringLiteral("100"));
        ClickButton(dialog, "okButton");
    });
    Run();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Anwendung auswählen"),
                                  QStringLiteral("Sonderventil"), QStringLiteral("Magnetventile"),
                                  QStringLiteral("Anschlussgröße:"), QStringLiteral("Luft")}));
    EXPECT_EQ(m_messages.Texts(),
              (std::vector<std::string>{
                  "Der maximale Differenzdruck liegt über dem zulässigen Differenzdruck aller "
                  "Ventile dieser Art. Der höchste verfügbare Wert ist\n500.0 psig  "}));
    EXPECT_EQ(View().DisplayTexts()[1], "Medium ist Luft,  Anschlussgröße 1/2\"");
}

class VerificationModeTest : public ApplicationStepTest {
protected:
    std::vector<std::string> Arguments() const override { return {"-verification"}; }
};

// In verification mode the passing valves are listed before the step is accepted; Cancel
// there keeps the method dialog open.
TEST_F(VerificationModeTest, PartNumbersAreListedBeforeTheStepIsAccepted) {
    GeneralPurpose();
    int lines = 0;
    ListColour first = kSystemColour;
    ListColour second = 0;
    Dialogs().Expect(QStringLiteral("selectionMethodDialog"), [](QDialog& dialog) {
        Choose(dialog, "portSizeList", QStringLiteral("1/2\""));
        ClickButton(dialog, "okButton");
    });
    Dialogs().Expect(QStringLiteral("verifyPartNumbersDialog"), [&](QDialog& dialog) {
        auto* list = Child<CColorListBox>(dialog, "partNumberList");
        lines = list->count();
        first = list->List().Paint(0, false, false).background;
        second = list->List().Paint(1, false, false).background;
        ClickButton(dialog, "cancelButton");
    });
    bool stillOpen = false;
    Dialogs().Expect(QStringLiteral("selectionMethodDialog"), [&](QDialog& dialog) {
        stillOpen = dialog.isVisible();
        ClickButton(dialog, "okButton");
    });
    Confirm("verifyPartNumbersDialog");
    Run();
    EXPECT_TRUE(stillOpen);
    EXPECT_GT(lines, 1);
    EXPECT_EQ(first, 0xDCFADC);
    EXPECT_NE(second, 0xDCFADC);
    EXPECT_EQ(View().DisplayTexts()[1], "Fluid is Air,  Port Connection Size 1/2\"");

    // Nothing changed: the list again, then the step ends without touching the later steps.
    Object().GetWorkflow()->SetStepText(3, "kept");
    GeneralPurpose();
    Confirm("selectionMethodDialog");
    Confirm("verifyPartNumbersDialog");
    Run();
    EXPECT_EQ(Object().GetWorkflow()->GetStepText(3), "kept");
}

}  // namespace
}  // namespace veritom::test
