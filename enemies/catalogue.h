#pragma once
// What every enemy kind starts with: its picture, gun cell, hit points, score,
// death effect and entry motion. A kind's first think copies its row with
// kind_begin; everything after that is the kind's own timetable.
//
// Pictures are rows of text, top row first, one character a cell; a blank is
// an empty cell. Code-page-437 cells are written as escapes: \x01 smiling
// face, \x16 short bar, \xB3 vertical line, \xBA double vertical line, \xC4
// horizontal line, \xBB \xBC \xC8 \xC9 \xCD the double box corners and line.

#include "fx/explosions.h"
#include "game/records.h"

struct KindRow {
  int width;
  int height;
  int gun_dx;
  int gun_dy;
  int hp;
  int score;
  EffectRoutine death_effect;
  int speed;  // entry motion
  int heading;
  bool invulnerable;
  const char* const* picture;  // `height` rows of `width` cells
};

// clang-format off
// --- Pictures of the ordinary kinds ---
inline constexpr const char* kDartPicture[] = {"/V\\"};
inline constexpr const char* kPodPicture[] = {"<o>"};
inline constexpr const char* kGunshipPicture[] = {"[#]", " v "};
inline constexpr const char* kHornetPicture[] = {"\\_/", "+o-"};
inline constexpr const char* kCarrierPicture[] = {
    "_^_^_",
    "[|x|]",
    "[|x|]",
    "\\|x|/",
    "o\\_/o",
    " \\_/ ",
};
inline constexpr const char* kLancerPicture[] = {
    "  ^  ",
    "<[+]>",
    " :V: ",
};
inline constexpr const char* kSpinnerPicture[] = {
    "__^__",
    "\\[+]/",
    "|`V'|",
};
inline constexpr const char* kSpinnerUPicture[] = {
    "__^__",
    "\\[+]/",
    " `U' ",
};

// The raider and the striker unfold as they stop and arm: A on arrival, then
// B, C and D, and back through C and B to A as they leave.
inline constexpr const char* kRaiderA[] = {
    "_ ^ _",
    "\\(x)/",
    "  V  ",
};
inline constexpr const char* kRaiderB[] = {
    " \"-\" ",
    "<(\x01)>",
    "  V  ",
};
inline constexpr const char* kRaiderC[] = {
    " +_+ ",
    "{|\x01|}",
    "     ",
};
inline constexpr const char* kRaiderD[] = {
    " _\x16_ ",
    "|\xB3\x01\xB3|",
    " \xB3 \xB3 ",
};
inline constexpr const char* kStrikerA[] = {
    "_ ^ _",
    "\\(+)/",
    "  V  ",
};
inline constexpr const char* kStrikerB[] = {
    "  -  ",
    "<(\x01)>",
    "  V  ",
};
inline constexpr const char* kStrikerC[] = {
    "  _  ",
    "o:\x01)}",
    "\\    ",
};
inline constexpr const char* kStrikerD[] = {
    "  \x16  ",
    " o\x01)]",
    " |   ",
};

// --- The mid-stage boss and its wings ---
inline constexpr const char* kMidbossPicture[] = {
    "   __   ",
    " /|  |\\ ",
    "| |()| |",
    "|/||||\\|",
    "|/|__|\\|",
    "| /__\\ |",
    "|/_[]_\\|",
    " \\|o|_/ ",
    "  | |   ",
};
inline constexpr const char* kWingLeftPicture[] = {
    "___    _    ",
    "\\  \\__/|\\   ",
    " \\   |/|\\|  ",
    "  \\  |/|\\|  ",
    "   \\ |/|\\|  ",
    "    \\|/o\\|  ",
    "      \\o/   ",
};
inline constexpr const char* kWingRightPicture[] = {
    "    _    ___",
    "   /|\\__/  /",
    "  |/|\\|   / ",
    "  |/|\\|  /  ",
    "  |/|\\| /   ",
    "  |/o\\|/    ",
    "   \\o/      ",
};

