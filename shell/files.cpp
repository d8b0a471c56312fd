#include "shell/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "shell/page.h"

namespace {

struct MemoryFiles {
  bool on = false;
  std::string folder;
  std::map<std::string, std::vector<uint8_t>> files;
};

MemoryFiles memory;
bool sync_on = true;

bool in_memory(const std::string& path) {
  return memory.on && path.compare(0, memory.folder.size(), memory.folder) == 0;
}

// Makes the rename itself last through a power cut.
void sync_folder_of(const std::string& path) {
  size_t slash = path.find_last_of('/');
  std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

std::optional<std::vector<uint8_t>> file_read(const std::string& path, size_t limit) {
  if (in_memory(path)) {
    auto found = memory.files.find(path);
    if (found == memory.files.end()) return std::nullopt;
    const auto& bytes = found->second;
    auto end = bytes.begin() + static_cast<std::ptrdiff_t>(std::min(limit, bytes.size()));
    return std::vector<uint8_t>(bytes.begin(), end);
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes;
  uint8_t block[4096];
  while (bytes.size() < limit) {
    size_t want = std::min(sizeof block, limit - bytes.size());
    size_t got = std::fread(block, 1, want, file);
    bytes.insert(bytes.end(), block, block + got);
    if (got < want) break;
  }
  // A folder in the file's place opens but cannot be read: that is no file.
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return bytes;
}

bool file_replace(const std::string& path, const void* data, size_t size) {
  if (in_memory(path)) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    memory.files[path].assign(bytes, bytes + size);
    return true;
  }
  std::string temporary = path + ".new";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
  written = (std::fflush(file) == 0) && written;
  // On the disk before the rename, or a power cut could leave the new name
  // on an empty file.
  written = (!sync_on || fsync(fileno(file)) == 0) && written;
  written = (std::fclose(file) == 0) && written;
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  if (sync_on) sync_folder_of(path);
  page_file_saved(path);
  return true;
}

void files_sync(bool on) {
  sync_on = on;
}

void files_memory_begin(const std::string& folder) {
  memory = MemoryFiles{};
  memory.on = true;
  memory.folder = folder;
}

void files_memory_put(const std::string& path, std::vector<uint8_t> bytes) {
  memory.files[path] = std::move(bytes);
}

void files_memory_end() {
  memory = MemoryFiles{};
}

bool files_in_memory() {
  return memory.on;
}

void put_le32(uint8_t* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t get_le32(const uint8_t* in) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(in[i]) << (8 * i);
  return value;
}

void put_le64(uint8_t* out, uint64_t value) {
  for (int i = 0; i < 8; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t get_le64(const uint8_t* in) {
  uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value |= static_cast<uint64_t>(in[i]) << (8 * i);
  return value;
}
