// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Pixel packings of uncompressed video and camera RAW: how many bytes a frame
// of a given size takes, in whole bytes and integer arithmetic.
//
// A row takes width x bytes per pixel, rounded up to whole bytes and then to
// the packing's row alignment; a frame takes its rows and a header. ARRIRAW
// packs its 12-bit photosites across rows, so it rounds once per frame:
//   2vuy     8-bit 4:2:2 (UYVY)    width x 2
//   v210     10-bit 4:2:2          ceil(width / 48) x 128
//   r210     10-bit RGB            ceil(width / 64) x 256
//   r12b     12-bit RGB            ceil(width x 36 / 8): 8 pixels in 36 bytes;
//                                  an odd width ends on half a byte, rounded up
//   rgb8     8-bit RGB             width x 3
//   rgba8    8-bit RGBA            width x 4
//   b64a     16-bit RGBA           width x 8
//   dpx-10   10-bit RGB DPX file   width x 4, and 8192 header bytes a frame
//   arriraw  12 bits per photosite ceil(width x height x 1.5) a frame; an odd
//                                  count of photosites ends on half a byte,
//                                  rounded up
#pragma once

#include "calc/KivTyped.h"

#include <QString>

#include <cstdint>
#include <optional>

enum class KivPacking : std::uint8_t
{
    Uyvy8,
    V210,
    R210,
    R12b,
    Rgb8,
    Rgba8,
    B64a,
    Dpx10,
    Arriraw,
};

struct KivPackingRule
{
    KivPacking packing;
    const char *id; // as formats files and the command line name it: "v210"
    int bytes;      // `bytes` for every `pixels` pixels ...
    int pixels;
    int rowAlign;          // ... rounded up to whole bytes, then to a multiple of this
    int headerBytes;       // added once a frame
    bool acrossRows;       // rounded once a frame rather than once a row
    const char *rowRule;   // the bytes of a row, in words
    const char *frameRule; // the bytes of a frame, in words
};

inline constexpr KivPackingRule KIV_PACKINGS[] = {
    {KivPacking::Uyvy8, "2vuy", 2, 1, 1, 0, false, "width x 2", "row x height"},
    {KivPacking::V210, "v210", 128, 48, 128, 0, false, "ceil(width / 48) x 128", "row x height"},
    {KivPacking::R210, "r210", 256, 64, 256, 0, false, "ceil(width / 64) x 256", "row x height"},
    {KivPacking::R12b, "r12b", 36, 8, 1, 0, false, "ceil(width x 36 / 8)", "row x height"},
    {KivPacking::Rgb8, "rgb8", 3, 1, 1, 0, false, "width x 3", "row x height"},
    {KivPacking::Rgba8, "rgba8", 4, 1, 1, 0, false, "width x 4", "row x height"},
    {KivPacking::B64a, "b64a", 8, 1, 1, 0, false, "width x 8", "row x height"},
    {KivPacking::Dpx10, "dpx-10", 4, 1, 1, 8192, false, "width x 4", "row x height + 8192"},
    {KivPacking::Arriraw, "arriraw", 3, 2, 1, 0, true, "width x 1.5", "ceil(width x height x 1.5)"},
};

// The rule of `packing`.
const KivPackingRule &kivPackingRule(KivPacking packing);
// The packing named `id` exactly as KIV_PACKINGS spells it, or nothing.
std::optional<KivPacking> kivPackingNamed(const QString &id);

// Bytes of one frame of `frame` in `packing`; 0 for a frame that is not
// isValid(). At most 65535 x 65535 x 8 + 8192, so never overflows.
std::int64_t kivPackedFrameBytes(KivPacking packing, const KivFrameSize &frame);
