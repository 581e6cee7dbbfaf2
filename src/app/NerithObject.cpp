#include "NerithObject.h"

#include <algorithm>
#include <cctype>

#include "app/SelectionFile.h"
#include "app/VeritomAppInterface.h"
#include "base/FileIo.h"
#include "base/Format.h"
#include "base/Links.h"
#include "base/MessageSink.h"
#include "base/NameMatch.h"
#include "base/Paths.h"
#include "base/StringTable.h"
#include "data/Database.h"
#include "data/MsgStoredProc.h"
#include "data/Recordset.h"
#include "model/ValveObject.h"

namespace veritom {

namespace {

constexpr int kStringLanguageNotInstalled = 209;
constexpr int kButtonTextIds[CNerithObject::kButtonCount] = {232, 241, 242, 243};
constexpr int kStringExtension = 244;
constexpr int kStringFileType = 245;
constexpr int kStringApplicationName = 246;
constexpr int kStringTitle = 238;
constexpr int kStringConflictingVersion = 239;
constexpr int kStringNothingToSave = 240;
constexpr int kStringCannotRead = 6400;
constexpr int kStringDamaged = 6401;
constexpr int kStringCannotSave = 6402;

constexpr double kCvToKv = 14.28;
constexpr double kKvToCv = 0.0700280112044818;

// The categories are our own constants, but a quote must never end the SQL text early.
std::string QuotedSqlText(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'') {
            quoted += '\'';
        }
    }
    return quoted + "'";
}

const char* CategoryOf(InfoCommand command) {
    switch (command) {
        case InfoCommand::ContactingVeldor:
            return "Contacting Veldor";
        case InfoCommand::VeldorLocations:
            return "Veldor Locations";
        case InfoCommand::LicenseAgreement:
            return "License Agreement";
        case InfoCommand::HelpContents:
            return "Help";
        case InfoCommand::ReferenceContents:
            return "Reference";
        case InfoCommand::ProductSupport:
            return "Product Support";
        case InfoCommand::OfferOfSale:
            return "Offer of Sale";
        case InfoCommand::ProductsAndServices:
            return "Products";
        case InfoCommand::RelatedProducts:
            return "Related Products";
        case InfoCommand::HelpSearch:
        case InfoCommand::SearchReference:
        case InfoCommand::ReferenceGlossary:
            break;
    }
    return nullptr;
}

}  // namespace

CNerithObject::CNerithObject(IVeritomApp& app)
    : CVeritomObject(app), m_database(std::make_unique<IDatabase>(app)) {}

CNerithObject::~CNerithObject() {
    m_workflow.reset();
    m_messages.reset();
    m_database.reset();
}

std::string CNerithObject::GetDatabasePassword() {
    return {};
}

void CNerithObject::OnUpdateViewSelectionReport(CCmdUI& cmdUI) {
    cmdUI.Enable(IsOrderPadReady());
}

int CNerithObject::ViewReferenceTopic(const std::string&) {
    return ShowReferencePage() ? 1 : 0;
}

bool CNerithObject::IsSelectionComplete() {
    return GetSelectionCompleteFlag();
}

bool CNerithObject::AddToOrderPad() {
    if (m_workflow) {
        m_workflow->AddToOrderPad();
    }
    return false;
}

bool CNerithObject::PerformButtonAction(int nID) {
    if (!m_database->IsOpen()) {
        MessageBox(Format(LoadString(kStringLanguageNotInstalled), m_app.GetLanguageName()));
        return false;
    }
    const int step = nID - (kFirstButtonId - 1);
    if (!CheckReselection(step)) {
        return false;
    }
    const bool done = nID == kFirstButtonId ? RunValveTypeStep() : RunWorkflowStep(nID);
    if (!done) {
        return false;
    }
    m_modified = true;
    m_highestStep = step;
    return true;
}

bool CNerithObject::CheckReselection(int step) {
    if (!m_workflow || step >= m_highestStep) {
        return true;
    }
    return m_app.GetDialogs().RunReselectionNotice(*this);
}

std::string CNerithObject::ValveTypeDescription(const CValveTypeAnswers& answers) {
    std::string description = answers.functionType.text + ",  " + answers.flowPattern.text;
    if (answers.option.link != links::kNoOption) {
        description += ",  " + answers.option.text;
    }
    return description;
}

