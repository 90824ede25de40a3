"""Checks the plane shapes' rows against the whole space and the symmetry the anchor relies on."""
import os
import random
import shutil
import subprocess
import sys
import tempfile
import unittest

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
sys.path.insert(0, TOOLS)
from plane_sat import PLANE, Shape  # noqa: E402


class PlaneSatTest(unittest.TestCase):
    SHAPES = [("L", 2, 1), ("W", 2, 1), ("L", 3, 2), ("LL", 1, 2), ("LW", 1, 3)]

    def test_rows_hit_exactly_when_the_words_cover(self):
        # Every row met must mean covering radius at most R over all words, and a missed row
        # a word farther away, for random unions of pairs of every size.
        rng = random.Random(7)
        for kinds, inner, radius in self.SHAPES:
            shape = Shape(kinds, inner, radius)
            rows = [set(r) for r in shape.rows()]
            total = len(shape.parts) * len(shape.words)
            for _ in range(12):
                chosen = set(rng.sample(range(1, total + 1), rng.randint(1, total // 2)))
                met = all(r & chosen for r in rows)
                within = shape.covering_radius(shape.system(sorted(chosen))) <= radius
                self.assertEqual(met, within, (kinds, inner, radius, sorted(chosen)))

    def test_key_shifts_and_inner_translations_keep_the_rows(self):
        for kinds, inner, radius in self.SHAPES:
            shape = Shape(kinds, inner, radius)
            rows = {tuple(sorted(r)) for r in shape.rows()}
            n = len(shape.words)
            index = {w: i for i, w in enumerate(shape.words)}

            def moved(v, plane):
                # Translating a plane by the plane word t moves its keys: a label by t0 - t1,
                # a word key to that word plus t.
                t = (1, 2, 0)
                part, word = divmod(v - 1, n)
                keys = list(shape.parts[part])
                if kinds[plane] == "L":
                    keys[plane] = (keys[plane] + t[0] - t[1]) % 3
                else:
                    u = PLANE[keys[plane]]
                    keys[plane] = PLANE.index(tuple((a + b) % 3 for a, b in zip(u, t)))
                return shape.parts.index(tuple(keys)) * n + word + 1

            def translated(v):
                part, word = divmod(v - 1, n)
                w = list(shape.words[word])
                w[0] = (w[0] + 1) % 3
                return part * n + index[tuple(w)] + 1

            maps = [lambda v, j=j: moved(v, j) for j in range(len(kinds))] + [translated]
            for f in maps:
                self.assertEqual({tuple(sorted(f(v) for v in r)) for r in rows}, rows, kinds)

    @unittest.skipUnless(shutil.which("cadical"), "needs CaDiCaL")
    def test_the_solver_finds_the_smallest_cover_of_a_small_shape(self):
        # One label plane before two positions: 27 words (9 pairs) reach K3(5,1) = 27, 8 cannot.
        with tempfile.TemporaryDirectory() as scratch:
            def run(pairs):
                return subprocess.run(
                    [sys.executable, os.path.join(TOOLS, "plane_sat.py"), "--keys", "L",
                     "--inner", "2", "--radius", "1", "--pairs", str(pairs), "--anchor",
                     "--cnf", os.path.join(scratch, "shape.cnf")],
                    capture_output=True, text=True)
            found, none = run(9), run(8)
        self.assertEqual(found.returncode, 0, found.stderr)
        self.assertIn("SAT: 9 pairs, 27 words, covering radius 1", found.stdout)
        self.assertIn("UNSAT", none.stdout)


if __name__ == "__main__":
    unittest.main()
