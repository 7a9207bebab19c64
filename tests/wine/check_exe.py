#!/usr/bin/env python3
"""Checks the Windows program's file: a 32-bit GUI executable for Intel 80386
that imports only the system's own libraries, and whose resources hold the
four dialogs, the icon (32 and 16 pixels), both pictures, the chime as WAVE
132 in English (United States), a version and a manifest.

    check_exe.py selvantora.exe chime.wav
"""
import struct
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "shell32.dll",
               "winmm.dll", "msvcrt.dll", "advapi32.dll", "ole32.dll"}
RT_ICON, RT_BITMAP, RT_DIALOG, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 2, 5, 14, 16, 24
EN_US = 0x409


class Pe:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise SystemExit("not a PE file")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]
        self.subsystem = struct.unpack_from("<H", data, optional + 68)[0]
        directories = optional + 96
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            _, vsize, vaddr, rawsize, rawptr = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((vaddr, max(vsize, rawsize), rawptr))

    def offset(self, rva):
        for vaddr, size, rawptr in self.sections:
            if vaddr <= rva < vaddr + size:
                return rva - vaddr + rawptr
        raise SystemExit("address %#x outside every section" % rva)

    def cstring(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        rva, _ = self.directories[1]
        if rva == 0:
            return []
        names, at = [], self.offset(rva)
        while True:
            fields = struct.unpack_from("<IIIII", self.data, at)
            if not any(fields):
                return names
            names.append(self.cstring(fields[3]))
            at += 20

    def resources(self):
        """{(type, name): {language: bytes}}; names are ints or strings."""
        rva, _ = self.directories[2]
        if rva == 0:
            return {}
        base = self.offset(rva)

        def entries(at):
            named, ids = struct.unpack_from("<HH", self.data, base + at + 12)
            for i in range(named + ids):
                key, target = struct.unpack_from("<II", self.data, base + at + 16 + 8 * i)
                if key & 0x80000000:
                    length = struct.unpack_from("<H", self.data, base + (key & 0x7FFFFFFF))[0]
                    start = base + (key & 0x7FFFFFFF) + 2
                    key = self.data[start:start + 2 * length].decode("utf-16-le")
                yield key, target

        found = {}
        for kind, types in entries(0):
            for name, names in entries(types & 0x7FFFFFFF):
                for language, leaf in entries(names & 0x7FFFFFFF):
                    data_rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    start = self.offset(data_rva)
                    found.setdefault((kind, name), {})[language] = self.data[start:start + size]
        return found


def main():
    exe, chime = sys.argv[1], sys.argv[2]
    pe = Pe(open(exe, "rb").read())
    problems = []

    def expect(ok, what):
        if not ok:
            problems.append(what)

    expect(pe.machine == 0x14C, "machine is %#x, not Intel 80386" % pe.machine)
    expect(pe.magic == 0x10B, "not a PE32 (32-bit) image")
    expect(pe.subsystem == 2, "not a Windows GUI program")
    for dll in pe.imports():
        expect(dll.lower() in SYSTEM_DLLS, "imports %s, not a system library" % dll)

    res = pe.resources()
    for dialog in (100, 129, 135, 137):
        expect((RT_DIALOG, dialog) in res, "no dialog %d" % dialog)
    group = res.get((RT_GROUP_ICON, 128), {})
    expect(bool(group), "no icon group 128")
    for data in group.values():
        count = struct.unpack_from("<H", data, 4)[0]
        sizes = sorted(data[6 + 14 * i] or 256 for i in range(count))
        expect(sizes == [16, 32], "icon 128 holds sizes %s, not 16 and 32" % sizes)
    for bitmap in (133, 134):
        expect((RT_BITMAP, bitmap) in res, "no bitmap %d" % bitmap)
    wave = res.get(("WAVE", 132), {})
    expect(list(wave) == [EN_US], "WAVE 132 languages %s, not English (United States)" % list(wave))
    expected = open(chime, "rb").read()
    for data in wave.values():
        expect(data == expected, "WAVE 132 is %d bytes, not the %d-byte chime" % (len(data), len(expected)))
    expect((RT_VERSION, 1) in res, "no version resource")
    expect((RT_MANIFEST, 1) in res, "no manifest")
    manifest = b"".join(res.get((RT_MANIFEST, 1), {}).values())
    expect(b"Microsoft.Windows.Common-Controls" in manifest, "manifest asks for no common controls")
    expect(b"dpiAware" in manifest, "manifest declares no DPI awareness")

    if problems:
        print("\n".join(problems))
        return 1
    print("%s: PE32 for Intel 80386, system libraries only; dialogs 100 129 135 137, "
          "icon 128 (32, 16), bitmaps 133 134, WAVE 132 (%d bytes, en-US), version, manifest"
          % (exe, len(expected)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
