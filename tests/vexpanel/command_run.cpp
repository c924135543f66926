#include "command_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace vexmoor::test {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') throw std::runtime_error(std::string(name) + " is not set");
    return value;
}

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::string module_path() { return environment("VEXMOOR_MODULE"); }
std::string fixture_path(const std::string& name) { return environment("VEXMOOR_FIXTURES") + "/" + name + ".gau"; }

ScratchDir::ScratchDir() {
    static std::atomic<int> next{0};
    path_ = std::filesystem::temp_directory_path() /
            ("vexpanel_tests_" + std::to_string(::getpid()) + "_" + std::to_string(next++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

CommandResult run_vexpanel(const std::vector<std::string>& args) {
    const ScratchDir streams;
    const std::string program = environment("VEXPANEL");
    const std::string out_file = streams.file("stdout"), err_file = streams.file("stderr");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    std::vector<std::string> argv_text{program};
    argv_text.insert(argv_text.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argv_text) argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + program);
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) throw std::runtime_error("lost " + program);

    CommandResult result;
    if (WIFEXITED(status)) result.exit_status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    result.out = slurp(out_file);
    result.err = slurp(err_file);
    return result;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

int differing_pixels(const panel::RgbaImage& a, const panel::RgbaImage& b) {
    if (a.width != b.width || a.height != b.height) throw std::runtime_error("pictures of different sizes");
    int count = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) count += a.pixels[i] != b.pixels[i];
    return count;
}

}  // namespace vexmoor::test
