#!/usr/bin/env python3
"""Synthesises the player's ten sounds into data/sonidos.

Every sound is built here from sine waves, filtered noise and envelopes, so
the repository holds no recorded material. All files are 16-bit PCM mono at
22050 Hz, start and end with a short fade so the loudspeaker never clicks,
and are scaled to a peak of -6 dBFS. The noise comes from a fixed seed, so a
re-run gives the same files byte for byte.

    python3 tools/make_sounds.py
"""

import math
import os
import random
import struct
import wave

RATE = 22050
PEAK = 0.5  # -6 dBFS

HERE = os.path.dirname(os.path.abspath(__file__))
SOUNDS = os.path.join(HERE, "..", "data", "sonidos")


# ------------------------------------------------------------ building blocks


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix_into(track, sound, at_seconds, gain=1.0):
    """Adds sound to track from at_seconds on, growing the track if needed."""
    start = int(at_seconds * RATE)
    if len(track) < start + len(sound):
        track.extend([0.0] * (start + len(sound) - len(track)))
    for i, v in enumerate(sound):
        track[start + i] += gain * v
    return track


def edges(i, n, attack, release=0.015):
    """Gain of sample i of n with a linear attack and release, in seconds."""
    t, left = i / RATE, (n - 1 - i) / RATE
    return max(0.0, min(1.0, t / attack, left / release))


def struck(freq, seconds, partials, tau, attack=0.003, vibrato=0.0):
    """A struck or plucked tone: partials are (multiple, amplitude, decay share)."""
    n = int(seconds * RATE)
    out = []
    phases = [0.0] * len(partials)
    for i in range(n):
        t = i / RATE
        f = freq * (1 + vibrato * math.sin(2 * math.pi * 5.5 * t))
        v = 0.0
        for k, (multiple, amplitude, share) in enumerate(partials):
            phases[k] += 2 * math.pi * f * multiple / RATE
            v += amplitude * math.exp(-t / (tau * share)) * math.sin(phases[k])
        out.append(edges(i, n, attack) * v)
    return out


