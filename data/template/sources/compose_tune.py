"""Composes the short tune of the "Birthday" template card: a rising,
cheerful phrase in C major played by a soft bell-like tone, written as a
16-bit mono PCM wave file at 11025 samples per second."""
import math
import struct
import sys
import wave

RATE = 11025
# (MIDI note, beats); 0 is a rest. One beat is a quarter of a second.
PHRASE = [(60, 1), (64, 1), (67, 1), (72, 2), (71, 1), (69, 1), (67, 2),
          (65, 1), (69, 1), (72, 1), (76, 2), (74, 1), (72, 3)]
BEAT_SECONDS = 0.25


def tone(note, seconds):
    frequency = 440.0 * 2 ** ((note - 69) / 12)
    count = int(RATE * seconds)
    samples = []
    for index in range(count):
        time = index / RATE
        # A quick attack and an exponential decay make the tone ring like a bell.
        envelope = min(1.0, time * 200) * math.exp(-3.0 * time)
        value = math.sin(2 * math.pi * frequency * time) + 0.3 * math.sin(4 * math.pi * frequency * time)
        samples.append(0.45 * envelope * value / 1.3)
    return samples


def main(path):
    samples = []
    for note, beats in PHRASE:
        seconds = beats * BEAT_SECONDS
        samples += tone(note, seconds) if note else [0.0] * int(RATE * seconds)
    with wave.open(path, "wb") as output:
        output.setnchannels(1)
        output.setsampwidth(2)
        output.setframerate(RATE)
        output.writeframes(b"".join(struct.pack("<h", int(sample * 32767)) for sample in samples))


if __name__ == "__main__":
    main(sys.argv[1])
