#pragma once

#include "app/SelectionDialogs.h"
#include "wizard/valvetype/ValveTypeOptionsSelection.h"
#include "wizard/valvetype/ValveTypeSelection.h"

namespace veritom::test {

// The Valve Type step as the two dialogs run it, with the user's picks given by index.
struct Picks {
    int functionType = -1;  // -1: keep the preselection
    int flowPattern = -1;
    int option = -1;
};

inline int RunValveTypeDialogs(IDatabase& db, CValveTypeAnswers& answers, Picks picks) {
    CValveTypeSelection selection(db, answers);
    selection.Load();
    if (picks.functionType >= 0) {
        selection.SelectFunctionType(picks.functionType);
    }
    if (picks.flowPattern >= 0) {
        selection.SelectFlowPattern(picks.flowPattern);
    }
    CValveTypeOptionsSelection options(db, selection.GetChosenFunctionType(),
                                       selection.GetChosenFlowPattern(),
                                       selection.GetOptionPassedOn());
    options.Load();
    if (picks.option >= 0) {
        options.Select(picks.option);
    }
    CValveTypeAnswer chosen;
    const int optionsResult = options.Accept(chosen);
    switch (selection.Conclude(optionsResult, chosen)) {
        case CValveTypeSelection::Outcome::Ok:
            answers = selection.Result();
            return IDOK;
        case CValveTypeSelection::Outcome::Unchanged:
            return IDUNCHANGED;
        case CValveTypeSelection::Outcome::StayOpen:
            break;
    }
    return IDCANCEL;
}

}  // namespace veritom::test
