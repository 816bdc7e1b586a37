#include "media/DiskWrites.h"

#include <cerrno>

#include <unistd.h>

namespace velmora {

int WriteAllToFile(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return errno;
    }
    if (written == 0) {
      return ENOSPC;  // nothing taken and no reason given: the disk has no room
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return 0;
}

int SyncFileToDisk(int fd) {
  while (::fdatasync(fd) != 0) {
    if (errno != EINTR) {
      return errno;
    }
  }
  return 0;
}

}  // namespace velmora
