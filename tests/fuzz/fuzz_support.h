#pragma once
// Shared set-up of the libFuzzer targets: a private working directory, a
// silenced standard output and a way back from the program's exit paths.
#include <csetjmp>
#include <string>

// Creates a fresh temporary directory, makes it the working directory and
// answers its path. Called once per fuzzing process.
std::string enterScratchDirectory();
// Writes `size` bytes to `name` in the working directory.
void writeFile(const std::string& name, const unsigned char* data, std::size_t size);
void writeFile(const std::string& name, const std::string& text);
// Standard output goes nowhere while the fuzzer runs.
void silenceStandardOutput();

// While armed, exit() from code under test jumps back to the armed point
// instead of ending the fuzzing process (the program ends a run with exit()
// where a nested project cannot be opened or fails its check).
extern std::jmp_buf exitTrap;
extern bool exitTrapArmed;
