// Stands in for the System Information viewer in the launcher's tests: writes the command line
// it was started with into "started.txt" beside its own file, then ends.
#include <filesystem>
#include <fstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
std::filesystem::path ownFile(char**) {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

std::string commandLine(int, char**) {
    const wchar_t* line = GetCommandLineW();
    std::string utf8(WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line, -1, utf8.data(), static_cast<int>(utf8.size()), nullptr,
                        nullptr);
    utf8.pop_back(); // the terminator
    return utf8;
}
#else
std::filesystem::path ownFile(char** argv) {
    return argv[0];
}

std::string commandLine(int argc, char** argv) {
    std::string line = argv[0];
    for (int i = 1; i < argc; ++i) {
        line += ' ';
        line += argv[i];
    }
    return line;
}
#endif

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder = ownFile(argv).parent_path();
    // Written aside and then renamed, so that a watcher never sees half a file.
    {
        std::ofstream marker(folder / "started.tmp", std::ios::binary);
        marker << commandLine(argc, argv);
    }
    std::filesystem::rename(folder / "started.tmp", folder / "started.txt");
    return 0;
}
