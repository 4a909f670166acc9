#!/usr/bin/python3
"""Static check of a gauge module DLL, read with pefile, independent of the
build that made it.

Checks, against the bitmap manifest, the bitmap files and the module's
version file:
  - the machine (i386 for the deliverable, amd64 for the twin), PE32/PE32+,
    the DLL flag;
  - the entry point: code that returns 1 and does nothing else;
  - the exports: exactly ImportTable and Linkage, by name, both in data
    sections, under the library name "<module>.gau";
  - the imports: none but system DLLs (the runtime is linked in);
  - the resources: exactly the manifest's bitmaps and one version block, all
    numbered, all in language 0x0409;
  - each bitmap: its header (size, bit count, uncompressed, a 256-colour
    palette for 8 bits) as the manifest gives it, and its bytes those of the
    source file after the 14-byte file header;
  - the version block: fixed numbers, the one string table 040904b0 holding
    exactly the version file's strings, translation 0x0409/1200.

Prints a readable summary; exits 1 listing every fault found.
Run with /usr/bin/python3 (Debian's python3-pefile).
"""

import argparse
import csv
import os
import struct
import sys

import pefile

RT_BITMAP = 2
RT_VERSION = 16
LANG_EN_US = 0x0409
CODE_PAGE_UNICODE = 1200
BITMAP_FILE_HEADER = 14
BITMAP_INFO_HEADER = 40
BI_RGB = 0
VFT_DLL = 2

