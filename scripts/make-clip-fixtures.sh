#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project
# Makes the tiny clips under tests/data/clips/ that the clip-measuring tests
# read: one per container, a camera card's folder with its sidecar and
# thumbnail, cards laid out as Sony, GoPro, DJI and Panasonic P2 cameras lay
# them out (recordings in chapters, proxies, low-res copies, audio stored
# apart, sidecars), files that are not clips, and faults: a card whose main
# clip is cut, a RED folder of R3D segments, an MXF whose header is open. Run by hand after a change;
# the results are committed and the tests do not need FFmpeg. Prints each
# file's size and FFprobe's duration, the figures the tests' tables hold; the
# whole folder stays near 1 MB.
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

# Cards as the cameras lay them out. A recording's clip, and the smaller copy
# a camera writes beside it (proxy, low-res file), with mono AAC.
main() { # SECONDS OUTPUT
    ff -f lavfi -i "$(picture 25 "$1")" -f lavfi -i "$(tone "$1")" "${exact[@]}" "${x264[@]}" \
        -c:a aac -b:a 32k -ac 1 -f mp4 "$2"
}
small() { # SECONDS OUTPUT
    ff -f lavfi -i "testsrc2=size=32x18:rate=25:duration=$1" \
        -f lavfi -i "sine=frequency=440:sample_rate=16000:duration=$1" "${exact[@]}" "${x264[@]}" \
        -c:a aac -b:a 16k -ac 1 -f mp4 "$2"
}

# Sony XAVC S: two recordings in CLIP/, their proxies (name + S03) in SUB/,
# and the second one's metadata.
sony="$out/sony/PRIVATE/M4ROOT"
mkdir -p "$sony/CLIP" "$sony/SUB"
main 2 "$sony/CLIP/C0001.MP4"
main 1 "$sony/CLIP/C0002.MP4"
small 2 "$sony/SUB/C0001S03.MP4"
small 1 "$sony/SUB/C0002S03.MP4"
sed -e 's/value="50"/value="25"/' "$clip/C0001M01.XML" >"$sony/CLIP/C0002M01.XML"

# GoPro: one recording in two chapters (GX01, GX02 of file 0001), a low-res
# copy of each (GL...LRV) and the first chapter's thumbnail.
gopro="$out/gopro/DCIM/100GOPRO"
mkdir -p "$gopro"
main 2 "$gopro/GX010001.MP4"
main 1 "$gopro/GX020001.MP4"
small 2 "$gopro/GL010001.LRV"
small 1 "$gopro/GL020001.LRV"
ff -f lavfi -i "testsrc2=size=32x18:rate=1:duration=1" "${exact[@]}" -frames:v 1 -c:v mjpeg \
    -f image2 "$gopro/GX010001.THM"

# DJI: the video, its low-res copy (.LRF) and its telemetry subtitles (.SRT),
# which a media parser gives a duration of its own.
dji="$out/dji/DCIM/100MEDIA"
mkdir -p "$dji"
main 1 "$dji/DJI_0001.MP4"
small 1 "$dji/DJI_0001.LRF"
for i in 0 1 2 3 4; do
    printf '%d\n00:00:00,%03d --> 00:00:00,%03d\n' $((i + 1)) $((i * 200)) $((i * 200 + 200))
    printf '<font size="28">FrameCnt: %d, DiffTime: 200ms\n' $((i + 1))
    printf '[iso: 100] [shutter: 1/500.0] [fnum: 2.8] [latitude: 48.1] [longitude: 11.5]</font>\n\n'
done >"$dji/DJI_0001.SRT"

# Panasonic P2: the clip 0001AB as its video (VIDEO/), one file per audio
# channel (AUDIO/...00, ...01, OP-Atom PCM), a proxy (PROXY/) and the clip's
# definition (CLIP/), which names them all.
p2="$out/p2/CONTENTS"
mkdir -p "$p2/CLIP" "$p2/VIDEO" "$p2/AUDIO" "$p2/PROXY"
# Half a second (12 frames), as uncompressed audio is large.
ff -f lavfi -i "$(picture 25 0.48)" "${exact[@]}" "${x264[@]}" -f mxf "$p2/VIDEO/0001AB.MXF"
for channel in 00 01; do
    ff -f lavfi -i "$(tone 0.48)" "${exact[@]}" -c:a pcm_s16le -ac 1 -f mxf_opatom \
        "$p2/AUDIO/0001AB$channel.MXF"
done
small 0.48 "$p2/PROXY/0001AB.MP4"
cat >"$p2/CLIP/0001AB.XML" <<'EOF'
<?xml version="1.0" encoding="UTF-8" standalone="no" ?>
<P2Main xmlns="urn:schemas-Professional-Plug-in:P2:ClipMetadata:v3.1">
	<ClipContent>
		<ClipName>0001AB</ClipName>
		<Duration>12</Duration>
		<EditUnit>1/25</EditUnit>
		<EssenceList>
			<Video>
				<VideoFormat>MXF</VideoFormat>
				<FrameRate>25p</FrameRate>
				<StartTimecode>00:00:00:00</StartTimecode>
			</Video>
			<Audio>
				<AudioFormat>MXF</AudioFormat>
				<SamplingRate>48000</SamplingRate>
				<BitsPerSample>16</BitsPerSample>
			</Audio>
			<Audio>
				<AudioFormat>MXF</AudioFormat>
				<SamplingRate>48000</SamplingRate>
				<BitsPerSample>16</BitsPerSample>
			</Audio>
		</EssenceList>
	</ClipContent>
