#!/usr/bin/env python3
"""Writes Notify.wav, the alert chime: two soft bell strokes, A5 then E6,
0.8 s, 22050 Hz mono 16-bit PCM. Deterministic, so the file only changes
when this script does.  Usage: data/make-notify-wav.py [output]"""
import math
import struct
import sys
import wave

RATE = 22050
LENGTH = 0.8          # seconds
PEAK = 0.6            # of full scale: a chime, not an alarm

# (start in s, fundamental in Hz, loudness); bell-like partials decay faster.
STROKES = [(0.00, 880.0, 1.0), (0.14, 1318.5, 0.85)]
PARTIALS = [(1.0, 1.0, 0.22), (2.0, 0.30, 0.12), (2.76, 0.12, 0.07)]  # ratio, level, decay s


def sample(t):
    v = 0.0
    for start, freq, loud in STROKES:
        u = t - start
        if u < 0:
            continue
        attack = min(1.0, u / 0.004)  # 4 ms: no click at the stroke
        for ratio, level, decay in PARTIALS:
            v += loud * level * attack * math.exp(-u / decay) * math.sin(2 * math.pi * freq * ratio * u)
    fade = min(1.0, (LENGTH - t) / 0.05)  # the last 50 ms fade to silence
    return v * max(0.0, fade)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "Notify.wav"
    n = int(RATE * LENGTH)
    raw = [sample(i / RATE) for i in range(n)]
    scale = PEAK / max(abs(x) for x in raw)
    frames = b"".join(struct.pack("<h", int(round(x * scale * 32767))) for x in raw)
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


if __name__ == "__main__":
    main()
