#include "support/isolation.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace testsupport {
namespace {
std::string& scratchFolder()
{
    static std::string path;
    return path;
}

void removeScratch()
{
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder(), ignored);
}
}  // namespace

void isolateFromMachine()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp == '/' ? tmp : "/tmp") + "/velkorin-test-XXXXXX";
    if (!mkdtemp(pattern.data()))
        std::abort();  // nowhere safe to run: better no test than one in the user's home
    scratchFolder() = pattern;
    std::atexit(removeScratch);

    const std::string home = pattern + "/home";
    const std::string runtime = pattern + "/runtime";
    std::filesystem::create_directories(home);
    std::filesystem::create_directories(runtime);
    ::chmod(runtime.c_str(), 0700);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
    setenv("XDG_STATE_HOME", (home + "/.local/state").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    // A socket that is never created: Qt's print dialog and CUPS find no server, whatever the
    // machine's default printer. The one test of the real print road starts a server of its own.
    setenv("CUPS_SERVER", (pattern + "/no-cups-server.sock").c_str(), 1);
    unsetenv("PRINTER");
    unsetenv("LPDEST");
}
}  // namespace testsupport
