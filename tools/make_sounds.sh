#!/bin/sh
# Synthesises the three feedback sounds into OUTDIR as mono 22.05 kHz MP3 files:
#   dobre.mp3    rising two-note chime (right answer)
#   zle.mp3      soft low descending hum (wrong answer)
#   neskoro.mp3  gentle tick-tock (time ran out)
# Keep each sound between half a second and 1.5 s: the program waits for the end
# of a feedback sound only when its length rounds to at least one second.
# sox runs in repeatable mode without dither, so equal sources give equal files.
set -eu
out=${1:?usage: make_sounds.sh OUTDIR}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

SOX="sox -R -D -q"
fmt="-r 22050 -c 1 -b 16"

calc() { awk "BEGIN { print $1 }"; }

# One bell-like note: fundamental plus a quiet octave, quick attack, long decay.
note() { # file freq length
  $SOX -n $fmt "$tmp/f.wav" synth "$3" sine "$2" fade q 0.006 "$3" "$(calc "$3 - 0.01")"
  $SOX -n $fmt "$tmp/o.wav" synth "$3" sine "$(calc "$2 * 2")" fade q 0.004 "$3" "$(calc "$3 * 0.7")"
  $SOX -m -v 0.75 "$tmp/f.wav" -v 0.25 "$tmp/o.wav" $fmt "$1"
}

# A short wooden click: a sine burst that dies away at once.
click() { # file freq
  $SOX -n $fmt "$1" synth 0.09 sine "$2" fade l 0.002 0.09 0.085 lowpass 3000
}

encode() { # wav mp3
  lame --quiet --noreplaygain -m m -b 48 --resample 22.05 "$1" "$2"
}

# Right answer: G5 then D6, the second note starting while the first still rings.
note "$tmp/n1.wav" 783.99 0.45
note "$tmp/n2.wav" 1174.66 0.7
$SOX "$tmp/n2.wav" $fmt "$tmp/n2d.wav" pad 0.16
$SOX -m -v 0.8 "$tmp/n1.wav" -v 0.8 "$tmp/n2d.wav" $fmt "$tmp/dobre.wav" gain -n -3
encode "$tmp/dobre.wav" "$out/dobre.mp3"

# Wrong answer: a soft triangle tone gliding down, then a lower one.
$SOX -n $fmt "$tmp/z1.wav" synth 0.28 triangle 330:294 fade h 0.02 0.28 0.08 lowpass 900
$SOX -n $fmt "$tmp/z2.wav" synth 0.5 triangle 262:233 fade h 0.02 0.5 0.3 lowpass 900
$SOX "$tmp/z1.wav" "$tmp/z2.wav" $fmt "$tmp/zle.wav" gain -n -8
encode "$tmp/zle.wav" "$out/zle.mp3"

# Time ran out: tick, tock, tick, tock, getting a little quieter.
click "$tmp/tick.wav" 1760
click "$tmp/tock.wav" 1175
$SOX -n $fmt "$tmp/gap.wav" trim 0 0.19
$SOX "$tmp/tick.wav" "$tmp/gap.wav" "$tmp/tock.wav" "$tmp/gap.wav" \
     "$tmp/tick.wav" "$tmp/gap.wav" "$tmp/tock.wav" $fmt "$tmp/tt.wav"
$SOX "$tmp/tt.wav" $fmt "$tmp/neskoro.wav" fade t 0 0 0.6 pad 0 0.1 gain -n -2
encode "$tmp/neskoro.wav" "$out/neskoro.mp3"
