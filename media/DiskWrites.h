// The two system calls through which a saved file reaches the disk. The real
// platform uses them as they are; tests call them too, but stop part-way to
// act out a disk that fills up or fails.
#pragma once

#include <cstddef>

namespace velmora {

// Writes all `size` bytes to the open file `fd`, going on after short writes
// and interruptions. Returns 0, or the system's error number (ENOSPC when the
// disk is full).
int WriteAllToFile(int fd, const char* data, std::size_t size);

// Waits until the file's data is on the disk. Returns 0 or the system's error
// number (EIO when the disk failed to take it).
int SyncFileToDisk(int fd);

}  // namespace velmora
