#include "media/ProgramPages.h"

#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

namespace velmora {

void HandBackProgramPages(const void* begin, const void* end) {
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  // Whole pages only: those at the edges may hold other data.
  const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) / page * page;
  const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) / page * page;
  if (last > first) {
    // Advice only: where it is not taken, the pages just stay.
    ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
  }
}

}  // namespace velmora
