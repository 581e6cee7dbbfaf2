// One whole selection in the running program, through the real dialogs of all four steps,
// by each selection method: the part number stored and Selection Complete offered, then the
// selection saved, a new one started, the file opened again, and the selection report made
// from it with the values of that selection.
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QTableView>

#include "FakeReportLibrary.h"
#include "ShellFixture.h"
#include "app/CommandIds.h"
#include "app/ui/FileDialog.h"
#include "model/ValveObject.h"
#include "units/ui/ComboUnit.h"

namespace veritom::test {
namespace {

constexpr int kApplicationButton = 1;
constexpr int kSolenoidButton = 2;
constexpr int kPartNumberButton = 3;

using Texts = std::vector<std::string>;

class WholeSelectionTest : public ShellTest {
protected:
    void SetUp() override {
        Start();
        m_library = new FakeReportLibrary;
        App().ReplaceReportLibrary(std::unique_ptr<IReportLibrary>(m_library));
        ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Closed"),
                        QStringLiteral("Standard (no option)"));
    }

    CProd_ValveData& Record() { return Object().GetWorkflow()->GetValveData(); }

    void Run(int button) {
        Press(button);
        ASSERT_TRUE(Dialogs().AllHandled())
            << Dialogs().Handled().join(QLatin1Char(',')).toStdString();
    }

    // Select Part Number: the second candidate highlighted and taken with OK; Selection
    // Complete is offered, and its View Selection Report makes the report before it closes.
    QString ChoosePartNumber() {
        QString chosen;
        Dialogs().Expect(QStringLiteral("partNumberDialog"), [&](QDialog& dialog) {
            auto* table = dialog.findChild<QTableView*>(QStringLiteral("candidateTable"));
            ASSERT_NE(table, nullptr);
            ASSERT_GT(table->model()->rowCount(), 1);
            table->selectRow(1);
            chosen = table->model()->index(1, 0).data().toString();
            ClickButton(dialog, "okButton");
        });
        Dialogs().Expect(QStringLiteral("selectionCompletedDialog"), [](QDialog& dialog) {
            ClickButton(dialog, "viewSelectionReportButton");
            QCoreApplication::processEvents();
            EXPECT_TRUE(dialog.isVisible());
            ClickButton(dialog, "closeButton");
        });
        Run(kPartNumberButton);
        return chosen;
    }

    // Saves the selection, starts a new one and opens the file again: the panel and the
    // record come back as they were.
    void SaveNewAndOpen() {
        const Texts shown = View().DisplayTexts();
        const std::vector<bool> states = ButtonStates();
        const std::string path = Path("local/whole selection.mrv");
        CFileDialog::SetNextFileName(QString::fromStdString(path));
        App().SendCommand(cmd::kFileSave);
        ASSERT_TRUE(QFile::exists(QString::fromStdString(path)));
        EXPECT_FALSE(Object().IsDirty());

        App().SendCommand(cmd::kFileNew);
        EXPECT_EQ(Object().GetWorkflow(), nullptr);
        EXPECT_EQ(View().DisplayTexts(), Texts(4));
        EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, false, false, false}));
        EXPECT_FALSE(ReportAction()->isEnabled());

        CFileDialog::SetNextFileName(QString::fromStdString(path));
        App().SendCommand(cmd::kFileOpen);
        ASSERT_NE(Object().GetWorkflow(), nullptr);
        EXPECT_EQ(View().DisplayTexts(), shown);
        EXPECT_EQ(ButtonStates(), states);
        EXPECT_TRUE(Object().IsSelectionComplete());
        EXPECT_FALSE(Object().IsDirty());
        EXPECT_EQ(WindowTitle(), "Veritom Morvane Valve - Selection: whole selection");
    }

    QAction* ReportAction() {
        QAction* action = Frame().MenuAction(cmd::kViewSelectionReport);
        EXPECT_NE(action, nullptr);
        return action;
    }

    // View, Selection Report from the menu: the report the library was handed.
    const FakeReportLibrary::Call& ViewSelectionReport() {
        const std::size_t before = m_library->calls.size();
        EXPECT_TRUE(ReportAction()->isEnabled());
        ReportAction()->trigger();
        EXPECT_EQ(m_library->calls.size(), before + 1);
        return m_library->calls.back();
    }

    // The report's entries that stay the same from one report to the next.
    static CReportMap WithoutDate(CReportMap map) {
        EXPECT_EQ(map.erase("ReportDateVAL"), 1u);
        return map;
    }

    // The report as the library receives it: the preview, titled, with the application's key,
    // the entries given and the program's own.
    void ExpectReport(const FakeReportLibrary::Call& report, const CReportMap& entries) {
        EXPECT_EQ(report.entryPoint, "PrintPreview");
        EXPECT_EQ(report.title, "Selection Report Viewer");
        EXPECT_EQ(report.registryKeyPath, kAppKey);
        for (const auto& [key, texts] : entries) {
            const auto entry = report.map.find(key);
            ASSERT_NE(entry, report.map.end()) << key;
            EXPECT_EQ(entry->second, texts) << key;
        }
        EXPECT_EQ(report.map.at("GRAPHICSPATH"), Texts{Path("local") + "/Graphics/"});
        EXPECT_EQ(report.map.at("SoftwareVersionVAL"), Texts{"3.0"});
        EXPECT_FALSE(report.map.at("WarningVAL").front().empty());
    }

    FakeReportLibrary* m_library = nullptr;  // the application owns it
};

