// Output written beside its final name and moved into place once complete, so
// an interrupted run never leaves a half-written asset that looks up to date.
#pragma once

#include <filesystem>

namespace assetgen {

class StagedFile {
 public:
  explicit StagedFile(std::filesystem::path final_path);
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // Keeps the final extension: libraries pick the file format from it.
  const std::filesystem::path& temp_path() const { return temp_; }
  void commit();

 private:
  std::filesystem::path final_;
  std::filesystem::path temp_;
  bool committed_ = false;
};

}  // namespace assetgen
