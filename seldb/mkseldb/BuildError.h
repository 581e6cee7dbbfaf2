#pragma once

#include <stdexcept>
#include <string>

namespace veritom::seldb {

// Any fault in the sources or the engine while building: the builder stops, prints the
// message and leaves no database behind.
class CBuildError : public std::runtime_error {
public:
    explicit CBuildError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace veritom::seldb
