#include "CheckOutcome.h"

#include "data/CatalogueMessage.h"

namespace veritom {

CCheckOutcome CCheckOutcome::Pass(double calculatedCv) {
    CCheckOutcome outcome;
    outcome.passed = true;
    outcome.calculatedCv = calculatedCv;
    return outcome;
}

CCheckOutcome CCheckOutcome::Fail(IDatabase& db, const std::string& key, const std::string& suffix,
                                  EntryField focus, bool select) {
    CCheckOutcome outcome;
    outcome.key = key;
    if (const auto text = LookupCatalogueMessage(db, key)) {
        outcome.text = *text + suffix;
    }
    outcome.focus = focus;
    outcome.select = select;
    return outcome;
}

CCheckOutcome CCheckOutcome::FailWithText(const std::string& key, const std::string& text) {
    CCheckOutcome outcome;
    outcome.key = key;
    outcome.text = text;
    return outcome;
}

}  // namespace veritom
