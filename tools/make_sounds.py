#!/usr/bin/env python3
"""Makes the game's sounds and cue tables under assets/music/ (Python 3 standard library only).

A wave bank is a folder of WAV files; a cue table ("sound bank") maps each cue name to a file in
its wave bank folder. The output is the same on every run: noise comes from a seeded generator.
Run from anywhere: python3 tools/make_sounds.py
"""
import math
import os
import random
import struct
import wave

MUSIC_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "music")
MUSIC_RATE = 11025  # Hz; low, mono, 16-bit keeps the 32-second loop under 1 MB
EFFECT_RATE = 22050  # Hz; the effects are short, so they get more treble


def write_wav(path, rate, samples):
    """Writes mono 16-bit samples given in -1..1."""
    frames = b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s)) * 32767)) for s in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(frames)


def note_frequency(semitones_from_a4):
    return 440.0 * 2.0 ** (semitones_from_a4 / 12.0)


def menu_music():
    """A slow D minor moor theme: a drone of low fifths, a sparse bell-like melody, wind noise.
    32 seconds at 60 beats a minute; every voice ends where it began, so the loop is seamless."""
    seconds = 32
    count = MUSIC_RATE * seconds
    out = [0.0] * count
    rng = random.Random(1872)

    # Drone: D2 and A2, slowly breathing in and out with a period that divides the loop.
    d2, a2 = note_frequency(-31), note_frequency(-24)
    for i in range(count):
        t = i / MUSIC_RATE
        breath = 0.75 + 0.25 * math.sin(2 * math.pi * t / 16.0)
        out[i] += 0.16 * breath * (math.sin(2 * math.pi * d2 * t) + 0.5 * math.sin(2 * math.pi * a2 * t)
                                   + 0.15 * math.sin(2 * math.pi * 2 * d2 * t))

    # Melody: one note a beat or two, D minor with a lowered sixth for gloom (semitones from A4).
    melody = [(-7, 2), (-4, 2), (-2, 1), (-4, 1), (-7, 2), (-9, 2), (-11, 2), (-7, 4),
              (-4, 2), (1, 2), (-2, 2), (-4, 2), (-7, 2), (-11, 2), (-12, 2), (-7, 2)]
    beat = 1.0
    start = 0.0
    for semitones, beats in melody:
        frequency = note_frequency(semitones)
        length = beats * beat
        first = int(start * MUSIC_RATE)
        for j in range(int(length * MUSIC_RATE)):
            t = j / MUSIC_RATE
            envelope = min(1.0, t / 0.05) * math.exp(-2.2 * t / length)
            tone = (math.sin(2 * math.pi * frequency * t) + 0.3 * math.sin(2 * math.pi * 2 * frequency * t)
                    + 0.1 * math.sin(2 * math.pi * 3 * frequency * t))
            out[(first + j) % count] += 0.22 * envelope * tone
        start += length

    # Wind: low-passed noise whose strength swells twice per loop.
    smooth = 0.0
    for i in range(count):
        smooth += 0.02 * (rng.uniform(-1.0, 1.0) - smooth)
        swell = 0.5 + 0.5 * math.sin(2 * math.pi * i / (count / 2))
        out[i] += 0.5 * swell * smooth

    peak = max(abs(s) for s in out)
    return [0.8 * s / peak for s in out]


def rifle_shot():
    """A crack of noise with a fast decay over a low thump."""
    rng = random.Random(7)
    count = int(EFFECT_RATE * 0.4)
    out = []
    for i in range(count):
        t = i / EFFECT_RATE
        crack = rng.uniform(-1.0, 1.0) * math.exp(-t / 0.03)
        thump = math.sin(2 * math.pi * 70 * t) * math.exp(-t / 0.08)
        out.append(0.7 * crack + 0.6 * thump)
    return out


def reload():
    """Magazine out, magazine in, bolt: three metallic clicks with a ring."""
    rng = random.Random(11)
    count = int(EFFECT_RATE * 0.9)
    out = [0.0] * count
    for when, ring, strength in ((0.0, 1800.0, 0.6), (0.35, 2400.0, 0.8), (0.62, 3100.0, 1.0)):
        first = int(when * EFFECT_RATE)
        for j in range(int(0.15 * EFFECT_RATE)):
            if first + j >= count:
                break
            t = j / EFFECT_RATE
            click = rng.uniform(-1.0, 1.0) * math.exp(-t / 0.004)
            metal = math.sin(2 * math.pi * ring * t) * math.exp(-t / 0.03)
            out[first + j] += strength * (0.6 * click + 0.35 * metal)
    return out


def write_bank(bank, cues):
    """Writes the wave bank folder "<bank>.xwb" and its cue table "<bank>.xsb"."""
    folder = os.path.join(MUSIC_DIR, bank + ".xwb")
    os.makedirs(folder, exist_ok=True)
    lines = []
    for cue, file_name, rate, samples in cues:
        write_wav(os.path.join(folder, file_name), rate, samples)
        lines.append(cue + ":" + file_name)
    with open(os.path.join(MUSIC_DIR, bank + ".xsb"), "w", newline="\n") as table:
        table.write("\n".join(lines))


def main():
    write_bank("Music", [("Main_Menu_Music", "MainMenuMusic.wav", MUSIC_RATE, menu_music())])
    write_bank("SoundEffects", [("RifleShot", "RifleShot.wav", EFFECT_RATE, rifle_shot()),
                                ("Reload", "Reload.wav", EFFECT_RATE, reload())])


if __name__ == "__main__":
    main()
