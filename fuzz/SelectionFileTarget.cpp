#include "FuzzTarget.h"
#include "QuietMessages.h"
#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "base/Archive.h"
#include "model/ValveObject.h"

namespace veritom::fuzz {

namespace {

bool SameFields(const CSelectionFileFields& a, const CSelectionFileFields& b) {
    return a.answers == b.answers && a.highestStep == b.highestStep &&
           a.orderPadReady == b.orderPadReady && a.spare == b.spare &&
           a.selectionComplete == b.selectionComplete;
}

// The record's stream: equal streams are equal records, a NaN equal to itself. (A copy
// would put back key names the record lacks; storing leaves the record as it is.)
std::vector<std::uint8_t> RecordBytes(const CProd_ValveData& record) {
    CArchive ar;
    const_cast<CProd_ValveData&>(record).Serialize(ar);
    return ar.Bytes();
}

// The first member in which two records differ, for the failure message.
std::string FirstDifference(const CProd_ValveData& a, const CProd_ValveData& b) {
    const std::vector<ValveMemberText> left = a.DescribeMembers();
    const std::vector<ValveMemberText> right = b.DescribeMembers();
    for (std::size_t i = 0; i < left.size() && i < right.size(); ++i) {
        if (left[i].key != right[i].key || left[i].values != right[i].values) {
            std::string values;
            for (const auto& v : left[i].values) {
                values += " '" + v + "'";
            }
            values += " became";
            for (const auto& v : right[i].values) {
                values += " '" + v + "'";
            }
            return "member " + left[i].number + " " + left[i].key + ":" + values;
        }
    }
    return "no member shows it";
}

// What the program and morvane-cli do with a selection once it is open.
void UseSelection(CProd_ValveObject& workflow) {
    const CProd_ValveData& record = workflow.GetValveData();
    record.DescribeMembers();
    CReportMap report;
    workflow.FillReportMap(report);
    CProd_ValveObject::ApplicationSummary(record);
    CProd_ValveObject::SolenoidSummary(record);
    for (int n = -1; n <= CNerithObject::kButtonCount + 2; ++n) {
        workflow.IsButtonEnabled(n);
        workflow.GetStepText(n);
    }
}

}  // namespace

// A selection file read as Open reads it. An opened selection saved again opens to the same
// selection, and saving that gives the same bytes.
void SelectionFile(Bytes input) {
    QuietMessages();
    CSelectionFileHeader header;
    CSelectionFileFields fields;
    CProd_ValveObject workflow(CNerithObject::kButtonCount);
    const std::vector<std::uint8_t> bytes(input.begin(), input.end());
    if (LoadSelectionFile(bytes, header, fields, workflow) != SelectionFileStatus::Ok) {
        return;
    }
    UseSelection(workflow);

    const std::vector<std::uint8_t> saved = StoreSelectionFile(header, fields, workflow);
    CSelectionFileHeader header2;
    CSelectionFileFields fields2;
    CProd_ValveObject workflow2(CNerithObject::kButtonCount);
    Expect(LoadSelectionFile(saved, header2, fields2, workflow2) == SelectionFileStatus::Ok,
           "a saved selection did not open");
    Expect(RecordBytes(workflow2.GetValveData()) == RecordBytes(workflow.GetValveData()),
           "the record changed on saving: " +
               FirstDifference(workflow.GetValveData(), workflow2.GetValveData()));
    Expect(workflow2.GetStepReached() == workflow.GetStepReached() &&
               workflow2.GetStepTexts() == workflow.GetStepTexts(),
           "the step state changed on saving");
    Expect(SameFields(fields, fields2), "the Valve Type answers or flags changed on saving");
    Expect(header2.mark1 == header.mark1 && header2.mark2 == header.mark2 &&
               header2.languageStringId == header.languageStringId,
           "the header numbers changed on saving");
    Expect(StoreSelectionFile(header2, fields2, workflow2) == saved,
           "saving an opened selection again gave other bytes");
}

// A record stream read as morvane-cli record-dump reads it: a damaged stream leaves the
// record as it was; a good one survives writing and reading again.
void Record(Bytes input) {
    QuietMessages();
    CArchive ar(std::vector<std::uint8_t>(input.begin(), input.end()));
    CProd_ValveData record;
    if (!record.Load(ar)) {
        Expect(RecordBytes(record) == RecordBytes(CProd_ValveData()),
               "a damaged stream changed the record");
        return;
    }
    record.DescribeMembers();
    CReportMap report;
    record.AddToReportMap(report);

    CArchive store;
    record.Serialize(store);
    CArchive load(store.Bytes());
    CProd_ValveData again;
    Expect(again.Load(load) && load.Remaining() == 0, "a written record did not read back");
    Expect(RecordBytes(again) == RecordBytes(record),
           "a record changed when written and read again: " + FirstDifference(record, again));
}

}  // namespace veritom::fuzz
