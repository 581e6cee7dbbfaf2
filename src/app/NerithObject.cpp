#include "NerithObject.h"

#include <algorithm>
#include <cctype>

#include "app/AppStrings.h"
#include "app/NotAvailable.h"
#include "app/SelectionFile.h"
#include "app/VeritomAppInterface.h"
#include "base/FileIo.h"
#include "base/Format.h"
#include "base/Links.h"
#include "base/MessageSink.h"
#include "base/Paths.h"
#include "base/StringTable.h"
#include "data/Database.h"
#include "data/InformationPages.h"
#include "data/MsgStoredProc.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "model/ValveObject.h"
#include "tools/ToolStrings.h"
#include "tools/orderpad/OrderPad.h"
#include "tools/orderpad/OrderPadExport.h"

namespace veritom {

namespace {

constexpr int kButtonTextIds[CNerithObject::kButtonCount] = {
    ids::kButtonValveType, ids::kButtonApplication, ids::kButtonSolenoid, ids::kButtonPartNumber};

constexpr double kCvToKv = 14.28;
constexpr double kKvToCv = 0.0700280112044818;

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
    : CVeritomObject(app),
      m_database(std::make_unique<IDatabase>(app)),
      m_pages(std::make_unique<CInformationPages>(*m_database, app)) {}

CNerithObject::~CNerithObject() {
    m_workflow.reset();
    m_messages.reset();
    m_pages.reset();
    m_database.reset();
}

CDialogContext CNerithObject::DialogContext() {
    return {*m_database, *m_pages, IsVerificationMode()};
}

CProd_ValveObject::Services CNerithObject::WorkflowServices() {
    return {m_app.GetDialogs(), DialogContext(), *this};
}

CValveTypeAnswers CNerithObject::GetValveTypeAnswers() const {
    return m_workflow ? m_workflow->GetValveTypeAnswers() : CValveTypeAnswers();
}

std::string CNerithObject::GetDatabasePassword() {
    return {};
}

void CNerithObject::OnUpdateViewSelectionReport(CCmdUI& cmdUI) {
    cmdUI.Enable(IsOrderPadReady());
}

ReportSource CNerithObject::CurrentReportSource() {
    return {m_workflow ? &m_workflow->GetValveData() : nullptr, m_database.get(),
            m_app.GetLocalPath(), GetRegistryKeyPath()};
}

// The library is asked for at each report: the application may have replaced it.
void CNerithObject::OnViewSelectionReport() {
    CSelectionReport(m_app.GetReportLibrary()).Preview(CurrentReportSource());
}

void CNerithObject::PreviewSelectionReport(const CProd_ValveData& record) {
    ReportSource source = CurrentReportSource();
    source.record = &record;
    CSelectionReport(m_app.GetReportLibrary()).Preview(source);
}

void CNerithObject::OnFilePrintSelection(bool withPrintDialog) {
    CSelectionReport(m_app.GetReportLibrary()).Print(CurrentReportSource(), withPrintDialog);
}

int CNerithObject::ViewReferenceTopic(const std::string&) {
    return m_pages->ShowReferencePage() ? 1 : 0;
}

bool CNerithObject::IsSelectionComplete() {
    return GetSelectionCompleteFlag();
}

bool CNerithObject::AddToOrderPad() {
    if (!m_workflow || !GetOrderPad()) {
        return false;
    }
    const CProd_ValveData& record = m_workflow->GetValveData();
    return veritom::AddToOrderPad(*GetOrderPad(), record.m_PN_CompletePNVAL.Value(),
                                  LoadString(ids::kApplicationName),
                                  record.m_PN_PNDescriptionVAL.Value());
}

bool CNerithObject::PerformButtonAction(int nID) {
    if (!m_database->IsOpen()) {
        ShowDatabaseUnavailable();
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
    return m_app.GetDialogs().RunReselectionNotice();
}

std::string CNerithObject::ValveTypeDescription(const CValveTypeAnswers& answers) {
    std::string description = answers.functionType.text + ",  " + answers.flowPattern.text;
    if (answers.option.link != links::kNoOption) {
        description += ",  " + answers.option.text;
    }
    return description;
}

bool CNerithObject::RunValveTypeStep() {
    CValveTypeAnswers answers = GetValveTypeAnswers();
    if (m_app.GetDialogs().RunValveType(DialogContext(), answers) != IDOK) {
        return false;
    }
    m_highestStep = 1;
    if (CreateWorkflow(answers)) {
        SetCompletionFlags(false);
        m_workflow->StartWithValveType(ValveTypeDescription(answers));
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

bool CNerithObject::CreateWorkflow(const CValveTypeAnswers& answers) {
    m_workflow.reset();
    m_workflow = std::make_unique<CProd_ValveObject>(kButtonCount, WorkflowServices(), answers);
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
    return LoadString(ids::kFileExtension);
}

std::string CNerithObject::GetFileFilter() {
    const std::string extension = GetDefaultExtension();
    return LoadString(ids::kFileType) + " (*." + extension + ")|*." + extension + "||";
}

std::string CNerithObject::GetApplicationName() {
    return kApplicationName;
}

bool CNerithObject::NewData() {
    m_workflow.reset();
    m_highestStep = 0;
    m_modified = false;
    SetCompletionFlags(false);
    return true;
}

bool CNerithObject::SaveData(const std::string& path) {
    if (!m_workflow) {
        Messages().Beep();
        MessageBox(LoadString(ids::kNothingToSave));
        return false;
    }
    CSelectionFileHeader header;
    header.languageCode = m_app.GetLanguageCode();
    header.languageName = m_app.GetLanguageName();
    header.applicationName = LoadString(ids::kApplicationName);
    header.languageStringId = m_app.GetLanguageStringId();
    CSelectionFileFields fields;
    fields.answers = m_workflow->GetValveTypeAnswers();
    fields.highestStep = m_highestStep;
    fields.orderPadReady = IsOrderPadReady();
    fields.spare = GetSpareFlag();
    fields.selectionComplete = GetSelectionCompleteFlag();
    if (!WriteFileReplacing(path, StoreSelectionFile(header, fields, *m_workflow)).Ok()) {
        MessageBox(Format(LoadString(ids::kCannotSave), path), MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    SetCurrentFileName(path);
    m_app.SetDocumentTitle(DocumentTitle(path));
    m_modified = false;
    return true;
}

namespace {

// What a selection file holds besides its header, read and checked.
struct CNerithPendingSelection : CPendingSelection {
    CSelectionFileFields fields;
    std::unique_ptr<CProd_ValveObject> workflow;
};

}  // namespace

std::unique_ptr<CPendingSelection> CNerithObject::ReadData(const std::string& path) {
    auto pending = std::make_unique<CNerithPendingSelection>();
    pending->path = path;
    pending->workflow = std::make_unique<CProd_ValveObject>(kButtonCount, WorkflowServices());
    std::string reason;
    // Only a selection already made can be said to be kept.
    const SelectionFileStatus status = ReadSelectionFile(
        path, pending->header, pending->fields, *pending->workflow, reason, m_workflow != nullptr);
    if (status == SelectionFileStatus::Ok) {
        return pending;
    }
    if (status == SelectionFileStatus::WrongMarks) {
        Messages().Beep();
        MessageBox(reason);
    } else {
        MessageBox(reason, MsgButtons::Ok, MsgIcon::Warning);
    }
    return nullptr;
}

bool CNerithObject::ApplyData(std::unique_ptr<CPendingSelection> selection) {
    auto* pending = dynamic_cast<CNerithPendingSelection*>(selection.get());
    if (!pending || !pending->workflow) {
        return false;
    }
    // The record read with the workflow holds the Valve Type answers; the copy of them in the
    // fields is not kept a second time.
    const CSelectionFileFields& fields = pending->fields;
    m_highestStep = fields.highestStep;
    m_workflow = std::move(pending->workflow);
    m_modified = false;
    SetOrderPadReady(fields.orderPadReady);
    SetSpare(fields.spare);
    SetSelectionComplete(fields.selectionComplete);
    const std::string path = pending->path;
    SetCurrentFileName(path);
    m_app.RefreshButtonPanel();
    m_app.SetDocumentTitle(DocumentTitle(path));
    return true;
}

// The same after saving and after opening: " Selection", a colon, a blank and the name.
std::string CNerithObject::DocumentTitle(const std::string& path) {
    return LoadString(ids::kSelectionTitle) + ": " + FileTitle(path);
}

bool CNerithObject::LoadData(const std::string& path) {
    std::unique_ptr<CPendingSelection> pending = ReadData(path);
    return pending && ApplyData(std::move(pending));
}

std::string CNerithObject::DatabasePath(const std::string& languageCode) const {
    return JoinPath(m_app.GetNetPath(), kDatabaseName + languageCode + ".mdb");
}

void CNerithObject::ShowDatabaseUnavailable() {
    const std::string netPath = m_app.GetNetPath();
    const std::string text = IsAbsolutePath(netPath) ? Format(LoadString(ids::kDatabaseUnavailable),
                                                              DatabasePath(m_app.GetLanguageCode()))
                                                     : Format(LoadString(ids::kNoNetPath), netPath);
    MessageBox(text, MsgButtons::Ok, MsgIcon::Warning);
}

bool CNerithObject::CanSwitchLanguage(const LanguageInfo& language) {
    const std::string path = DatabasePath(language.code);
    if (IsReadableFile(path)) {
        return true;
    }
    MessageBox(Format(LoadString(ids::kDatabaseUnavailable), path), MsgButtons::Ok,
               MsgIcon::Warning);
    return false;
}

void CNerithObject::LanguageSwitched() {
    m_database->Close();
    // A database that failed at start-up may open now; the catalogue must come with it.
    if (IsAbsolutePath(m_app.GetNetPath()) &&
        m_database->Open(m_app.GetNetPath(), kDatabaseName, false, true, GetDatabasePassword()) &&
        !m_messages) {
        m_messages = std::make_unique<CIMsgStoredProc>(*m_database);
    }
}

void CNerithObject::ShowStartupScreens() {
    m_app.GetDialogs().RunStartupScreens(DialogContext());
}

bool CNerithObject::IsDirty() {
    return m_modified;
}

void CNerithObject::OnInfoCommand(InfoCommand command) {
    if (const char* category = CategoryOf(command)) {
        m_pages->ShowPage(category);
    }
}

bool CNerithObject::HasSpecialityValves() {
    CQuery query(*m_database, queries::kValvesNotAvail);
    IRecordset records(*m_database);
    records.Open(query);
    return !records.IsEOF();
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
    ISelectionDialogs& dialogs = m_app.GetDialogs();
    if (commandId == m_specialityValvesId) {
        dialogs.RunSpecialityValves(DialogContext());
    } else if (commandId == m_interchangeId) {
        dialogs.RunInterchange(DialogContext());
    } else if (commandId == m_unitConversionId) {
        dialogs.RunUnitConversion(DialogContext());
    }
}

std::string CNerithObject::GetTipsFilePath() {
    return JoinPath(m_app.GetNetPath(), "Tips" + m_app.GetLanguageCode() + ".txt");
}

bool CNerithObject::Initialize() {
    if (!SetUpFramework() || !IsAbsolutePath(m_app.GetNetPath())) {
        return false;
    }
    if (!m_database->Open(m_app.GetNetPath(), kDatabaseName, true, true, GetDatabasePassword())) {
        return false;
    }
    m_messages = std::make_unique<CIMsgStoredProc>(*m_database);
    return true;
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
