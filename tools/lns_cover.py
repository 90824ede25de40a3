#!/usr/bin/env python3
"""Polishes a matrix-method cover by large-neighbourhood search with an exact repair.

A cover is a set S of syndromes in Z3^k such that every syndrome lies in s + B for some s in S,
where B holds the sums of at most R columns of H, each times 1 or 2; the system is then every
word x with Hx in S. Each step takes the m members of S nearest a random syndrome (steps of one
column), removes them, and has an integer program (HiGHS, through SciPy) pick the fewest
syndromes that cover again what only they covered. Fewer than m is a smaller system, written out
as a records-table line; exactly m is a sideways move that keeps the search moving.

  lns_cover.py --length n --radius R --rows k --matrix c1,...,cn --syndromes s1,...|all
               [--remove m] [--seconds S] [--ilp-seconds T] [--seed X] [--target |S|] [--out FILE]

Columns and syndromes are base-3 numbers, digit r being row r, as in the records table.
"""
import argparse
import itertools
import random
import sys
import time

import numpy as np
from scipy.optimize import Bounds, LinearConstraint, milp
from scipy.sparse import csr_matrix


class Space:
    """Z3^k with points as base-3 numbers."""

    def __init__(self, k):
        self.k, self.size = k, 3**k
        self.powers = 3 ** np.arange(k, dtype=np.int64)
        self.digits = (np.arange(self.size)[:, None] // self.powers) % 3

    def value(self, digits):
        return int(((np.asarray(digits) % 3) * self.powers).sum())

    def translate(self, points, by):
        """points + by for an array of points and one point."""
        return ((self.digits[points] + self.digits[by]) % 3) @ self.powers


def step_ball(space, columns, radius):
    ball = set()
    for r in range(radius + 1):
        for positions in itertools.combinations(range(len(columns)), r):
            for times in itertools.product((1, 2), repeat=r):
                total = np.zeros(space.k, dtype=np.int64)
                for position, t in zip(positions, times):
                    total += t * space.digits[columns[position]]
                ball.add(space.value(total))
    return np.array(sorted(ball), dtype=np.int64)


class Search:
    def __init__(self, space, columns, radius, syndromes, rng):
        self.space, self.rng = space, rng
        every = np.arange(space.size)
        ball = step_ball(space, columns, radius)
        # reach[p]: the syndromes whose ball holds p (the ball is symmetric, so p + ball).
        self.reach = np.stack([space.translate(every, b) for b in ball], axis=1)
        steps = {c for c in columns if c} | {space.value(2 * space.digits[c]) for c in columns if c}
        self.steps = np.stack([space.translate(every, s) for s in sorted(steps)], axis=1)
        self.chosen = list(syndromes)
        self.count = self.recount(self.chosen)

    def recount(self, chosen):
        count = np.zeros(self.space.size, dtype=np.int32)
        for s in chosen:
            count[self.reach[s]] += 1
        return count

    def nearest(self, centre, m):
        """The m chosen syndromes fewest column steps from centre, ties broken at random."""
        distance = np.full(self.space.size, -1, dtype=np.int32)
        distance[centre], frontier, d = 0, np.array([centre]), 0
        while frontier.size:
            d += 1
            frontier = np.unique(self.steps[frontier].ravel())
            frontier = frontier[distance[frontier] < 0]
            distance[frontier] = d
        distance[distance < 0] = self.space.size  # out of reach of the columns
        order = sorted(range(len(self.chosen)),
                       key=lambda i: (distance[self.chosen[i]], self.rng.random()))
        return set(order[:m])

    def repair(self, uncovered, seconds):
        """The fewest syndromes covering every uncovered point, or None if not solved."""
        if uncovered.size == 0:
            return []
        candidates, inverse = np.unique(self.reach[uncovered].ravel(), return_inverse=True)
        rows = np.repeat(np.arange(uncovered.size), self.reach.shape[1])
        a = csr_matrix((np.ones(rows.size), (rows, inverse)), shape=(uncovered.size, candidates.size))
        # A tiny random cost breaks ties between optimal repairs, so sideways moves differ.
        cost = 1 + 1e-3 * np.array([self.rng.random() for _ in range(candidates.size)])
        result = milp(cost, constraints=LinearConstraint(a, lb=1), integrality=np.ones(candidates.size),
                      bounds=Bounds(0, 1), options={"time_limit": seconds})
        if result.x is None:
            return None
        return [int(c) for c in candidates[result.x > 0.5]]

    def step(self, m, seconds):
        """One removal and repair; returns how many syndromes the repair took out net."""
        removed = self.nearest(self.rng.randrange(self.space.size), m)
        count = self.count.copy()
        for i in removed:
            count[self.reach[self.chosen[i]]] -= 1
        added = self.repair(np.nonzero(count == 0)[0], seconds)
        if added is None or len(added) > len(removed):
            return 0
        for s in added:
            count[self.reach[s]] += 1
        self.chosen = [s for i, s in enumerate(self.chosen) if i not in removed] + added
        self.count = count
        return len(removed) - len(added)


def main(argv=None):
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--length", type=int, required=True)
    p.add_argument("--radius", type=int, required=True)
    p.add_argument("--rows", type=int, required=True)
    p.add_argument("--matrix", required=True)
    p.add_argument("--syndromes", required=True)
    p.add_argument("--remove", type=int, default=12)
    p.add_argument("--seconds", type=float, default=600)
    p.add_argument("--ilp-seconds", type=float, default=30)
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--target", type=int, default=1)
    p.add_argument("--out", default="lns-found.txt")
    o = p.parse_args(argv)
    try:
        columns = [int(c) for c in o.matrix.split(",")]
        space = Space(o.rows)
        start = (list(range(space.size)) if o.syndromes == "all"
                 else sorted({int(s) for s in o.syndromes.split(",")}))
    except ValueError as e:
        print(f"bad number: {e}", file=sys.stderr)
        return 2
    if (len(columns) != o.length or not 1 <= o.rows <= 12 or o.radius < 1 or o.remove < 1
            or any(not 0 <= v < space.size for v in columns + start)):
        print("need --length columns and syndromes below 3^rows", file=sys.stderr)
        return 2
    rng = random.Random(o.seed)
    search = Search(space, columns, o.radius, start, rng)
    if not (search.count > 0).all():
        print(f"the start leaves {(search.count == 0).sum()} syndromes unreached", file=sys.stderr)
        return 2
    began, steps, sideways = time.monotonic(), 0, 0
    while len(search.chosen) > o.target and time.monotonic() - began < o.seconds:
        steps += 1
        gained = search.step(o.remove, o.ilp_seconds)
        sideways += gained == 0
        if gained > 0:
            # Counted again from nothing, not from the running counts, before it is written.
            if not (search.recount(search.chosen) > 0).all():
                print("internal error: the repair left syndromes unreached", file=sys.stderr)
                return 1
            line = (f"{{{o.length}, 0, {o.radius}, {o.rows}, 0, {{{', '.join(map(str, columns))}}}, "
                    f"{{{', '.join(map(str, sorted(search.chosen)))}}}}}")
            with open(o.out, "a", encoding="utf-8") as f:
                f.write(line + "\n")
            print(f"{time.monotonic() - began:.0f} s, step {steps}: {len(search.chosen)} syndromes",
                  flush=True)
    print(f"{steps} steps ({sideways} without a gain): {len(search.chosen)} syndromes, "
          f"{len(search.chosen) * 3 ** (o.length - o.rows)} words", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
