// Runs one end-to-end case of tarvic and compares what it did with the case's
// expectations.
//
//   e2e_runner <tarvic binary> <case folder>
//
// The case folder holds `args` (one argument per line), an optional `input/`
// copied into a fresh working directory, `stdout` (the exact expected output;
// the token {ANY} in a line matches any text within that line, {N} a decimal
// number), `status` (the
// expected exit status), an optional `expected/` (files that must exist
// afterwards with identical bytes) and an optional `absent` (one path per line
// that must not exist afterwards). tarvic runs with the argv[0] "tarvic" so
// that its usage line does not depend on where it was built. Standard error is
// not compared; it is shown when the case fails. Exit status 0 means the case
// passed.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const anyToken = "{ANY}";
const char* const numberToken = "{N}";

std::optional<std::string> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The lines of a text, split at "\n". A text that ends with "\n" has an empty
// last piece, so a missing final line end shows up as a difference.
std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

// The lines of a list file (args, absent): a final line end ends the last
// line and adds no empty one.
std::vector<std::string> listLines(const std::string& text) {
  std::vector<std::string> lines = splitLines(text);
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// Whether `actual` matches the expected line, where each {ANY} stands for any
// text (possibly empty) and each {N} for a decimal number (the whole seconds a
// step took, which a run that crosses a second boundary makes 1 instead of 0).
bool lineMatches(const std::string& expected, const std::string& actual) {
  if (expected.find('{') == std::string::npos) return expected == actual;
  std::string pattern;
  for (std::size_t i = 0; i < expected.size();) {
    if (expected.compare(i, std::strlen(anyToken), anyToken) == 0) {
      pattern += ".*";
      i += std::strlen(anyToken);
    } else if (expected.compare(i, std::strlen(numberToken), numberToken) == 0) {
      pattern += "[0-9]+";
      i += std::strlen(numberToken);
    } else {
      if (std::strchr("\\^$.|?*+()[]{}", expected[i])) pattern += '\\';
      pattern += expected[i++];
    }
  }
  return std::regex_match(actual, std::regex(pattern));
}

std::string shown(const std::vector<std::string>& lines, std::size_t i) {
  if (i >= lines.size()) return "(no more lines)";
  return "\"" + lines[i] + "\"";
}

// Compares two texts line by line; on a difference prints where, and answers
// false. With `allowAny` the expected lines may hold {ANY}.
bool compareTexts(const std::string& what, const std::string& expected, const std::string& actual,
                  bool allowAny) {
  std::vector<std::string> want = splitLines(expected);
  std::vector<std::string> got = splitLines(actual);
  for (std::size_t i = 0; i < want.size() || i < got.size(); ++i) {
    bool same = i < want.size() && i < got.size() &&
                (allowAny ? lineMatches(want[i], got[i]) : want[i] == got[i]);
    if (!same) {
      std::cout << what << " differs at line " << i + 1 << ":\n"
                << "  expected: " << shown(want, i) << "\n"
                << "  actual:   " << shown(got, i) << "\n";
      return false;
    }
  }
  return true;
}

// Runs the binary in `workDir` with `args`, its standard output and error going
// into the files given. Answers the exit status, or -1 (after a message) when
// it did not exit normally.
int runTarvic(const fs::path& binary, const fs::path& workDir, const std::vector<std::string>& args,
              const fs::path& outPath, const fs::path& errPath) {
  std::vector<char*> argv;
  std::string programName = "tarvic";
  argv.push_back(programName.data());
  std::vector<std::string> argsCopy = args;
  for (std::string& arg : argsCopy) argv.push_back(arg.data());
  argv.push_back(nullptr);

  std::cout.flush();
  pid_t child = fork();
  if (child < 0) {
    std::cout << "cannot start tarvic: " << std::strerror(errno) << "\n";
    return -1;
  }
  if (child == 0) {
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int in = open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || in < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || dup2(in, 0) < 0 ||
        chdir(workDir.c_str()) != 0)
      _exit(127);
    execv(binary.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0)
    if (errno != EINTR) {
      std::cout << "cannot wait for tarvic: " << std::strerror(errno) << "\n";
      return -1;
    }
  if (WIFSIGNALED(status)) {
    std::cout << "tarvic was ended by signal " << WTERMSIG(status) << "\n";
    return -1;
  }
  return WEXITSTATUS(status);
}

// Checks every file under `expectedDir` against the same path in `workDir`.
bool checkExpectedFiles(const fs::path& expectedDir, const fs::path& workDir) {
  bool ok = true;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(expectedDir)) {
    if (!entry.is_regular_file()) continue;
    fs::path relative = fs::relative(entry.path(), expectedDir);
    std::optional<std::string> actual;
    if (fs::is_regular_file(workDir / relative)) actual = readFile(workDir / relative);
    if (!actual) {
      std::cout << "expected file " << relative.string() << " was not created\n";
      ok = false;
      continue;
    }
    std::optional<std::string> expected = readFile(entry.path());
    if (!expected || !compareTexts("file " + relative.string(), *expected, *actual, false)) ok = false;
  }
  return ok;
}

