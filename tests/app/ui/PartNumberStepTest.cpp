#include <QCoreApplication>
#include <QDialog>
#include <QTableView>

#include "SampleRecords.h"
#include "ShellFixture.h"
#include "app/SelectionFile.h"
#include "base/FileIo.h"
#include "model/ValveObject.h"

namespace veritom::test {
namespace {

class PartNumberStepTest : public ShellTest {
protected:
    // A selection file of a record that the Application and Solenoid steps completed.
    std::string WriteCompletedSteps(const CProd_ValveData& record) {
        const std::string path = Path("part number.mrv");
        CProd_ValveObject workflow(CNerithObject::kButtonCount);
        workflow.GetValveData() = record;
        workflow.SetStepReached(3);
        workflow.SetStepText(1, "2-Way,  Normally Closed");
        workflow.SetStepText(2, "Fluid is Water");
        workflow.SetStepText(3, "120 V / 60 Hz AC");
        CSelectionFileHeader header;
        header.languageCode = "EN";
        header.languageName = "English";
        header.applicationName = "Morvane Valve";
        header.languageStringId = 24510;
        CSelectionFileFields fields;
        fields.answers.functionType = {"2-Way", "2W", "", 0};
        fields.answers.flowPattern = {"Normally Closed", "2NC", "FP_2NC", 0};
        fields.answers.option = {"Standard (no option)", "NOOPT", "", 0};
        fields.highestStep = 3;
        EXPECT_TRUE(WriteFileReplacing(path, StoreSelectionFile(header, fields, workflow)).Ok());
        return path;
    }
};

// The Part Number button opens Select Part Number; OK stores the part, the panel shows it
// and offers the Selection Complete dialog.
TEST_F(PartNumberStepTest, OkStoresThePartAndCompletesTheSelection) {
    Start({WriteCompletedSteps(CatalogDataWithCoil())});
    ASSERT_TRUE(ButtonEnabled(3));
    QString chosen;
    Dialogs().Expect(QStringLiteral("partNumberDialog"), [&](QDialog& dialog) {
        auto* table = dialog.findChild<QTableView*>(QStringLiteral("candidateTable"));
        ASSERT_NE(table, nullptr);
        ASSERT_GT(table->model()->rowCount(), 1);
        table->selectRow(1);
        chosen = table->model()->index(1, 0).data().toString();
        ClickButton(dialog, "okButton");
    });
    Dialogs().Expect(QStringLiteral("selectionCompletedDialog"),
                     [](QDialog& dialog) { dialog.reject(); });
    Press(3);
    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_TRUE(Dialogs().Unexpected().isEmpty());
    ASSERT_FALSE(chosen.isEmpty());
    const CProd_ValveData& record = Object().GetWorkflow()->GetValveData();
    EXPECT_EQ(record.m_PN_CompletePNVAL.Value(), chosen.toStdString());
    EXPECT_EQ(View().DisplayTexts()[3], chosen.toStdString());
    EXPECT_EQ(Object().GetWorkflow()->GetStepReached(), 4);
    EXPECT_TRUE(Object().IsSelectionComplete());
    EXPECT_TRUE(Object().IsDirty());
}

// Cancel keeps the record and the panel as they were.
TEST_F(PartNumberStepTest, CancelChangesNothing) {
    Start({WriteCompletedSteps(ValveSizeMethod())});
    Dialogs().Expect(QStringLiteral("partNumberDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "cancelButton"); });
    Press(3);
    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_TRUE(Object().GetWorkflow()->GetValveData().m_PN_CompletePNVAL.Value().empty());
    EXPECT_EQ(Object().GetWorkflow()->GetStepReached(), 3);
    EXPECT_FALSE(Object().IsSelectionComplete());
}

}  // namespace
}  // namespace veritom::test
