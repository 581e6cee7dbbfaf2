#pragma once

#include <set>
#include <string>

#include "wizard/application/EntryField.h"

namespace veritom {

class IDatabase;

// The entries a dialog found empty when OK was pressed.
using EmptyEntries = std::set<EntryField>;

// What a check of the Application step found: passed, or the message to show (catalogue
// text with the value appended, exactly as the box shows it; empty when the catalogue has no
// text, so no box is shown although the check failed) and the entry that gets the focus.
struct CCheckOutcome {
    bool passed = false;
    std::string key;   // the catalogue key, or the program's own for its own texts
    std::string text;  // what the message box shows; empty: no box
    EntryField focus = EntryField::None;
    bool select = false;        // the focused entry's text is selected too
    double calculatedCv = 0.0;  // the sizing check's flow factor, in Cv

    static CCheckOutcome Pass(double calculatedCv = 0.0);
    // The catalogue text of key followed by suffix; no text at all when the catalogue has none.
    static CCheckOutcome Fail(IDatabase& db, const std::string& key, const std::string& suffix,
                              EntryField focus, bool select = false);
    // A text of the program's own under a key of its own.
    static CCheckOutcome FailWithText(const std::string& key, const std::string& text);
};

}  // namespace veritom
