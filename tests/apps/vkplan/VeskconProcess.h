#pragma once
// Runs the built console host as a child process, with the vkplan module
// loaded, in a work folder of this test program.
#include <filesystem>
#include <string>
#include <vector>

namespace vkplantest {

struct VeskconRun {
  int status = -1;   // exit status; 128 + signal when killed
  std::string out;   // transcript (standard output)
  std::string err;   // standard error
  double seconds = 0.0;
};

// The folder this process writes into: <temp>/vkplan_test_<pid>, made on
// first use and emptied when the program ends with every test passed.
const std::filesystem::path& WorkFolder();
void RemoveWorkFolderUnlessKept(bool keep);

// Writes text (UTF-8) to WorkFolder()/name and returns the path.
std::string WriteWorkFile(const std::string& name, const std::string& text);

// Runs veskcon --load <vkplan> args..., with VESKCAD_HOME set to dataHome.
VeskconRun RunVeskcon(const std::vector<std::string>& args, const std::string& dataHome);

// The lines of a script joined with line ends.
std::string ScriptText(const std::vector<std::string>& lines);

}  // namespace vkplantest
