#!/usr/bin/env python3
"""Writes a made-up survey in TARNWICK's input format, for screenshots and
window tests: GROUPS stations in a few communities, REPS replicates each.

    make_survey.py GROUPS REPS SEED > survey.txt
"""
import random
import sys

groups, reps, seed = (int(a) for a in sys.argv[1:4])
rng = random.Random(seed)
species = 12
communities = max(2, min(6, groups // 8 + 2))
profiles = [[rng.choice([0, 0, 1, 5, 20, 60]) for _ in range(species)] for _ in range(communities)]
sites = ["Estuary", "Reef", "Lake", "Marsh", "Creek", "Bay"]

print("'Made-up survey of %d stations'" % groups)
print("%d, %d" % (groups * reps, species))
print(",".join(['"STATION"'] + ['"Sp%d"' % (s + 1) for s in range(species)]))
for g in range(groups):
    c = g * communities // groups
    name = "%s %d" % (sites[c % len(sites)], g + 1)
    for r in range(reps):
        counts = [max(0, int(rng.gauss(p, 2 + p / 3))) for p in profiles[c]]
        if sum(counts) == 0:
            counts[rng.randrange(species)] = 1
        label = name + ("" if reps == 1 else "abc"[r])
        print('"%s" %s' % (label, " ".join(str(x) for x in counts)))
print(groups)
print(" ".join([str(reps)] * groups))
