#pragma once

namespace plix {

// Guards against a second running copy of the program for the same user.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True when this copy is the only one; the guard is held until exit.
    virtual bool acquire() = 0;
};

}  // namespace plix
