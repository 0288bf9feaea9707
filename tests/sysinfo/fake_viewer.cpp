// Stands in for the System Information viewer: notes the program path it was started with, which
// stops at the first blank unless the command line quotes it whole, in $QUARNEST_VIEWER_NOTE.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int main(int, char** argv) {
    const std::string note = std::getenv("QUARNEST_VIEWER_NOTE");
    // Written aside and then renamed, so that a watcher never reads half a note.
    std::ofstream(note + ".tmp", std::ios::binary) << argv[0];
    std::filesystem::rename(note + ".tmp", note);
}
