"""The game's saved values as the registry holds them, and what a sound table looks like.

A table is a tuple of 58 (suit, rank) pairs: the 54 fan slots (slot s of fan f at 3f + s,
(-1, -1) when empty), then the tops of the Clubs, Diamonds, Spades and Hearts foundations.
Suits: 0 Clubs, 1 Hearts, 2 Spades, 3 Diamonds; ranks 1 Ace to 13 King.
"""

FANS = 18
SLOTS = 54
FOUNDATION_SUITS = (0, 3, 2, 1)
EMPTY = (-1, -1)
KING = 13


class SavedGame:
    """The "game" value: whether it was in progress, and its table."""

    def __init__(self, ints):
        if len(ints) != 118:
            raise ValueError(f"a game value of {len(ints) * 4} bytes")
        self.saved, self.in_progress = ints[0], ints[1]
        slots = [(ints[2 + i], ints[2 + SLOTS + i]) for i in range(SLOTS)]
        tops = [(ints[110 + 2 * i], ints[111 + 2 * i]) for i in range(4)]
        self.table = tuple(slots + tops)

    def __eq__(self, other):
        return (self.in_progress, self.table) == (other.in_progress, other.table)


def dealt_table(initial):
    """The table an "initial" value (436 bytes as integers) lays out, as the deal stores it."""
    if len(initial) != 109 or initial[0] != 1:
        return None
    slots = []
    for i in range(SLOTS):
        card = (initial[1 + i], initial[1 + SLOTS + i])
        slots.append(EMPTY if i in (50, 53) else card)
    return tuple(slots + [EMPTY] * 4)


def problems(table):
    """What makes a table one no game can reach: a list of texts, empty for a sound table."""
    found = []
    seen = {}
    for f in range(FANS):
        fan = table[3 * f:3 * f + 3]
        holes = [s for s in range(3) if fan[s] == EMPTY]
        if holes and any(fan[s] != EMPTY for s in range(holes[0], 3)):
            found.append(f"fan {f} is not filled from the bottom: {fan}")
        for s, card in enumerate(fan):
            if card != EMPTY:
                seen.setdefault(card, []).append(f"fan {f} slot {s}")
    for i, suit in enumerate(FOUNDATION_SUITS):
        top = table[SLOTS + i]
        if top == EMPTY:
            continue
        if top[0] != suit:
            found.append(f"foundation {i} of suit {suit} holds {top}")
        for rank in range(1, top[1] + 1):
            seen.setdefault((top[0], rank), []).append(f"foundation {i}")
    for card, places in seen.items():
        if not (0 <= card[0] <= 3 and 1 <= card[1] <= KING):
            found.append(f"no such card {card} at {places}")
        elif len(places) > 1:
            found.append(f"card {card} lies at {places}")
    missing = [(s, r) for s in range(4) for r in range(1, KING + 1) if (s, r) not in seen]
    if missing:
        found.append(f"cards missing: {missing}")
    return found


def places(table):
    """Where each card lies: a fan slot index, or 100 + the foundation's index."""
    where = {}
    for i, card in enumerate(table[:SLOTS]):
        if card != EMPTY:
            where[card] = i
    for i, top in enumerate(table[SLOTS:]):
        if top != EMPTY:
            for rank in range(1, top[1] + 1):
                where[(top[0], rank)] = 100 + i
    return where


def cards_moved(before, after):
    """How many cards lie elsewhere in one table than in the other."""
    a, b = places(before), places(after)
    return sum(1 for card in set(a) | set(b) if a.get(card) != b.get(card))


def fixed_up(table):
    """The table after the deal's King fix-up: a King above a card of its suit goes beneath."""
    fans = [list(table[3 * f:3 * f + 3]) for f in range(FANS)]

    def same_suit(a, b):
        return a != EMPTY and b != EMPTY and a[0] == b[0]

    while True:
        swapped = 0
        for fan in fans:
            if fan[1][1] == KING and same_suit(fan[0], fan[1]):
                fan[0], fan[1] = fan[1], fan[0]
                swapped += 1
        for fan in fans[:16]:
            if fan[2][1] == KING and (same_suit(fan[2], fan[1]) or same_suit(fan[2], fan[0])):
                fan[1], fan[2] = fan[2], fan[1]
                swapped += 1
        if not swapped:
            return tuple(card for fan in fans for card in fan) + table[SLOTS:]
