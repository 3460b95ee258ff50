#!/usr/bin/env python3
"""quorkit-cli's checksums and Modbus frames against independent bitwise models with the
catalogue parameters of each CRC, over random byte strings (fixed seed).

frames_check.py CLI"""
import random
import subprocess
import tempfile
import sys


def crc(data, width, poly, init, reflected):
    """The textbook bit-at-a-time CRC (no final XOR in any of these kinds)."""
    top = 1 << (width - 1)
    mask = (1 << width) - 1
    register = init
    for byte in data:
        if reflected:
            byte = int(f"{byte:08b}"[::-1], 2)
        register ^= byte << (width - 8)
        for _ in range(8):
            register = ((register << 1) ^ poly if register & top else register << 1) & mask
    if reflected:
        register = int(f"{register:0{width}b}"[::-1], 2)
    return register


def one(value):
    return f"0x{value:02X}({value})"


def two(first, second):
    return f"{one(first)} {one(second)}"


def high_first(value):
    return two(value >> 8, value & 0xFF)


def telecom(data):
    if data[0] != 0x7E:
        return None
    check = (0x10000 - sum(data[1:])) & 0xFFFF
    return " ".join(f"{ord(digit):02X}" for digit in f"{check:04X}") + " 0D"


KINDS = {
    "sum8": lambda d: one(sum(d) & 0xFF),
    "sum8-complement": lambda d: one(-sum(d) & 0xFF),
    "sum16": lambda d: high_first(sum(d) & 0xFFFF),
    "sum16-complement": lambda d: high_first(-sum(d) & 0xFFFF),
    "telecom": telecom,
    "crc8-maxim": lambda d: one(crc(d, 8, 0x31, 0, True)),
    "crc16-modbus": lambda d: two(crc(d, 16, 0x8005, 0xFFFF, True) & 0xFF,
                                  crc(d, 16, 0x8005, 0xFFFF, True) >> 8),
    "crc16-mcrf4xx": lambda d: high_first(crc(d, 16, 0x1021, 0xFFFF, True)),
    "crc16-xmodem": lambda d: high_first(crc(d, 16, 0x1021, 0, False)),
}


def run(cli, *args):
    result = subprocess.run([cli, *args], capture_output=True, text=True)
    return result.returncode, result.stdout, result.stderr


def hex_text(data):
    return " ".join(f"{b:02X}" for b in data)


def main(cli):
    rng = random.Random(14)
    failures = 0
    samples = [bytes([0x7E]) + bytes(rng.randrange(256) for _ in range(n)) for n in (0, 5, 40)]
    samples += [bytes(rng.randrange(256) for _ in range(n)) for n in (1, 2, 17, 300, 1023)]
    for data in samples:
        for kind, model in KINDS.items():
            want = model(data)
            if want is None:
                continue
            got = run(cli, "checksum", kind, hex_text(data))
            if got != (0, want + "\n", ""):
                print(f"checksum {kind} over {len(data)} bytes: {got}, wanted {want}")
                failures += 1
    # More than 1023 bytes are refused, not cut.
    data = bytes(rng.randrange(256) for _ in range(1100))
    got = run(cli, "checksum", "crc16-xmodem", hex_text(data))
    if got != (1, "", "quorkit-cli: checksum: TEXT holds more than 1023 bytes\n"):
        print(f"checksum over 1100 bytes: {got}")
        failures += 1
    # --file takes them all, in binary.
    with tempfile.NamedTemporaryFile() as blob:
        blob.write(data)
        blob.flush()
        got = run(cli, "checksum", "crc16-xmodem", "--file", blob.name)
        if got != (0, KINDS["crc16-xmodem"](data) + "\n", ""):
            print(f"checksum --file over 1100 bytes: {got}")
            failures += 1

    def frame(body):
        value = crc(body, 16, 0x8005, 0xFFFF, True)
        return " ".join(f"{b:02X}" for b in body + bytes([value & 0xFF, value >> 8]))

    for _ in range(10):
        address, function = rng.randrange(256), rng.randrange(256)
        start, count = rng.randrange(65536), rng.randrange(65536)
        data = bytes(rng.randrange(256) for _ in range(rng.randrange(0, 120)))
        fields = [f"{address:02X}", f"{function:02X}", f"{start >> 8:02X} {start & 0xFF:02X}",
                  f"{count >> 8:02X} {count & 0xFF:02X}"]
        head = bytes([address, function, start >> 8, start & 0xFF, count >> 8, count & 0xFF])
        want = frame(head)
        got = run(cli, "modbus", "read", *fields)
        if got != (0, want + "\n", ""):
            print(f"modbus read {fields}: {got}, wanted {want}")
            failures += 1
        # Write Multiple Registers: function 10, two data bytes a register, at most 100.
        registers = len(data) // 2
        fields[1] = "10"
        fields[3] = f"00 {registers:02X}"
        head = bytes([address, 0x10, start >> 8, start & 0xFF, 0, registers])
        data = data[:registers * 2]
        got = run(cli, "modbus", "write", *fields, hex_text(data))
        if registers == 0 or len(data) > 100:
            if got[0] != 1 or got[1] or got[2].count("\n") != 1:
                print(f"modbus write {fields} with {len(data)} bytes not refused: {got}")
                failures += 1
            continue
        want = frame(head + bytes([len(data)]) + data)
        if got != (0, want + "\n", ""):
            print(f"modbus write {fields} with {len(data)} bytes: {got}, wanted {want}")
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
