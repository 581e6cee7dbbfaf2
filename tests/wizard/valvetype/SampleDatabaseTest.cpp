#include <gtest/gtest.h>

#include <filesystem>

#include "FakeVeritomApp.h"
#include "HeadlessValveType.h"
#include "MessageRecorder.h"
#include "app/NerithObject.h"
#include "model/ValveObject.h"

namespace veritom {
namespace {

using test::FakeVeritomApp;
using test::MessageRecorder;

const std::string kShare = VERITOM_STAGE_DIR "/share/veritom";

// The product object on the selection database the build makes.
class SampleDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kShare + "/MorvaneEN.mdb")) {
            GTEST_SKIP() << "the selection database has not been built";
        }
        m_app.netPath = kShare;
        ASSERT_TRUE(m_object.Initialize());
    }

    FakeVeritomApp m_app;
    CNerithObject m_object{m_app};
};

// Every function type offers flow patterns and every flow pattern offers options the
// Options dialog can conclude with, by itself or with the user's pick.
TEST_F(SampleDatabase, EveryValveTypeCanBeChosen) {
    CValveTypeSelection selection(m_object.GetDatabase(), {});
    selection.Load();
    ASSERT_FALSE(selection.GetFunctionTypes().empty());
    for (int f = 0; f < static_cast<int>(selection.GetFunctionTypes().size()); ++f) {
        selection.SelectFunctionType(f);
        const std::string& functionType = selection.GetChosenFunctionType().text;
        ASSERT_FALSE(selection.GetFlowPatterns().empty()) << functionType;
        for (int p = 0; p < static_cast<int>(selection.GetFlowPatterns().size()); ++p) {
            selection.SelectFlowPattern(p);
            const CValveTypeAnswer& pattern = selection.GetChosenFlowPattern();
            if (!pattern.third.empty()) {
                EXPECT_TRUE(selection.GetFlowPatternPicture()) << pattern.third;
            }
            CValveTypeOptionsSelection options(m_object.GetDatabase(),
                                               selection.GetChosenFunctionType(), pattern, {});
            options.Load();
            ASSERT_FALSE(options.GetOptions().empty()) << functionType << " / " << pattern.text;
            EXPECT_NE(options.AcceptsAtOnce(), options.HasRealOptions());
            CValveTypeAnswer chosen;
            EXPECT_EQ(options.Accept(chosen), IDOK);
            EXPECT_EQ(chosen.number, options.GetOptionCount());
        }
    }
}

TEST_F(SampleDatabase, ValveTypeStepAndReportLabels) {
    m_app.dialogs.valveType = [this](CValveTypeAnswers& answers) {
        return test::RunValveTypeDialogs(m_object.GetDatabase(), answers, {});
    };
    ASSERT_TRUE(m_object.PerformButtonAction(100));
    const CValveTypeAnswers& answers = m_object.GetValveTypeAnswers();
    EXPECT_EQ(m_object.GetButtonSelectionDisplayText(0),
              CNerithObject::ValveTypeDescription(answers));
    EXPECT_FALSE(answers.functionType.link.empty());

    CReportMap map;
    m_object.GetWorkflow()->FillReportMap(map);
    const std::vector<std::string>& entry = map["FunctionTypeVAL"];
    ASSERT_EQ(entry.size(), 2u);
    EXPECT_FALSE(entry[0].empty());
    EXPECT_EQ(entry[1], answers.functionType.text);
}

TEST_F(SampleDatabase, EveryInformationPageIsNamed) {
    MessageRecorder recorder;
    for (InfoCommand command :
         {InfoCommand::ContactingVeldor, InfoCommand::VeldorLocations,
          InfoCommand::LicenseAgreement, InfoCommand::HelpContents, InfoCommand::ReferenceContents,
          InfoCommand::ProductSupport, InfoCommand::OfferOfSale, InfoCommand::ProductsAndServices,
          InfoCommand::RelatedProducts}) {
        m_object.OnInfoCommand(command);
    }
    EXPECT_TRUE(m_object.Pages().ShowDialogHelp(231));
    EXPECT_EQ(recorder.help.size() + recorder.opened.size(), 10u);
    EXPECT_TRUE(recorder.boxes.empty());
}

}  // namespace
}  // namespace veritom
