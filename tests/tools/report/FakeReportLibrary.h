#pragma once

#include <deque>
#include <string>
#include <vector>

#include "tools/report/ReportLibrary.h"

namespace veritom::test {

// A report library that records every call with a copy of the map it was given, and
// answers from scripted outcomes (done when none is left).
class FakeReportLibrary : public IReportLibrary {
public:
    struct Call {
        std::string entryPoint;
        CReportMap map;
        std::string registryKeyPath;
        bool showPrintDialog;
        std::string title;
    };

    ReportOutcome Print(const CReportMap& map, const std::string& registryKeyPath,
                        bool showPrintDialog, const std::string& title) override {
        calls.push_back({"Print", map, registryKeyPath, showPrintDialog, title});
        return Next();
    }
    ReportOutcome PrintPreview(const CReportMap& map, const std::string& registryKeyPath,
                               const std::string& title) override {
        calls.push_back({"PrintPreview", map, registryKeyPath, false, title});
        return Next();
    }

    std::deque<ReportOutcome> outcomes;
    std::vector<Call> calls;

private:
    ReportOutcome Next() {
        if (outcomes.empty()) {
            return {};
        }
        ReportOutcome outcome = outcomes.front();
        outcomes.pop_front();
        return outcome;
    }
};

}  // namespace veritom::test
