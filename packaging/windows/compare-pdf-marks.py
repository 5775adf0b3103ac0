#!/usr/bin/env python3
"""Compares the printed words of two PDFs of the same print run, read with pdftotext -bbox.

    compare-pdf-marks.py <linux.pdf> <windows.pdf> [tolerance_mm]

Both must have the same pages and on each page the same words in the same order (the marks
"x", "*", "•" and the slips' own texts), each word's box within the tolerance (0.01 mm) in
every edge. Prints one line of what it compared and exits 1 on the first difference.
"""
import re
import subprocess
import sys

PT_TO_MM = 25.4 / 72
PAGE = re.compile(r'<page width="([\d.]+)" height="([\d.]+)">')
WORD = re.compile(
    r'<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">(.*?)</word>')
MARKS = {"x", "*", "\u2022"}


def pages(path):
    html = subprocess.run(["pdftotext", "-bbox", path, "-"], check=True, capture_output=True,
                          text=True).stdout
    result = []
    for chunk in html.split("<page ")[1:]:
        size = PAGE.match("<page " + chunk)
        words = [(m.group(5), [float(m.group(i)) * PT_TO_MM for i in range(1, 5)])
                 for m in WORD.finditer(chunk)]
        result.append(((float(size.group(1)) * PT_TO_MM, float(size.group(2)) * PT_TO_MM), words))
    return result


def main():
    linux, windows = sys.argv[1], sys.argv[2]
    tolerance = float(sys.argv[3]) if len(sys.argv) > 3 else 0.01
    a, b = pages(linux), pages(windows)
    if len(a) != len(b) or not a:
        print(f"pages differ: {len(a)} on Linux, {len(b)} on Windows")
        return 1
    worst, words, marks = 0.0, 0, 0
    for number, ((size_a, words_a), (size_b, words_b)) in enumerate(zip(a, b), start=1):
        if max(abs(size_a[0] - size_b[0]), abs(size_a[1] - size_b[1])) > tolerance:
            print(f"page {number}: size {size_a} mm on Linux, {size_b} mm on Windows")
            return 1
        if [w[0] for w in words_a] != [w[0] for w in words_b]:
            print(f"page {number}: the words differ: {[w[0] for w in words_a][:12]} ... on "
                  f"Linux, {[w[0] for w in words_b][:12]} ... on Windows")
            return 1
        for (text, box_a), (_, box_b) in zip(words_a, words_b):
            deviation = max(abs(p - q) for p, q in zip(box_a, box_b))
            worst = max(worst, deviation)
            if deviation > tolerance:
                print(f"page {number}: '{text}' at {[round(v, 3) for v in box_a]} mm on Linux, "
                      f"{[round(v, 3) for v in box_b]} mm on Windows")
                return 1
        words += len(words_a)
        marks += sum(1 for w in words_a if w[0] in MARKS)
    print(f"{len(a)} pages, {marks} marks and {words - marks} other words alike, largest "
          f"difference {worst:.4f} mm")
    return 0


if __name__ == "__main__":
    sys.exit(main())
