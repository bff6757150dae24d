#ifndef QUILLBROOK_FUZZ_SCRATCH_H
#define QUILLBROOK_FUZZ_SCRATCH_H

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// A folder of this fuzzing process, removed when the process ends.
const std::filesystem::path& scratchFolder();

// `path` in the tool's own form: backslash separators.
std::string toolForm(const std::filesystem::path& path);

void writeFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size);
std::string readFile(const std::filesystem::path& path);

// Reports a finding of the harness itself and ends the process, so the
// fuzzer keeps the input that caused it.
[[noreturn]] void finding(const std::string& what);

#endif