// --- The fortress ---
inline constexpr const char* kCorePicture[] = {
    "       _^_       ",
    "    I //_\\\\ I    ",
    " __|H|/|_|\\|H|__ ",
    "|  |H|/|_|\\|H|  |",
    " \\ |H|/|_|\\|H| / ",
    "  \\|_|/___\\|_|/  ",
    "   |o|/ooo\\|o|   ",
    "   `O'\\OOO/`O'   ",
};
inline constexpr const char* kCoreShieldPicture[] = {
    "__________",
    "          ",
    "__________",
    " : :  : : ",
};
inline constexpr const char* kArmLeftPicture[] = {
    "\\        ",
    "|--------",
    "/        ",
};
inline constexpr const char* kArmRightPicture[] = {
    "       / ",
    "--------|",
    "       \\ ",
};
inline constexpr const char* kTurretPicture[] = {"\\_/", " o "};
inline constexpr const char* kBulwarkRightPicture[] = {
    "\xC9\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBC        / ",
    "\xBA                /  ",
    "\xBA               /   ",
    "\xBA              /    ",
    "\xC8\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD     ",
};
// The right block seen in a mirror: corners and slashes turned the other way.
inline constexpr const char* kBulwarkLeftPicture[] = {
    " \\        \xC8\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBB",
    "  \\                \xBA",
    "   \\               \xBA",
    "    \\              \xBA",
    "     \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBC",
};
inline constexpr const char* kPillarPicture[] = {
    "\xBA",
    "\xBA",
    "\xBA",
    "\xBA",
    "\xBA",
};

//                                    size    gun      hp     score  death effect       entry    invulnerable  picture
inline constexpr KindRow kDart        {3, 1,  1, 0,    80,    300,   effect_plasma,     50, 90,  false,        kDartPicture};
inline constexpr KindRow kDartLeader  {3, 1,  1, 0,    100,   300,   effect_plasma,     50, 90,  false,        kDartPicture};
inline constexpr KindRow kPod         {3, 1,  1, 0,    100,   250,   effect_plasma,     40, 90,  false,        kPodPicture};
inline constexpr KindRow kGunship     {3, 2,  1, 0,    300,   200,   effect_plasma,     5,  90,  false,        kGunshipPicture};
inline constexpr KindRow kHornet      {3, 2,  1, 1,    170,   400,   effect_plasma,     50, 90,  false,        kHornetPicture};
inline constexpr KindRow kCarrier     {5, 6,  2, 2,    1600,  1500,  effect_big_burst,  40, 90,  false,        kCarrierPicture};
inline constexpr KindRow kLancer      {5, 3,  2, 2,    1400,  1000,  effect_fireball,   60, 90,  false,        kLancerPicture};
inline constexpr KindRow kSpinner     {5, 3,  2, 2,    1000,  500,   effect_fireball,   50, 90,  false,        kSpinnerPicture};
inline constexpr KindRow kSpinnerU    {5, 3,  2, 2,    800,   500,   effect_fireball,   50, 90,  false,        kSpinnerUPicture};
inline constexpr KindRow kRaider      {5, 3,  1, 3,    450,   1000,  effect_fireball,   50, 90,  false,        kRaiderA};
inline constexpr KindRow kStriker     {5, 3,  2, 2,    550,   750,   effect_fireball,   50, 90,  false,        kStrikerA};
inline constexpr KindRow kMidboss     {8, 9,  3, 5,    6000,  10000, effect_boss_chain, 65, 90,  false,        kMidbossPicture};
inline constexpr KindRow kWingLeft    {12, 7, 7, 3,    4500,  2500,  effect_big_burst,  0,  90,  false,        kWingLeftPicture};
inline constexpr KindRow kWingRight   {12, 7, 4, 3,    4500,  2500,  effect_big_burst,  0,  90,  false,        kWingRightPicture};
inline constexpr KindRow kCore        {17, 8, 8, 4,    10000, 12500, effect_boss_chain, 70, 90,  false,        kCorePicture};
inline constexpr KindRow kCoreShield  {10, 4, 5, 2,    5500,  3500,  effect_big_burst,  70, 90,  false,        kCoreShieldPicture};
inline constexpr KindRow kArmLeft     {9, 3,  0, 1,    500,   800,   effect_fireball,   70, 90,  false,        kArmLeftPicture};
inline constexpr KindRow kArmRight    {9, 3,  9, 1,    500,   800,   effect_fireball,   70, 90,  false,        kArmRightPicture};
inline constexpr KindRow kTurret      {3, 2,  1, 1,    4000,  1000,  effect_fireball,   70, 90,  false,        kTurretPicture};
inline constexpr KindRow kBulwarkLeft {20, 5, 7, 7,    4500,  2000,  effect_fireball,   70, 90,  true,         kBulwarkLeftPicture};
inline constexpr KindRow kBulwarkRight{20, 5, 7, 7,    4500,  2000,  effect_fireball,   70, 90,  true,         kBulwarkRightPicture};
inline constexpr KindRow kPillar      {1, 5,  0, 0,    4500,  2000,  effect_fireball,   70, 90,  true,         kPillarPicture};
// clang-format on
