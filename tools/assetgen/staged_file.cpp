#include "staged_file.h"

#include <string>
#include <system_error>

namespace assetgen {

StagedFile::StagedFile(std::filesystem::path final_path) : final_(std::move(final_path)) {
  // Built by appending: g++ 12 at -O3 takes the one-expression concatenation
  // for overlapping copies (a false -Wrestrict).
  std::string name = ".";
  name += final_.stem().string();
  name += ".part";
  name += final_.extension().string();
  temp_ = final_;
  temp_.replace_filename(name);
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
