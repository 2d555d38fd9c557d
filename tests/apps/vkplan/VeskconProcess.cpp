#include "VeskconProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>

extern char** environ;

namespace vkplantest {

namespace {

std::string slurp(const std::filesystem::path& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

}  // namespace

const std::filesystem::path& WorkFolder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path p =
        std::filesystem::temp_directory_path() / ("vkplan_test_" + std::to_string(::getpid()));
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p;
  }();
  return folder;
}

void RemoveWorkFolderUnlessKept(bool keep) {
  std::error_code ec;
  if (!keep) std::filesystem::remove_all(WorkFolder(), ec);
}

std::string WriteWorkFile(const std::string& name, const std::string& text) {
  const std::filesystem::path path = WorkFolder() / name;
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

std::string ScriptText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

VeskconRun RunVeskcon(const std::vector<std::string>& args, const std::string& dataHome) {
  static int runNumber = 0;
  const std::string base = (WorkFolder() / ("run" + std::to_string(++runNumber))).string();
  const std::string outPath = base + ".out", errPath = base + ".err";

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

  std::vector<std::string> all{VESKCON_EXE, "--load", VKPLAN_MODULE};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);

  // The environment of this process, with the data root replaced.
  std::vector<std::string> env;
  for (char** e = environ; e != nullptr && *e != nullptr; ++e)
    if (std::string(*e).rfind("VESKCAD_HOME=", 0) != 0) env.emplace_back(*e);
  env.push_back("VESKCAD_HOME=" + dataHome);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  VeskconRun r;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, VESKCON_EXE, &actions, nullptr, argv.data(), envp.data()) == 0) {
    int st = 0;
    ::waitpid(pid, &st, 0);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
  }
  r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  posix_spawn_file_actions_destroy(&actions);
  r.out = slurp(outPath);
  r.err = slurp(errPath);
  return r;
}

}  // namespace vkplantest
