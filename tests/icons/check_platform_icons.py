"""Reads the Windows .ico and the macOS .icns back with Pillow and checks that each holds the
program's icon at every size it should: square RGBA images of that size, mostly transparent, with
the black strokes of the X (a blank or garbled image fails).

    check_platform_icons.py --ico FILE 16,32,... --icns FILE 16,32,...
"""

import argparse
import sys

from PIL import Image


def sizes(text):
    return sorted(int(size) for size in text.split(","))


def check_image(label, image, size):
    problems = []
    image = image.convert("RGBA")
    if image.size != (size, size):
        return [f"{label}: {size}px image is {image.size[0]}x{image.size[1]}"]
    pixels = list(image.getdata())
    opaque = [p for p in pixels if p[3] >= 128]
    share = len(opaque) / len(pixels)
    # The X and the 2 cover roughly a fifth to a third of the square.
    if not 0.05 <= share <= 0.6:
        problems.append(f"{label}: {size}px image is {share:.0%} opaque, not an X on a clear ground")
    if any(max(p[:3]) > 96 for p in opaque):
        problems.append(f"{label}: {size}px image has opaque pixels that are not black")
    return problems


def check_ico(path, expected):
    with Image.open(path) as icon:
        if icon.format != "ICO":
            return [f"{path}: read as {icon.format}, not ICO"]
        found = sorted(w for (w, h) in icon.info["sizes"])
        if found != expected:
            return [f"{path}: sizes {found}, expected {expected}"]
        problems = []
        for size in expected:
            problems += check_image("ico", icon.ico.getimage((size, size)), size)
        return problems


def check_icns(path, expected):
    with Image.open(path) as icon:
        if icon.format != "ICNS":
            return [f"{path}: read as {icon.format}, not ICNS"]
        # Pillow names a 1024-pixel element as 512 points at scale 2, as macOS does.
        entries = {w * scale: (w, h, scale) for (w, h, scale) in icon.info["sizes"]}
        found = sorted(entries)
        if found != expected:
            return [f"{path}: sizes {found}, expected {expected}"]
        problems = []
        for size in expected:
            icon.size = entries[size]
            icon.load()
            problems += check_image("icns", icon, size)
        return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--ico", nargs=2, metavar=("FILE", "SIZES"), required=True)
    parser.add_argument("--icns", nargs=2, metavar=("FILE", "SIZES"), required=True)
    args = parser.parse_args()
    problems = check_ico(args.ico[0], sizes(args.ico[1]))
    problems += check_icns(args.icns[0], sizes(args.icns[1]))
    for problem in problems:
        print("FAIL:", problem, file=sys.stderr)
    if problems:
        return 1
    print("ico and icns hold the icon at every size")
    return 0


if __name__ == "__main__":
    sys.exit(main())