// Known operating parameters with a solenoid: water through a 1/2" port, a 24 V DC coil.
TEST_F(WholeSelectionTest, KnownOperatingParametersWithASolenoid) {
    Dialogs().Expect(QStringLiteral("selectApplicationDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "okButton"); });
    Dialogs().Expect(QStringLiteral("selectionMethodDialog"), [](QDialog& dialog) {
        ClickChoice(dialog, "liquidRadio");
        ChooseText(dialog, "portSizeList", QStringLiteral("1/2\""));
        EnterText(dialog, "row2Edit", QStringLiteral("90"));
        ClickButton(dialog, "okButton");
    });
    Run(kApplicationButton);
    EXPECT_EQ(View().DisplayTexts()[1], "Fluid is Water,  Port Connection Size 1/2\"");

    Dialogs().Expect(QStringLiteral("coilSelectionDialog"), [](QDialog& dialog) {
        ClickChoice(dialog, "dcButton");
        SelectRow(dialog, "voltageList", QStringLiteral("24 V"));
        QCoreApplication::processEvents();
        ClickButton(dialog, "okButton");
    });
    Dialogs().Expect(QStringLiteral("coilSelectionAdditionalDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "okButton"); });
    Run(kSolenoidButton);
    EXPECT_EQ(View().DisplayTexts()[2],
              "24 V DC,  Standard molded coil,  Flying leads, 18 in,  Type 1, general purpose");

    const QString chosen = ChoosePartNumber();
    ASSERT_FALSE(chosen.isEmpty());
    const std::string partNumber = chosen.toStdString();
    EXPECT_EQ(Record().m_PN_CompletePNVAL.Value(), partNumber);
    EXPECT_EQ(View().DisplayTexts()[3], partNumber);
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, true, true}));
    EXPECT_TRUE(Object().IsSelectionComplete());
    ASSERT_EQ(m_library->calls.size(), 1u);  // from Selection Complete
    const std::string description = Record().m_PN_PNDescriptionVAL.Value();
    EXPECT_FALSE(description.empty());

    SaveNewAndOpen();
    EXPECT_EQ(Record().m_PN_CompletePNVAL.Value(), partNumber);
    EXPECT_EQ(Record().m_App_MOPDVAL.Value(), 90);

    const FakeReportLibrary::Call& report = ViewSelectionReport();
    ExpectReport(report,
                 {{"PN_CompletePNVAL", {"Part Number", partNumber}},
                  {"PN_PNDescriptionVAL", {"Part Description", description}},
                  {"FunctionTypeVAL", {"Function Type", "2-Way"}},
                  {"FlowPatternVAL", {"Flow Pattern", "Normally Closed"}},
                  {"FluidVAL", {"Fluid", "Water"}},
                  {"App_MOPDVAL", {"Max. Pressure Differential", "90"}},
                  {"Sol_CurrentVAL", {"Current", "DC"}},
                  {"Sol_VoltageVAL", {"Voltage/Hertz", "24 V"}},
                  {"Sol_ConstructionVAL", {"Solenoid Construction", "Standard molded coil"}},
                  {"SelMethodCode", {"Selection Method Code", "1"}}});
    // Everything the report showed before the file was saved, it shows from the file.
    EXPECT_EQ(WithoutDate(report.map), WithoutDate(m_library->calls.front().map));
    EXPECT_TRUE(m_messages.boxes.empty()) << m_messages.Texts().front();
}

// Valve size information, no solenoid: a proportional valve for gases, 2 Kv, 4-20 mA.
TEST_F(WholeSelectionTest, ValveSizeWithoutASolenoid) {
    Dialogs().Expect(QStringLiteral("selectApplicationDialog"), [](QDialog& dialog) {
        ClickChoice(dialog, "specialityRadio");
        SelectRow(dialog, "applicationList", QStringLiteral("Proportional Flow Control, Gases"));
        ClickButton(dialog, "okButton");
    });
    Dialogs().Expect(QStringLiteral("valveSizeDialog"), [](QDialog& dialog) {
        ClickChoice(dialog, "inletPressureCheck");
        ClickChoice(dialog, "volumetricFlowCheck");
        EnterText(dialog, "flowFactorEdit", QStringLiteral("2"));
        auto* unit = dialog.findChild<CComboUnit*>(QStringLiteral("flowFactorEditUnit"));
        ASSERT_NE(unit, nullptr);
        EXPECT_TRUE(unit->SelectUnit("KV"));
        ChooseText(dialog, "controlSignalList", QStringLiteral("4-20 mA"));
        ClickButton(dialog, "okButton");
    });
    Run(kApplicationButton);
    EXPECT_EQ(View().DisplayTexts()[1],
              "Proportional Flow Control, Gases,  Control Input Signal 4-20 mA,  Kv Rating 2.00");
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, false, true}));

    const QString chosen = ChoosePartNumber();
    ASSERT_FALSE(chosen.isEmpty());
    const std::string partNumber = chosen.toStdString();
    EXPECT_EQ(Record().m_PN_CompletePNVAL.Value(), partNumber);
    EXPECT_EQ(View().DisplayTexts()[3], partNumber);
    EXPECT_EQ(View().DisplayTexts()[2], "");
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, false, true}));
    EXPECT_TRUE(Object().IsSelectionComplete());
    ASSERT_EQ(m_library->calls.size(), 1u);

    SaveNewAndOpen();
    EXPECT_EQ(Record().m_PN_CompletePNVAL.Value(), partNumber);
    EXPECT_EQ(Record().m_SelMethodCode.Value(), 2);

    const FakeReportLibrary::Call& report = ViewSelectionReport();
    ExpectReport(report,
                 {{"PN_CompletePNVAL", {"Part Number", partNumber}},
                  {"ApplicationTypeVAL", {"Application", "Proportional Flow Control, Gases"}},
                  {"App_ControlSigVAL", {"Control Input Signal", "4-20 mA"}},
                  {"App_FlowFactorVAL", {"Flow Factor", "2.00"}},
                  {"App_FlowFactorUnitVAL", {"Flow Factor Unit", "Kv"}},
                  {"Sol_VoltageVAL", {"Voltage/Hertz", ""}},
                  {"SelMethodCode", {"Selection Method Code", "2"}}});
    EXPECT_EQ(WithoutDate(report.map), WithoutDate(m_library->calls.front().map));
    EXPECT_TRUE(m_messages.boxes.empty()) << m_messages.Texts().front();
}

}  // namespace
}  // namespace veritom::test
