#pragma once

#include <optional>
#include <string>

#include "data/FieldValue.h"

namespace veritom {

class IDatabase;

// The bytes of the image file stored under imageName ("qGetImage"), ready for a picture
// control to decode. An empty name asks the database nothing; a name without a record, or
// whose image is not a non-empty byte field, yields nothing, so the control keeps showing
// what it showed.
std::optional<ByteArray> FetchStoredImage(IDatabase& db, const std::string& imageName);

}  // namespace veritom
