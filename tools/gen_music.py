#!/usr/bin/python3
"""Synthesises the background music: "Silent Night" (Franz Gruber, 1818, public
domain) for music box, pad and harp, twice through, then encodes it with lame.

The piece is rendered into a circular buffer exactly 48 bars long: every note
tail and the reverb that runs past the last bar wraps around onto the first, so
the end flows into the start with no click and no pause when the game loops it.
"""
import math
import os
import subprocess
import sys
import tempfile
import wave

import numpy as np

from artlib import out_path

RATE = 44100
EIGHTH = 0.4                    # dotted crotchet = 50 per minute, 6/8
BAR = int(round(6 * EIGHTH * RATE))  # 105840 samples, a whole number
BARS_PER_VERSE = 24
VERSES = 2
LENGTH = BAR * BARS_PER_VERSE * VERSES
E = int(round(EIGHTH * RATE))

# melody: (midi note, length in eighths) per bar
PHRASE_A = [[(67, 3), (69, 1), (67, 2)], [(64, 6)]]
PHRASE_B = [[(69, 4), (69, 2)], [(72, 3), (71, 1), (69, 2)], [(67, 3), (69, 1), (67, 2)], [(64, 6)]]
MELODY = (PHRASE_A + PHRASE_A +
          [[(74, 4), (74, 2)], [(71, 6)], [(72, 4), (72, 2)], [(67, 6)]] +
          PHRASE_B + PHRASE_B +
          [[(74, 4), (74, 2)], [(77, 3), (74, 1), (71, 2)], [(72, 6)], [(76, 6)],
           [(72, 3), (67, 1), (64, 2)], [(67, 3), (65, 1), (62, 2)], [(60, 12)], []])
CHORDS = "C C C C G7 G C C F F C C F F C C G7 G7 C C C G7 C C".split()
VOICING = {"C": [48, 55, 60, 64], "F": [53, 57, 60, 65], "G": [55, 59, 62, 67], "G7": [55, 59, 62, 65]}
ROOT = {"C": 36, "F": 41, "G": 43, "G7": 43}


def hz(m):
    return 440.0 * 2 ** ((m - 69) / 12.0)


class Mix:
    def __init__(self):
        self.buf = np.zeros((2, LENGTH))

    def add(self, start, sig, pan=0.0, gain=1.0):
        """Add a mono signal at a sample position, wrapping past the end."""
        l, r = math.cos((pan + 1) * math.pi / 4), math.sin((pan + 1) * math.pi / 4)
        pos = start % LENGTH
        i = 0
        while i < len(sig):
            n = min(len(sig) - i, LENGTH - pos)
            self.buf[0, pos:pos + n] += sig[i:i + n] * l * gain
            self.buf[1, pos:pos + n] += sig[i:i + n] * r * gain
            i += n
            pos = 0


def bell(f, ring=3.2):
    t = np.arange(int(ring * RATE)) / RATE
    s = np.zeros_like(t)
    for ratio, amp, dec in ((1, 1.0, 1.5), (2.0, 0.42, 0.8), (3.0, 0.18, 0.45), (4.16, 0.14, 0.3), (5.43, 0.07, 0.2)):
        if f * ratio < RATE / 2.2:
            s += amp * np.sin(2 * math.pi * f * ratio * t) * np.exp(-t / dec)
    att = np.clip(t / 0.003, 0, 1)
    tail = np.clip((ring - t) / 0.3, 0, 1)
    return s * att * tail


def pad(freqs, dur, detune):
    t = np.arange(int((dur + 1.0) * RATE)) / RATE
    env = np.clip(t / 0.7, 0, 1) * np.clip((dur + 1.0 - t) / 1.0, 0, 1)
    s = np.zeros_like(t)
    for f in freqs:
        f = f * 2 ** (detune / 1200)
        for n in range(1, 7):
            s += np.sin(2 * math.pi * f * n * t + n * 0.7) / n ** 1.6
    trem = 1 + 0.08 * np.sin(2 * math.pi * 0.23 * t)
    return s * env * trem / len(freqs)


def lead(f, dur):
    t = np.arange(int((dur + 0.35) * RATE)) / RATE
    vib = 1 + 0.004 * np.sin(2 * math.pi * 5.0 * t) * np.clip((t - 0.25) / 0.3, 0, 1)
    ph = 2 * math.pi * f * np.cumsum(vib) / RATE
    s = np.sin(ph) + 0.25 * np.sin(2 * ph) + 0.08 * np.sin(3 * ph)
    env = np.clip(t / 0.08, 0, 1) * np.clip((dur + 0.35 - t) / 0.35, 0, 1)
    return s * env


