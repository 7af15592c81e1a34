// A template for the formatter together with its arguments and a default
// output buffer.
#pragma once

#include "KivObject.h"

#include <cstdint>

class KivBuffer_c;
class KivList_c;
class KivString_c;

class KivBinaryString_c
{
public:
    // Creates output, formatString and arguments (an owning list), in that
    // order. A member whose allocation fails stays null; every operation
    // checks for that.
    KivBinaryString_c();
    virtual ~KivBinaryString_c();

    KivBinaryString_c(const KivBinaryString_c &) = delete;
    KivBinaryString_c &operator=(const KivBinaryString_c &) = delete;

    // Appends `n` as a value argument (kind 1) of the smallest unsigned type
    // that holds it. Dropped silently when memory is exhausted.
    void addUnsigned(std::uint32_t n);

    // Renders formatString with the arguments into `target` (output when
    // null), replacing its contents. Template language:
    //   %[0][width][.precision]letter  letters p X f u d s; any other byte
    //                                  ends the directive with no output
    //   \ followed by \ n r t " ' % or xHH  an escaped byte
    // Each directive consumes one argument, in order; once they run out,
    // directives convert nothing (a width still pads). The template's
    // terminating zero is rendered like any literal byte. Arguments are read
    // by their kind: 1 value, 2 string, 3 buffer; other kinds (raw kind 0
    // included), and objects whose class does not match their kind, carry no
    // readable datum: d and u read 0, f reads 0.0, X and p give no bytes, s
    // fails. Returns the target, or null when memory ran out on the way
    // (growing the target or producing a conversion's text), when padding
    // cannot fit, or when there is no target or template.
    KivBuffer_c *render(KivBuffer_c *target);

    // Renders into `target`'s text. The text always ends with its
    // terminating zero: a rendering that stops inside a directive or
    // escape keeps all its bytes. 254 for a null target; 254 with the target
    // empty when rendering failed.
    KivStatus renderString(KivString_c *target);

    KivList_c *arguments = nullptr;
    KivString_c *formatString = nullptr;
    KivBuffer_c *output = nullptr;
};