bool CNerithObject::RunValveTypeStep() {
    CValveTypeAnswers answers = m_answers;
    if (m_app.GetDialogs().RunValveType(*this, answers) != IDOK) {
        return false;
    }
    m_answers = answers;
    m_highestStep = 1;
    if (CreateWorkflow()) {
        SetSelectionComplete(false);
        SetOrderPadReady(false);
        SetSpare(false);
        m_workflow->StartWithValveType(ValveTypeDescription(m_answers));
    }
    return true;
}

bool CNerithObject::RunWorkflowStep(int nID) {
    if (!m_workflow) {
        return false;
    }
    switch (nID - kFirstButtonId) {
        case 1:
            return m_workflow->DoButtonDialog_2() != 0;
        case 2:
            return m_workflow->DoButtonDialog_3() != 0;
        case 3:
            return m_workflow->DoButtonDialog_4() != 0;
        case 4:
            return m_workflow->DoButtonDialog_5() != 0;
        default:
            return false;
    }
}

bool CNerithObject::CreateWorkflow() {
    m_workflow.reset();
    m_workflow = std::make_unique<CProd_ValveObject>(*this);
    return m_workflow != nullptr;
}

int CNerithObject::GetNumberOfButtons() {
    return kButtonCount;
}

std::string CNerithObject::GetButtonText(int nID) {
    if (nID >= 0 && nID < kButtonCount) {
        return LoadString(kButtonTextIds[nID]);
    }
    return "Button " + std::to_string(nID + 1);
}

bool CNerithObject::GetButtonState(int nID) {
    if (nID == 0) {
        return true;
    }
    return m_workflow && m_workflow->IsButtonEnabled(nID);
}

std::string CNerithObject::GetButtonSelectionDisplayText(int nID) {
    return m_workflow ? m_workflow->GetStepText(nID + 1) : std::string();
}

std::string CNerithObject::GetPartNumberDisplayText() {
    return "4M-DDD-BO-OB-S";
}

unsigned CNerithObject::GetButtonSelectionDisplayFormat(int nID) {
    return CVeritomObject::GetButtonSelectionDisplayFormat(nID) | DT_NOCLIP | DT_NOPREFIX;
}

std::string CNerithObject::GetDefaultFilename() {
    return GetCurrentFileName();
}

std::string CNerithObject::GetDefaultExtension() {
    return LoadString(kStringExtension);
}

std::string CNerithObject::GetFileFilter() {
    const std::string extension = GetDefaultExtension();
    return LoadString(kStringFileType) + " (*." + extension + ")|*." + extension + "||";
}

std::string CNerithObject::GetApplicationName() {
    return kApplicationName;
}

bool CNerithObject::NewData() {
    m_workflow.reset();
    m_answers = CValveTypeAnswers();
    m_highestStep = 0;
    m_modified = false;
    SetSelectionComplete(false);
    SetOrderPadReady(false);
    SetSpare(false);
    return true;
}

bool CNerithObject::SaveData(const std::string& path) {
    if (!m_workflow) {
        Messages().Beep();
        MessageBox(LoadString(kStringNothingToSave));
        return false;
    }
    CSelectionFileHeader header;
    header.languageCode = m_app.GetLanguageCode();
    header.languageName = m_app.GetLanguageName();
    header.applicationName = LoadString(kStringApplicationName);
    header.languageStringId = m_app.GetLanguageStringId();
    CSelectionFileFields fields;
    fields.answers = m_answers;
    fields.highestStep = m_highestStep;
    fields.orderPadReady = IsOrderPadReady();
    fields.spare = GetSpareFlag();
    fields.selectionComplete = GetSelectionCompleteFlag();
    if (!WriteFileReplacing(path, StoreSelectionFile(header, fields, *m_workflow)).Ok()) {
        MessageBox(Format(LoadString(kStringCannotSave), path), MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    SetCurrentFileName(path);
    m_app.SetDocumentTitle(LoadString(kStringTitle) + ":  " + FileTitle(path));
    m_modified = false;
    return true;
}

void CNerithObject::ShowLoadFailure(int stringId, const std::string& path) {
    MessageBox(Format(LoadString(stringId), path), MsgButtons::Ok, MsgIcon::Warning);
}

bool CNerithObject::LoadData(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, CSelectionFileHeader::kMaxFileSize).Ok()) {
        ShowLoadFailure(kStringCannotRead, path);
        return false;
    }
    CSelectionFileHeader header;
    CSelectionFileFields fields;
    auto workflow = std::make_unique<CProd_ValveObject>(*this);
    switch (LoadSelectionFile(bytes, header, fields, *workflow)) {
        case SelectionFileStatus::Ok:
            break;
        case SelectionFileStatus::WrongMarks:
            Messages().Beep();
            MessageBox(LoadString(kStringConflictingVersion));
            return false;
        case SelectionFileStatus::Unreadable:
        case SelectionFileStatus::Damaged:
            ShowLoadFailure(kStringDamaged, path);
            return false;
    }
    m_answers = fields.answers;
    m_highestStep = fields.highestStep;
    m_workflow = std::move(workflow);
    m_modified = false;
    SetOrderPadReady(fields.orderPadReady);
    SetSpare(fields.spare);
    SetSelectionComplete(fields.selectionComplete);
    SetCurrentFileName(path);
    m_app.RefreshButtonPanel();
    m_app.SetDocumentTitle(LoadString(kStringTitle) + ": " + FileTitle(path));
    return true;
}

