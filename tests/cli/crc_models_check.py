#!/usr/bin/env python3
"""quorkit-cli checksum with every model of the CRC catalogue: each model, by its name and by
every alias in another letter case, gives its check value on "123456789" and the value of an
independent bitwise model of its parameters; --file reads files and pipes of several pieces
(zlib.crc32, binascii.crc_hqx); an unknown name is refused with a hint to --list.

crc_models_check.py CLI WORKDIR"""
import binascii
import json
import os
import random
import subprocess
import sys
import zlib

cli, work = sys.argv[1], sys.argv[2]
os.makedirs(work, exist_ok=True)
failures = []


def run(*args, data=None):
    return subprocess.run([cli, "checksum", *args], input=data, capture_output=True)


def reflect(value, width):
    return int(f"{value:0{width}b}"[::-1], 2)


def bitwise_crc(model, data):
    """The parametrised CRC one message bit at a time."""
    width, poly = model["width"], model["poly"]
    mask = (1 << width) - 1
    register = model["init"]
    for byte in data:
        for i in range(8):
            bit = (byte >> i) & 1 if model["refin"] else (byte >> (7 - i)) & 1
            top = (register >> (width - 1)) & 1
            register = (register << 1) & mask
            if top ^ bit:
                register ^= poly
    if model["refout"]:
        register = reflect(register, width)
    return register ^ model["xorout"]


def text_of(model, value):
    return f"0x{value:0{(model['width'] + 3) // 4}X}"


listing = run("--list", "--json")
listed = json.loads(listing.stdout)
models = listed["models"]
plain = run("--list").stdout.decode().splitlines()
if plain[:9] != listed["kinds"] or len(listed["kinds"]) != 9:
    failures.append(f"--list does not start with the nine kinds: {plain[:9]}")
if [line.split(" ")[0] for line in plain[9:]] != [m["name"] for m in models]:
    failures.append("--list lines differ from the models of --list --json")
if len(models) < 100:
    failures.append(f"only {len(models)} models listed")

check_text = "31 32 33 34 35 36 37 38 39"
for model in models:
    wanted = bitwise_crc(model, b"123456789")
    if wanted != model["check"]:
        failures.append(f"{model['name']}: bitwise model gives {wanted:#x}, check {model['check']:#x}")
    names = [model["name"].swapcase()] + [alias.lower() for alias in model["aliases"]]
    for name in names:
        result = run(name, check_text, "--json")
        if result.returncode != 0:
            failures.append(f"{name}: status {result.returncode}: {result.stderr.decode()}")
            continue
        got = json.loads(result.stdout)
        expected = {"text": text_of(model, wanted), "value": wanted, "width": model["width"],
                    "model": model["name"]}
        if got != expected:
            failures.append(f"{name}: {got} != {expected}")
    plain_result = run(model["name"], check_text)
    if plain_result.stdout.decode() != text_of(model, wanted) + "\n":
        failures.append(f"{model['name']}: plain output {plain_result.stdout!r}")

# Files and pipes of several 1 MiB pieces against zlib and binascii; a smaller file against
# the bitwise model of some models that reflect, and some that do not.
rng = random.Random(7)
big = bytes(rng.getrandbits(8) for _ in range(3 * 1024 * 1024 + 123))
small = big[:20000]
big_path, small_path, empty_path = (os.path.join(work, n) for n in ("big.bin", "small.bin", "empty.bin"))
for path, data in ((big_path, big), (small_path, small), (empty_path, b"")):
    with open(path, "wb") as out:
        out.write(data)
by_name = {m["name"]: m for m in models}
cases = [("crc-32", big_path, None, zlib.crc32(big)),
         ("CRC-32", "-", big, zlib.crc32(big)),
         ("xmodem", big_path, None, binascii.crc_hqx(big, 0)),
         ("crc-32", empty_path, None, 0)]
for name in ("CRC-64/XZ", "CRC-16/MODBUS", "CRC-5/USB", "CRC-24/OPENPGP", "CRC-32/BZIP2"):
    if name in by_name:
        cases.append((name, small_path, None, bitwise_crc(by_name[name], small)))
    else:
        failures.append(f"{name} is not in the catalogue")
for name, path, data, wanted in cases:
    result = run(name, "--file", path, "--json", data=data)
    got = json.loads(result.stdout)["value"] if result.returncode == 0 else None
    if got != wanted:
        failures.append(f"{name} --file {path}: {got} != {wanted} {result.stderr.decode()}")

# Refusals: status 1, one line naming --list.
for args, status, message in (
        (("crc-99", "01"), 1,
         "quorkit-cli: checksum: KIND crc-99 is neither a checksum kind nor a CRC model: "
         "'quorkit-cli checksum --list' lists them\n"),
        (("crc-32", "--file", os.path.join(work, "missing.bin")), 1,
         f"quorkit-cli: checksum: --file {work}/missing.bin: No such file or directory\n"),
        (("crc-32", "--file", work), 1, f"quorkit-cli: checksum: --file {work}: Is a directory\n"),
        (("crc-32", "31 3"), 1, "quorkit-cli: checksum: TEXT '3' has an odd number of hex digits: "
         "write every byte as two digits, e.g. 01 or 00 0A\n")):
    result = run(*args)
    if (result.returncode, result.stdout, result.stderr.decode()) != (status, b"", message):
        failures.append(f"{args}: {result.returncode} {result.stdout!r} {result.stderr.decode()!r}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