def sweep(f_start, f_end, seconds, tau, attack=0.002):
    """A sine gliding exponentially from f_start to f_end, decaying with tau."""
    n = int(seconds * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = f_start * (f_end / f_start) ** (t / seconds)
        phase += 2 * math.pi * f / RATE
        out.append(edges(i, n, attack) * math.exp(-t / tau) * math.sin(phase))
    return out


def noise(seconds, seed):
    rng = random.Random(seed)
    return [rng.uniform(-1.0, 1.0) for _ in range(int(seconds * RATE))]


def band_pass(signal, centre_of_time, q):
    """Resonant band-pass whose centre frequency follows centre_of_time(t)."""
    out = []
    x1 = x2 = y1 = y2 = 0.0
    for i, x in enumerate(signal):
        w = 2 * math.pi * centre_of_time(i / RATE) / RATE
        alpha = math.sin(w) / (2 * q)
        a0 = 1 + alpha
        b0, b2 = alpha / a0, -alpha / a0
        a1, a2 = -2 * math.cos(w) / a0, (1 - alpha) / a0
        y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, x, y1, y
        out.append(y)
    return out


def low_pass(signal, cutoff):
    """One-pole low-pass that takes the edge off harsh waveforms."""
    k = 1 - math.exp(-2 * math.pi * cutoff / RATE)
    out, y = [], 0.0
    for x in signal:
        y += k * (x - y)
        out.append(y)
    return out


def shaped(signal, envelope_of_fraction):
    n = len(signal)
    return [v * envelope_of_fraction(i / n) for i, v in enumerate(signal)]


def finished(signal, fade_in=0.003, fade_out=0.015, peak=PEAK):
    """Gentle ends and a -6 dBFS peak unless told otherwise."""
    n = len(signal)
    fi, fo = max(1, int(fade_in * RATE)), max(1, int(fade_out * RATE))
    out = []
    for i, v in enumerate(signal):
        g = min(1.0, i / fi, (n - 1 - i) / fo)
        out.append(v * max(0.0, g))
    top = max(abs(v) for v in out)
    return [v * peak / top for v in out]


def note(name):
    """Equal-tempered frequency of a note such as 'C5' or 'G6'."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    return 440.0 * 2 ** ((steps[name[0]] + 12 * (int(name[1]) - 4)) / 12)


CHIME = [(1, 1.0, 1.0), (2, 0.25, 0.6), (3, 0.08, 0.4)]
BRASS = [(1, 1.0, 1.0), (2, 0.45, 0.9), (3, 0.25, 0.8), (4, 0.12, 0.7), (5, 0.06, 0.6)]


# ----------------------------------------------------------------- the sounds


def acierto():
    """A right dot: three quick notes climbing up a major chord."""
    track = silence(0.5)
    for k, name in enumerate(["C6", "E6", "G6"]):
        mix_into(track, struck(note(name), 0.34, CHIME, tau=0.09), 0.075 * k)
    return finished(track, fade_out=0.03)


def error():
    """A wrong dot: a soft low double buzz, falling a little."""
    track = silence(0.36)
    for k, freq in enumerate([155.0, 130.0]):
        buzz = [
            sum(math.sin(2 * math.pi * freq * n * i / RATE) / n for n in (1, 3, 5, 7))
            for i in range(int(0.15 * RATE))
        ]
        buzz = shaped(low_pass(buzz, 700), lambda u: math.sin(math.pi * u) ** 2)
        mix_into(track, buzz, 0.18 * k)
    # A steady buzz sounds louder than the decaying chimes at the same peak,
    # and a child hears it often: it stays 2 dB below the others.
    return finished(track, fade_out=0.02, peak=PEAK * 10 ** (-2 / 20))


def aciertotodo():
    """A finished figure: a little fanfare, an arpeggio landing on a full chord."""
    track = silence(1.3)
    names = ["C5", "E5", "G5"]
    for k, name in enumerate(names):
        mix_into(track, struck(note(name), 0.25, BRASS, tau=0.12, attack=0.01), 0.11 * k)
    for name in ["C5", "E5", "G5", "C6"]:
        chord_note = struck(note(name), 0.95, BRASS, tau=0.35, attack=0.015, vibrato=0.004)
        mix_into(track, chord_note, 0.33, gain=0.8)
    return finished(track, fade_out=0.12)


def whoosh(f_from, f_to, seed):
    seconds = 0.45
    glide = lambda t: f_from * (f_to / f_from) ** (t / seconds)
    air = band_pass(noise(seconds, seed), glide, q=2.5)
    tone = [0.0] * len(air)
    phase = 0.0
    for i in range(len(tone)):
        phase += 2 * math.pi * glide(i / RATE) * 0.3 / RATE
        tone[i] = 0.12 * math.sin(phase)
    body = [a + b for a, b in zip(air, tone)]
    return finished(shaped(body, lambda u: math.sin(math.pi * u) ** 1.5), fade_out=0.03)


def adelante():
    """Forward: a whoosh rising."""
    return whoosh(350.0, 3200.0, seed=11)


def atras():
    """Back: a whoosh falling."""
    return whoosh(3200.0, 350.0, seed=12)


def combo():
    """A theme chosen: a soft pop."""
    pop = sweep(720.0, 170.0, 0.13, tau=0.03, attack=0.002)
    return finished(low_pass(pop, 2500), fade_in=0.002, fade_out=0.02)


def numero():
    """The numbers button: a small bell."""
    bell = [
        (0.5, 0.30, 1.6),
        (1.0, 1.00, 1.0),
        (1.19, 0.40, 0.7),
        (1.5, 0.30, 0.6),
        (2.0, 0.45, 0.5),
        (2.74, 0.20, 0.3),
        (3.76, 0.12, 0.2),
    ]
    return finished(struck(880.0, 1.1, bell, tau=0.32, attack=0.002), fade_out=0.08)


def color():
    """A colour picked: two bubbly blips, the second higher."""
    track = silence(0.24)
    mix_into(track, sweep(420.0, 1250.0, 0.09, tau=0.035, attack=0.004), 0.0)
    mix_into(track, sweep(600.0, 1700.0, 0.09, tau=0.035, attack=0.004), 0.1, gain=0.8)
    return finished(track, fade_in=0.002, fade_out=0.02)


def tick(freq, seed):
    ring = struck(freq, 0.04, [(1, 1.0, 1.0), (1.6, 0.4, 0.6)], tau=0.006, attack=0.0008)
    grit = noise(0.04, seed)
    return [r + 0.35 * g * math.exp(-i / (0.002 * RATE)) for i, (r, g) in enumerate(zip(ring, grit))]


def lineas():
    """A line width chosen: a short click-tick."""
    track = silence(0.12)
    mix_into(track, tick(2600.0, seed=21), 0.0)
    mix_into(track, tick(3400.0, seed=22), 0.055, gain=0.8)
    return finished(track, fade_in=0.001, fade_out=0.01)


def herramientas():
    """A tool chosen: a wooden tap."""
    wood = struck(
        610.0, 0.16, [(1, 1.0, 1.0), (1.58, 0.5, 0.6), (2.7, 0.3, 0.35), (4.2, 0.15, 0.2)],
        tau=0.035, attack=0.001,
    )
    knock = low_pass(noise(0.16, seed=31), 3000)
    body = [w + 0.6 * k * math.exp(-i / (0.004 * RATE)) for i, (w, k) in enumerate(zip(wood, knock))]
    return finished(body, fade_in=0.001, fade_out=0.02)


SOUNDS_BY_NAME = {
    "combo.wav": combo,
    "adelante.wav": adelante,
    "atras.wav": atras,
    "numero.wav": numero,
    "acierto.wav": acierto,
    "error.wav": error,
    "aciertotodo.wav": aciertotodo,
    "color.wav": color,
    "lineas.wav": lineas,
    "herramientas.wav": herramientas,
}


def write_wav(path, samples):
    frames = b"".join(struct.pack("<h", int(round(v * 32767))) for v in samples)
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(frames)


def main():
    os.makedirs(SOUNDS, exist_ok=True)
    for name, make in SOUNDS_BY_NAME.items():
        samples = make()
        write_wav(os.path.join(SOUNDS, name), samples)
        print(f"{name:18} {len(samples) / RATE:.2f} s")


if __name__ == "__main__":
    main()
