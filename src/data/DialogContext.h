#pragma once

namespace veritom {

class CInformationPages;
class IDatabase;

// What a dialog borrows from the selection object for its lifetime: the selection database,
// the reference and help pages, and whether the command line asked for verification mode.
struct CDialogContext {
    IDatabase& database;
    CInformationPages& pages;
    bool verificationMode = false;
};

}  // namespace veritom
