// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The library's operations beside their nearest standard equivalents.
#include "KivBenchMain.h"

#include "core/KivBuffer.h"
#include "core/KivEscapes.h"
#include "core/KivString.h"
#include "format/KivBinaryString.h"
#include "time/KivTime.h"
#include "values/KivValue.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

namespace {

std::string textOf(KivString_c &s)
{
    return std::string(s.text(), static_cast<std::size_t>(s.length()));
}

// The seconds that the time operations write: 01:02:05.
constexpr std::uint32_t kSeconds = 3725;

void addTimeFormat(std::vector<KivBenchOp> &ops)
{
    const std::string group = "time.format_H:i:s";
    auto time = std::make_shared<KivTime_c>();
    auto out = std::make_shared<KivString_c>();
    time->setSeconds(kSeconds, 0);
    time->format(out.get(), "H:i:s");
    kivBenchCheck(textOf(*out) == "01:02:05", "KivTime_c::format gives " + textOf(*out));
    ops.push_back({group, "kiv", [time, out] {
                       time->format(out.get(), "H:i:s");
                       benchmark::DoNotOptimize(out->buffer()->data());
                   }});

    auto seconds = std::make_shared<std::uint32_t>(kSeconds);
    auto text = std::make_shared<std::array<char, 32>>();
    ops.push_back({group, "snprintf", [seconds, text] {
                       std::uint32_t s = *seconds;
                       benchmark::DoNotOptimize(s);
                       const unsigned rest = s % 86400u;
                       std::snprintf(text->data(), text->size(), "%02u:%02u:%02u", rest / 3600u,
                                     rest % 3600u / 60u, rest % 60u);
                       benchmark::DoNotOptimize(text->data());
                   }});
    ops.back().run();
    kivBenchCheck(std::string(text->data()) == "01:02:05", "snprintf");

    ops.push_back({group, "strftime", [seconds, text] {
                       std::time_t t = *seconds;
                       benchmark::DoNotOptimize(t);
                       std::tm fields{};
                       gmtime_r(&t, &fields);
                       std::strftime(text->data(), text->size(), "%H:%M:%S", &fields);
                       benchmark::DoNotOptimize(text->data());
                   }});
    std::memset(text->data(), 0, text->size());
    ops.back().run();
    kivBenchCheck(std::string(text->data()) == "01:02:05", "strftime");
}

// Seconds from "h:m:s" text the standard ways, pieces taken from the right.
std::uint32_t fromRight(const unsigned *pieces, int count)
{
    std::uint32_t total = 0;
    std::uint32_t scale = 1;
    for (int i = count - 1; i >= 0 && i >= count - 3; --i) {
        total += scale * pieces[i];
        scale *= 60u;
    }
    return total;
}

void addTimeParse(std::vector<KivBenchOp> &ops, const std::string &group, const char *input,
                  std::uint32_t expected)
{
    auto time = std::make_shared<KivTime_c>();
    auto text = std::make_shared<KivString_c>();
    text->assign(input, -1, KIV_NO);
    time->parse(text.get());
    kivBenchCheck(time->seconds() == expected, group + ": KivTime_c::parse");
    ops.push_back({group, "kiv", [time, text] {
                       time->parse(text.get());
                       benchmark::DoNotOptimize(time->seconds());
                   }});

    auto chars = std::make_shared<std::string>(input);
    auto result = std::make_shared<std::uint32_t>(0);
    ops.push_back({group, "sscanf", [chars, result] {
                       unsigned pieces[3] = {0, 0, 0};
                       const int n = std::sscanf(chars->c_str(), "%u:%u:%u", &pieces[0], &pieces[1],
                                                 &pieces[2]);
                       *result = fromRight(pieces, n > 0 ? n : 0);
                       benchmark::DoNotOptimize(*result);
                   }});
    ops.back().run();
    kivBenchCheck(*result == expected, group + ": sscanf");

    ops.push_back({group, "from_chars", [chars, result] {
                       unsigned pieces[3] = {0, 0, 0};
                       int n = 0;
                       const char *at = chars->data();
                       benchmark::DoNotOptimize(at);
                       const char *end = at + chars->size();
                       while (n < 3) {
                           const auto [next, error] = std::from_chars(at, end, pieces[n]);
                           if (error != std::errc()) {
                               break;
                           }
                           ++n;
                           if (next == end || *next != ':') {
                               break;
                           }
                           at = next + 1;
                       }
                       *result = fromRight(pieces, n);
                       benchmark::DoNotOptimize(*result);
                   }});
    *result = 0;
    ops.back().run();
    kivBenchCheck(*result == expected, group + ": from_chars");
}

void addFormatter(std::vector<KivBenchOp> &ops, const std::string &group, const char *tpl,
                  std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    auto binary = std::make_shared<KivBinaryString_c>();
    auto out = std::make_shared<KivString_c>();
    binary->formatString->assign(tpl, -1, KIV_NO);
    binary->addUnsigned(a);
    binary->addUnsigned(b);
    binary->addUnsigned(c);
    binary->renderString(out.get());
    ops.push_back({group, "kiv", [binary, out] {
                       binary->renderString(out.get());
                       benchmark::DoNotOptimize(out->buffer()->data());
                   }});

    auto format = std::make_shared<std::string>(tpl);
    auto text = std::make_shared<std::array<char, 512>>();
    auto args = std::make_shared<std::array<int, 3>>(
        std::array<int, 3>{static_cast<int>(a), static_cast<int>(b), static_cast<int>(c)});
    ops.push_back({group, "snprintf", [format, text, args] {
                       const char *f = format->c_str();
                       benchmark::DoNotOptimize(f);
                       std::snprintf(text->data(), text->size(), f, (*args)[0], (*args)[1],
                                     (*args)[2]);
                       benchmark::DoNotOptimize(text->data());
                   }});
    ops.back().run();
    kivBenchCheck(textOf(*out) == std::string(text->data()), group + ": " + textOf(*out));
}

// 1 KiB of mixed bytes: printable runs, escapable bytes and binary bytes.
std::string mixedBytes()
{
    std::string bytes;
    std::uint32_t state = 12345;
    while (bytes.size() < 1024) {
        state = state * 1103515245u + 12345u;
        const std::uint32_t pick = (state >> 16) % 10;
        const auto byte = static_cast<char>(state >> 24);
        if (pick < 6) {
            bytes += static_cast<char>('a' + (state >> 24) % 26);
        } else if (pick == 6) {
            bytes += "\n\"\\%"[(state >> 24) % 4];
        } else {
            bytes += byte;
        }
    }
    return bytes;
}

void addCodecs(std::vector<KivBenchOp> &ops)
{
    auto bytes = std::make_shared<std::string>(mixedBytes());
    auto quoted = std::make_shared<KivString_c>();
    ops.push_back({"codec.quoteBytes_1KiB", "kiv",
                   [bytes, quoted] {
                       quoteBytes(quoted.get(), bytes->data(),
                                  static_cast<std::int32_t>(bytes->size()));
                       benchmark::DoNotOptimize(quoted->buffer()->data());
                   },
                   1024});
    ops.back().run();

    auto back = std::make_shared<KivBuffer_c>();
    ops.push_back({"codec.unquoteBytes_1KiB", "kiv",
                   [quoted, back] {
                       unquoteBytes(quoted->text(), back.get(), quoted->length());
                       benchmark::DoNotOptimize(back->data());
                   },
                   1024});
    ops.back().run();
    kivBenchCheck(std::string(reinterpret_cast<const char *>(back->data()),
                              static_cast<std::size_t>(back->limit())) == *bytes,
                  "quoteBytes and unquoteBytes round trip");
}

void addValues(std::vector<KivBenchOp> &ops)
{
    const std::string integerGroup = "value.text_to_int";
    auto value = std::make_shared<KivValue_c>();
    auto digits = std::make_shared<std::string>("-1234567");
    auto number = std::make_shared<std::int32_t>(0);
    ops.push_back({integerGroup, "kiv", [value, digits, number] {
                       value->setText(digits->data(), static_cast<std::int32_t>(digits->size()));
                       *number = value->toInt();
                       benchmark::DoNotOptimize(*number);
                   }});
    ops.back().run();
    kivBenchCheck(*number == -1234567, integerGroup + ": KivValue_c");
    ops.push_back({integerGroup, "from_chars", [digits, number] {
                       const char *at = digits->data();
                       benchmark::DoNotOptimize(at);
                       std::from_chars(at, at + digits->size(), *number);
                       benchmark::DoNotOptimize(*number);
                   }});
    *number = 0;
    ops.back().run();
    kivBenchCheck(*number == -1234567, integerGroup + ": from_chars");

    const std::string textGroup = "value.double_to_text";
    auto x = std::make_shared<double>(1234.5678);
    auto text = std::make_shared<std::array<char, 64>>();
    ops.push_back({textGroup, "kiv", [value, x] {
                       double v = *x;
                       benchmark::DoNotOptimize(v);
                       value->setDouble(v);
                       benchmark::DoNotOptimize(value->toText()->text());
                   }});
    ops.back().run();
    const std::string kivText = textOf(*value->toText());
    ops.push_back({textGroup, "to_chars", [x, text] {
                       double v = *x;
                       benchmark::DoNotOptimize(v);
                       const auto [end, error] =
                           std::to_chars(text->data(), text->data() + text->size() - 1, v,
                                         std::chars_format::fixed, 2);
                       *end = 0;
                       benchmark::DoNotOptimize(text->data());
                   }});
    ops.back().run();
    kivBenchCheck(kivText == std::string(text->data()), textGroup + ": " + kivText);
}

} // namespace

std::vector<KivBenchOp> kivBenchOps(int &, char **)
{
    std::vector<KivBenchOp> ops;
    addTimeFormat(ops);
    addTimeParse(ops, "time.parse_01:02:05", "01:02:05", 3725);
    addTimeParse(ops, "time.parse_1:30", "1:30", 90);
    addFormatter(ops, "format.time", "%02d:%02d:%02d", 1, 2, 5);
    addFormatter(ops, "format.text",
                 "The card holds %d GB. At %d Mbit/s it records for %d hours; keep some room "
                 "free for the file system, for photos and for the index files that the camera "
                 "writes next to each recording.",
                 16, 24, 1);
    addCodecs(ops);
    addValues(ops);
    return ops;
}
