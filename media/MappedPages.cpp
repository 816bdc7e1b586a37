#include "media/MappedPages.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include <sys/mman.h>
#include <sys/types.h>
#include <unistd.h>

namespace velmora {

void HandBackMappedPages(const void* begin, const void* end) {
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  // Whole pages only: those at the edges may hold other data.
  const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) / page * page;
  const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) / page * page;
  if (last > first) {
    // Advice only: where it is not taken, the pages just stay.
    ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
  }
}

namespace {

bool IsFontFile(std::string_view path) {
  constexpr std::array<std::string_view, 6> kEndings{".ttf", ".otf", ".ttc",
                                                     ".otc", ".pfb", ".pfa"};
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return std::any_of(kEndings.begin(), kEndings.end(), [&](std::string_view ending) {
    return path.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(),
                      path.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [&](char e, char p) { return e == lower(p); });
  });
}

// The next field of a line of /proc/self/maps, and the rest after it.
std::string_view Field(std::string_view& rest) {
  const std::size_t start = std::min(rest.find_first_not_of(' '), rest.size());
  rest.remove_prefix(start);
  const std::size_t end = std::min(rest.find(' '), rest.size());
  const std::string_view field = rest.substr(0, end);
  rest.remove_prefix(end);
  return field;
}

struct Closer {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::uintptr_t Address(std::string_view hex) {
  std::uintptr_t value = 0;
  const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  return error == std::errc() && end == hex.data() + hex.size() ? value : 0;
}

}  // namespace

// Read with the C library: the mappings are read once in a while, and
// streams would bring pages of their own library in for it.
int HandBackFontFilePages() {
  const std::unique_ptr<std::FILE, Closer> maps(std::fopen("/proc/self/maps", "re"));
  if (!maps) {
    return 0;
  }
  int advised = 0;
  char* buffer = nullptr;
  std::size_t capacity = 0;
  ssize_t length = 0;
  while ((length = ::getline(&buffer, &capacity, maps.get())) > 0) {
    std::string_view rest(buffer, static_cast<std::size_t>(length));
    if (rest.ends_with('\n')) {
      rest.remove_suffix(1);
    }
    // start-end perms offset device inode path
    const std::string_view range = Field(rest);
    const std::string_view perms = Field(rest);
    Field(rest);
    Field(rest);
    Field(rest);
    const std::string_view path = rest.substr(std::min(rest.find('/'), rest.size()));
    // Only mappings that can never have been written: their pages are the
    // file's, so dropping them loses nothing.
    if (perms != "r--p" || path.empty() || !IsFontFile(path)) {
      continue;
    }
    const std::size_t dash = range.find('-');
    const std::uintptr_t begin = Address(range.substr(0, dash));
    const std::uintptr_t end = dash == std::string_view::npos ? 0 : Address(range.substr(dash + 1));
    if (end > begin) {
      HandBackMappedPages(reinterpret_cast<const void*>(begin), reinterpret_cast<const void*>(end));
      ++advised;
    }
  }
  std::free(buffer);
  return advised;
}

}  // namespace velmora
