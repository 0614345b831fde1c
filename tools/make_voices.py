#!/usr/bin/env python3
"""Speaks every label the player can say into data/sonidos/voz.

One Ogg Vorbis file per label, named by the label: 0.ogg ... 150.ogg, A.ogg ...
Z.ogg and Ñ.ogg (the name in UTF-8). Each is spoken by espeak-ng's voice of the
language (Spanish into data/sonidos/voz, another language into
data/sonidos/voz/<code>; a language espeak-ng does not speak, such as
Galician, gets no folder, and the player plays its chime alone),
slowly, for a child of four or five; then sox trims the silence at both ends,
adds 5 ms fades so the loudspeaker never clicks, and brings the speech to the
loudness (RMS) of the other sounds in data/sonidos, the peak kept at or below
-3 dBFS, as 16-bit PCM mono at 22050 Hz, espeak-ng's own rate; last, sox
encodes that in Vorbis quality 5. That is a quarter of the WAV's size, and the
hiss that tells "ese" from "efe" (the letters S and F) carries half the coding
noise of quality 3, for a fifth more bytes. The decoded peak may rise a few
hundredths over the limit, never near clipping. sox's repeatable mode fixes the
Ogg stream's serial number, so the same espeak-ng, sox and libvorbis give the
same files byte for byte.

    python3 tools/make_voices.py            # every file, in Spanish
    python3 tools/make_voices.py 7 A Ñ      # only these labels
    python3 tools/make_voices.py --idioma ca   # every file, in Catalan

Needs the Debian packages espeak-ng and sox.
"""

import os
import re
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SOUNDS = os.path.join(HERE, "..", "data", "sonidos")
VOICES = os.path.join(SOUNDS, "voz")

# espeak-ng's voice for each language of the player.
VOICES_BY_LANGUAGE = {"es": "es", "ca": "ca", "eu": "eu", "en": "en-gb", "pt": "pt"}
WORDS_PER_MINUTE = 120  # espeak-ng speaks 175 unless told; a child needs time
PEAK_LIMIT = 0.7  # -3 dBFS
FADE_SECONDS = 0.005
VORBIS_QUALITY = "5"

# What espeak-ng reads a label as: a lone letter is read as its name, except
# where it would read a word (Spanish "y" is "and") or the shorter name of "r".
SAID_AS = {"es": {"Y": "ye", "R": "erre"}}


def labels():
    return ([str(n) for n in range(151)] +
            [chr(c) for c in range(ord("A"), ord("Z") + 1)] + ["Ñ"])


def sox_stat(path, name):
    """A figure from `sox path -n stat`, such as "RMS     amplitude"."""
    report = subprocess.run(["sox", path, "-n", "stat"], capture_output=True,
                            text=True, check=True).stderr
    match = re.search(re.escape(name) + r":\s+([-0-9.e]+)", report)
    return float(match.group(1))


def target_rms():
    """The median loudness of the other sounds the player makes."""
    others = [os.path.join(SOUNDS, f) for f in sorted(os.listdir(SOUNDS))
              if f.endswith(".wav")]
    return statistics.median(sox_stat(f, "RMS     amplitude") for f in others)


def speak(label, rms, work, language, folder):
    spoken = os.path.join(work, "spoken.wav")
    trimmed = os.path.join(work, "trimmed.wav")
    said = SAID_AS.get(language, {}).get(label, label)
    subprocess.run(["espeak-ng", "-v", VOICES_BY_LANGUAGE[language], "-s",
                    str(WORDS_PER_MINUTE), "-w", spoken, said], check=True)
    # Silence off the start, then (reversed) off the end; a little breath is
    # kept on either side of the word so its edges are not clipped.
    trim = ["silence", "1", "0.005", "0.2%"]
    subprocess.run(["sox", spoken, trimmed] + trim + ["reverse"] + trim +
                   ["reverse"], check=True)
    gain = min(rms / sox_stat(trimmed, "RMS     amplitude"),
               PEAK_LIMIT / sox_stat(trimmed, "Maximum amplitude"))
    pcm = os.path.join(work, "pcm.wav")
    subprocess.run(["sox", "-D", trimmed, "-b", "16", "-c", "1", "-r", "22050",
                    pcm, "vol", "%.4f" % gain, "fade", "t", str(FADE_SECONDS),
                    "0", str(FADE_SECONDS)], check=True)
    # Encoded from the 16-bit file, as the voices first kept as WAV were, so
    # that speaking them again gives the same bytes.
    out = os.path.join(folder, label + ".ogg")
    subprocess.run(["sox", "-R", pcm, "-C", VORBIS_QUALITY, out], check=True)
    return out


def main():
    arguments = sys.argv[1:]
    language = "es"
    if arguments[:1] == ["--idioma"]:
        language, arguments = arguments[1], arguments[2:]
    if language not in VOICES_BY_LANGUAGE:
        sys.exit("espeak-ng has no voice for %s: the player plays its chime" % language)
    folder = VOICES if language == "es" else os.path.join(VOICES, language)
    wanted = arguments or labels()
    os.makedirs(folder, exist_ok=True)
    rms = target_rms()
    with tempfile.TemporaryDirectory() as work:
        for label in wanted:
            out = speak(label, rms, work, language, folder)
            print("%-6s %5.2f s" % (label, sox_stat(out, "Length (seconds)")))
            if os.path.exists(os.path.join(folder, label + ".wav")):
                print("       the player plays %s.wav before it" % label)


if __name__ == "__main__":
    main()
