// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Why a path was not counted, as KivClipSkip::reason says it.
#pragma once

namespace KivClipReason {
inline constexpr char notLocal[] =
    "not a local file: only paths and file:// URLs of this machine can be measured";
inline constexpr char emptyArgument[] = "empty path";
inline constexpr char notFound[] = "no such file or folder";
inline constexpr char unreadable[] = "cannot be read";
inline constexpr char notRegular[] = "neither a regular file nor a folder";
inline constexpr char linkedFolder[] = "symbolic link to a folder, not followed";
inline constexpr char again[] = "already counted";
inline constexpr char noClip[] = "no clip in this folder";
inline constexpr char noMedia[] = "not a clip: no audio or video with a duration";
inline constexpr char truncated[] = "not a clip: cut short";
inline constexpr char reference[] = "not a clip: describes media kept in another file";
inline constexpr char badDuration[] = "not a clip: no usable duration";
} // namespace KivClipReason
