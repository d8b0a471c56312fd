#include "shell/data_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "shell/files.h"

namespace {

// $XDG_DATA_HOME/ember-vortex/ (~/.local/share/ember-vortex/).
constexpr const char* kPerUserFolder = "ember-vortex";
constexpr size_t kSeedLimit = size_t{1} << 20;
constexpr const char* kDataFiles[] = {kSettingsFile, kControlsFile, kScoreFile};

std::string chosen;  // empty: beside the game

DataFolderSource source{};  // the platform's, given as the program starts

std::string beside_the_game() {
  return source.beside();
}

// Writable means a file can really be made there: permissions alone say
// nothing about a read-only mount or a full disk.
bool writable(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  std::string probe = folder + ".write-probe-XXXXXX";
  int fd = mkstemp(probe.data());
  if (fd < 0) return false;
  close(fd);
  unlink(probe.c_str());
  return true;
}

// Copies the installed defaults the player does not have yet.
void seed(const std::string& from, const std::string& to) {
  for (const char* name : kDataFiles) {
    std::error_code ignored;
    if (std::filesystem::exists(to + name, ignored)) continue;
    auto bytes = file_read(from + name, kSeedLimit);
    if (bytes) file_replace(to + name, bytes->data(), bytes->size());
  }
}

}  // namespace

std::string data_folder() {
  return chosen.empty() ? beside_the_game() : chosen;
}

std::string data_path(const char* name) {
  return data_folder() + name;
}

DataHome data_folder_choose() {
  chosen.clear();
  std::error_code ignored;
  bool installed = std::filesystem::exists(beside_the_game() + kInstalledMark, ignored);
  if (!installed && writable(beside_the_game())) return DataHome::beside;
  std::string per_user = source.per_user(kPerUserFolder);
  if (!per_user.empty() && writable(per_user)) {
    seed(beside_the_game(), per_user);
    chosen = per_user;
    return DataHome::per_user;
  }
  data_folder_keep_in_memory("no folder can be written, neither " + beside_the_game() +
                             " nor a per-user one");
  return DataHome::memory;
}

void data_folder_keep_in_memory(const std::string& why) {
  if (files_in_memory()) return;
  std::string folder = data_folder();
  std::vector<std::pair<std::string, std::vector<uint8_t>>> found;
  for (const char* name : kDataFiles) {
    if (auto bytes = file_read(folder + name, kSeedLimit))
      found.emplace_back(folder + name, *bytes);
  }
  files_memory_begin(folder);
  for (auto& [path, bytes] : found) files_memory_put(path, std::move(bytes));
  std::fprintf(stderr, "ember_vortex: %s; scores and settings will not be kept\n", why.c_str());
}

void data_folder_ask(DataFolderSource asked) {
  source = asked;
}

void data_folder_reset() {
  chosen.clear();
  files_memory_end();
}
