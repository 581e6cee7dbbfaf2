#include <gtest/gtest.h>

#include <functional>

#include "FakeVeritomApp.h"
#include "MessageRecorder.h"
#include "app/VeritomObject.h"

namespace veritom {
namespace {

using test::FakeVeritomApp;
using test::MessageRecorder;

const std::string kKey = "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion";

std::string Must(const std::string& signature, const std::string& article = "a") {
    return "You must define " + article + " " + signature +
           " method in your class derived from CVeritomObject.";
}

// A product that supplies nothing: every required operation shows its message.
TEST(VeritomObject, FrameworkVersionsNameTheMissingOperation) {
    FakeVeritomApp app;
    CVeritomObject object(app);
    struct Case {
        std::function<bool()> call;  // true when the framework's result is as documented
        std::string message;
    };
    const std::vector<Case> cases = {
        {[&] { return object.GetDatabasePassword().empty(); }, Must("GetDatabasePassword()")},
        {[&] { return object.ViewReferenceTopic("x") == 0; },
         Must("ViewReferenceTopic(CString strFilePathName)")},
        {[&] { return object.GetSerializedDataObject() == nullptr; },
         Must("GetSerializedDataObject()")},
        {[&] { return !object.PerformButtonAction(100); }, Must("PerformButtonAction(int nID)")},
        {[&] { return object.GetNumberOfButtons() == 0; }, Must("GetNumberOfButtons()")},
        {[&] { return object.GetButtonText(0).empty(); }, Must("GetButtonText(int nID)")},
        {[&] { return !object.GetButtonState(0); }, Must("GetButtonState(int nID)")},
        {[&] { return object.GetFileFilter() == "All Files (*.*)|*.*||"; },
         Must("GetFileFilter()")},
        {[&] { return object.GetApplicationName() == "Veritom"; }, Must("GetApplicationName()")},
        {[&] { return !object.NewData(); }, Must("NewData()")},
        {[&] { return !object.LoadData("f"); }, Must("LoadData()")},
        {[&] { return !object.SaveData("f"); }, Must("SaveData()")},
        {[&] { return !object.IsDirty(); }, Must("IsDirty()", "an")},
        {[&] {
             object.OnFilePrintSelection(true);
             return true;
         },
         Must("OnFilePrintSelection()")},
    };
    for (const Case& c : cases) {
        MessageRecorder recorder;
        EXPECT_TRUE(c.call()) << c.message;
        ASSERT_EQ(recorder.boxes.size(), 1u) << c.message;
        EXPECT_EQ(recorder.boxes[0].text, c.message);
    }
}

TEST(VeritomObject, OperationsWithQuietDefaultsShowNothing) {
    FakeVeritomApp app;
    CVeritomObject object(app);
    MessageRecorder recorder;
    EXPECT_FALSE(object.IsSelectionComplete());
    EXPECT_FALSE(object.AddToOrderPad());
    EXPECT_FALSE(object.IsCADSupported());
    EXPECT_EQ(object.GetButtonSelectionDisplayFormat(0), DT_WORDBREAK);
    object.ShowStartupScreens();
    object.OnInfoCommand(InfoCommand::HelpContents);
    object.OnUserMenuCommand(33100);
    EXPECT_TRUE(recorder.boxes.empty());

    CCmdUI options;
    object.OnUpdateToolOptions(options);
    EXPECT_FALSE(options.enabled);
    // Report and CAD items follow the output-available flag; CAD preferences stay enabled.
    for (bool available : {false, true}) {
        object.SetOutputAvailable(available);
        CCmdUI report, drawing, save, preferences;
        object.OnUpdateViewSelectionReport(report);
        object.OnUpdateCadCommand(CadCommand::Drawing, drawing);
        object.OnUpdateCadCommand(CadCommand::Save, save);
        object.OnUpdateCadCommand(CadCommand::Preferences, preferences);
        EXPECT_EQ(report.enabled, available);
        EXPECT_EQ(drawing.enabled, available);
        EXPECT_EQ(save.enabled, available);
        EXPECT_TRUE(preferences.enabled);
    }
}

// A product with a name, an extension and optionally CAD.
class NamedObject : public CVeritomObject {
public:
    using CVeritomObject::CVeritomObject;
    std::string GetApplicationName() override { return "Morvane Valve"; }
    std::string GetDefaultExtension() override { return "mrv"; }
    std::string GetDefaultFilename() override { return GetCurrentFileName(); }
    bool IsCADSupported() override { return cad; }
    bool cad = false;
};

TEST(VeritomObject, FileDialogFolderFallsBackFromUserToMachineToLocalPath) {
    FakeVeritomApp app;
    NamedObject object(app);
    MessageRecorder recorder;
    EXPECT_EQ(object.GetFileSaveOpenPath(), "/local");
    app.store.Set(Hive::LocalMachine, kKey, "FileSaveOpenPath", "/machine");
    EXPECT_EQ(object.GetFileSaveOpenPath(), "/machine");
    app.store.Set(Hive::CurrentUser, kKey, "FileSaveOpenPath", "/user");
    EXPECT_EQ(object.GetFileSaveOpenPath(), "/user");

    EXPECT_TRUE(object.RememberFolderOf("/home/me/sel/a.mrv"));
    EXPECT_EQ(object.GetFileSaveOpenPath(), "/home/me/sel");
    EXPECT_TRUE(recorder.boxes.empty());

    app.store.failWrites = true;
    EXPECT_FALSE(object.SetFileSaveOpenPath("/elsewhere"));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Failed to set file open/save path");
    EXPECT_EQ(recorder.boxes[0].icon, MsgIcon::Warning);
    EXPECT_EQ(object.GetFileSaveOpenPath(), "/home/me/sel");
}

TEST(VeritomObject, SelectionCompletedFollowsTheProfileAndCadSupport) {
    FakeVeritomApp app;
    NamedObject object(app);
    object.SelectionCompleted();
    object.cad = true;
    object.SelectionCompleted();
    app.store.WriteProfileInt("SelectionCompleted", "Show", 0);
    object.SelectionCompleted();
    EXPECT_EQ(app.dialogs.selectionCompletedTemplates, (std::vector<int>{208, 207}));
}

TEST(VeritomObject, SetUpSucceedsOnlyWithoutCad) {
    FakeVeritomApp app;
    NamedObject object(app);
    EXPECT_TRUE(object.SetUpFramework());
    object.cad = true;
    EXPECT_FALSE(object.SetUpFramework());
}

TEST(VeritomObject, FileNamesAndExtensions) {
    FakeVeritomApp app;
    NamedObject object(app);
    EXPECT_EQ(object.GetRegistryKeyPath(),
              "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion");
    EXPECT_EQ(object.ProposedSaveName(), "*.mrv");
    object.SetCurrentFileName("/home/me/pump.mrv");
    EXPECT_EQ(object.ProposedSaveName(), "/home/me/pump.mrv");
    object.SetCurrentFileName("/home/mrv/pump");
    EXPECT_EQ(object.ProposedSaveName(), "/home/mrv/pump.mrv");

    MessageRecorder recorder;
    EXPECT_TRUE(object.CheckSelectionFileName("/a/b.mrv"));
    EXPECT_TRUE(object.CheckSelectionFileName("/a/B.MRV"));
    EXPECT_TRUE(recorder.boxes.empty());
    for (const char* bad : {"/a/bmrv", "/a/b.mrv.txt", "mrv"}) {
        EXPECT_FALSE(object.CheckSelectionFileName(bad)) << bad;
    }
    ASSERT_EQ(recorder.boxes.size(), 3u);
    EXPECT_EQ(recorder.boxes[0].text, "/a/bmrv is not a valid Morvane Valve selection file.");
}

TEST(VeritomObject, TipsFileLiesInNetPath) {
    FakeVeritomApp app;
    CVeritomObject object(app);
    EXPECT_EQ(object.GetTipsFilePath(), "/net/tips.txt");
    app.netPath = "/net/";
    EXPECT_EQ(object.GetTipsFilePath(), "/net/tips.txt");
}

}  // namespace
}  // namespace veritom
