#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/seeds/TARGET/ from real files: the
emulator's own output and mame.ini (/usr/games/mame), the test fixtures, a small executable
built here, and optionally a real Windows executable with a version record.

    fuzz/make-seeds.py [WINDOWS_EXE]

The seeds are kept in the repository; run this again only to refresh them (it rewrites the
files it makes and leaves the others)."""
import os
import random
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SEEDS = os.path.join(ROOT, "fuzz", "seeds")
FIXTURES = os.path.join(ROOT, "tests", "fixtures")
MAME = "/usr/games/mame"
random.seed(9)


def put(target, name, data):
    folder = os.path.join(SEEDS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def run(args, cwd=None):
    return subprocess.run(args, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT).stdout


def utf16le(data):
    return b"\xff\xfe" + data.decode("utf-8").encode("utf-16-le")


def listfull_lines():
    lines = run([MAME, "-listfull"]).split(b"\n")
    header, games = lines[0], [l for l in lines[1:] if l]
    odd = [g for g in games if any(c > 127 for c in g) or b"," in g or b'\\"' in g][:12]
    return header, random.sample(games, 30) + odd


def game_rows(games):
    rows = []
    for i, line in enumerate(games):
        name, _, description = line.partition(b" ")
        description = description.strip().strip(b'"')
        favourite = b"true" if i % 7 == 0 else b""
        status = [b"Good", b"Bad", b"?"][i % 3]
        cell = b'"' + description.replace(b'"', b'""') + b'"' if b" " in description else description
        rows.append(b",".join([favourite, status, cell, name + (b".zip" if i % 4 else b".7z")]))
    return rows


def list_file_seeds(games):
    header = b',Status,"Game Name",File/Dir'
    dat = b"\r\n".join([header] + game_rows(games)) + b"\r\n"
    put("fuzz_listfile", "Pellmora.DAT", dat)
    put("fuzz_listfile", "utf16.DAT", utf16le(dat))
    put("fuzz_listfile", "empty-list.DAT", header + b"\r\n,,,\r\n")
    old = b"GenerelSettings,0\r\nWindowLeft,10\r\nWindowTop,10\r\nSortColumn,2\r\nVersion,1\r\n"
    put("fuzz_listfile", "old-layout.DAT", old + dat)
    put("fuzz_listfile", "odd-cells.DAT", header + b'\n,?,a,b,c.zip,\n"x""y",Good,"no end\n\t, ,\r\n')


def settings_seeds():
    ini = (b"[Pellmora]\r\nMAMEPath=/home/user/mame/\r\nnGames=45294\r\nnFound=120\r\nnUnknown=3\r\n"
           b"GameCount=123\r\nImportDate=12/09/2025 14:03:11\r\nVerifyDate=12/09/2025\r\n"
           b"FileDialogPath=/home/user/\r\nSortColumn=2\r\nSortDirection=0\r\nActivePage=1\r\n"
           b"LastSelectedGame=Pac-Man (Midway)\r\nCommandLineSwitches= -nowindow \r\nLeft=200\r\n"
           b"Top=100\r\nStyleName=Obsidian\r\n")
    put("fuzz_settings", "Pellmora.INI", b"\x0c-2\n" + ini)
    put("fuzz_settings", "utf16.INI", b"\x0d\"/tmp/a b/\"\n" + utf16le(ini))
    put("fuzz_settings", "two-sections.INI",
        b"\x21'x'\n; comment\n[Other]\nLeft=1\n\n[ pellmora ]\n  Left = 5\nTop=0x10\n[Pellmora]\nTop=9")
    put("fuzz_settings", "no-section.INI", b"\x3b  0xFFFFFFFF  \nLeft=3\nTop=4\n")


def mame_ini_seeds():
    with tempfile.TemporaryDirectory() as debian, tempfile.TemporaryDirectory() as relative:
        run([MAME, "-createconfig"], cwd=debian)
        run([MAME, "-inipath", ".;ini;ini/presets", "-createconfig"], cwd=relative)
        debian_ini = open(os.path.join(debian, "mame.ini"), "rb").read()
        relative_ini = open(os.path.join(relative, "mame.ini"), "rb").read()
    put("fuzz_mameini", "debian-mame.ini", b"\x10" + b"1.20000\n" + debian_ini)
    put("fuzz_mameini", "relative-mame.ini", b"\x13" + b"%g\n" + relative_ini)
    fixture = open(os.path.join(FIXTURES, "mame.ini"), "rb").read()
    put("fuzz_mameini", "fixture-bom-mame.ini", b"\x00" + b"roms\n" + fixture)
    put("fuzz_mameini", "utf16-mame.ini", b"\x0c" + b"none\n" + utf16le(relative_ini.decode().replace("\n", "\r\n").encode()))
    latin1 = relative_ini.replace(b"# CORE SEARCH PATH OPTIONS", b"# chemins d'acc\xe8s").replace(b"\n", b"\r", 40)
    put("fuzz_mameini", "latin1-cr-mame.ini", b"\x11" + b" 1,2 \n" + latin1)


def supported_games_seeds(header, games):
    lines = run([MAME, "-listfull"]).split(b"\n")
    put("fuzz_supportedgames", "Pellmora.GAM", b"\n".join([header] + games) + b"\n")
    put("fuzz_supportedgames", "head.GAM", b"\n".join(lines[:60]) + b"\n")
    put("fuzz_supportedgames", "odd.GAM", header + b'\r\nPONG  "Pong"\r\npong "x"\r\n "only" \r\nq"a"b""\n\xc3"\xe9"\n')


def verify_seeds():
    put("fuzz_verdict", "notfound.txt", run([MAME, "-verifyroms", "pacman"]))
    put("fuzz_verdict", "several.txt", run([MAME, "-verifyroms", "pong", "breakout", "nosuchgame"]))
    put("fuzz_verdict", "good-and-bad.txt", b"romset pong is good\r\nROMSET puckman [pacman] IS BAD  \n"
        b"romset x is best available\n\tromset y is good\x07")


# Crafted archives, each verified alone (and several in one run): the table of the reason
# reader's test (tests/fixtures/verify-output) and the reason target's seeds.
REASON_ARCHIVES = {
    "pacman": {"pacman.6e": b"\x01" * 4096, "pacman.6f": b"0123456789"},
    "mspacman": {"junk.bin": b"xx"},
    "mslug": {"201-p1.p1": b"\x02" * 16},
    "kinst": {"u33-l1": b"12345"},
    "dauphin": {"dolphin_mo.rom": b"1" * 256},
    "4d30": {"ip14prom.bin": b"1" * 524288},
    "galaga": {"gg1_1b.3p": b"1" * 4096},
}
REASON_RUNS = {name: [name] for name in list(REASON_ARCHIVES) + ["pong", "zzzznope"]}
REASON_RUNS["batch"] = ["pacman", "mspacman", "pong", "dauphin", "zzzznope"]


def verify_reason_seeds():
    import zipfile
    fixtures = os.path.join(FIXTURES, "verify-output")
    os.makedirs(fixtures, exist_ok=True)
    with tempfile.TemporaryDirectory() as roms:
        for name, files in REASON_ARCHIVES.items():
            with zipfile.ZipFile(os.path.join(roms, name + ".zip"), "w") as z:
                for item, content in files.items():
                    z.writestr(item, content)

        def verify(out, names):
            output = run([MAME, "-rompath", roms, "-verifyroms"] + names)
            with open(os.path.join(fixtures, out + ".txt"), "wb") as f:
                f.write(output)
            put("fuzz_verifyreason", out + ".txt", output)

        for out, names in REASON_RUNS.items():
            verify(out, names)
        # The clone beside a parent archive holding one of its files, damaged.
        with zipfile.ZipFile(os.path.join(roms, "puckman.zip"), "w") as z:
            z.writestr("82s123.7f", b"\x03" * 32)
        verify("pacman-with-parent", ["pacman"])


def output_seeds(header, games):
    put("fuzz_linebuilder", "listfull.txt", b"\n".join([header] + games) + b"\n\x03")
    put("fuzz_linebuilder", "verifyroms.txt", run([MAME, "-verifyroms", "pacman", "pong", "nosuchgame"]) + b"\x01\x00")
    put("fuzz_linebuilder", "help.txt", run([MAME, "-help"])[:1500] + b"\x02")
    put("fuzz_linebuilder", "console.txt",
        b"10%\r50%\r100%\nname\tvalue\nab\b\bX\x00\x07 done\r\n\xc3\xa9\xe2\x82\xac\xe2\x82" + b"\x05\x10\x20")


def elf_seed():
    with tempfile.TemporaryDirectory() as work:
        source = os.path.join(work, "v.c")
        with open(source, "w") as f:
            f.write('const char *parts[] = {"0.251 (unknown)", "0.251", "unknown", "4.2 (50Hz hack)"};\n'
                    "int main(int argc, char **argv) { return parts[argc][0]; }\n")
        binary = os.path.join(work, "v")
        subprocess.run(["gcc", "-Os", "-s", "-o", binary, source], check=True)
        return open(binary, "rb").read()


def pe_fixed(ms, ls, plus):
    """A PE32 or PE32+ file with one resource section holding a fixed file version record."""
    optional_size = 240 if plus else 224
    data = bytearray(0x200)
    data[0:2] = b"MZ"
    struct.pack_into("<I", data, 0x3C, 0x40)
    data[0x40:0x44] = b"PE\0\0"
    struct.pack_into("<HHIIIHH", data, 0x44, 0x8664 if plus else 0x14C, 1, 0, 0, 0, optional_size, 0x22)
    optional = 0x58
    struct.pack_into("<H", data, optional, 0x20B if plus else 0x10B)
    directories = optional + (112 if plus else 96)
    struct.pack_into("<I", data, directories - 4, 16)
    struct.pack_into("<II", data, directories + 16, 0x1000, 0x100)
    table = optional + optional_size
    data[table:table + 5] = b".rsrc"
    struct.pack_into("<IIII", data, table + 8, 0x100, 0x1000, 0x100, 0x200)
    resources = bytearray(0x100)
    struct.pack_into("<IIII", resources, 0x28, 0xFEEF04BD, 0x00010000, ms, ls)
    return bytes(data + resources)


def slim_pe(path):
    """A real Windows executable without its code: headers and the resource section only."""
    data = open(path, "rb").read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    count, optional_size = struct.unpack_from("<H", data, pe + 6)[0], struct.unpack_from("<H", data, pe + 20)[0]
    table = pe + 24 + optional_size
    headers = struct.unpack_from("<I", data, pe + 24 + 60)[0]  # SizeOfHeaders
    out = bytearray(data[:headers])
    for i in range(count):
        entry = table + 40 * i
        raw_size, raw_offset = struct.unpack_from("<II", out, entry + 16)
        if out[entry:entry + 5] == b".rsrc":
            struct.pack_into("<I", out, entry + 20, len(out))
            out += data[raw_offset:raw_offset + raw_size]
        else:
            struct.pack_into("<II", out, entry + 16, 0, 0)
    return bytes(out)


def version_seeds(windows_exe):
    put("fuzz_fileversion", "small.elf", elf_seed())
    put("fuzz_fileversion", "pe32", pe_fixed(0x000000FB, 0x00000000, False))
    put("fuzz_fileversion", "pe32plus", pe_fixed(0x00000AB4, 0x00020007, True))
    if windows_exe:
        put("fuzz_fileversion", "real-slim.exe", slim_pe(windows_exe))


SEVEN_ZIP_WRITER = r"""
#include <archive.h>
#include <archive_entry.h>
#include <string.h>
/* writer OUTPUT OPTIONS NAME DATA [NAME DATA]...: a 7z archive written by libarchive. */
int main(int argc, char **argv) {
    struct archive *a = archive_write_new();
    if (archive_write_set_format_7zip(a) || (*argv[2] && archive_write_set_options(a, argv[2])) ||
        archive_write_open_filename(a, argv[1]))
        return 1;
    for (int i = 3; i + 1 < argc; i += 2) {
        struct archive_entry *e = archive_entry_new();
        size_t size = strlen(argv[i + 1]);
        archive_entry_set_pathname(e, argv[i]);
        archive_entry_set_filetype(e, size ? AE_IFREG : AE_IFDIR);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, size);
        if (archive_write_header(a, e) || (size && archive_write_data(a, argv[i + 1], size) != (ssize_t)size))
            return 1;
        archive_entry_free(e);
    }
    return archive_write_close(a) || archive_write_free(a);
}
"""


def archive_seeds():
    items = [("rom1.bin", "\x7f\x01" * 64 + "pong"), ("rom2.bin", "breakout " * 20), ("sub/", "")]
    with tempfile.TemporaryDirectory() as work:
        for name, content in items:
            path = os.path.join(work, "files", name)
            if name.endswith("/"):
                os.makedirs(path, exist_ok=True)
            else:
                os.makedirs(os.path.dirname(path), exist_ok=True)
                open(path, "w").write(content)
        files = os.path.join(work, "files")
        for folder, names, leaves in os.walk(files):  # fixed times: the same archive every run
            for entry in names + leaves:
                os.utime(os.path.join(folder, entry), (1700000000, 1700000000))
        for name, flags in (("deflated.zip", ["-9"]), ("stored.zip", ["-0"])):
            out = os.path.join(work, name)
            subprocess.run(["zip", "-q", "-X", "-r"] + flags + [out, "."], cwd=files, check=True)
            put("fuzz_archivetest", name, open(out, "rb").read())
        writer = os.path.join(work, "writer")
        with open(writer + ".c", "w") as f:
            f.write(SEVEN_ZIP_WRITER)
        subprocess.run(["gcc", "-o", writer, writer + ".c", "-larchive"], check=True)
        for name, options in (("lzma2.7z", ""), ("stored.7z", "compression=store"), ("bzip2.7z", "compression=bzip2")):
            out = os.path.join(work, name)
            args = [writer, out, options]
            for item, content in items:
                args += [item.rstrip("/"), content]
            subprocess.run(args, check=True)
            put("fuzz_archivetest", name, open(out, "rb").read())


def main():
    header, games = listfull_lines()
    list_file_seeds(games)
    settings_seeds()
    mame_ini_seeds()
    output_seeds(header, games)
    supported_games_seeds(header, games)
    verify_seeds()
    verify_reason_seeds()
    version_seeds(sys.argv[1] if len(sys.argv) > 1 else None)
    archive_seeds()


if __name__ == "__main__":
    main()
