#pragma once

#include <string>
#include <vector>

namespace veritom {

// One storage or stream of a compound file; path joins the names from the root with '/'.
struct CompoundElement {
    std::string path;
    bool storage = false;
    std::string bytes;  // a stream's content, exactly as stored
};

// Every storage and stream of a compound file (an order pad transfer document), read with
// libgsf: depth first, each storage before what it holds, siblings in the compound file's
// own order (shorter names first, as its directory sorts them). False with libgsf's reason
// (possibly empty) when the bytes are no compound file or a stream cannot be read; storages nested
// deeper than any document is are refused too.
bool ReadCompoundElements(const std::vector<unsigned char>& bytes,
                          std::vector<CompoundElement>& elements, std::string& reason);

}  // namespace veritom
