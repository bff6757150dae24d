// The tool with a fault hook, for the fault-injection test:
//   quillbrook_faulty <fail-at> <call-log> <tool arguments...>
// Host call number <fail-at> (counted from 1; 0 fails none) fails, and every
// call is written to <call-log> as one line: its kind, a blank, its path.
// With <fail-at> written "alloc:N", memory allocation number N of the run
// fails instead, and the log ends with a line "allocations <count>".

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <new>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "platform/Platform.h"

namespace {

long failAt = 0;
long calls = 0;
std::ofstream callLog;

const char* kindName(platform::HostCall call) {
  switch (call) {
    case platform::HostCall::OpenForReading: return "open-read";
    case platform::HostCall::OpenForWriting: return "open-write";
    case platform::HostCall::MakeDirectory: return "make-directory";
    case platform::HostCall::Read: return "read";
    case platform::HostCall::Write: return "write";
    case platform::HostCall::Flush: return "flush";
    case platform::HostCall::Close: return "close";
    case platform::HostCall::Stat: return "stat";
  }
  return "unknown";
}

bool failNth(platform::HostCall call, const std::string& path) {
  callLog << kindName(call) << ' ' << path << '\n';
  callLog.flush();
  return ++calls == failAt;
}

bool countingAllocations = false;
long allocationToFail = 0;
long allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
  if (countingAllocations && ++allocations == allocationToFail)
    throw std::bad_alloc();
  if (void* memory = std::malloc(size == 0 ? 1 : size))
    return memory;
  throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
  return operator new(size);
}

// Large blocks are taken aligned to a large page; they are counted alike.
// The block malloc gave is noted just before the aligned address, the same
// way on every host.
void* operator new(std::size_t size, std::align_val_t alignment) {
  if (countingAllocations && ++allocations == allocationToFail)
    throw std::bad_alloc();
  const std::size_t align = static_cast<std::size_t>(alignment);
  void* given = std::malloc(size + align + sizeof(void*));
  if (given == nullptr)
    throw std::bad_alloc();
  const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(given) + sizeof(void*);
  void** aligned = reinterpret_cast<void**>((start + align - 1) / align * align);
  aligned[-1] = given;
  return aligned;
}

void operator delete(void* memory, std::align_val_t) noexcept {
  if (memory != nullptr)
    std::free(static_cast<void**>(memory)[-1]);
}

void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
  operator delete(memory, std::align_val_t{});
}

void operator delete(void* memory) noexcept {
  std::free(memory);
}

void operator delete[](void* memory) noexcept {
  std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}

int main(int argc, char** argv) {
  if (argc < 3)
    return 2;
  const std::string mode = argv[1];
  const bool allocationMode = mode.rfind("alloc:", 0) == 0;
  if (allocationMode)
    allocationToFail = std::strtol(mode.c_str() + 6, nullptr, 10);
  else
    failAt = std::strtol(argv[1], nullptr, 10);
  callLog.open(argv[2], std::ios::binary | std::ios::trunc);
  if (!allocationMode)
    platform::setFaultHook(failNth);
  // Counted from the copy of the arguments on, as the tool's main makes it.
  countingAllocations = allocationMode;
  const int status = quillbrookMain(argc, argv, 3);
  countingAllocations = false;
  if (allocationMode)
    callLog << "allocations " << allocations << '\n';
  return status;
}
