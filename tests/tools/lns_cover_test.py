"""lns_cover against a brute force of its own: the smallest cover found by trying every subset,
and every word of the system's space walked to its nearest codeword."""
import itertools
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
import lns_cover  # noqa: E402


def syndrome(columns, word, k):
    digits = [0] * k
    for c, x in zip(columns, word):
        for r in range(k):
            digits[r] = (digits[r] + x * (c // 3**r % 3)) % 3
    return sum(d * 3**r for r, d in enumerate(digits))


def smallest_cover(n, radius, k, columns):
    """Fewest syndromes whose balls (syndromes of words of weight <= R) fill Z3^k, by subsets."""
    ball = {syndrome(columns, w, k) for w in itertools.product(range(3), repeat=n)
            if sum(x != 0 for x in w) <= radius}
    size = 3**k
    masks = []
    for s in range(size):
        mask = 0
        for b in ball:
            digits = [(s // 3**r + b // 3**r) % 3 for r in range(k)]
            mask |= 1 << sum(d * 3**r for r, d in enumerate(digits))
        masks.append(mask)
    full = (1 << size) - 1
    for m in range(1, size + 1):
        for pick in itertools.combinations(masks, m):
            union = 0
            for mask in pick:
                union |= mask
            if union == full:
                return m
    return size


def covering_radius(n, k, columns, syndromes):
    code = [w for w in itertools.product(range(3), repeat=n) if syndrome(columns, w, k) in syndromes]
    return max(min(sum(a != b for a, b in zip(w, c)) for c in code)
               for w in itertools.product(range(3), repeat=n))


class LnsCoverTest(unittest.TestCase):
    def run_tool(self, *args):
        with tempfile.TemporaryDirectory() as d:
            out = os.path.join(d, "found.txt")
            code = lns_cover.main([*args, "--out", out])
            lines = []
            if os.path.exists(out):
                with open(out, encoding="utf-8") as f:
                    lines = f.read().splitlines()
        return code, lines

    def test_shrinks_a_redundant_cover_to_the_smallest(self):
        # (n, R, k, columns): the [4,2] Hamming code (one syndrome), repeated columns, and a
        # 6-position code at radius 2 in Z3^4.
        cases = [(4, 1, 2, [1, 3, 4, 7]), (5, 1, 3, [1, 3, 9, 1, 13]), (5, 2, 3, [1, 3, 9, 1, 3]),
                 (6, 2, 4, [1, 3, 9, 27, 13, 40])]
        for n, radius, k, columns in cases:
            with self.subTest(n=n, radius=radius, columns=columns):
                best = smallest_cover(n, radius, k, columns)
                code, lines = self.run_tool(
                    "--length", str(n), "--radius", str(radius), "--rows", str(k),
                    "--matrix", ",".join(map(str, columns)), "--syndromes", "all",
                    "--remove", "4", "--seconds", "20", "--target", str(best))
                self.assertEqual(code, 0)
                last = lines[-1]
                self.assertTrue(last.startswith(f"{{{n}, 0, {radius}, {k}, 0, "))
                found = {int(s) for s in last.rsplit("{", 1)[1].rstrip("}").split(",")}
                self.assertEqual(len(found), best)
                self.assertLessEqual(covering_radius(n, k, columns, found), radius)

    def test_refuses_bad_input(self):
        base = ["--length", "4", "--radius", "1", "--rows", "2", "--seconds", "1"]
        for matrix, syndromes in [("1,3,1,3", "0"),     # leaves syndromes unreached
                                  ("1,3,4", "all"),     # three columns for four positions
                                  ("1,3,4,9", "all"),   # a column outside Z3^2
                                  ("1,3,x,7", "all")]:  # not a number
            with self.subTest(matrix=matrix, syndromes=syndromes):
                code, lines = self.run_tool(*base, "--matrix", matrix, "--syndromes", syndromes)
                self.assertEqual(code, 2)
                self.assertEqual(lines, [])


if __name__ == "__main__":
    unittest.main()
