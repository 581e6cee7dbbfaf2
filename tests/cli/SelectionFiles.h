#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "CliRunner.h"
#include "SampleRecords.h"
#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "base/FileIo.h"
#include "data/Database.h"
#include "data/LanguageSource.h"
#include "model/ValveObject.h"
#include "wizard/partnumber/PartNumberSelection.h"

namespace veritom::test {

inline const std::string kShare = VERITOM_STAGE_DIR "/share/veritom";
inline const std::string kAppKey =
    "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion";

class StagedLanguage : public ILanguageSource {
public:
    explicit StagedLanguage(std::string code) : m_code(std::move(code)) {}
    std::string GetLanguageCode() const override { return m_code; }

private:
    std::string m_code;
};

// The record the Part Number step leaves: the steps before it, then the first candidate of
// the list accepted, on the staged database of the language.
inline CProd_ValveData WithPartNumber(const CProd_ValveData& steps,
                                      const std::string& language = "EN") {
    const StagedLanguage code(language);
    IDatabase db(code);
    EXPECT_TRUE(db.Open(kShare, "Morvane", false, true, ""));
    CPartNumberSelection selection(db, steps);
    selection.SetAskBeforeLargeLists(false);
    CProd_ValveData record = steps;
    EXPECT_EQ(selection.Open(), CPartNumberSelection::OpenResult::Ready);
    EXPECT_EQ(selection.Update(), CPartNumberSelection::UpdateResult::Listed);
    EXPECT_TRUE(selection.Accept(0, record));
    return record;
}

// A selection file of the language as the program saves it: complete with a part number
// (the Selection Complete flags set), or at the step the record reached.
inline std::string WriteSelection(const TemporaryFolder& folder, const std::string& name,
                                  const CProd_ValveData& record, const std::string& language,
                                  bool complete) {
    CProd_ValveObject workflow(CNerithObject::kButtonCount);
    workflow.GetValveData() = record;
    const int step = complete ? 4 : 3;
    workflow.SetStepReached(step);
    CSelectionFileHeader header;
    header.languageCode = language;
    header.languageName = language == "DE" ? "Deutsch" : "English";
    header.applicationName = CNerithObject::kApplicationName;
    header.languageStringId = language == "DE" ? 24511 : 24510;
    CSelectionFileFields fields;
    fields.answers.functionType = {"2-Way", "2W", "", 0};
    fields.answers.flowPattern = {"Normally Closed", "2NC", "FP_2NC", 0};
    fields.answers.option = {"Standard (no option)", "NOOPT", "", 0};
    fields.highestStep = step;
    fields.selectionComplete = complete;
    fields.orderPadReady = complete;
    fields.spare = complete;
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteFileReplacing(path, StoreSelectionFile(header, fields, workflow)).Ok());
    return path;
}

// A user store whose current language is code, and the environment that points at it.
inline std::string UserStoreWithLanguage(const TemporaryFolder& folder, const std::string& code) {
    const std::string path = folder.File("user-" + code + ".ini");
    std::ofstream(path) << "[" << kAppKey << "]\nLanguage=\"" << code << "\"\n";
    return "VERITOM_USER_STORE=" + path;
}

}  // namespace veritom::test
