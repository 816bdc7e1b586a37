// A new version of a file, written beside it under a hidden temporary name
// and renamed over it only once complete, so that the file is only ever
// replaced by a whole new one. A save killed before the rename leaves its
// temporary behind, out of sight; the next save into that folder removes it.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The temporaries' names: this prefix and six letters or digits.
inline constexpr std::string_view ReplacementPrefix = ".velmora-save-";

class ReplacementFile {
 public:
  // Removes what earlier saves left in the folder of `target`, then creates
  // the temporary there, locked while this object holds it, with the
  // permissions of the file it replaces. `target` is no symbolic link.
  explicit ReplacementFile(const std::string& target);
  // Removes the temporary unless it has replaced the target.
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // 0 once the temporary exists, else the system's error number.
  int Error() const { return error_; }
  int Descriptor() const { return descriptor_; }

  // Renames the temporary over the target. Returns 0 or the system's error number.
  int Commit();

 private:
  std::string target_;
  std::string temporary_;
  int descriptor_ = -1;
  int error_ = 0;
};

// Removes from `folder` the temporaries of saves that ended before their
// rename: only plain files with such names, owned by this user, that no
// running save holds locked.
void RemoveAbandonedReplacements(const std::string& folder);

}  // namespace velmora
