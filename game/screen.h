#pragma once
// The console's size in cells; the bottom ten rows are the heads-up display's.
constexpr int kScreenWidth = 50;
constexpr int kScreenHeight = 70;
