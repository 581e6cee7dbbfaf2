#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Canvas.h"

namespace veritom::seldb {

// The catalogue's pictures, drawn at build time: flow pattern symbols, coil terminations,
// coil enclosures and the rapid selection build types. Each is a BMP file stored in the
// database under its image name.
class CPictureBook {
public:
    CPictureBook();

    std::vector<std::string> Names() const;
    // The BMP file of the picture; an unknown name throws CBuildError.
    std::vector<unsigned char> Draw(const std::string& name) const;

private:
    std::map<std::string, std::function<void(CCanvas&)>> m_painters;
};

}  // namespace veritom::seldb
