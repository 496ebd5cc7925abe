"""The 50 methods as the player sees them, for the help's tables."""

# number: (X guaranteed, Y needed among the ticked, N to tick, G grids)
METHODES = {
    1: (3, 3, 11, 11), 2: (4, 5, 12, 20), 3: (3, 3, 10, 10), 4: (5, 6, 9, 8), 5: (4, 6, 10, 3),
    6: (4, 6, 11, 6), 7: (4, 4, 7, 5), 8: (5, 5, 7, 6), 9: (3, 3, 8, 4), 10: (4, 6, 12, 10),
    11: (4, 6, 11, 5), 12: (3, 3, 7, 4), 13: (3, 6, 14, 5), 14: (4, 4, 10, 21), 15: (3, 6, 20, 10),
    16: (3, 6, 17, 6), 17: (4, 6, 14, 17), 18: (4, 6, 15, 24), 19: (5, 6, 8, 4), 20: (5, 6, 12, 48),
    21: (3, 3, 12, 15), 22: (4, 4, 8, 6), 23: (4, 4, 9, 12), 24: (3, 4, 9, 3), 25: (3, 4, 10, 4),
    26: (3, 4, 11, 5), 27: (3, 4, 12, 6), 28: (4, 6, 13, 10), 29: (5, 5, 8, 12), 30: (5, 5, 9, 30),
    31: (4, 4, 11, 32), 32: (5, 5, 11, 100), 33: (3, 3, 13, 24), 34: (3, 3, 14, 26), 35: (4, 4, 13, 66),
    36: (4, 4, 14, 80), 37: (5, 5, 12, 132), 38: (5, 5, 10, 50), 39: (3, 3, 15, 31), 40: (3, 3, 16, 38),
    41: (4, 4, 15, 118), 42: (3, 4, 14, 11), 43: (5, 6, 11, 22), 44: (5, 6, 13, 61), 45: (5, 6, 14, 98),
    46: (5, 5, 13, 245), 47: (5, 5, 14, 371), 48: (4, 4, 16, 152), 49: (3, 3, 19, 63), 50: (3, 3, 20, 72),
}

# Methods whose wheel keeps its promise for all but a few combinations:
# number: (at most this many combinations, out of this many, get one fewer).
EXCEPTIONS = {
    6: (1, 462), 22: (6, 70), 23: (4, 126),
}

# The order of the program's method list, first entry first.
ORDRE_LISTE = [12, 9, 3, 1, 21, 33, 34, 39, 40, 49, 50, 24, 25, 26, 27, 42, 13, 16, 15, 7, 22, 23, 14,
               31, 35, 36, 41, 48, 2, 5, 11, 6, 10, 28, 17, 18, 8, 29, 30, 38, 32, 37, 46, 47, 19, 4, 43,
               20, 44, 45]


def libfr(m):
    x, y, n, g = METHODES[m]
    return f"{x} numéros si {y} numéros parmi les {n:02d} en {g} grilles"


def libang(m):
    x, y, n, g = METHODES[m]
    return f"{x} numbers if {y} numbers in the {n:02d} in {g} " + ("grilles" if m == 23 else "grids")
