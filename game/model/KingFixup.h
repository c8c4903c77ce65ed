// After every fresh deal, a King lying above a card of its own suit in its fan is moved
// beneath that card. The rule lives here so the deal animation and the tools share it.
#pragma once

#include "Card.h"
#include "GameRules.h"

#include <functional>

// Called after each exchange: slots nLowerSlot and nLowerSlot + 1 of fan nFan changed places.
using KingExchangeHandler = std::function<void(int nFan, int nLowerSlot)>;

// Runs passes until one makes no exchange; returns the number of exchanges.
int FixUpKings(CCard (&fan)[kFanCount][kFanSlots], const KingExchangeHandler& onExchange);
