#include "game/globals.h"

GameGlobals game;
