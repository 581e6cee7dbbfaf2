#pragma once

#include <string>

namespace veritom {

// One row of the solenoid query: a standard voltage of a coil that fits the earlier answers.
struct SolenoidRow {
    std::string current;  // "AC" or "DC"
    float order = 0;
    std::string link;
    std::string text;
    bool isDefault = false;
};

// One line of a voltage list.
struct VoltageEntry {
    std::string text;
    std::string link;
    float order = 0;
    bool isDefault = false;
};

// One operating environment the coils of a voltage are offered for.
struct LocationEntry {
    std::string link;  // "ORD" or "HAZ"
    std::string text;
    std::string description;
};

// One line of the construction, termination or enclosure list.
struct CoilChoice {
    std::string text;
    std::string link;
    std::string description;
    std::string picture;  // image name; constructions have none
};

}  // namespace veritom
