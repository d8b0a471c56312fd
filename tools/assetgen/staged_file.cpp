#include "staged_file.h"

#include <system_error>

namespace assetgen {

StagedFile::StagedFile(std::filesystem::path final_path) : final_(std::move(final_path)) {
  temp_ = final_;
  temp_.replace_filename("." + final_.stem().string() + ".part" + final_.extension().string());
}

StagedFile::~StagedFile() {
  if (!committed_) {
    std::error_code ignored;
    std::filesystem::remove(temp_, ignored);
  }
}

void StagedFile::commit() {
  std::filesystem::rename(temp_, final_);
  committed_ = true;
}

}  // namespace assetgen
