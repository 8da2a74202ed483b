#!/usr/bin/env python3
"""Reads the ADIF export of tallyhawk-cli with a strict reader of its own, written apart from the
program's reader: a log of known contacts is exported and every byte of the file is accounted for.

usage: adif_export_reader.py TALLYHAWK_CLI DXCC_FOLDER
"""
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile

CONTACTS = [  # band, mode, date, time, call, sent, received
    ("20", "CW", "2025-05-24", "0001", "W1AW", "1", "12"),
    ("160", "CW", "2025-05-24", "0002", "UA3ABC", "2", "MA"),
    ("10", "PH", "2025-05-24", "0003", "VK2ABC", "3", "4"),
    ("40", "RY", "2025-05-25", "2359", "DL2XYZ/P", "4", "1000"),
]
BANDS = {"10": ("10m", "28.000"), "15": ("15m", "21.000"), "20": ("20m", "14.000"),
         "40": ("40m", "7.000"), "80": ("80m", "3.500"), "160": ("160m", "1.900")}
MODES = {"CW": ("CW", "599"), "PH": ("SSB", "59"), "RY": ("RTTY", "599")}
HEADER_FIELDS = {"ADIF_VER", "PROGRAMID", "PROGRAMVERSION", "CREATED_TIMESTAMP"}
RECORD_FIELDS = {"CALL", "QSO_DATE", "TIME_ON", "BAND", "FREQ", "MODE", "SUBMODE", "RST_SENT", "RST_RCVD",
                 "STX", "STX_STRING", "SRX", "SRX_STRING", "CONTEST_ID", "STATION_CALLSIGN", "OPERATOR"}
TAG = re.compile(rb"<([A-Za-z_][A-Za-z0-9_]*)(?::([0-9]+))?>")


class Refused(Exception):
    pass


def run(cli, folder, *arguments, stdin=None):
    command = [cli, "--folder", folder, "--settings", os.path.join(folder, "t.ini"), *arguments]
    done = subprocess.run(command, input=stdin, capture_output=True, text=True, check=False)
    if done.returncode != 0:
        raise Refused(f"{' '.join(arguments)}: exit {done.returncode}: {done.stderr}")
    return done.stdout


def fields_of(data, start, end):
    """The fields between two byte offsets; only blanks and line ends may stand between them."""
    fields, at = [], start
    while at < end:
        if data[at:at + 1] in (b" ", b"\r", b"\n"):
            at += 1
            continue
        tag = TAG.match(data, at)
        if not tag or tag.group(2) is None:
            raise Refused(f"byte {at}: no field here: {data[at:at + 20]!r}")
        length = int(tag.group(2))
        value = data[tag.end():tag.end() + length]
        if len(value) != length or b"<" in value:
            raise Refused(f"byte {at}: the length of {tag.group(1)!r} does not fit its value")
        fields.append((tag.group(1).decode("ascii").upper(), value.decode("ascii")))
        at = tag.end() + length
    return fields


def read_adif(data):
    header_end = data.upper().find(b"<EOH>")
    if header_end < 0:
        raise Refused("no <EOH>")
    first_tag = data.find(b"<")
    header = dict(fields_of(data, first_tag, header_end))
    at, records = header_end + len(b"<EOH>"), []
    while True:
        end = data.upper().find(b"<EOR>", at)
        if end < 0:
            if data[at:].strip():
                raise Refused("text after the last <EOR>")
            return header, records
        records.append(fields_of(data, at, end))
        at = end + len(b"<EOR>")


def check_header(header):
    if set(header) != HEADER_FIELDS:
        raise Refused(f"header fields {sorted(header)}")
    if not re.fullmatch(r"3\.1\.[0-9]", header["ADIF_VER"]) or header["PROGRAMID"] != "Tallyhawk":
        raise Refused(f"header {header}")
    datetime.datetime.strptime(header["CREATED_TIMESTAMP"], "%Y%m%d %H%M%S")


def expected_record(contact):
    band, mode, date, time, call, sent, received = contact
    adif_mode, report = MODES[mode]
    record = {"CALL": call, "QSO_DATE": date.replace("-", ""), "TIME_ON": time, "BAND": BANDS[band][0],
              "FREQ": BANDS[band][1], "MODE": adif_mode, "RST_SENT": report, "RST_RCVD": report, "STX": sent,
              "CONTEST_ID": "RDXC", "STATION_CALLSIGN": "DL1XYZ", "OPERATOR": "DL1XYZ"}
    record["SRX" if received.isdigit() else "SRX_STRING"] = received
    return record


def check_records(records):
    if len(records) != len(CONTACTS):
        raise Refused(f"{len(records)} records for {len(CONTACTS)} contacts")
    for fields, contact in zip(records, CONTACTS):
        names = [name for name, _ in fields]
        if len(set(names)) != len(names) or not set(names) <= RECORD_FIELDS:
            raise Refused(f"fields {names}")
        record = dict(fields)
        datetime.datetime.strptime(record["QSO_DATE"] + record["TIME_ON"], "%Y%m%d%H%M")
        if record != expected_record(contact):
            raise Refused(f"record {record} for {contact}")


def main(cli, dxcc):
    with tempfile.TemporaryDirectory() as folder:
        shutil.copytree(dxcc, os.path.join(folder, "dxcc"))
        run(cli, folder, "set", "Callsign=DL1XYZ", "Contest=RUS", "Mode=CW", "Continent=EU")
        batch = "".join(" ".join((band, mode, date, time, call, sent, received)) + "\n"
                        for band, mode, date, time, call, sent, received in CONTACTS)
        run(cli, folder, "log", "--batch", "-", stdin=batch)
        output = os.path.join(folder, "contest.adi")
        run(cli, folder, "export", "adif", "--output", output)
        with open(output, "rb") as exported:
            data = exported.read()
        if b"\n" in data.replace(b"\r\n", b""):
            raise Refused("a line not ended by CR LF")
        header, records = read_adif(data)
        check_header(header)
        check_records(records)


if __name__ == "__main__":
    try:
        main(sys.argv[1], sys.argv[2])
    except (Refused, ValueError, KeyError) as error:
        print(f"adif export: {error}", file=sys.stderr)
        sys.exit(1)
    print(f"adif export: {len(CONTACTS)} records read back")
