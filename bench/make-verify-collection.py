#!/usr/bin/env python3
"""Builds a game collection of realistic size for the Verify All Games benchmark.

    make-verify-collection.py FOLDER [COUNT]      (COUNT defaults to 5000)

FOLDER becomes an emulator folder: "mame" (a link to the emulator named in PELLMORA_MAME,
default /usr/games/mame), its mame.ini (rompath "roms") and roms/ holding
  - COUNT sets spread over the emulator's whole list, each a zip with every ROM file name
    -listroms gives for it, holding wrong bytes, so each gets a real "bad" verdict after the
    emulator has opened and hashed its files. Sets that get no verdict line (clones whose files
    all live in their parent's archive) are dropped, as a real collection's would give none;
  - pong/ and breakout/ (folders; the emulator calls them "best available"),
  - pacman.zip (junk, not a zip), galaxian/ (a set with no files), notaset.zip (an unknown name).
"""

import os
import re
import subprocess
import sys
import zipfile

ROM_LINE = re.compile(r"^(\S.*?)\s+(\d+)\s+(?:BAD\s+)?(?:CRC\(|NO GOOD DUMP|NO DUMP|SHA1\()")
BLOCK_HEAD = re.compile(r'^ROMs required for driver "([^"]+)"\.')
VERDICT = re.compile(r"^romset (\S+) (?:\[\S+\] )?is (?:good|bad|best available)$")
BATCH = 400


def emulator():
    return os.environ.get("PELLMORA_MAME", "/usr/games/mame")


def run(folder, args):
    return subprocess.run([emulator(), "-inipath", ".;ini;ini/presets"] + args, cwd=folder,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                          errors="replace").stdout


def rom_files(folder):
    """Set name -> its distinct ROM file names, in the emulator's order."""
    sets, current = {}, None
    for line in run(folder, ["-listroms", "*"]).splitlines():
        head = BLOCK_HEAD.match(line)
        if head:
            current = sets.setdefault(head.group(1), [])
            continue
        rom = ROM_LINE.match(line)
        if current is not None and rom and rom.group(1) not in current:
            current.append(rom.group(1))
    return {name: files for name, files in sets.items() if files}


def write_zip(path, files):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_STORED) as archive:
        for name in files:
            archive.writestr(name, ("wrong bytes for " + name).encode())


def with_verdict(folder, names):
    verdicts = set()
    for start in range(0, len(names), BATCH):
        for line in run(folder, ["-verifyroms"] + names[start:start + BATCH]).splitlines():
            match = VERDICT.match(line.strip())
            if match:
                verdicts.add(match.group(1))
    return [name for name in names if name in verdicts]


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = os.path.abspath(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 5000
    roms = os.path.join(folder, "roms")
    os.makedirs(roms, exist_ok=True)
    link = os.path.join(folder, "mame")
    if not os.path.lexists(link):
        os.symlink(emulator(), link)
    with open(os.path.join(folder, "mame.ini"), "w") as ini:
        ini.write("rompath                   roms\n")

    sets = rom_files(folder)
    candidates = sorted(set(sets) - {"pacman", "galaxian", "pong", "breakout"})
    step = max(len(candidates) / (count * 1.3), 1.0)
    chosen = [candidates[int(i * step)] for i in range(min(int(len(candidates) / step), len(candidates)))]
    for name in chosen:
        write_zip(os.path.join(roms, name + ".zip"), sets[name])
    kept = with_verdict(folder, chosen)[:count]
    for name in set(chosen) - set(kept):
        os.remove(os.path.join(roms, name + ".zip"))

    for name in ("pong", "breakout", "galaxian"):
        os.makedirs(os.path.join(roms, name), exist_ok=True)
    for name in ("pacman.zip", "notaset.zip"):
        with open(os.path.join(roms, name), "wb") as junk:
            junk.write(b"this is not a zip archive\n" * 40)
    print("%d sets with a verdict (of %d tried), plus pong, breakout, pacman, galaxian, notaset in %s"
          % (len(kept), len(chosen), roms))
    if len(kept) < count:
        sys.exit("fewer sets than asked for")


if __name__ == "__main__":
    main()