</P2Main>
EOF
printf '0001AB\n' >"$out/p2/LASTCLIP.TXT"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Not clips: text under a clip's name, an empty file, an MP4 cut before its
# index (written last), and one whose index (written first) survives but
# whose data is cut off.
printf 'Shot list\n1. Harbour at dawn\n2. Market\n' >"$out/bad/notes.MP4"
: >"$out/bad/empty.MP4"
ff -f lavfi -i "$(picture 25 6)" "${exact[@]}" "${x264[@]}" "$work/tail.mp4"
head -c 4096 "$work/tail.mp4" >"$out/bad/no-index.mp4"
ff -f lavfi -i "$(picture 25 6)" "${exact[@]}" "${x264[@]}" -movflags +faststart "$work/head.mp4"
head -c 4096 "$work/head.mp4" >"$out/bad/cut-data.mp4"

# Faults a card can hold. M4ROOT whose main clip is cut in half (no index),
# its proxy intact: the proxy must not stand in for it.
cut="$out/cut/PRIVATE/M4ROOT"
mkdir -p "$cut/CLIP" "$cut/SUB"
main 2 "$work/cut.mp4"
head -c $(($(stat -c %s "$work/cut.mp4") / 2)) "$work/cut.mp4" >"$cut/CLIP/C0001.MP4"
small 2 "$cut/SUB/C0001S03.MP4"
# A RED clip folder: two R3D segments the reader cannot parse, and a ProRes
# .mov of the same clip (H.264 here, to stay small).
rdc="$out/red/A001_0101XX.RDM/A001_C001_0101AB.RDC"
mkdir -p "$rdc"
for segment in 001 002; do
    { printf 'RED2'; head -c 2044 /dev/zero | tr '\0' '\252'; } >"$rdc/A001_C001_0101AB_$segment.R3D"
done
ff -f lavfi -i "testsrc2=size=32x18:rate=25:duration=1" "${exact[@]}" "${x264[@]}" \
    "$rdc/A001_C001_0101AB_001.mov"
# A macOS AppleDouble file beside a GoPro clip.
printf '\0\5\26\7\0\2\0\0Mac OS X        ' >"$out/gopro/DCIM/100GOPRO/._GX010001.MP4"
# An MXF written to a pipe: its header stays open, the duration only in the
# footer.
ff -f lavfi -i "testsrc2=size=32x18:rate=25:duration=0.2" "${exact[@]}" "${x264[@]}" -f mxf - \
    >"$out/open-header.mxf"

# AVCHD: one recording split over two STREAM files, which the playlist plays
# in a row (the second item's connection condition 6 continues the first).
bdmv="$out/avchd/PRIVATE/AVCHD/BDMV"
mkdir -p "$bdmv/STREAM" "$bdmv/PLAYLIST"
for part in 00000 00001; do
    ff -f lavfi -i "testsrc2=size=32x18:rate=25:duration=0.5" "${exact[@]}" "${x264[@]}" \
        -f mpegts -mpegts_m2ts_mode 1 "$bdmv/STREAM/$part.MTS"
done
{
    printf 'MPLS0100\000\000\000\050'
    head -c 28 /dev/zero
    printf '\000\000\000\054\000\000\000\002\000\000'
    for item in '00000 \001' '00001 \006'; do
        printf "\\000\\024%sM2TS\\000${item#* }" "${item% *}"
        head -c 9 /dev/zero
    done
} >"$bdmv/PLAYLIST/00000.MPL"

# P2: one shot spanned over two cards, each part a clip of its own that its
# clip definition ties to the shot (Relation/GlobalShotID, OffsetInShot).
shot=060A2B340101010501010D43130000000001AA0000000000000000000000000000
for part in A:0001AA:0 B:0002BB:5; do
    IFS=: read -r card name offset <<<"$part"
    p2card="$out/p2span/$card/CONTENTS"
    mkdir -p "$p2card/CLIP" "$p2card/VIDEO"
    ff -f lavfi -i "testsrc2=size=32x18:rate=25:duration=0.2" "${exact[@]}" "${x264[@]}" -f mxf \
        "$p2card/VIDEO/$name.MXF"
    cat >"$p2card/CLIP/$name.XML" <<XML
<?xml version="1.0" encoding="UTF-8" standalone="no" ?>
<P2Main xmlns="urn:schemas-Professional-Plug-in:P2:ClipMetadata:v3.1">
	<ClipContent>
		<ClipName>$name</ClipName>
		<Duration>5</Duration>
		<EditUnit>1/25</EditUnit>
		<Relation>
			<OffsetInShot>$offset</OffsetInShot>
			<GlobalShotID>$shot</GlobalShotID>
		</Relation>
	</ClipContent>
</P2Main>
XML
done

echo "file bytes ffprobe-duration"
find "$out" -type f | sort | while read -r file; do
    duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$file" 2>/dev/null || true)
    echo "${file#"$out"/} $(stat -c %s "$file") ${duration:-none}"
done
echo "total: $(du -cb "$out" | tail -1 | cut -f1) bytes"