MACHINES = {
    "i386": (pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"], pefile.OPTIONAL_HEADER_MAGIC_PE, "PE32"),
    "amd64": (pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"], pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS, "PE32+"),
}

# DllMain as the compiler makes it: return TRUE, nothing else. stdcall on
# i386 pops its three arguments.
ENTRY_CODE = {
    "i386": bytes.fromhex("b801000000c20c00"),  # mov eax, 1; ret 12
    "amd64": bytes.fromhex("b801000000c3"),  # mov eax, 1; ret
}

SYSTEM_DLLS = {"kernel32.dll", "ntdll.dll", "msvcrt.dll", "user32.dll", "gdi32.dll", "advapi32.dll"}

# Strings every module's version block must hold, whatever else its version
# file says.
REQUIRED_STRINGS = {
    "Velmar_Tavrin": {"FileVersion": "1.0.0", "ProductVersion": "1.0.0"},
    "quadrant": {
        "FileVersion": "1.0.0",
        "ProductVersion": "1.0.0",
        "ProductName": "Engine Controls",
        "FileDescription": "Flight Simulator Gauge",
    },
}


def read_manifest(path, module):
    """Manifest rows of one module: id -> (file path, width, height, bits)."""
    rows = {}
    base = os.path.dirname(path)
    with open(path, newline="") as f:
        for row in csv.DictReader(f):
            if row["module"] == module:
                rows[int(row["id"], 0)] = (
                    os.path.join(base, row["file"]),
                    int(row["width"]),
                    int(row["height"]),
                    int(row["bits"]),
                )
    return rows


def read_version_file(path):
    """The version file's key=value rows, in order."""
    rows = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line or line.startswith("#") or "=" not in line:
                continue
            key, value = line.split("=", 1)
            rows[key] = value
    return rows


def fixed_version(text):
    """"1,0,0,0" -> (MS, LS) as VS_FIXEDFILEINFO holds them."""
    a, b, c, d = (int(part) for part in text.split(","))
    return (a << 16) | b, (c << 16) | d


def section_of(pe, rva):
    for section in pe.sections:
        if section.contains_rva(rva):
            return section
    return None


def section_name(section):
    return section.Name.rstrip(b"\0").decode("ascii", "replace")


class Check:
    def __init__(self, module_path, machine, manifest_path, version_path):
        self.path = module_path
        self.module = os.path.splitext(os.path.basename(module_path))[0]
        self.machine = machine
        self.manifest = read_manifest(manifest_path, self.module)
        self.version = read_version_file(version_path)
        self.pe = pefile.PE(module_path)
        self.summary = []
        self.faults = []

    def fault(self, text):
        self.faults.append(text)

    def run(self):
        for step in (self.header, self.entry_point, self.exports, self.imports, self.resources, self.version_block):
            try:
                step()
            except Exception as error:  # a damaged file must be a fault, not a crash
                self.fault(f"{step.__name__}: cannot read: {error!r}")
        return self

    def header(self):
        pe = self.pe
        machine, magic, kind = MACHINES[self.machine]
        if pe.FILE_HEADER.Machine != machine:
            self.fault(f"machine is {pe.FILE_HEADER.Machine:#06x}, expected {machine:#06x} ({self.machine})")
        if pe.OPTIONAL_HEADER.Magic != magic:
            self.fault(f"optional header magic {pe.OPTIONAL_HEADER.Magic:#x}, expected {kind}")
        if not pe.FILE_HEADER.Characteristics & pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_DLL"]:
            self.fault("the DLL flag is not set")
        self.summary.append(f"{kind} {self.machine} DLL, {os.path.getsize(self.path)} bytes")

    def entry_point(self):
        rva = self.pe.OPTIONAL_HEADER.AddressOfEntryPoint
        expected = ENTRY_CODE[self.machine]
        code = self.pe.get_data(rva, len(expected))
        if code != expected:
            self.fault(f"entry point code is {code.hex(' ')}, expected {expected.hex(' ')} (return 1, nothing else)")
        else:
            self.summary.append(f"entry point returns 1 and does nothing else ({code.hex(' ')})")

    def exports(self):
        pe = self.pe
        directory = getattr(pe, "DIRECTORY_ENTRY_EXPORT", None)
        if directory is None:
            self.fault("no export table")
            return
        library = pe.get_string_at_rva(directory.struct.Name).decode("ascii", "replace")
        if library != f"{self.module}.gau":
            self.fault(f'export table names the library "{library}", expected "{self.module}.gau"')
        names = []
        placed = []
        for symbol in directory.symbols:
            if symbol.name is None:
                self.fault(f"export by ordinal only: {symbol.ordinal}")
                continue
            name = symbol.name.decode("ascii", "replace")
            names.append(name)
            if symbol.forwarder:
                self.fault(f"export {name} is forwarded")
                continue
            section = section_of(pe, symbol.address)
            where = section_name(section) if section else "no section"
            placed.append(f"{name} ({where})")
            flags = section.Characteristics if section else 0
            is_data = flags & pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_CNT_INITIALIZED_DATA"]
            is_code = flags & (
                pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_EXECUTE"]
                | pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_CNT_CODE"]
            )
            if not is_data or is_code:
                self.fault(f"export {name} lies in {where}, not in a data section")
        if sorted(names) != ["ImportTable", "Linkage"]:
            self.fault(f"exports are {sorted(names)}, expected exactly ['ImportTable', 'Linkage']")
        self.summary.append("exports: " + ", ".join(placed))

    def imports(self):
        dlls = []
        for entry in getattr(self.pe, "DIRECTORY_ENTRY_IMPORT", []):
            dll = entry.dll.decode("ascii", "replace")
            functions = [i.name.decode("ascii", "replace") if i.name else f"#{i.ordinal}" for i in entry.imports]
            dlls.append(f"{dll} ({', '.join(functions)})")
            if dll.lower() not in SYSTEM_DLLS:
                self.fault(f"imports from {dll}, which is not a system DLL (is the runtime linked statically?)")
        self.summary.append("imports: " + ("; ".join(dlls) if dlls else "none"))

    def resource_entries(self):
        """(type, id, language) -> (rva, size) of every resource in the file."""
        entries = {}
        root = getattr(self.pe, "DIRECTORY_ENTRY_RESOURCE", None)
        if root is None:
            return entries
        for type_entry in root.entries:
            for name_entry in type_entry.directory.entries:
                for language_entry in name_entry.directory.entries:
                    type_id = type_entry.id if type_entry.name is None else str(type_entry.name)
                    name_id = name_entry.id if name_entry.name is None else str(name_entry.name)
                    data = language_entry.data.struct
                    entries[(type_id, name_id, language_entry.id)] = (data.OffsetToData, data.Size)
        return entries

    def resources(self):
        entries = self.resource_entries()
        expected = {(RT_BITMAP, id, LANG_EN_US) for id in self.manifest} | {(RT_VERSION, 1, LANG_EN_US)}
        for key in sorted(expected - entries.keys(), key=str):
            self.fault(f"missing resource type {key[0]}, id {key[1]}, language {key[2]:#06x}")
        for key in sorted(entries.keys() - expected, key=str):
            language = f"{key[2]:#06x}" if isinstance(key[2], int) else key[2]
            self.fault(f"unexpected resource type {key[0]}, id {key[1]}, language {language}")
        if not self.manifest:
            self.fault(f"the manifest lists no bitmap of {self.module}")
            return
        depths = {}
        wrong = 0
        for id, (file, width, height, bits) in sorted(self.manifest.items()):
            found = entries.get((RT_BITMAP, id, LANG_EN_US))
            if found is None:
                continue
            data = self.pe.get_data(found[0], found[1])
            faults_before = len(self.faults)
            self.bitmap(id, data, file, width, height, bits)
            wrong += len(self.faults) > faults_before
            depths[bits] = depths.get(bits, 0) + 1
        ids = sorted(self.manifest)
        self.summary.append(
            f"resources: {len(ids)} bitmaps (ids {ids[0]:#x}..{ids[-1]:#x}) and one version block, "
            f"all language {LANG_EN_US:#06x}"
            if len(entries) == len(ids) + 1 and not any("resource type" in fault for fault in self.faults)
            else f"resources: {len(entries)} found, the manifest lists {len(ids)} bitmaps and a version block"
        )
        self.summary.append(
            "bitmaps: "
            + ", ".join(f"{n} at {bits} bits" for bits, n in sorted(depths.items()))
            + (
                "; headers match the manifest, bytes match the files after their 14-byte header"
                if not wrong
                else f"; {wrong} do not match the manifest or their files"
            )
        )

    def bitmap(self, id, data, file, width, height, bits):
        where = f"bitmap {id} ({id:#x}, {os.path.relpath(file, os.path.dirname(os.path.dirname(file)))})"
        if len(data) < BITMAP_INFO_HEADER:
            self.fault(f"{where}: {len(data)} bytes, shorter than its header")
            return
        size, w, h, planes, bit_count, compression, _, _, _, colours_used, _ = struct.unpack_from("<IiiHHIIiiII", data)
        palette = 256 if bit_count == 8 and colours_used == 0 else colours_used
        stride = (w * bit_count + 31) // 32 * 4
        needed = size + 4 * palette + stride * abs(h)
        checks = [
            (size == BITMAP_INFO_HEADER, f"header size {size}, expected {BITMAP_INFO_HEADER}"),
            ((w, abs(h)) == (width, height), f"size {w}x{abs(h)}, manifest {width}x{height}"),
            (planes == 1, f"{planes} planes"),
            (bit_count == bits, f"{bit_count} bits per pixel, manifest {bits}"),
            (compression == BI_RGB, f"compression {compression}, expected none"),
            (bits != 8 or palette == 256, f"{palette}-colour palette, expected 256"),
            (bits != 24 or colours_used == 0, f"24-bit bitmap with a {colours_used}-colour table"),
            (len(data) >= needed, f"{len(data)} bytes, header, palette and pixels need {needed}"),
        ]
        for ok, text in checks:
            if not ok:
                self.fault(f"{where}: {text}")
        try:
            with open(file, "rb") as f:
                source = f.read()
        except OSError as error:
            self.fault(f"{where}: cannot read its file: {error}")
            return
        if source[:2] != b"BM" or len(source) < BITMAP_FILE_HEADER:
            self.fault(f"{where}: its file is not a bitmap file")
            return
        (pixels_at,) = struct.unpack_from("<I", source, 10)
        if pixels_at != BITMAP_FILE_HEADER + size + 4 * palette:
            self.fault(f"{where}: its file's pixels start at {pixels_at}, not right after the palette")
        if data != source[BITMAP_FILE_HEADER:]:
            self.fault(f"{where}: resource differs from its file after the 14-byte file header")

    def version_block(self):
        pe = self.pe
        fixed_infos = getattr(pe, "VS_FIXEDFILEINFO", None)
        if not fixed_infos:
            self.fault("no version block")
            return
        fixed = fixed_infos[0]
        file_ms, file_ls = fixed_version(self.version["FILEVERSION"])
        product_ms, product_ls = fixed_version(self.version["PRODUCTVERSION"])
        numbers = [
            ("signature", fixed.Signature, 0xFEEF04BD),
            ("file version", (fixed.FileVersionMS, fixed.FileVersionLS), (file_ms, file_ls)),
            ("product version", (fixed.ProductVersionMS, fixed.ProductVersionLS), (product_ms, product_ls)),
            ("file version 1.0.0.0", (fixed.FileVersionMS, fixed.FileVersionLS), (0x10000, 0)),
            ("product version 1.0.0.0", (fixed.ProductVersionMS, fixed.ProductVersionLS), (0x10000, 0)),
            ("file type", fixed.FileType, VFT_DLL),
        ]
        for what, found, expected in numbers:
            if found != expected:
                self.fault(f"version block: {what} is {found}, expected {expected}")

        tables = {}
        translations = []
        for info in getattr(pe, "FileInfo", [[]])[0]:
            for table in getattr(info, "StringTable", []):
                tables[table.LangID.decode("ascii", "replace")] = {
                    k.decode("utf-8", "replace"): v.decode("utf-8", "replace") for k, v in table.entries.items()
                }
            for var in getattr(info, "Var", []):
                translations.extend(var.entry.get(b"Translation", "").split(" ") if var.entry else [])
        block = f"{LANG_EN_US:04x}{CODE_PAGE_UNICODE:04x}"
        if list(tables) != [block]:
            self.fault(f"version string tables {list(tables)}, expected exactly ['{block}']")
        strings = tables.get(block, {})
        wanted = {k: v for k, v in self.version.items() if k not in ("FILEVERSION", "PRODUCTVERSION")}
        if strings != wanted:
            missing = {k: v for k, v in wanted.items() if strings.get(k) != v}
            extra = {k: v for k, v in strings.items() if k not in wanted}
            self.fault(f"version strings differ from the version file: expected {missing}, unexpected {extra}")
        for key, value in REQUIRED_STRINGS.get(self.module, {}).items():
            if strings.get(key) != value:
                self.fault(f'version string {key} is {strings.get(key)!r}, must be "{value}"')
        if translations != [f"{LANG_EN_US:#06x}", f"{CODE_PAGE_UNICODE:#06x}"]:
            self.fault(f"version translation {translations}, expected 0x0409 1200")
        self.summary.append(
            f"version: file {fixed.FileVersionMS >> 16}.{fixed.FileVersionMS & 0xFFFF}."
            f"{fixed.FileVersionLS >> 16}.{fixed.FileVersionLS & 0xFFFF}, product "
            f"{fixed.ProductVersionMS >> 16}.{fixed.ProductVersionMS & 0xFFFF}."
            f"{fixed.ProductVersionLS >> 16}.{fixed.ProductVersionLS & 0xFFFF}, block {block}, "
            f"translation {' '.join(translations)}"
        )
        for key, value in strings.items():
            self.summary.append(f'  {key}: "{value}"')


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--module", required=True, help="the .gau file")
    parser.add_argument("--machine", required=True, choices=sorted(MACHINES))
    parser.add_argument("--manifest", required=True, help="resources/bitmaps.csv")
    parser.add_argument("--version-file", required=True, help="resources/<module>.version")
    parser.add_argument("--report", help="also write the summary to this file")
    args = parser.parse_args()

    check = Check(args.module, args.machine, args.manifest, args.version_file).run()
    lines = [f"{os.path.basename(args.module)}:"]
    lines += [f"  {line}" for line in check.summary]
    lines += [f"FAULT: {fault}" for fault in check.faults]
    lines.append("FAILED" if check.faults else "OK")
    print("\n".join(lines))
    if args.report:
        os.makedirs(os.path.dirname(os.path.abspath(args.report)), exist_ok=True)
        with open(args.report, "w") as f:
            f.write("\n".join(lines) + "\n")
    return 1 if check.faults else 0


if __name__ == "__main__":
    sys.exit(main())
