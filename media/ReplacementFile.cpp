#include "media/ReplacementFile.h"

#include <cerrno>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

constexpr std::string_view NameLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t NameLetterCount = 6;

bool IsReplacementName(std::string_view name) {
  if (!name.starts_with(ReplacementPrefix)) {
    return false;
  }
  name.remove_prefix(ReplacementPrefix.size());
  return name.size() == NameLetterCount &&
         name.find_first_not_of(NameLetters) == std::string_view::npos;
}

std::string RandomName() {
  std::random_device source;
  std::uniform_int_distribution<std::size_t> pick(0, NameLetters.size() - 1);
  std::string name(ReplacementPrefix);
  for (std::size_t i = 0; i < NameLetterCount; ++i) {
    name += NameLetters[pick(source)];
  }
  return name;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    return ".";
  }
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Removes one entry of the open folder if it is an abandoned temporary.
void RemoveIfAbandoned(int folder, const char* name) {
  struct stat named = {};
  if (::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode) ||
      named.st_uid != ::geteuid()) {
    return;
  }
  const int descriptor = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) {
    return;
  }
  // A running save holds its temporary locked; the lock ends with the
  // process, however it ends. The name must still be the file that was
  // opened when it goes.
  struct stat opened = {};
  if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::fstat(descriptor, &opened) == 0 &&
      SameFile(opened, named) && ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
      SameFile(opened, named)) {
    ::unlinkat(folder, name, 0);
  }
  ::close(descriptor);
}

}  // namespace

void RemoveAbandonedReplacements(const std::string& folder) {
  DIR* const entries = ::opendir(folder.c_str());
  if (entries == nullptr) {
    return;
  }
  while (const dirent* entry = ::readdir(entries)) {
    if (IsReplacementName(entry->d_name)) {
      RemoveIfAbandoned(::dirfd(entries), entry->d_name);
    }
  }
  ::closedir(entries);
}

ReplacementFile::ReplacementFile(const std::string& target) : target_(target) {
  struct stat existing = {};
  const bool replaces = ::stat(target.c_str(), &existing) == 0;
  // Renaming would replace a file even where the player may not write it.
  if (replaces && ::access(target.c_str(), W_OK) != 0) {
    error_ = errno;
    return;
  }
  const std::string folder = FolderOf(target);
  RemoveAbandonedReplacements(folder);
  // A new file gets the permissions every new file gets; a replaced one keeps
  // its own, and until then nobody else may read the temporary.
  const mode_t mode = replaces ? S_IRUSR | S_IWUSR : 0666;
  for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
    std::string name = folder + '/' + RandomName();
    descriptor_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (descriptor_ >= 0) {
      temporary_ = std::move(name);
    } else if (errno != EEXIST) {
      error_ = errno;
      return;
    }
  }
  if (descriptor_ < 0) {
    error_ = EEXIST;
    return;
  }
  // Where the folder's file system has no locks, a save still running may
  // lose its temporary to another's clean-up and fail in its rename; the
  // file it would have replaced stays as it was.
  ::flock(descriptor_, LOCK_EX | LOCK_NB);
  if (replaces) {
    ::fchmod(descriptor_, existing.st_mode & 07777);
  }
}

ReplacementFile::~ReplacementFile() {
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
  }
  if (descriptor_ >= 0) {
    ::close(descriptor_);
  }
}

int ReplacementFile::Commit() {
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
    return errno;
  }
  temporary_.clear();
  return 0;
}

}  // namespace velmora
