#pragma once

#include <string>

namespace platform {

// Looking at program files and starting programs.
class Programs {
public:
    virtual ~Programs() = default;

    // True only for an existing regular file that is neither hidden nor a system file; a folder
    // is not one. Outside Windows, hidden means a name that starts with a dot.
    virtual bool isPlainFile(const std::u16string& path) = 0;

    // Starts exactly the program file `path` names, with no arguments and never through a shell,
    // its window shown normally, and returns without waiting for it. Throws std::system_error if
    // it cannot.
    virtual void start(const std::u16string& path) = 0;
};

// The programs of the system the program runs on.
Programs& systemPrograms();

} // namespace platform
