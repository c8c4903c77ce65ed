// The game's three sounds, synthesised: every call gives the same samples.
#pragma once

#include "WaveFile.h"

CWaveSpec CardDownSound(); // a short click of a card laid on the cloth
CWaveSpec DealSound();     // a soft swish of a card sliding across the table
CWaveSpec WinSound();      // a cheerful rising flourish ending on a chord
