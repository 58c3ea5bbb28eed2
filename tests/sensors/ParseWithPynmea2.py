#!/usr/bin/python3
"""Parses the NMEA 0183 sentences on standard input (each ended by CR LF) with pynmea2, an
independent parser, and prints one JSON line a sentence: its type and data fields, and its
latitude and longitude in degrees where pynmea2 reads a position. A sentence that pynmea2 refuses
(a wrong or missing checksum included) prints {"error": ..., "line": ...}."""

import json
import sys

import pynmea2

text = sys.stdin.buffer.read().decode("latin-1")
lines = text.split("\r\n")
if lines and lines[-1] == "":
    lines.pop()
for line in lines:
    try:
        sentence = pynmea2.parse(line, check=True)
    except Exception as error:
        print(json.dumps({"error": f"{type(error).__name__}: {error}", "line": line}))
        continue
    parsed = {"type": sentence.sentence_type, "talker": sentence.talker, "data": sentence.data}
    try:
        parsed["latitude"] = sentence.latitude
        parsed["longitude"] = sentence.longitude
    except (AttributeError, ValueError):
        pass
    print(json.dumps(parsed))
