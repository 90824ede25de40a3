#!/usr/bin/env python3
"""Decides exactly whether a plane shape reaches a size, through a SAT solver (CaDiCaL).

A plane is three positions whose words with digit sum 0 (nine of them) carry a key: their label
x0 - x1 (L, three keys, three words each) or the word itself (W, nine keys). A shape is some
planes followed by m inner positions; a pair (one key per plane, one inner word) stands for every
word it combines, and the system is a union of pairs. A word is within R of a pair when its
distance to the nearest plane words of those keys plus its inner distance is at most R, so the
whole space is covered as soon as each (distance profile per plane, inner word) row is.

  plane_sat.py --keys LL --inner 4 --radius 3 --pairs 11 [--anchor] [--all-parts]
               [--seconds S] [--cnf FILE] [--solver cadical]

The CNF holds one clause per row and a sequential counter for at most --pairs pairs. --anchor
adds what the symmetry allows (key shifts and inner translations move any pair to part 0 and
inner word 0; a cover can be padded to exactly --pairs pairs, so with more pairs than parts a
largest part holds a second pair, which an inner isometry fixing 0 turns into 1..10..0).
--all-parts asks every part to hold a pair: sound only where an argument outside the solver
excludes empty parts. A model is rebuilt as words and checked over the whole space.
"""
import argparse
import itertools
import subprocess
import sys

import numpy as np

PLANE = [u for u in itertools.product(range(3), repeat=3) if sum(u) % 3 == 0]


def keys_of(kind):
    """Each key of a plane as the list of its plane words."""
    if kind == "L":
        return [[u for u in PLANE if (u[0] - u[1]) % 3 == k] for k in range(3)]
    return [[u] for u in PLANE]


def distance(a, b):
    return sum(x != y for x, y in zip(a, b))


class Shape:
    def __init__(self, kinds, inner, radius):
        self.kinds, self.inner, self.radius = kinds, inner, radius
        self.keys = [keys_of(kind) for kind in kinds]
        self.parts = list(itertools.product(*[range(len(k)) for k in self.keys]))
        self.words = list(itertools.product(range(3), repeat=inner))
        points = list(itertools.product(range(3), repeat=3))
        # The distinct distance profiles a point of Z3^3 has to the keys of each plane.
        self.profiles = [
            sorted({tuple(min(distance(p, u) for u in key) for key in keys) for p in points})
            for keys in self.keys
        ]
        w = np.array(self.words)
        self.inner_distance = (w[:, None, :] != w[None, :, :]).sum(2)

    def variable(self, part, word):
        return part * len(self.words) + word + 1

    def rows(self):
        """For each row, the variables of the pairs that cover it."""
        out = set()
        for profile in itertools.product(*self.profiles):
            cost = np.array([sum(profile[j][p[j]] for j in range(len(p))) for p in self.parts])
            for y in range(len(self.words)):
                near = cost[:, None] + self.inner_distance[y][None, :] <= self.radius
                out.add(tuple(int(v) + 1 for v in np.flatnonzero(near.ravel())))
        return sorted(out)

    def cnf(self, pairs, anchor=False, all_parts=False):
        n = len(self.parts) * len(self.words)
        clauses = [list(r) for r in self.rows()]
        if anchor:
            clauses.append([1])
            if pairs > len(self.parts):
                clauses.append([self.variable(0, sum(3 ** (self.inner - 1 - i) for i in range(t)))
                                for t in range(1, self.inner + 1)])
        if all_parts:
            clauses += [[self.variable(p, w) for w in range(len(self.words))]
                        for p in range(len(self.parts))]
        # Sequential counter: s(i, j) is true when at least j + 1 of the first i + 1 are.
        s = lambda i, j: n + i * pairs + j + 1
        for i in range(n):
            clauses.append([-(i + 1), s(i, 0)])
            if i:
                clauses += [[-s(i - 1, j), s(i, j)] for j in range(pairs)]
                clauses += [[-(i + 1), -s(i - 1, j - 1), s(i, j)] for j in range(1, pairs)]
                clauses.append([-(i + 1), -s(i - 1, pairs - 1)])
        return n + n * pairs, clauses

    def system(self, chosen):
        """The words of the chosen variables, plane positions first."""
        out = []
        for v in chosen:
            part, word = divmod(v - 1, len(self.words))
            blocks = [self.keys[j][k] for j, k in enumerate(self.parts[part])]
            for combo in itertools.product(*blocks):
                out.append(sum(combo, ()) + self.words[word])
        return sorted(set(out))

    def covering_radius(self, system):
        length = 3 * len(self.kinds) + self.inner
        points = np.array(list(itertools.product(range(3), repeat=length)), dtype=np.int8)
        best = np.full(len(points), length, dtype=np.int8)
        for c in np.array(system, dtype=np.int8):
            best = np.minimum(best, (points != c).sum(1).astype(np.int8))
        return int(best.max())


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    ap.add_argument("--keys", required=True)
    ap.add_argument("--inner", type=int, required=True)
    ap.add_argument("--radius", type=int, required=True)
    ap.add_argument("--pairs", type=int, required=True)
    ap.add_argument("--anchor", action="store_true")
    ap.add_argument("--all-parts", action="store_true")
    ap.add_argument("--seconds", type=float, default=3600)
    ap.add_argument("--cnf", default="plane.cnf")
    ap.add_argument("--solver", default="cadical")
    a = ap.parse_args()
    if not a.keys or set(a.keys) - {"L", "W"} or a.inner < 1 or a.pairs < 1:
        ap.error("--keys takes L and W, --inner and --pairs are positive")
    shape = Shape(a.keys, a.inner, a.radius)
    variables, clauses = shape.cnf(a.pairs, a.anchor, a.all_parts)
    with open(a.cnf, "w") as f:
        f.write(f"p cnf {variables} {len(clauses)}\n")
        f.writelines(" ".join(map(str, c)) + " 0\n" for c in clauses)
    print(f"{len(shape.parts)} parts, {len(shape.words)} inner words, {len(clauses)} clauses",
          flush=True)
    try:
        run = subprocess.run([a.solver, "-q", a.cnf], capture_output=True, text=True,
                             timeout=a.seconds)
    except subprocess.TimeoutExpired:
        print("undecided")
        return 0
    if run.returncode == 20:
        print(f"UNSAT: no cover with at most {a.pairs} pairs")
        return 0
    if run.returncode != 10:
        print(run.stdout + run.stderr, file=sys.stderr)
        return 2
    model = {int(t) for line in run.stdout.splitlines() if line.startswith("v")
             for t in line.split()[1:]}
    chosen = [v for v in range(1, len(shape.parts) * len(shape.words) + 1) if v in model]
    system = shape.system(chosen)
    radius = shape.covering_radius(system)
    print(f"SAT: {len(chosen)} pairs, {len(system)} words, covering radius {radius}")
    for word in system:
        print("".join(map(str, word)))
    return 0 if radius <= a.radius else 1


if __name__ == "__main__":
    sys.exit(main())
