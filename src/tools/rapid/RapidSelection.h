#pragma once

#include <array>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data/FieldValue.h"
#include "tools/orderpad/OrderPadLine.h"
#include "tools/rapid/RapidSegment.h"

namespace veritom {

class IDatabase;

// What the Rapid Selection dialog decides for one design series: which build types the
// series offers, the segments of each, which segment is filled with which codes, what a
// choice clears, and the part number built from every active segment's code. Everything
// about the segments comes from the selection database; the dialog binds this to its
// radio buttons, 18 lists and the part number display.
class CRapidSelection {
public:
    // What is built; the numbers are the dialog's.
    enum BuildType { kNoBuildType = 0, kComplete = 1, kValveOnly = 2, kSolenoidOnly = 3 };
    static constexpr int kFinalField = 999;

    enum class SegmentState {
        Hidden,          // the build type does not use the segment
        Disabled,        // display state "0"
        Pending,         // waiting for the segments before it, or nothing offered
        AwaitingChoice,  // several codes offered, none chosen yet
        Chosen,
    };

    // What the dialog does next, as a posted request so it repaints in between.
    struct Step {
        enum class Kind { Nothing, AwaitChoice, Fill, Build };
        Kind kind = Kind::Nothing;
        int segment = -1;
    };

    CRapidSelection(IDatabase& db, std::string seriesLink);

    // Reads the build types and their segment tables, takes the lowest type offered and
    // returns the first request; Nothing when the series offers no build type.
    Step Load();

    const std::string& SeriesLink() const { return m_seriesLink; }
    bool IsBuildTypeAvailable(int type) const;
    int GetBuildType() const { return m_buildType; }
    // The "PNType" that offered the current build type.
    const std::string& GetChoiceLink() const;
    // The current build type's picture ("qGetImage"), nothing when it has none.
    std::optional<ByteArray> GetBuildTypePicture() const;
    // Another build type clears every segment and the part number; Nothing when type is the
    // current one or not offered.
    Step SetBuildType(int type);

    // The segment k (0 to 17) of the current build type.
    const CRapidSegment& Segment(int k) const;
    SegmentState State(int k) const;
    int FirstActiveSegment() const;
    // The next active segment after k, -1 when there is none.
    int NextActiveAfter(int k) const;
    const std::vector<CRapidLine>& Lines(int k) const;
    // The line chosen in segment k, -1 for none.
    int Selected(int k) const;

    // Empties segments k to 17 and drops the part number.
    void ClearFrom(int k);
    // Lists the codes of segment k that fit the codes chosen before it. A single code is
    // chosen at once and the walk goes on; several wait for the user. Nothing when the
    // segment is not active or an earlier active segment has no code chosen.
    Step Fill(int k);
    // The user confirmed line of segment k: the later segments and the part number go, and
    // the next active segment is filled, or the part number built after the last.
    Step Choose(int k, int line);
    // Builds the part number from every active segment's code; false (no part number) when
    // a code is missing or the database builds none.
    bool BuildPartNumber();

    const std::string& PartNumber() const { return m_partNumber; }
    const std::string& Description() const { return m_description; }
    bool CanAddToOrderPad() const { return !m_partNumber.empty(); }
    // The built part for the order pad, with the product's name as division.
    COrderPadLine OrderLine() const;

    // Field numbers the database gave that belong to no segment, each once; those segments
    // are left out.
    const std::set<int>& SkippedFields() const { return m_skippedFields; }
    // The message that reports them, nothing when there are none.
    std::optional<std::string> SkippedFieldsNotice() const;

private:
    static constexpr int kTypeCount = 3;

    struct TypeTable {
        bool available = false;
        std::string choiceLink;
        std::string picture;
        std::string finalQuery;
        std::array<CRapidSegment, kRapidSegmentCount> segments;
    };
    struct SegmentList {
        std::vector<CRapidLine> lines;
        int selected = -1;
    };
    struct Code {
        std::string param;
        std::string value;
    };

    void LoadBuildTypes();
    void LoadSegments(TypeTable& table);
    std::string QueryNameFor(const TypeTable& table, int field);
    const TypeTable& Current() const;
    // The chosen codes of the active segments before end; nothing when one lacks a choice.
    std::optional<std::vector<Code>> ChosenCodes(int end) const;
    Step FirstRequest() const;
    void DropPartNumber();
    static bool InRange(int k) { return k >= 0 && k < kRapidSegmentCount; }

    IDatabase& m_db;
    std::string m_seriesLink;
    std::array<TypeTable, kTypeCount + 1> m_types;  // by build type; 0 is none
    std::array<SegmentList, kRapidSegmentCount> m_lists;
    int m_buildType = kNoBuildType;
    std::string m_partNumber;
    std::string m_description;
    std::set<int> m_skippedFields;
};

}  // namespace veritom
