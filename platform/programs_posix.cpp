// Finding and starting programs on POSIX systems.
#include "platform/programs.h"

#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>

extern char** environ;

namespace platform {

namespace {

class PosixPrograms final : public Programs {
public:
    bool isPlainFile(const std::u16string& path) override {
        const std::filesystem::path file(path);
        std::error_code error;
        return std::filesystem::is_regular_file(file, error) &&
               !file.filename().string().starts_with('.');
    }

    void start(const std::u16string& path) override {
        // Spawned directly, never through a shell, so nothing in the path is interpreted.
        const std::string program = std::filesystem::path(path).string();
        char* const arguments[] = {const_cast<char*>(program.c_str()), nullptr};
        pid_t child = 0;
        const int error =
            posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments, environ);
        if (error != 0) {
            throw std::system_error(error, std::generic_category(), "posix_spawn");
        }
        // Nobody waits for the program; this thread only collects its exit status when it ends,
        // so that it does not linger as a zombie.
        try {
            std::thread([child] { waitpid(child, nullptr, 0); }).detach();
        } catch (const std::system_error&) {
            // The program runs all the same; only its exit status stays uncollected.
        }
    }
};

} // namespace

Programs& systemPrograms() {
    static PosixPrograms programs;
    return programs;
}

} // namespace platform
