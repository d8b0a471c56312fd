#pragma once
// Where the player's files live: data/ beside the game when it can be written
// there (the build, a portable folder), else a per-user folder seeded from the
// defaults installed beside the game, else memory alone, for this run only.
// An installed game's data/ holds a mark, so that even a player who could
// write there (root) never changes the package's files.

#include <string>

// The three files the game keeps.
constexpr const char* kSettingsFile = "userprefs.data";
constexpr const char* kControlsFile = "controls.data";
constexpr const char* kScoreFile = "scoreDat.data";
constexpr const char* kInstalledMark = "installed";

enum class DataHome { beside, per_user, memory };

// The folder in use, with a trailing slash; beside the game until start-up chooses.
std::string data_folder();
std::string data_path(const char* name);

// Start-up's choice, made once before any file is read.
DataHome data_folder_choose();
// Keeps the files in memory from now on, seeded from what can still be read,
// and says once on standard error why nothing will be kept.
void data_folder_keep_in_memory(const std::string& why);
// Back to data/ beside the game, out of memory (tests).
void data_folder_reset();

// Where the data folder looks: data/ beside the game (with a trailing slash),
// and the per-user folder of a name ("" when there is none). The platform
// answers as any program linking it starts; these files link no SDL, so a
// program without the platform (a fuzz target) answers itself.
struct DataFolderSource {
  std::string (*beside)();
  std::string (*per_user)(const char* name);
};
void data_folder_ask(DataFolderSource source);
