#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tools/orderpad/OrderPadPart.h"

struct _GsfOutput;
struct _GsfOutfile;

namespace veritom {

// The transfer document handed to the order pad: an OLE2 compound file, built in memory.
// Each part is a storage "Part*<n>" with six text streams; "Veritom Name" in the root names
// the sending program. Every storage and stream is created once only (a second one of the
// same name fails), as with exclusive creation in a compound file.
class COrderPadDocument {
public:
    COrderPadDocument();
    ~COrderPadDocument();
    COrderPadDocument(const COrderPadDocument&) = delete;
    COrderPadDocument& operator=(const COrderPadDocument&) = delete;

    // Whether the root storage has been created (by the first part or selection object).
    bool IsStarted() const { return m_root != nullptr; }
    // The serialized selection data object, into "Selection Object" in the root.
    bool WriteSelectionObject(const std::vector<unsigned char>& bytes);
    // The storage "Part*<index>" and its six streams, in the order of the order line.
    bool AddPart(int index, const OrderPadPart& part);
    // Writes "Veritom Name" and closes the file: its bytes, or nothing when writing failed.
    // The document is empty again afterwards, either way.
    std::optional<std::vector<unsigned char>> Finish(const std::string& veritomName);
    // Forgets everything written so far.
    void Discard();

private:
    bool Start();
    bool Claim(const std::string& name);

    _GsfOutput* m_sink = nullptr;
    _GsfOutfile* m_root = nullptr;
    std::set<std::string> m_rootNames;
};

}  // namespace veritom
