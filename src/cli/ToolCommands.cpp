// "rapid" walks rapid selection's segments for a series with the codes given; "interchange"
// prints what the interchange dialog shows for a competitor's part number.
#include <algorithm>
#include <cctype>
#include <iostream>
#include <optional>

#include "CliCommand.h"
#include "CliOutput.h"
#include "DatabaseCommands.h"
#include "base/Format.h"
#include "data/DaoException.h"
#include "data/Database.h"
#include "tools/interchange/PartInterchange.h"
#include "tools/rapid/RapidSelection.h"

namespace veritom::cli {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Removes "--kind NAME" or "--kind=NAME" from args; nothing when not given, -1 when unknown.
std::optional<int> TakeBuildKind(Args& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name;
        if (args[i] == "--kind" && i + 1 < args.size()) {
            name = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        } else if (args[i].rfind("--kind=", 0) == 0) {
            name = args[i].substr(7);
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            continue;
        }
        if (name == "complete") {
            return CRapidSelection::kComplete;
        }
        if (name == "valve") {
            return CRapidSelection::kValveOnly;
        }
        if (name == "solenoid") {
            return CRapidSelection::kSolenoidOnly;
        }
        return -1;
    }
    return std::nullopt;
}

const char* StateName(CRapidSelection::SegmentState state) {
    switch (state) {
        case CRapidSelection::SegmentState::Hidden:
            return "hidden";
        case CRapidSelection::SegmentState::Disabled:
            return "disabled";
        case CRapidSelection::SegmentState::Pending:
            return "pending";
        case CRapidSelection::SegmentState::AwaitingChoice:
            return "choose";
        case CRapidSelection::SegmentState::Chosen:
            return "chosen";
    }
    return "";
}

bool ReportNotOffered(const CRapidSelection& rapid, int segment, const std::string& code) {
    std::cerr << "morvane-cli: code '" << code << "' is not offered for "
              << rapid.Segment(segment).heading << '\n';
    return false;
}

// Runs the walk: fills segment after segment and takes the codes given, one for each active
// segment in order. A segment that offers a single code takes it by itself; a code given for
// it must be that one. False, with the reason on standard error, when a code is not offered.
bool Walk(CRapidSelection& rapid, CRapidSelection::Step step, const Args& codes,
          std::size_t& used) {
    using Kind = CRapidSelection::Step::Kind;
    while (true) {
        switch (step.kind) {
            case Kind::Fill: {
                const int k = step.segment;
                step = rapid.Fill(k);
                const auto& lines = rapid.Lines(k);
                if (lines.size() == 1 && used < codes.size()) {
                    if (codes[used] != lines.front().code) {
                        return ReportNotOffered(rapid, k, codes[used]);
                    }
                    ++used;
                }
                break;
            }
            case Kind::AwaitChoice: {
                if (used == codes.size()) {
                    return true;
                }
                const auto& lines = rapid.Lines(step.segment);
                const auto found = std::find_if(lines.begin(), lines.end(), [&](const auto& line) {
                    return line.code == codes[used];
                });
                if (found == lines.end()) {
                    return ReportNotOffered(rapid, step.segment, codes[used]);
                }
                ++used;
                step = rapid.Choose(step.segment, static_cast<int>(found - lines.begin()));
                break;
            }
            case Kind::Build:
                rapid.BuildPartNumber();
                return true;
            case Kind::Nothing:
                return true;
        }
    }
}

void PrintSegments(const CRapidSelection& rapid) {
    for (int k = 0; k < kRapidSegmentCount; ++k) {
        const CRapidSegment& segment = rapid.Segment(k);
        if (!segment.IsUsed()) {
            continue;
        }
        const int selected = rapid.Selected(k);
        std::vector<std::string> fields = {
            Format(segment.field < 100 ? "0%d" : "%d", segment.field), segment.heading,
            StateName(rapid.State(k)),
            selected >= 0 ? rapid.Lines(k)[static_cast<std::size_t>(selected)].code : ""};
        for (const CRapidLine& line : rapid.Lines(k)) {
            fields.push_back(line.code);
        }
        PrintFields(fields);
    }
    if (rapid.CanAddToOrderPad()) {
        PrintFields({"part-number", rapid.PartNumber()});
        PrintFields({"description", rapid.Description()});
    }
}

