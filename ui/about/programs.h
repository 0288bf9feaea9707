#pragma once

#include <string>

namespace sysinfo {

// What the launcher needs of the operating system to find and start another program.
class Programs {
public:
    virtual ~Programs() = default;

    // True only for an existing regular file that is neither hidden nor a system file; a folder
    // is not one.
    virtual bool isPlainFile(const std::u16string& path) = 0;

    // Starts exactly the program file `path` names, with no arguments, its window shown
    // normally, and returns without waiting for it. Throws std::system_error if it cannot.
    virtual void start(const std::u16string& path) = 0;
};

Programs& systemPrograms();

} // namespace sysinfo
