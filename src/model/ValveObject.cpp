#include "ValveObject.h"

#include "base/Archive.h"
#include "base/DialogResult.h"
#include "base/Format.h"
#include "base/Links.h"
#include "base/StringTable.h"
#include "data/Database.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "model/ModelStrings.h"
#include "model/StepDialogs.h"
#include "model/WorkflowOwner.h"

namespace veritom {

namespace {

constexpr const char* kSeparator = ",  ";

constexpr int kMethodKnownParameters = 1;
constexpr int kMethodValveSize = 2;
constexpr int kByCatalogData = 1;
constexpr int kCalculatedSize = 2;

bool HasFlag(const CProd_ValveData& record, std::uint32_t flag) {
    return (record.m_ChkBxFlags & flag) != 0;
}

// "%.0f " and the unit's display text.
std::string QuantityText(const CUnitDoubleExSel& quantity) {
    return Format("%.0f ", quantity.Value()) + quantity.GetUnitText();
}

std::string FlowFactorText(const CProd_ValveData& record) {
    const int label = record.m_App_FlowFactorVAL.Unit() == "CV" ? ids::kCvRating : ids::kKvRating;
    return LoadString(label) + " " + Format("%.2f", record.m_App_FlowFactorVAL.Value());
}

std::string FluidText(const CProd_ValveData& record) {
    return LoadString(ids::kFluidIs) + " " + record.m_FluidVAL.Value();
}

std::string ByCatalogDataSummary(const CProd_ValveData& record) {
    std::string summary = FluidText(record);
    if (HasFlag(record, CProd_ValveData::kFlagPortSizeInSummary)) {
        summary += kSeparator + LoadString(ids::kPortConnectionSize) + " " +
                   record.m_App_PortSizeVAL.Value();
    }
    if (HasFlag(record, CProd_ValveData::kFlagFlowFactorInSummary)) {
        summary += kSeparator + FlowFactorText(record);
    }
    return summary;
}

std::string CalculatedSizeSummary(const CProd_ValveData& record) {
    return FluidText(record) + kSeparator + QuantityText(record.m_App_FlowRateVAL) + kSeparator +
           QuantityText(record.m_App_FluidTempVAL) + kSeparator +
           QuantityText(record.m_App_MaxInPressureVAL) + kSeparator +
           Format(LoadString(ids::kCalculatedCv), record.m_CalcFlowFactorVAL.Value());
}

std::string ValveSizeSummary(const CProd_ValveData& record) {
    std::string summary = record.m_ApplicationTypeVAL.Value();
    if (HasFlag(record, CProd_ValveData::kFlagMaxInletPressureTicked)) {
        summary += kSeparator + QuantityText(record.m_App_MaxInPressureVAL);
    }
    if (HasFlag(record, CProd_ValveData::kFlagVolumetricFlowTicked)) {
        summary += kSeparator + QuantityText(record.m_App_MaxVolumetricFlowVAL);
    }
    if (HasFlag(record, CProd_ValveData::kFlagControlSignalTicked)) {
        summary += kSeparator + LoadString(ids::kControlInputSignal) + " " +
                   record.m_App_ControlSigVAL.Value();
    }
    if (HasFlag(record, CProd_ValveData::kFlagFlowFactorTicked)) {
        summary += kSeparator + FlowFactorText(record);
    }
    return summary;
}

// The labels of the report, one array per key holding just the label.
CReportMap ReportLabels(IDatabase& db) {
    CReportMap labels;
    constexpr auto& q = queries::kSelRepLabels;
    CQuery query(db, q);
    IRecordset recordset(db);
    recordset.Open(query);
    while (!recordset.IsEOF()) {
        const std::string label = recordset.GetString(q.Field("FieldLabel"));
        if (!label.empty()) {
            labels[recordset.GetString(q.Field("MapKey"))] = {label};
        }
        recordset.MoveNext();
    }
    recordset.Close();
    return labels;
}

}  // namespace

CProd_ValveObject::CProd_ValveObject(int buttonCount, const Services& services,
                                     const CValveTypeAnswers& valveType)
    : CProd_ValveObject(buttonCount, services) {
    TakeValveType(valveType);
}

CProd_ValveObject::CProd_ValveObject(int buttonCount, const Services& services)
    : CProd_BaseObject(buttonCount, &services.owner), m_services(services) {}

CProd_ValveObject::CProd_ValveObject(int buttonCount) : CProd_BaseObject(buttonCount) {}

CProd_ValveObject::~CProd_ValveObject() = default;

void CProd_ValveObject::TakeValveType(const CValveTypeAnswers& answers) {
    m_data.m_FunctionTypeVAL = answers.functionType.text;
    m_data.m_FuncLink = answers.functionType.link;
    m_data.m_FlowPatternVAL = answers.flowPattern.text;
    m_data.m_FlowPatLink = answers.flowPattern.link;
    m_data.m_FlowPatPic = answers.flowPattern.third;
    m_data.m_FlowPatOptionVAL = answers.option.text;
    m_data.m_FlowPatOptLink = answers.option.link;
    m_data.m_FlowPatOptSelected = answers.option.number;
}

CValveTypeAnswers CProd_ValveObject::GetValveTypeAnswers() const {
    CValveTypeAnswers answers;
    answers.functionType = {m_data.m_FunctionTypeVAL.Value(), m_data.m_FuncLink.Value(), "", 0};
    answers.flowPattern = {m_data.m_FlowPatternVAL.Value(), m_data.m_FlowPatLink.Value(),
                           m_data.m_FlowPatPic.Value(), 0};
    answers.option = {m_data.m_FlowPatOptionVAL.Value(), m_data.m_FlowPatOptLink.Value(), "",
                      m_data.m_FlowPatOptSelected.Value()};
    return answers;
}

bool CProd_ValveObject::RunOnCopy(int (IStepDialogs::*run)(const CDialogContext&,
                                                           CProd_ValveData&)) {
    if (!m_services) {
        return false;
    }
    CProd_ValveData copy(m_data);
    if ((m_services->dialogs.*run)(m_services->context, copy) != IDOK) {
        return false;
    }
    m_data = copy;
    return true;
}

void CProd_ValveObject::Serialize(CArchive& ar) {
    if (ar.IsLoading()) {
        Reset();
    }
    SerializeSteps(ar);
    m_data.Serialize(ar);
}

void CProd_ValveObject::Reset() {
    CProd_BaseObject::Reset();
    m_data.Reset(-1);
}

void CProd_ValveObject::StartWithValveType(const std::string& description) {
    SetStepReached(1);
    SetStepText(1, description);
}

std::optional<std::string> CProd_ValveObject::ApplicationSummary(const CProd_ValveData& record) {
    const int method = record.m_SelMethodCode.Value();
    if (method == kMethodValveSize) {
        return ValveSizeSummary(record);
    }
    if (method != kMethodKnownParameters) {
        return std::nullopt;
    }
    switch (record.m_MethodLink) {
        case kByCatalogData:
            return ByCatalogDataSummary(record);
        case kCalculatedSize:
            return CalculatedSizeSummary(record);
        default:
            return std::string();
    }
}

std::string CProd_ValveObject::SolenoidSummary(const CProd_ValveData& record) {
    std::string summary = record.m_Sol_VoltageVAL.Value();
    if (record.m_VoltLink.Value() == links::kAll) {
        return summary;
    }
    summary += " " + record.m_Sol_CurrentVAL.Value() + kSeparator +
               record.m_Sol_ConstructionVAL.Value() + kSeparator +
               record.m_Sol_TerminationVAL.Value();
    const std::string& enclosure = record.m_EncloseLink.Value();
    if (enclosure != links::kNotApplicable && enclosure != links::kAll &&
        !record.m_Sol_EnclosureVAL.Value().empty()) {
        summary += kSeparator + record.m_Sol_EnclosureVAL.Value();
    }
    return summary;
}

int CProd_ValveObject::DoButtonDialog_2() {
    if (!RunOnCopy(&IStepDialogs::RunApplication)) {
        return 0;
    }
    const std::optional<std::string> summary = ApplicationSummary(m_data);
    if (!summary) {
        return 0;
    }
    FinishApplicationStep(*summary);
    return 1;
}

void CProd_ValveObject::FinishApplicationStep(const std::string& summary) {
    SetOwnerCompletionFlags(false);
    m_data.Reset(3);
    if (m_data.m_SelMethodCode.Value() == kMethodKnownParameters) {
        SetStepReached(2);
        ClearStepTexts(2);
        SetStepText(2, summary);
        return;
    }
    // The valve size method has no solenoid step: every solenoid choice is open.
    SetStepReached(3);
    ClearStepTexts(2);
    SetStepText(2, summary);
    for (CStringExSel* link : {&m_data.m_OpEnvLink, &m_data.m_Sol_CurrentVAL, &m_data.m_VoltLink,
                               &m_data.m_SolConstLink, &m_data.m_TermLink, &m_data.m_EncloseLink}) {
        *link = std::string(links::kAll);
    }
    m_services->owner.RedrawMainWindow();
}

int CProd_ValveObject::DoButtonDialog_3() {
    if (!RunOnCopy(&IStepDialogs::RunSolenoid)) {
        return 0;
    }
    const std::string summary = SolenoidSummary(m_data);
    SetOwnerCompletionFlags(false);
    m_data.Reset(5);
    SetStepReached(3);
    ClearStepTexts(3);
    SetStepText(3, summary);
    return 1;
}

int CProd_ValveObject::DoButtonDialog_4() {
    if (!RunOnCopy(&IStepDialogs::RunPartNumber)) {
        return 0;
    }
    SetOwnerCompletionFlags(true);
    SetStepReached(4);
    ClearStepTexts(4);
    SetStepText(4, m_data.m_PN_CompletePNVAL.Value());
    return 1;
}

bool CProd_ValveObject::IsButtonEnabled(int n) {
    if (n < 1 || n > 5) {
        return false;
    }
    if (n == 2 && m_data.m_SelMethodCode.Value() == kMethodValveSize) {
        return false;
    }
    return GetStepReached() >= n;
}

void CProd_ValveObject::FillReportMap(CReportMap& map, const CProd_BaseData* record) {
    const auto* valveRecord = dynamic_cast<const CProd_ValveData*>(record);
    BuildReportMap(m_services ? &m_services->context.database : nullptr,
                   valveRecord ? *valveRecord : m_data, map);
}

void CProd_ValveObject::BuildReportMap(IDatabase* db, const CProd_ValveData& record,
                                       CReportMap& map) {
    // The record writes one array per key and would replace a label put there first, so
    // its values go into a map of their own and are joined to the labels here.
    CReportMap labels;
    if (db && db->IsOpen()) {
        labels = ReportLabels(*db);
    }
    CReportMap values;
    record.AddToReportMap(values);
    for (auto& [key, texts] : values) {
        std::vector<std::string> entry = std::move(labels[key]);
        entry.insert(entry.end(), texts.begin(), texts.end());
        map[key] = std::move(entry);
    }
    for (auto& [key, label] : labels) {
        if (!values.count(key)) {
            map[key] = std::move(label);
        }
    }
}

}  // namespace veritom
