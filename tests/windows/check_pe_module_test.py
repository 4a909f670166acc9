#!/usr/bin/python3
"""Does the static module check catch a wrong module? Each case damages a
copy of a good, built module (or its manifest) in one way and expects the
check to report exactly that kind of fault; the undamaged copy must pass.

Run with /usr/bin/python3 and the same arguments as check_pe_module.py.
"""

import argparse
import os
import shutil
import sys
import tempfile
import unittest

import pefile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_pe_module  # noqa: E402

ARGS = None


def offset_of(pe, rva):
    return pe.get_offset_from_rva(rva)


def first_bitmap(pe):
    """The language entry and data entry of the module's first bitmap."""
    for type_entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if type_entry.id == check_pe_module.RT_BITMAP:
            name_entry = type_entry.directory.entries[0]
            language_entry = name_entry.directory.entries[0]
            return language_entry, language_entry.data.struct
    raise AssertionError("module has no bitmap")


# Each damage takes the pefile view of the copy and its bytes (a bytearray to
# change in place) and the manifest text, and returns the manifest text.
def wrong_machine(pe, data, manifest):
    offset = pe.FILE_HEADER.get_file_offset()
    other = 0x8664 if pe.FILE_HEADER.Machine == 0x14C else 0x14C
    data[offset : offset + 2] = other.to_bytes(2, "little")
    return manifest


def no_dll_flag(pe, data, manifest):
    offset = pe.FILE_HEADER.get_file_offset() + 18  # Characteristics
    flags = pe.FILE_HEADER.Characteristics & ~pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_DLL"]
    data[offset : offset + 2] = flags.to_bytes(2, "little")
    return manifest


def entry_does_more(pe, data, manifest):
    offset = offset_of(pe, pe.OPTIONAL_HEADER.AddressOfEntryPoint)
    data[offset] = 0x90  # a nop before the return
    return manifest


def renamed_export(pe, data, manifest):
    symbol = next(s for s in pe.DIRECTORY_ENTRY_EXPORT.symbols if s.name == b"Linkage")
    data[symbol.name_offset : symbol.name_offset + 7] = b"Linkagf"
    return manifest


def export_in_code(pe, data, manifest):
    symbol = next(s for s in pe.DIRECTORY_ENTRY_EXPORT.symbols if s.name == b"Linkage")
    functions = pe.DIRECTORY_ENTRY_EXPORT.struct.AddressOfFunctions
    index = symbol.ordinal - pe.DIRECTORY_ENTRY_EXPORT.struct.Base
    offset = offset_of(pe, functions + 4 * index)
    data[offset : offset + 4] = pe.OPTIONAL_HEADER.AddressOfEntryPoint.to_bytes(4, "little")
    return manifest


def german_bitmap(pe, data, manifest):
    language_entry, _ = first_bitmap(pe)
    offset = language_entry.struct.get_file_offset()
    data[offset : offset + 4] = (0x0407).to_bytes(4, "little")
    return manifest


def wrong_bit_count(pe, data, manifest):
    _, entry = first_bitmap(pe)
    offset = offset_of(pe, entry.OffsetToData) + 14  # biBitCount
    data[offset : offset + 2] = (4).to_bytes(2, "little")
    return manifest


def compressed_bitmap(pe, data, manifest):
    _, entry = first_bitmap(pe)
    offset = offset_of(pe, entry.OffsetToData) + 16  # biCompression
    data[offset : offset + 4] = (1).to_bytes(4, "little")  # run-length, 8 bits
    return manifest


def changed_pixel(pe, data, manifest):
    _, entry = first_bitmap(pe)
    offset = offset_of(pe, entry.OffsetToData) + entry.Size - 1
    data[offset] ^= 0xFF
    return manifest


def changed_version_string(pe, data, manifest):
    start = offset_of(pe, pe.OPTIONAL_HEADER.DATA_DIRECTORY[2].VirtualAddress)
    at = data.index("1.0.0".encode("utf-16-le"), start)
    data[at + 8 : at + 10] = "1".encode("utf-16-le")
    return manifest


def wrong_fixed_version(pe, data, manifest):
    offset = pe.VS_FIXEDFILEINFO[0].get_file_offset() + 12  # FileVersionLS
    data[offset : offset + 4] = (1).to_bytes(4, "little")
    return manifest


def bitmap_missing_from_module(pe, data, manifest):
    module = os.path.splitext(os.path.basename(ARGS.module))[0]
    row = next(line for line in manifest.splitlines() if line.startswith(module + ","))
    fields = row.split(",")
    fields[1] = "999"
    return manifest + ",".join(fields) + "\n"


CASES = [
    # (damage, words the fault must contain)
    (wrong_machine, "machine is"),
    (no_dll_flag, "DLL flag"),
    (entry_does_more, "entry point code"),
    (renamed_export, "exports are"),
    (export_in_code, "not in a data section"),
    (german_bitmap, "language 0x0407"),
    (wrong_bit_count, "bits per pixel"),
    (compressed_bitmap, "compression 1"),
    (changed_pixel, "differs from its file"),
    (changed_version_string, "version strings differ"),
    (wrong_fixed_version, "file version"),
    (bitmap_missing_from_module, "missing resource type 2, id 999"),
]


class CheckCatchesFaults(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="pe_check_")
        # The copy keeps the module's name: the check derives the module from it.
        self.module = os.path.join(self.folder, os.path.basename(ARGS.module))
        # The manifest copy names the bitmap files by absolute path, so it can
        # live beside the module copy.
        base = os.path.dirname(os.path.abspath(ARGS.manifest))
        lines = []
        with open(ARGS.manifest) as f:
            for number, line in enumerate(f.read().splitlines()):
                fields = line.split(",")
                if number > 0 and len(fields) > 2:
                    fields[2] = os.path.join(base, fields[2])
                lines.append(",".join(fields))
        self.manifest_text = "\n".join(lines) + "\n"
        self.manifest = os.path.join(self.folder, "bitmaps.csv")

    def tearDown(self):
        shutil.rmtree(self.folder)

    def check(self, damage=None):
        with open(ARGS.module, "rb") as f:
            data = bytearray(f.read())
        manifest = self.manifest_text
        if damage:
            pe = pefile.PE(data=bytes(data))
            manifest = damage(pe, data, manifest)
            pe.close()
        with open(self.module, "wb") as f:
            f.write(data)
        with open(self.manifest, "w") as f:
            f.write(manifest)
        return check_pe_module.Check(self.module, ARGS.machine, self.manifest, ARGS.version_file).run()

    def test_undamaged_module_passes(self):
        self.assertEqual(self.check().faults, [])

    def test_each_damage_is_reported(self):
        for damage, words in CASES:
            with self.subTest(damage.__name__):
                faults = self.check(damage).faults
                self.assertTrue(any(words in fault for fault in faults), f"expected '{words}' among {faults}")


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--module", required=True)
    parser.add_argument("--machine", required=True)
    parser.add_argument("--manifest", required=True)
    parser.add_argument("--version-file", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
