#pragma once
// Prompts drawn over the options screen that give fire, charged shot and bomb
// new keys or joystick buttons. A closed window leaves them at once.
void remap_keyboard();
void remap_controller();  // returns at once without a joystick
