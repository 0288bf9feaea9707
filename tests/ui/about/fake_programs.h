#pragma once

#include "ui/about/programs.h"

#include <cerrno>
#include <new>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace sysinfo::test {

// Files and programs as the test sets them up; notes every look and every start.
class FakePrograms final : public Programs {
public:
    std::set<std::u16string> plainFiles;
    std::set<std::u16string> startablePrograms;
    bool throwOnLook = false;
    bool outOfMemoryOnStart = false;

    std::vector<std::u16string> looked;
    std::vector<std::u16string> started; // every attempt, failed ones included

    bool isPlainFile(const std::u16string& path) override {
        looked.push_back(path);
        if (throwOnLook) {
            throw std::system_error(EIO, std::generic_category(), "file system unavailable");
        }
        return plainFiles.contains(path);
    }

    void start(const std::u16string& path) override {
        started.push_back(path);
        if (outOfMemoryOnStart) {
            throw std::bad_alloc();
        }
        if (!startablePrograms.contains(path)) {
            throw std::system_error(ENOENT, std::generic_category(), "cannot start");
        }
    }
};

} // namespace sysinfo::test
