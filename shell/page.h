#pragma once
// What the game tells a web page that a process never needs to: a saved file
// (the page keeps the data folder in the browser's storage), the end of a
// frame (the page must get the browser back every frame), and the audio
// driver to open. Only the web build compiles page.cpp; on the desktop these
// cost nothing.

#include <string>

#ifdef __EMSCRIPTEN__
void page_file_saved(const std::string& path);
// `paced`: a frame of the 60 fps game, not a script's or a headless replay's.
void page_frame_end(bool paced);
// SDL built without threads cannot open its dummy audio device, which the
// headless runs ask for: the browser's own driver stands in (under node, for
// an audio context that nobody hears).
void page_choose_audio();
#else
inline void page_file_saved(const std::string&) {}
inline void page_frame_end(bool) {}
inline void page_choose_audio() {}
#endif
