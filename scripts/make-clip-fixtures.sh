#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Makes the tiny clips under tests/data/clips/ that the clip-measuring tests
# read: one per container, a camera card's folder with its sidecar and
# thumbnail, and files that are not clips. Run by hand after a change; the
# results are committed and the tests do not need FFmpeg. Prints each file's
# size and FFprobe's duration, the figures the tests' table holds.
#   scripts/make-clip-fixtures.sh
set -euo pipefail
cd "$(dirname "$0")/.."

out=tests/data/clips
rm -rf "$out"
mkdir -p "$out/bad" "$out/card/PRIVATE/M4ROOT/CLIP" "$out/card/PRIVATE/M4ROOT/THMBNL"

# Single-threaded, bit-exact encoders and no metadata, so that a run on the
# same FFmpeg gives the same bytes.
ff() { ffmpeg -nostdin -hide_banner -loglevel error -y "$@"; }
exact=(-fflags +bitexact -flags:v +bitexact -flags:a +bitexact -map_metadata -1 -threads 1)
picture() { echo "testsrc2=size=64x36:rate=$1:duration=$2"; }
tone() { echo "sine=frequency=440:sample_rate=48000:duration=$1"; }
x264=(-c:v libx264 -preset ultrafast -x264-params threads=1 -pix_fmt yuv420p)

ff -f lavfi -i "$(picture 25 2)" -f lavfi -i "$(tone 2)" "${exact[@]}" "${x264[@]}" \
    -c:a aac -b:a 64k -ac 2 "$out/h264-aac.mp4"
ff -f lavfi -i "$(picture 25 1)" -f lavfi -i "$(tone 1)" "${exact[@]}" \
    -c:v prores_ks -profile:v 0 -pix_fmt yuv422p10le -c:a pcm_s16le -ac 2 "$out/prores-pcm.mov"
ff -f lavfi -i "$(picture 30 2)" -f lavfi -i "$(tone 2)" "${exact[@]}" "${x264[@]}" \
    -c:a libopus -b:a 48k -ac 2 "$out/h264-opus.mkv"
ff -f lavfi -i "$(picture 25 2)" -f lavfi -i "$(tone 2)" "${exact[@]}" "${x264[@]}" \
    -c:a aac -b:a 64k -ac 2 -f mpegts "$out/h264-aac.ts"
# AVCHD: 192-byte packets (a 4-byte time stamp before each TS packet), AC-3.
ff -f lavfi -i "$(picture 50 1)" -f lavfi -i "$(tone 1)" "${exact[@]}" "${x264[@]}" \
    -c:a ac3 -b:a 192k -ac 2 -f mpegts -mpegts_m2ts_mode 1 "$out/avchd.MTS"
ff -f lavfi -i "$(tone 1)" "${exact[@]}" -c:a pcm_s16le -ac 2 "$out/tone.wav"

# A camera card as an XAVC S camera lays it out: the clip, its
# non-real-time metadata (which MediaInfo reads as the clip it names) and a
# thumbnail.
clip="$out/card/PRIVATE/M4ROOT/CLIP"
ff -f lavfi -i "testsrc=size=64x36:rate=25:duration=2" -f lavfi -i "$(tone 2)" "${exact[@]}" \
    "${x264[@]}" -c:a aac -b:a 96k -ac 2 -f mp4 "$clip/C0001.MP4"
ff -f lavfi -i "$(picture 25 1)" "${exact[@]}" -frames:v 1 -c:v mjpeg -f image2 \
    "$out/card/PRIVATE/M4ROOT/THMBNL/C0001T01.JPG"
cat >"$clip/C0001M01.XML" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<NonRealTimeMeta xmlns="urn:schemas-professionalDisc:nonRealTimeMeta:ver.2.00" xmlns:lib="urn:schemas-professionalDisc:lib:ver.2.00" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" lastUpdate="2026-01-01T12:00:00+00:00">
	<TargetMaterial umidRef="060A2B340101010501010D43130000000000000000000000000000000000000000"/>
	<Duration value="50"/>
	<LtcChangeTable tcFps="25" halfStep="false">
		<LtcChange frameCount="0" value="00000012" status="increment"/>
		<LtcChange frameCount="49" value="24010012" status="end"/>
	</LtcChangeTable>
	<CreationDate value="2026-01-01T12:00:00+00:00"/>
	<VideoFormat>
		<VideoRecPort port="DIRECT"/>
		<VideoFrame videoCodec="AVC_64_36_HP@L10" captureFps="25p" formatFps="25p"/>
		<VideoLayout pixel="64" numOfVerticalLine="36" aspectRatio="16:9"/>
	</VideoFormat>
	<AudioFormat numOfChannel="2">
		<AudioRecPort port="DIRECT" audioCodec="AAC" trackDst="CH1"/>
		<AudioRecPort port="DIRECT" audioCodec="AAC" trackDst="CH2"/>
	</AudioFormat>
	<Device manufacturer="Sony" modelName="ILCE-7SM3" serialNo="0000001"/>
	<RecordingMode type="normal" cacheRec="false"/>
</NonRealTimeMeta>
EOF

# Not clips: text under a clip's name, an empty file, an MP4 cut before its
# index (written last), and one whose index (written first) survives but
# whose data is cut off.
printf 'Shot list\n1. Harbour at dawn\n2. Market\n' >"$out/bad/notes.MP4"
: >"$out/bad/empty.MP4"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ff -f lavfi -i "$(picture 25 6)" "${exact[@]}" "${x264[@]}" "$work/tail.mp4"
head -c 4096 "$work/tail.mp4" >"$out/bad/no-index.mp4"
ff -f lavfi -i "$(picture 25 6)" "${exact[@]}" "${x264[@]}" -movflags +faststart "$work/head.mp4"
head -c 4096 "$work/head.mp4" >"$out/bad/cut-data.mp4"

echo "file bytes ffprobe-duration"
find "$out" -type f | sort | while read -r file; do
    duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$file" 2>/dev/null || true)
    echo "${file#"$out"/} $(stat -c %s "$file") ${duration:-none}"
done
echo "total: $(du -cb "$out" | tail -1 | cut -f1) bytes"