def pluck(f, ring=1.8):
    t = np.arange(int(ring * RATE)) / RATE
    s = sum(np.sin(2 * math.pi * f * n * t) * np.exp(-t * (1.2 + 0.8 * n)) / n ** 1.8 for n in range(1, 6))
    return s * np.clip(t / 0.002, 0, 1) * np.clip((ring - t) / 0.2, 0, 1)


def bass(f, dur):
    t = np.arange(int((dur + 0.4) * RATE)) / RATE
    s = np.sin(2 * math.pi * f * t) + 0.25 * np.sin(4 * math.pi * f * t)
    return s * np.clip(t / 0.01, 0, 1) * np.exp(-t / 1.6) * np.clip((dur + 0.4 - t) / 0.4, 0, 1)


def reverb(buf, seconds=2.4, wet=0.28):
    """Circular convolution with a decaying noise burst: the tail wraps like the notes."""
    rng = np.random.default_rng(42)
    n = int(seconds * RATE)
    t = np.arange(n) / RATE
    out = np.empty_like(buf)
    for ch in range(2):
        ir = rng.standard_normal(n) * np.exp(-t / (seconds / 6.9))
        # darker tail: a gentle running average
        ir = np.convolve(ir, np.ones(8) / 8, mode="same")
        ir[: int(0.02 * RATE)] *= np.linspace(0, 1, int(0.02 * RATE))
        ir /= np.sqrt(np.sum(ir * ir))
        pad_ir = np.zeros(LENGTH)
        pad_ir[:n] = ir
        wetsig = np.fft.irfft(np.fft.rfft(buf[ch]) * np.fft.rfft(pad_ir), LENGTH)
        out[ch] = buf[ch] * (1 - wet) + wetsig * wet * 2.2
    return out


def compose():
    m = Mix()
    rng = np.random.default_rng(2024)
    for v in range(VERSES):
        for b in range(BARS_PER_VERSE):
            bar0 = (v * BARS_PER_VERSE + b) * BAR
            chord = CHORDS[b]
            # pad: one chord per bar, a little chorus between the ears
            freqs = [hz(x) for x in VOICING[chord]]
            m.add(bar0, pad(freqs, 6 * EIGHTH, -5), -0.5, 0.11)
            m.add(bar0, pad(freqs, 6 * EIGHTH, 5), 0.5, 0.11)
            # bass on the two beats
            m.add(bar0, bass(hz(ROOT[chord]), 3 * EIGHTH), 0.0, 0.22)
            m.add(bar0 + 3 * E, bass(hz(ROOT[chord] + 7), 3 * EIGHTH), 0.0, 0.16 if v == 0 else 0.2)
            # harp arpeggio in the second verse
            if v == 1:
                tones = [x + 12 for x in VOICING[chord]]
                for k, idx in enumerate([0, 1, 2, 3, 2, 1]):
                    m.add(bar0 + k * E, pluck(hz(tones[idx])), 0.3 - 0.1 * idx, 0.07)
            # melody
            pos = bar0
            for note, ln in MELODY[b]:
                dur = ln * EIGHTH
                if v == 0:
                    m.add(pos, bell(hz(note + 12)), 0.15, 0.24)
                else:
                    m.add(pos, lead(hz(note), dur), -0.1, 0.2)
                    m.add(pos, bell(hz(note + 12), 2.0), 0.25, 0.1)
                pos += ln * E
            # a star twinkling now and then, high and quiet
            if rng.random() < 0.45:
                k = int(rng.integers(0, 6))
                note = [84, 86, 88, 91, 93, 96][int(rng.integers(0, 6))]
                m.add(bar0 + k * E, bell(hz(note), 2.0), float(rng.uniform(-0.8, 0.8)), 0.05)
    return m.buf


def main():
    buf = reverb(compose())
    buf *= 0.89 / np.max(np.abs(buf))
    pcm = np.clip(np.round(buf.T * 32767), -32768, 32767).astype("<i2")
    dest = out_path("Music/BGM/Christmas.mp3")
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "bgm.wav")
        with wave.open(wav, "wb") as w:
            w.setnchannels(2)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(pcm.tobytes())
        if len(sys.argv) > 1:  # keep the WAV for listening tests
            import shutil
            shutil.copy(wav, sys.argv[1])
        # lame writes the gapless (encoder delay and padding) tag; no ID3 tag, so no dates
        subprocess.run(["lame", "--silent", "-b", "128", "-q", "2", wav, dest], check=True)
    print("music: %.1f s, %d bytes" % (LENGTH / RATE, os.path.getsize(dest)))


if __name__ == "__main__":
    main()
