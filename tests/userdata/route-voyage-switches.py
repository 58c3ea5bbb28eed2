#!/usr/bin/python3
"""Prints the sample of RouteVoyageTest's voyages at which the switch to the next waypoint first
holds, computed with GeographicLib's GeodSolve and RhumbSolve (geographiclib-tools).

The voyage: sample k lies 7 - 0.01 k nm before W = (54.3, 10.5) on the geodesic from W at
224.37329654658 (past W at 44.37329654658). Leg 0 bears 44.37329654658, leg 1 that plus the
turn's angle; the turn of radius 0.5 nm starts 0.5 tan(angle / 2) nm before W (at W for a stop).
With the arrival radius r, the ship has arrived when its distance from leg 1's line through the
turn's start is within |sin(angle)| r, when it has crossed that line, or when W is abeam."""
import math
import subprocess

W = (54.3, 10.5)
INCOMING = 44.37329654658
STEP, APPROACH, RADIUS = 0.01, 7.0, 0.5
NM = 1852.0


def solve(program, lines):
    out = subprocess.run([program, "-p", "12"], input="\n".join(lines) + "\n",
                         capture_output=True, text=True, check=True).stdout
    return [tuple(float(v) for v in line.split()) for line in out.splitlines()]


def inverse(origins, destination):
    """Rhumb distance (nm) and bearing from each origin to destination."""
    out = subprocess.run(["RhumbSolve", "-i", "-p", "12"],
                         input="".join("%r %r %r %r\n" % (o[0], o[1], destination[0], destination[1])
                                       for o in origins),
                         capture_output=True, text=True, check=True).stdout
    rows = [tuple(float(v) for v in line.split()) for line in out.splitlines()]
    return [(row[1] / NM, row[0] % 360.0) for row in rows]


def in_clockwise_half(bearing, start):
    offset = (bearing - start) % 360.0
    return 0.0 < offset < 180.0


def switch_sample(angle, r, stop):
    outgoing = (INCOMING + angle) % 360.0
    tangent = 0.0 if stop else RADIUS * math.tan(math.radians(angle / 2.0))
    turn_start = solve("GeodSolve", ["%r %r %r %r" % (W[0], W[1], INCOMING + 180.0, tangent * NM)])[0][:2]
    count = int(APPROACH / STEP) + 50
    samples = []
    for k in range(count + 1):
        before = APPROACH - k * STEP
        azimuth = INCOMING + 180.0 if before >= 0 else INCOMING
        samples.append("%r %r %r %r" % (W[0], W[1], azimuth, abs(before) * NM))
    positions = [row[:2] for row in solve("GeodSolve", samples)]
    to_start = inverse(positions, turn_start)
    to_w = inverse(positions, W)
    half = outgoing % 180.0
    for k in range(count + 1):
        distance, bearing = to_start[k]
        near = past = False
        if r >= 0:
            near = abs(math.sin(math.radians(outgoing - bearing)) * distance) <= \
                abs(math.sin(math.radians(angle)) * r)
            past = in_clockwise_half(bearing, half) != in_clockwise_half(INCOMING, half)
        abeam = in_clockwise_half(to_w[k][1], (INCOMING + 90.0) % 360.0)
        if near or past or abeam:
            return k
    return None


for name, angle, r, stop in [("10 degrees", 10, 0.1, False), ("90 degrees", 90, 0.1, False),
                             ("170 degrees", 170, 0.1, False), ("no radius", 90, 0.0, False),
                             ("a stop at W", 90, 0.1, True), ("negative radius", 90, -0.1, False)]:
    print(name, switch_sample(angle, r, stop))