void CNerithObject::LanguageSwitched() {
    m_database->Close();
    // A database that failed at start-up may open now; the catalogue must come with it.
    if (m_database->Open(m_app.GetNetPath(), kDatabaseName, false, true, GetDatabasePassword()) &&
        !m_messages) {
        m_messages = std::make_unique<CIMsgStoredProc>(*m_database);
    }
}

void CNerithObject::ShowStartupScreens() {
    m_app.GetDialogs().RunStartupScreens(*this);
}

bool CNerithObject::IsDirty() {
    return m_modified;
}

void CNerithObject::OnInfoCommand(InfoCommand command) {
    if (const char* category = CategoryOf(command)) {
        ShowInformationPage(category);
    }
}

void CNerithObject::SetUserMenuIds(int specialityValves, int interchange, int unitConversion) {
    m_specialityValvesId = specialityValves;
    m_interchangeId = interchange;
    m_unitConversionId = unitConversion;
}

void CNerithObject::OnUserMenuCommand(int commandId) {
    if (commandId < 0) {
        return;
    }
    IWizardDialogs& dialogs = m_app.GetDialogs();
    if (commandId == m_specialityValvesId) {
        dialogs.RunSpecialityValves(*this);
    } else if (commandId == m_interchangeId) {
        dialogs.RunInterchange(*this);
    } else if (commandId == m_unitConversionId) {
        dialogs.RunUnitConversion(*this);
    }
}

std::string CNerithObject::GetTipsFilePath() {
    return JoinPath(m_app.GetNetPath(), "Tips" + m_app.GetLanguageCode() + ".txt");
}

bool CNerithObject::Initialize() {
    if (!SetUpFramework()) {
        return false;
    }
    if (!m_database->Open(m_app.GetNetPath(), kDatabaseName, true, true, GetDatabasePassword())) {
        return false;
    }
    m_messages = std::make_unique<CIMsgStoredProc>(*m_database);
    return true;
}

std::optional<std::string> CNerithObject::LookUpRefHelpName(const std::string& category) {
    IRecordset recordset(*m_database);
    recordset.Open(OpenType::Dynaset,
                   "SELECT * FROM RefHelpNames WHERE Category = " + QuotedSqlText(category),
                   kOpenReadOnly);
    std::optional<std::string> name;
    if (!recordset.IsEOF()) {
        recordset.MoveFirst();
        name = recordset.GetString(1);
    }
    recordset.Close();
    return name;
}

bool CNerithObject::ShowInformationPage(const std::string& category) {
    const std::optional<std::string> name = LookUpRefHelpName(category);
    if (!name || name->empty()) {
        return false;
    }
    if (EndsWithNoCase(*name, "hlp")) {
        return Messages().ShowHelp(JoinPath(m_app.GetNetPath(), *name), 0, "");
    }
    if (EndsWithNoCase(*name, "pdf")) {
        return Messages().OpenDocument(JoinPath(m_app.GetReferenceDir(), *name));
    }
    return false;
}

bool CNerithObject::ShowReferencePage() {
    return ShowInformationPage("Reference");
}

bool CNerithObject::ShowDialogHelp(int templateId) {
    const std::optional<std::string> name = LookUpRefHelpName("HELP");
    if (!name || name->empty()) {
        return false;
    }
    return Messages().ShowHelp(JoinPath(m_app.GetNetPath(), *name), templateId, "");
}

double CNerithObject::ConvertFlowFactor(double value, const std::string& fromUnit,
                                        const std::string& toUnit) {
    if (fromUnit == links::kCv && toUnit == links::kKv) {
        return value * kCvToKv;
    }
    if (fromUnit == links::kKv && toUnit == links::kCv) {
        return value * kKvToCv;
    }
    return value;
}

}  // namespace veritom
