#pragma once
// Whole-file reads and writes for the small files under data/.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The file's bytes, at most `limit` of them; nothing when it cannot be opened.
std::optional<std::vector<uint8_t>> file_read(const std::string& path, size_t limit);

// Writes a temporary file beside `path` and renames it over `path`, so a
// failed write never leaves a half-written or empty file behind. Returns
// false (and leaves `path` untouched) when the folder cannot be written.
bool file_replace(const std::string& path, const void* data, size_t size);

// On (the default): every replaced file reaches the disk before its rename.
// Only tests that write thousands of throwaway files turn it off.
void files_sync(bool on);

// While a recorded game plays back, the files of the data folder live in
// memory: reads see the copy, writes replace it, and nothing in the folder is
// read or written. `folder` ends with a slash.
void files_memory_begin(const std::string& folder);
void files_memory_put(const std::string& path, std::vector<uint8_t> bytes);
void files_memory_end();
bool files_in_memory();

// Little-endian fields of the binary data files.
void put_le32(uint8_t* out, uint32_t value);
uint32_t get_le32(const uint8_t* in);
void put_le64(uint8_t* out, uint64_t value);
uint64_t get_le64(const uint8_t* in);