bool checkAbsent(const std::string& list, const fs::path& workDir) {
  bool ok = true;
  for (const std::string& path : listLines(list)) {
    if (path.empty()) continue;
    std::error_code ec;
    if (fs::symlink_status(workDir / path, ec).type() != fs::file_type::not_found) {
      std::cout << "path " << path << " exists but must not\n";
      ok = false;
    }
  }
  return ok;
}

bool runCase(const fs::path& binary, const fs::path& caseDir, const fs::path& root) {
  std::optional<std::string> argsText = readFile(caseDir / "args");
  std::optional<std::string> expectedOut = readFile(caseDir / "stdout");
  std::optional<std::string> statusText = readFile(caseDir / "status");
  if (!argsText || !expectedOut || !statusText) {
    std::cout << "case " << caseDir.string() << " needs the files args, stdout and status\n";
    return false;
  }
  fs::path workDir = root / "work";
  fs::create_directory(workDir);
  if (fs::is_directory(caseDir / "input"))
    fs::copy(caseDir / "input", workDir, fs::copy_options::recursive);

  fs::path outPath = root / "stdout";
  fs::path errPath = root / "stderr";
  int status = runTarvic(binary, workDir, listLines(*argsText), outPath, errPath);
  std::string actualOut = readFile(outPath).value_or("");

  bool ok = status >= 0;
  if (ok && status != std::atoi(statusText->c_str())) {
    std::cout << "exit status " << status << ", expected " << std::atoi(statusText->c_str()) << "\n";
    ok = false;
  }
  if (!compareTexts("standard output", *expectedOut, actualOut, true)) ok = false;
  if (fs::is_directory(caseDir / "expected") && !checkExpectedFiles(caseDir / "expected", workDir)) ok = false;
  std::optional<std::string> absent = readFile(caseDir / "absent");
  if (absent && !checkAbsent(*absent, workDir)) ok = false;

  if (!ok) {
    std::cout << "--- standard output ---\n" << actualOut;
    std::cout << "--- standard error ---\n" << readFile(errPath).value_or("");
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cout << "usage: " << argv[0] << " <tarvic binary> <case folder>\n";
    return 2;
  }
  fs::path binary = fs::absolute(argv[1]);
  fs::path caseDir = fs::absolute(argv[2]);

  std::string pattern = (fs::temp_directory_path() / "tarvic-e2e-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    std::cout << "cannot create a temporary directory: " << std::strerror(errno) << "\n";
    return 2;
  }
  fs::path root = pattern;
  bool ok = false;
  try {
    ok = runCase(binary, caseDir, root);
  } catch (const fs::filesystem_error& error) {
    std::cout << error.what() << "\n";
  }
  std::error_code ec;
  fs::remove_all(root, ec);
  std::cout << (ok ? "PASS " : "FAIL ") << caseDir.filename().string() << "\n";
  return ok ? 0 : 1;
}