int RunRapid(const Args& arguments) {
    Args args = arguments;
    const auto kind = TakeBuildKind(args);
    std::optional<std::string> named;
    if (!TakeDatabaseOption(args, named) || args.empty() || (kind && *kind < 0)) {
        std::cerr << "usage: morvane-cli rapid [--db FILE] SERIES [--kind complete|valve|solenoid]"
                     " [CODE ...]\n";
        return 1;
    }
    CCommandDatabase database;
    if (!database.Open(named)) {
        return 1;
    }
    IDatabase& db = database.Get();
    try {
        CRapidSelection rapid(db, args[0]);
        CRapidSelection::Step step = rapid.Load();
        if (const auto notice = rapid.SkippedFieldsNotice()) {
            std::cerr << *notice << '\n';
        }
        if (rapid.GetBuildType() == CRapidSelection::kNoBuildType) {
            std::cerr << "morvane-cli: series '" << args[0] << "' offers nothing to build\n";
            return 1;
        }
        if (kind && *kind != rapid.GetBuildType()) {
            if (!rapid.IsBuildTypeAvailable(*kind)) {
                std::cerr << "morvane-cli: series '" << args[0] << "' does not offer that kind\n";
                return 1;
            }
            step = rapid.SetBuildType(*kind);
        }
        const Args codes(args.begin() + 1, args.end());
        std::size_t used = 0;
        const bool walked = Walk(rapid, step, codes, used);
        PrintSegments(rapid);
        if (walked && used < codes.size()) {
            std::cerr << "morvane-cli: more codes than segments to choose\n";
            return 1;
        }
        return walked ? 0 : 1;
    } catch (const CDaoException& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
}

// The entry whose link is name, else whose text is name in any letter case; -1 for none.
template <typename T, typename Link, typename Text>
int FindEntry(const std::vector<T>& entries, const std::string& name, Link link, Text text) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (link(entries[i]) == name) {
            return static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (Lower(text(entries[i])) == Lower(name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void PrintInterchange(const CPartInterchange& interchange) {
    if (interchange.CompetitorIndex() >= 0) {
        const auto& competitor =
            interchange.Competitors()[static_cast<std::size_t>(interchange.CompetitorIndex())];
        PrintFields({"competitor", competitor.link, competitor.text});
    }
    if (interchange.PartIndex() >= 0) {
        const auto& part = interchange.Parts()[static_cast<std::size_t>(interchange.PartIndex())];
        PrintFields({"competitor-part", part.complete, part.prefix, part.partNumber, part.suffix});
    } else {
        PrintFields({"competitor-part"});
    }
    if (interchange.DivisionIndex() >= 0) {
        const auto& division =
            interchange.Divisions()[static_cast<std::size_t>(interchange.DivisionIndex())];
        PrintFields({"division", division.link, division.text});
    }
    if (interchange.VoltageIndex() >= 0) {
        const auto& voltage =
            interchange.Voltages()[static_cast<std::size_t>(interchange.VoltageIndex())];
        PrintFields({"voltage", voltage.code, voltage.text});
    } else {
        PrintFields({"voltage", interchange.VoltageCode()});
    }
    const auto& answer = interchange.Answer();
    PrintFields({"part-number", answer ? answer->partNumber : ""});
    PrintFields({"description", answer ? answer->description : ""});
    PrintFields({"exceptions", answer ? answer->note : ""});
    PrintFields({"order-pad", interchange.CanAddToOrderPad() ? "enabled" : "disabled"});
}

int RunInterchange(const Args& arguments) {
    Args args = arguments;
    std::optional<std::string> named;
    if (!TakeDatabaseOption(args, named) || args.size() < 2 || args.size() > 4) {
        std::cerr << "usage: morvane-cli interchange [--db FILE] COMPETITOR PARTNUMBER"
                     " [DIVISION [VOLTAGE]]\n";
        return 1;
    }
    CCommandDatabase database;
    if (!database.Open(named)) {
        return 1;
    }
    IDatabase& db = database.Get();
    try {
        CPartInterchange interchange(db);
        interchange.Open();
        const int competitor = FindEntry(
            interchange.Competitors(), args[0], [](const auto& e) { return e.link; },
            [](const auto& e) { return e.text; });
        if (competitor < 0) {
            std::cerr << "morvane-cli: no competitor '" << args[0] << "'\n";
            return 1;
        }
        interchange.SelectCompetitor(competitor);
        if (interchange.TypePartNumber(args[1]) == CPartInterchange::TypeOutcome::Beep) {
            std::cerr << "morvane-cli: competitor '" << args[0] << "' has no part numbers\n";
        }
        if (args.size() > 2) {
            const int division = FindEntry(
                interchange.Divisions(), args[2], [](const auto& e) { return e.link; },
                [](const auto& e) { return e.text; });
            if (division < 0) {
                std::cerr << "morvane-cli: no division '" << args[2] << "' for this part\n";
                return 1;
            }
            interchange.SelectDivision(division);
        }
        if (args.size() > 3) {
            const int voltage = FindEntry(
                interchange.Voltages(), args[3], [](const auto& e) { return e.code; },
                [](const auto& e) { return e.text; });
            if (voltage < 0) {
                std::cerr << "morvane-cli: no voltage '" << args[3] << "' for this division\n";
                return 1;
            }
            interchange.SelectVoltage(voltage);
        }
        PrintInterchange(interchange);
        return 0;
    } catch (const CDaoException& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
}

}  // namespace

void AddToolCommands(CommandTable& table) {
    table.push_back(
        {"rapid", "[--db FILE] SERIES [--kind complete|valve|solenoid] [CODE ...]", &RunRapid});
    table.push_back(
        {"interchange", "[--db FILE] COMPETITOR PARTNUMBER [DIVISION [VOLTAGE]]", &RunInterchange});
}

}  // namespace veritom::cli
