#pragma once
// The console's size in cells; the heads-up display takes its bottom rows
// (kHudRows in game/player.cpp).
constexpr int kScreenWidth = 50;
constexpr int kScreenHeight = 70;
