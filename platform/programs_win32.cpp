// Finding and starting programs on Windows.
#include "platform/programs.h"

#include <system_error>
#include <windows.h>

namespace platform {

namespace {

class Win32Programs final : public Programs {
public:
    bool isPlainFile(const std::u16string& path) override {
        const DWORD attributes = GetFileAttributesW(std::wstring(path.begin(), path.end()).c_str());
        constexpr DWORD notPlain =
            FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & notPlain) == 0;
    }

    void start(const std::u16string& path) override {
        // The path goes in as the program to start, never only as a command line: an unquoted
        // command line with blanks is searched piece by piece, so "C:\Program Files\x.exe" could
        // start a planted "C:\Program.exe" instead.
        const std::wstring program(path.begin(), path.end());
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process)) {
            throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                    "CreateProcessW");
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

} // namespace

Programs& systemPrograms() {
    static Win32Programs programs;
    return programs;
}

} // namespace platform
