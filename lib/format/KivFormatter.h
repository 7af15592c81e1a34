// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The printf-like formatter behind KivBinaryString_c::render and
// renderString. It reads a template and a list of arguments only, so the
// binary string builds on it and not the other way round.
//
// Template language:
//   %[0][width][.precision]letter  letters p X f u d s; any other byte ends
//                                  the directive with no output
//   \ followed by \ n r t " ' % or xHH  an escaped byte
// Each directive consumes one argument, in order; once they run out,
// directives convert nothing (a width still pads). The template's terminating
// zero is rendered like any literal byte. Arguments are read by their kind:
// 1 value, 2 string, 3 buffer; other kinds (raw kind 0 included), and objects
// whose class does not match their kind, carry no readable datum: d and u
// read 0, f reads 0.0, X and p give no bytes, s fails.
#pragma once

#include <cstdint>

class KivBuffer_c;
class KivList_c;
class KivString_c;

// Renders `formatString` with the objects of `arguments` (null: none) into
// `target`, replacing its contents and holding it to at most `capacity`
// bytes; the list's current node moves. Returns the target, or null when
// memory ran out on the way (growing the target or producing a conversion's
// text), when padding cannot fit, or when there is no template. `closed`
// tells whether the template's terminating zero was copied as a literal byte,
// which it is not when a directive or escape swallowed it.
KivBuffer_c *formatInto(KivString_c *formatString, KivList_c *arguments, KivBuffer_c *target,
                        std::int32_t capacity, bool &closed);
