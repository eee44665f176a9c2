#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets from the test fixtures into fuzz/corpus/<target>/.

The corpora also keep small inputs the fuzzers found (merged with -merge=1) and every input
that once broke a reader; run this script again when a fixture changes.
"""
import pathlib
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SEEDS = ROOT / "fuzz" / "corpus"
FIXTURES = ROOT / "tests"
SEP = b"\n%%%%\n"


def fixture(path):
    return (FIXTURES / path).read_bytes()


def seed(target, name, data):
    folder = SEEDS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def compact(data, full, head, tail):
    """Keeps the first head and last tail bytes of each full-size record."""
    out = b""
    for at in range(0, len(data) - full + 1, full):
        record = data[at:at + full]
        out += record[:head] + record[full - tail:]
    return out


def solver_seeds():
    pos = "geometry/fixtures/slab_with_opening/"
    nodes, elements = struct.unpack("<2i", fixture(pos + "PARAMETER"))
    area_loads = b"".join(struct.pack("<23f", 10.0, *([0.0] * 22)) for _ in range(elements))
    force = struct.pack("<15d", *([0.0] * 6), 25.0, *([0.0] * 8))
    nodal_loads = b"".join(force if k == 5 else bytes(120) for k in range(nodes))
    parts = [fixture(pos + "PARAMETER"), fixture(pos + "KNOTEN1"),
             compact(fixture(pos + "ELEMENTE1"), 2372, 48, 12), fixture(pos + "FEDER1"),
             compact(fixture(pos + "BETTUNG1"), 1160, 4, 0), area_loads, nodal_loads]
    seed("fuzz_solver_model", "slab_with_opening", SEP.join(parts))
    seed("fuzz_solver_model", "no_loads", SEP.join(parts[:5] + [area_loads[:92], b""]))
    seed("fuzz_load_model", "slab_with_opening", SEP.join(parts[:3] + parts[5:]))
    seed("fuzz_manager_model", "slab_with_opening", SEP.join(parts[:5]))
    seed("fuzz_load_model", "two_elements_loads",
         SEP.join(parts[:3] + [fixture("loads/fixtures/elemente2lf3_two_elements"),
                               fixture("loads/fixtures/knoten2lf3_seven_nodes")]))


def geometry_seeds():
    seed("fuzz_geometry_file", "slab_with_opening",
         fixture("geometry/fixtures/slab_with_opening/ECHO_G.P1"))
    seed("fuzz_geometry_file", "one_element",
         b"PARAMETER\n4 1\nKNOTEN\n1  0.000  0.000\n2  2.000  0.000\n3  2.000  1.000\n"
         b"4  0.000  1.000\nELEMENTE\n1  1  2  3  4 3.000E+07  0.20 0.200\nLAGERE\n"
         b"h  e  n  a n  c  c\n"
         b"MASTER\n2.000  1.000  1  1 3.000E+07  0.20 0.200\n")


def echo_seeds():
    for name in ["echo_l_lf2_self_weight", "echo_l_two_cases_cp850", "all_kinds/ECHO_L.P1"]:
        for choice in [0, 1]:
            seed("fuzz_load_echo", name.replace("/", "_") + "_" + str(choice),
                 bytes([choice]) + fixture("loads/fixtures/" + name))


def result_seeds(pos):
    """pos: a computed position (build/bin/beispielplatte DIR/ P1 2 2, then vintor's start)."""
    read = lambda name: (pos / name).read_bytes()
    report = b"\n".join(read("OUTPUTFEM.txt").split(b"\n")[:24])
    parts = [read("PARAMETER"), read("KNOTEN1"), compact(read("ELEMENTE1"), 2372, 48, 12),
             read("FEDER1"), compact(read("BETTUNG1"), 1160, 4, 0), read("Knoten3LF1"),
             read("Elemente3LF1"), read("KNOTEN2LF1"), read("Info")[:16], report]
    seed("fuzz_results", "example_2x2", SEP.join(parts))


def bookkeeping_seeds():
    files = {0: ["pl_header_lf12", "pl02_self_weight_and_force", "all_kinds/PL01.P1"],
             1: ["diary_lf2", "diary_three_entries"], 2: [], 3: ["timelw_stamp"],
             4: ["mmryl_25_1_5", "mmryl_self_weight"]}
    for choice, names in files.items():
        for name in names:
            seed("fuzz_load_bookkeeping", str(choice) + "_" + name.replace("/", "_"),
                 bytes([choice]) + fixture("loads/fixtures/" + name))
    seed("fuzz_load_bookkeeping", "2_d2log", bytes([2]) + struct.pack("<4h", 3, 2, 7, 1))
    seed("fuzz_load_bookkeeping", "6_knotenein",
         bytes([6]) + struct.pack("<8d", 0, 0, 0, 0, 0, 0, 0, 0) + struct.pack("<8d", 25, 0, 0, 0, 25, 0, 0, 0))
    seed("fuzz_load_bookkeeping", "7_d2", bytes([7]) + fixture("loads/fixtures/all_kinds/D2.TXT")[:4096])
    seed("fuzz_load_bookkeeping", "5_ttable",
         bytes([5]) + fixture("manager/fixtures/ttable_duplicated_P1")[:4 * 92])


def manager_seeds():
    m = "manager/fixtures/"
    memory = {0: ["ext_P1", "ext_no_position"], 1: ["dpfad_daten"], 2: ["listep_first_ten"],
              3: ["../../geometry/fixtures/slab_with_opening/DATEIEN"], 4: ["lastd_0", "lastd_3"],
              5: ["drucker1_ini_defaults", "pagenr_4_4", "pagenr_kind2_date"],
              6: ["pscala_a3_1_50", "wdev_1280_1024"], 7: ["fkopf_example"],
              8: ["pglinfo_program_arbeit", "lasinfo_esc_e", "plotinfo_lpt2"],
              9: ["ttable_duplicated_P1"]}
    for choice, names in memory.items():
        for name in names:
            seed("fuzz_manager_files", str(choice) + "_" + name.split("/")[-1],
                 bytes([choice]) + fixture(m + name)[:4096])
    # The files the readers open: 12 k + 10 picks file k of the target's list.
    in_folders = {0: "inc1_buero", 2: "idz_2", 3: "drucker1_ini_defaults", 4: "pscala_defaults",
                  5: "wdev_defaults", 6: "pmedium1_plotter", 8: "aufsteller1_anna",
                  10: "pglinfo_hardware_arbeit", 11: "lasinfo_esc_e", 12: "plotinfo_defaults",
                  14: "pagenr_defaults", 15: "fkopf_example",
                  16: "../../geometry/fixtures/slab_with_opening/D1.TXT"}
    for k, name in in_folders.items():
        seed("fuzz_manager_files", "file" + str(k) + "_" + name.split("/")[-1],
             bytes([12 * k + 10]) + fixture(m + name))


def command_line_seeds():
    lines = [b"\0.P1 @/daten/", b"\0.P1 @/daten/ @3", b"\0.NEU @/home/user/Platten/",
             b"\0.P1", b"\1/daten/\n.P1\n",
             b"\2punkt 1,5 2.25\ntitel text=Decke \xc3\xbcber EG\nfeld a=1 b=2,5 c\n# x\nhilfe\nfeld\n"]
    for k, data in enumerate(lines):
        seed("fuzz_command_line", "line" + str(k), data)


def copy_seeds():
    kinds = "loads/fixtures/all_kinds/"
    point = struct.pack("<7f2B6x", 2.0, 1.5, 0, 0, 12.5, 0, 0.3, 0, 0)
    edge = struct.pack("<2h2fB3x", 1, 2, 3.0, 4.0, ord("V"))
    line = struct.pack("<6f100xh2x", 1, 1, 5, 1, 2.5, 2.5, 0)
    comment = b"Stuetze".ljust(81, b"\0")
    files = [fixture(kinds + "PL01.P1"), fixture(kinds + "SBD01.P1"), fixture(kinds + "MACRO01.P1"),
             point, comment, edge, comment, line, comment,
             fixture("loads/fixtures/sblns_rectangle_4x3")[:1024]]
    seed("fuzz_load_copy", "from_echo", SEP.join([fixture(kinds + "ECHO_L.P1")] + files + [b""]))
    seed("fuzz_load_copy", "from_files", SEP.join([b""] + files + [b""]))
    seed("fuzz_load_copy", "from_files_added", SEP.join([b""] + files + [b"+"]))


def morvel_seeds():
    gduser = fixture("geometry/fixtures/slab_with_opening/GDUSER1")
    snap = struct.pack("<fi", 0.05, 1)
    memory = struct.pack("<3fhff5Bf", 1e24, 3e7, 6e6, 2, 2.75, 0.24, 0, 1, 0, 1, 0, 10.0)
    margin = b"0.05\n"
    # Below 128 the bytes are decoded in memory; 128 + 4 k + f writes file f of the folder.
    for name, data in [("gduser1", gduser), ("fangen", snap), ("morvelmem5", memory), ("fmargin", margin)]:
        seed("fuzz_morvel_settings", "memory_" + name, bytes([0]) + data)
    for f, (name, data) in enumerate([("gduser1", gduser), ("fmargin", margin), ("fangen", snap),
                                       ("morvelmem5", memory)]):
        seed("fuzz_morvel_settings", "folder_" + name, bytes([128 + f]) + data)


if __name__ == "__main__":
    morvel_seeds()
    copy_seeds()
    command_line_seeds()
    manager_seeds()
    bookkeeping_seeds()
    if len(sys.argv) > 1:
        result_seeds(pathlib.Path(sys.argv[1]))
    solver_seeds()
    geometry_seeds()
    echo_seeds()
