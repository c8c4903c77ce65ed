// The game's three sounds, synthesised: every call gives the same samples.
#pragma once

#include "WaveFile.h"

CWaveSound CardDownSound(); // a short click of a card laid on the cloth
CWaveSound DealSound();     // a soft swish of a card sliding across the table
CWaveSound WinSound();      // a cheerful rising flourish ending on a chord
