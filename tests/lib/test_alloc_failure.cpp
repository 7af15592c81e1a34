// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Every library operation that allocates, run with its N-th nothrow allocation
// failing for N = 1, 2, ... until the operation no longer reaches an N-th
// allocation: once with that allocation alone failing, once with it and every
// later one failing. After each run the result is either the whole result or
// the failure the operation's contract gives, the objects keep their
// invariants and take a normal operation, and destroying them leaves no block
// behind.
#include "core/KivBuffer.h"
#include "core/KivEscapes.h"
#include "core/KivString.h"
#include "format/KivBinaryString.h"
#include "time/KivTime.h"
#include "values/KivConversions.h"
#include "values/KivList.h"
#include "values/KivValue.h"

#include "KivAllocHook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// Runs the calls under test with the failure armed.
class Injection
{
public:
    Injection(long n, bool sticky) : n_(n), sticky_(sticky) {}

    template <typename Call> auto operator()(Call &&call) const
    {
        KivAllocHook::Scope scope(n_, sticky_);
        return call();
    }
    // Whether the last armed call had an allocation failed.
    bool failed() const { return KivAllocHook::failures() > 0; }

private:
    long n_;
    bool sticky_;
};

std::string str(KivString_c &s)
{
    const char *text = s.text();
    return std::string(text, static_cast<std::size_t>(s.length()));
}

// The bytes below the limit.
std::string bytes(const KivBuffer_c &b)
{
    if (b.data() == nullptr) {
        return "";
    }
    return std::string(reinterpret_cast<const char *>(b.data()),
                       static_cast<std::size_t>(b.limit()));
}

void fill(KivBuffer_c &b, const std::string &content)
{
    ASSERT_EQ(b.resize(static_cast<std::int32_t>(content.size())), KIV_OK);
    b.copyIn(content.data(), static_cast<std::int32_t>(content.size()));
}

void expectSound(const KivBuffer_c &b)
{
    EXPECT_GE(b.position(), 0);
    EXPECT_LE(b.position(), b.limit());
    EXPECT_LE(b.limit(), b.size());
    if (b.data() == nullptr) {
        EXPECT_EQ(b.size(), 0);
        return;
    }
    EXPECT_EQ(b.cursor(), b.data() + b.position());
    if (b.ownsData() == KIV_YES) {
        EXPECT_EQ(b.data()[b.size()], 0);
    }
}

// A buffer takes a normal operation after whatever happened to it.
void expectUsable(KivBuffer_c &b)
{
    expectSound(b);
    b.clear();
    b.rewind(-1);
    fill(b, "usable");
    EXPECT_EQ(bytes(b), "usable");
}

void expectSound(KivString_c &s)
{
    ASSERT_NE(s.buffer(), nullptr);
    expectSound(*s.buffer());
    ASSERT_GE(s.length(), 0);
    EXPECT_EQ(s.text()[s.length()], 0);
    if (s.buffer()->size() > 0) {
        EXPECT_EQ(s.buffer()->size(), s.length() + 1);
    }
}

void expectUsable(KivString_c &s)
{
    expectSound(s);
    EXPECT_EQ(s.assign("usable", -1, KIV_NO), 6);
    EXPECT_EQ(str(s), "usable");
}

// Each payload described by its class and contents: "s:" string, "b:" buffer,
// "v:" value (its text), "-" none.
std::vector<std::string> describe(const KivList_c &list)
{
    std::vector<std::string> items;
    const KivNode_c *previous = nullptr;
    bool currentFound = false;
    for (const KivNode_c *node = list.first(); node != nullptr; node = node->next) {
        EXPECT_EQ(node->prev, previous);
        currentFound = currentFound || node == list.current();
        previous = node;
        if (auto *s = dynamic_cast<KivString_c *>(node->payload)) {
            items.push_back("s:" + str(*s));
        } else if (auto *b = dynamic_cast<KivBuffer_c *>(node->payload)) {
            items.push_back("b:" + bytes(*b));
        } else if (auto *v = dynamic_cast<KivValue_c *>(node->payload)) {
            items.push_back("v:" + str(*v->toText()));
        } else {
            items.push_back(node->payload == nullptr ? "-" : "?");
        }
    }
    EXPECT_EQ(list.last(), previous);
    EXPECT_EQ(static_cast<std::size_t>(list.count()), items.size());
    EXPECT_EQ(list.current() == nullptr, items.empty());
    EXPECT_TRUE(items.empty() || currentFound);
    return items;
}

void expectUsable(KivList_c &list)
{
    const std::vector<std::string> before = describe(list);
    list.toLast();
    ASSERT_EQ(list.insert(nullptr), KIV_OK);
    EXPECT_EQ(describe(list).size(), before.size() + 1);
}

void expectUsable(KivValue_c &v)
{
    EXPECT_LE(v.type(), KivValue_c::TYPE_BINARY);
    v.setInt32(-17);
    KivStatus status = KIV_FAIL;
    KivString_c *text = v.toText(&status);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(status, KIV_OK);
    EXPECT_EQ(str(*text), "-17");
}

bool nothingValid(const KivValue_c &v)
{
    return v.intValid() != KIV_YES && v.doubleValid() != KIV_YES && v.textValid() != KIV_YES &&
           v.binaryValid() != KIV_YES;
}

std::string textOf(KivValue_c &v, KivStatus *status = nullptr)
{
    KivString_c *text = v.toText(status);
    return text == nullptr ? "<null>" : str(*text);
}

std::string bytesOf(KivValue_c &v, KivStatus *status = nullptr)
{
    KivBuffer_c *binary = v.toBinary(status);
    return binary == nullptr ? "<null>" : bytes(*binary);
}

// Strings --------------------------------------------------------------------

void stringConstruct(const Injection &inject)
{
    std::optional<KivString_c> s;
    inject([&] { s.emplace(); });
    EXPECT_EQ(s->length(), 0);
    EXPECT_STREQ(s->text(), "");
    if (s->buffer() == nullptr) {
        // A string that could not get its buffer refuses all text.
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(s->assign("x", -1, KIV_NO), KIV_BAD_COUNT);
        EXPECT_EQ(s->length(), 0);
    } else {
        EXPECT_TRUE(s->buffer()->size() == 1 || inject.failed());
        expectUsable(*s);
    }
}

void stringCreate(const Injection &inject)
{
    KivString_c prototype;
    prototype.assign("not copied", -1, KIV_NO);
    KivString_c *made = inject([&] { return prototype.create(); });
    if (made == nullptr) {
        EXPECT_TRUE(inject.failed());
        return;
    }
    EXPECT_EQ(made->length(), 0);
    EXPECT_STREQ(made->text(), "");
    if (made->buffer() != nullptr) {
        expectUsable(*made);
    } else {
        EXPECT_TRUE(inject.failed());
    }
    delete made;
}

// Assigns `text` (count -1) or a part of the target's own text (`own` >= 0:
// from that offset) and checks the result against `expected`.
void stringAssign(const Injection &inject, const char *old, const char *text, int own,
                  std::int8_t escape, const std::string &expected)
{
    KivString_c s;
    s.assign(old, -1, KIV_NO);
    const char *source = own >= 0 ? s.text() + own : text;
    const std::int32_t result = inject([&] { return s.assign(source, -1, escape); });
    if (result != KIV_BAD_COUNT) {
        EXPECT_EQ(result, static_cast<std::int32_t>(expected.size()));
        EXPECT_EQ(str(s), expected);
    } else {
        EXPECT_TRUE(inject.failed());
        // Failing before the old text was touched keeps it; later it is lost.
        EXPECT_TRUE(str(s).empty() || (own >= 0 && str(s) == old)) << str(s);
    }
    expectUsable(s);
}

void stringCopyTo(const Injection &inject)
{
    KivString_c source;
    source.assign("source text", -1, KIV_NO);
    source.kind = 7;
    KivString_c target;
    target.assign("dest", -1, KIV_NO);
    const KivStatus status = inject([&] { return source.copyTo(&target); });
    EXPECT_EQ(str(source), "source text");
    EXPECT_EQ(target.kind, 7);
    if (status == KIV_OK) {
        EXPECT_EQ(str(target), "source text");
    } else {
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(str(target), "");
    }
    expectUsable(source);
    expectUsable(target);
}

void stringClear(const Injection &inject)
{
    KivString_c s;
    s.assign("something", -1, KIV_NO);
    inject([&] { s.clear(); });
    EXPECT_EQ(str(s), "");
    expectUsable(s);
}

// Buffers --------------------------------------------------------------------

void bufferResize(const Injection &inject)
{
    KivBuffer_c b;
    fill(b, "abc");
    const KivStatus status = inject([&] { return b.resize(6); });
    expectSound(b);
    if (status == KIV_OK) {
        EXPECT_EQ(b.size(), 6);
        EXPECT_EQ(bytes(b).substr(0, 3), "abc");
    } else {
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_EQ(b.size(), 0);
        EXPECT_EQ(b.data(), nullptr);
    }
    expectUsable(b);
}

void bufferResizeAttached(const Injection &inject)
{
    char foreign[] = "xyz";
    KivBuffer_c b;
    b.attach(foreign, 3);
    const KivStatus status = inject([&] { return b.resize(5); });
    EXPECT_STREQ(foreign, "xyz");
    expectSound(b);
    EXPECT_EQ(b.ownsData(), KIV_YES);
    if (status == KIV_OK) {
        EXPECT_EQ(bytes(b).substr(0, 3), "xyz");
    } else {
        EXPECT_EQ(b.size(), 0);
    }
    expectUsable(b);
}

void bufferPadFront(const Injection &inject)
{
    KivBuffer_c b;
    fill(b, "abc");
    const KivStatus status = inject([&] { return b.padFront(2, '*'); });
    expectSound(b);
    EXPECT_EQ(bytes(b), status == KIV_OK ? "**abc" : "abc");
    EXPECT_TRUE(status == KIV_OK || inject.failed());
    expectUsable(b);
}

void bufferCopyTo(const Injection &inject)
{
    KivBuffer_c source;
    fill(source, "abcdef");
    source.rewind(4);
    source.kind = 3;
    KivBuffer_c target;
    fill(target, "zz");
    const KivStatus status = inject([&] { return source.copyTo(&target); });
    EXPECT_EQ(bytes(source), "abcd");
    expectSound(target);
    EXPECT_EQ(target.kind, 3);
    EXPECT_EQ(bytes(target), status == KIV_OK ? "abcd" : "");
    EXPECT_TRUE(status == KIV_OK || inject.failed());
    expectUsable(target);
}

void bufferCreate(const Injection &inject)
{
    KivBuffer_c prototype;
    fill(prototype, "not copied");
    KivBuffer_c *made = inject([&] { return prototype.create(); });
    if (made == nullptr) {
        EXPECT_TRUE(inject.failed());
        return;
    }
    EXPECT_EQ(made->size(), 0);
    expectUsable(*made);
    delete made;
}

// Codecs ---------------------------------------------------------------------

void quote(const Injection &inject, bool ownText)
{
    KivString_c target;
    const std::string input = ownText ? std::string("ab\x01", 3) : std::string("\0A\"\xFF", 4);
    target.assign(ownText ? input.data() : "old", ownText ? 3 : -1, KIV_NO);
    const void *source = ownText ? static_cast<const void *>(target.text()) : input.data();
    const KivStatus status = inject([&] { return quoteBytes(&target, source, 4 - ownText); });
    if (status == KIV_OK) {
        EXPECT_EQ(str(target), ownText ? "\"ab\"h01" : "h00\"A\\\"\"hFF");
    } else {
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(str(target), "");
    }
    expectUsable(target);
}

void unquote(const Injection &inject, bool ownStorage)
{
    KivBuffer_c target;
    const char *text = "\"hi\"h0A 65";
    fill(target, ownStorage ? "\"xy\"" : "zz");
    const char *source = ownStorage ? reinterpret_cast<const char *>(target.data()) : text;
    const std::int32_t count = ownStorage ? 4 : -1;
    const KivStatus status = inject([&] { return unquoteBytes(source, &target, count); });
    expectSound(target);
    if (status == KIV_OK) {
        EXPECT_EQ(bytes(target), ownStorage ? "xy" : "hi\nA");
    } else {
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(target.size(), 0);
    }
    expectUsable(target);
}

void split(const Injection &inject)
{
    KivBuffer_c source;
    fill(source, "xx:10:20::30");
    source.seek(3);
    KivList_c pieces;
    const std::int32_t added = inject([&] { return source.split(&pieces, 0); });
    EXPECT_EQ(source.position(), 3);
    const std::vector<std::string> all = {"b:10", "b:20", "b:", "b:30"};
    const std::vector<std::string> got = describe(pieces);
    if (added != KIV_BAD_COUNT) {
        EXPECT_EQ(added, 4);
        EXPECT_EQ(got, all);
    } else {
        // The pieces finished before the failure stay.
        EXPECT_TRUE(inject.failed());
        ASSERT_LT(got.size(), all.size());
        EXPECT_TRUE(std::equal(got.begin(), got.end(), all.begin()));
    }
    expectUsable(pieces);
}

void boolText(const Injection &inject)
{
    KivString_c s;
    s.assign("x", -1, KIV_NO);
    const KivStatus status = inject([&] { return boolToText(&s, KIV_YES); });
    EXPECT_EQ(str(s), status == KIV_OK ? "true" : "");
    EXPECT_TRUE(status == KIV_OK || inject.failed());
    expectUsable(s);
}

// Lists ----------------------------------------------------------------------

void listInsert(const Injection &inject)
{
    KivList_c list;
    list.insert(nullptr);
    list.insert(new KivBuffer_c);
    list.toFirst();
    auto *payload = new KivString_c;
    payload->assign("new", -1, KIV_NO);
    const KivStatus status = inject([&] { return list.insert(payload); });
    if (status == KIV_OK) {
        EXPECT_EQ(describe(list), (std::vector<std::string>{"-", "s:new", "b:"}));
        EXPECT_EQ(list.currentPayload(), payload);
    } else {
        // The list is unchanged and the payload stays with the caller.
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_EQ(describe(list), (std::vector<std::string>{"-", "b:"}));
        EXPECT_EQ(list.current(), list.first());
        EXPECT_EQ(str(*payload), "new");
        delete payload;
    }
    expectUsable(list);
}

void listCopyTo(const Injection &inject)
{
    KivList_c source;
    source.kind = 4;
    auto *s = new KivString_c;
    s->assign("text", -1, KIV_NO);
    source.insert(s);
    auto *v = new KivValue_c;
    v->setUInt16(513);
    source.insert(v);
    source.insert(nullptr);
    auto *b = new KivBuffer_c;
    fill(*b, "raw");
    source.insert(b);
    const std::vector<std::string> all = {"s:text", "v:513", "-", "b:raw"};
    KivList_c target;
    target.insert(new KivBuffer_c);
    const KivStatus status = inject([&] { return source.copyTo(&target); });
    EXPECT_EQ(describe(source), all);
    EXPECT_EQ(target.kind, 4);
    EXPECT_EQ(target.current(), target.last());
    const std::vector<std::string> got = describe(target);
    if (status == KIV_OK) {
        EXPECT_EQ(got, all);
    } else {
        // The copies made before the failure stay.
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_TRUE(inject.failed());
        ASSERT_LT(got.size(), all.size());
        EXPECT_TRUE(std::equal(got.begin(), got.end(), all.begin()));
    }
    expectUsable(target);
}

void listCreate(const Injection &inject)
{
    KivList_c prototype;
    prototype.insert(nullptr);
    KivList_c *made = inject([&] { return prototype.create(); });
    if (made == nullptr) {
        EXPECT_TRUE(inject.failed());
        return;
    }
    EXPECT_EQ(made->count(), 0);
    EXPECT_EQ(made->ownsPayloads, KIV_YES);
    expectUsable(*made);
    delete made;
}

// Values ---------------------------------------------------------------------

void valueSetText(const Injection &inject, bool fromString)
{
    KivString_c source;
    source.assign("123", -1, KIV_NO);
    KivValue_c v;
    v.setInt32(5);
    const KivStatus status =
        inject([&] { return fromString ? v.setText(&source) : v.setText("123", -1); });
    EXPECT_EQ(v.type(), KivValue_c::TYPE_TEXT);
    KivStatus read = KIV_FAIL;
    if (status == KIV_OK) {
        EXPECT_EQ(v.toInt(&read), 123);
        EXPECT_EQ(read, KIV_OK);
    } else {
        // A text value that reads as empty text.
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(v.toInt(&read), 0);
        EXPECT_EQ(read, KIV_FAIL);
        EXPECT_EQ(textOf(v), "");
    }
    EXPECT_EQ(str(source), "123");
    expectUsable(v);
}

void valueSetBinary(const Injection &inject, bool ownStorage)
{
    KivBuffer_c raw;
    fill(raw, "ab\x01");
    KivValue_c v;
    v.setBinary(&raw);
    KivBuffer_c *source = ownStorage ? v.toBinary() : &raw;
    ASSERT_NE(source, nullptr);
    const KivStatus status = inject([&] { return v.setBinary(source); });
    if (status == KIV_OK) {
        EXPECT_EQ(v.type(), KivValue_c::TYPE_BINARY);
        EXPECT_EQ(bytesOf(v), "ab\x01");
    } else {
        // The value is left empty.
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(v.type(), KivValue_c::TYPE_NONE);
        EXPECT_TRUE(nothingValid(v));
        KivStatus read = KIV_OK;
        EXPECT_EQ(bytesOf(v, &read), "");
        EXPECT_EQ(read, KIV_FAIL);
    }
    expectUsable(v);
}

// A value of each kind that must produce text or bytes.
struct Setup
{
    const char *name;
    void (*set)(KivValue_c &);
    std::string text;  // what toText gives
    std::string bytes; // what toBinary gives ("-": fails)
};

const Setup setups[] = {
    {"Int", [](KivValue_c &v) { v.setInt32(-1234); }, "-1234", std::string("\xFF\xFF\xFB\x2E", 4)},
    {"UInt16", [](KivValue_c &v) { v.setUInt16(258); }, "258", "\x01\x02"},
    {"Double",
     [](KivValue_c &v) {
         v.setDouble(2.5);
         v.precision = 3;
     },
     "2.500", "-"},
    {"Bool", [](KivValue_c &v) { v.setBool(KIV_YES); }, "true", "-"},
    {"Text", [](KivValue_c &v) { v.setText("\"hi\"h01", -1); }, "\"hi\"h01", "hi\x01"},
    {"Binary",
     [](KivValue_c &v) {
         KivBuffer_c raw;
         fill(raw, "a\x01");
         v.setBinary(&raw);
     },
     "\"a\"h01", "a\x01"},
};

// toText (or toBinary) of a value whose cache is stale: the value keeps its
// meaning when the text cannot be had, and a later reading produces it.
void valueRead(const Injection &inject, const Setup &setup, bool binary)
{
    const std::string &expected = binary ? setup.bytes : setup.text;
    KivValue_c v;
    setup.set(v);
    KivStatus status = KIV_OK;
    const std::string got =
        inject([&] { return binary ? bytesOf(v, &status) : textOf(v, &status); });
    if (status == KIV_OK) {
        EXPECT_EQ(got, expected);
    } else {
        EXPECT_TRUE(inject.failed());
        EXPECT_TRUE(got == "<null>" || got.empty()) << got;
        EXPECT_EQ(binary ? v.binaryValid() : v.textValid(), KIV_NO);
        EXPECT_EQ(binary ? bytesOf(v, &status) : textOf(v, &status), expected);
        EXPECT_EQ(status, KIV_OK);
    }
    expectUsable(v);
}

// convertTo reports running out of memory with 254: without a storage object
// the value is unchanged; otherwise it has nothing valid and reads as empty.
void valueConvert(const Injection &inject, const Setup &setup, std::uint8_t type)
{
    KivValue_c v;
    setup.set(v);
    const std::uint8_t before = v.type();
    const KivStatus status = inject([&] { return v.convertTo(type); });
    const bool toText = type == KivValue_c::TYPE_TEXT;
    if (status == KIV_FAIL && v.type() == before) {
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(textOf(v), setup.text) << "the value keeps its meaning";
    } else if ((toText ? v.textValid() : v.binaryValid()) == KIV_YES) {
        EXPECT_EQ(status, KIV_OK);
        EXPECT_EQ(v.type(), type);
        EXPECT_EQ(toText ? textOf(v) : bytesOf(v), toText ? setup.text : setup.bytes);
    } else {
        EXPECT_EQ(status, KIV_FAIL) << "no memory is reported";
        EXPECT_EQ(v.type(), type);
        EXPECT_TRUE(inject.failed());
        EXPECT_TRUE(nothingValid(v));
        EXPECT_EQ(toText ? textOf(v) : bytesOf(v), "");
        // A number read finds nothing valid and empties the value.
        KivStatus read = KIV_FAIL;
        EXPECT_EQ(v.toDouble(&read), 0.0);
        EXPECT_EQ(read, KIV_OK);
        EXPECT_EQ(v.type(), KivValue_c::TYPE_NONE);
    }
    expectUsable(v);
}

void valueCopy(const Injection &inject, const Setup &setup, bool viaCopyTo)
{
    KivValue_c source;
    setup.set(source);
    source.kind = 1;
    source.precision = 3;
    KivValue_c target;
    target.setInt32(99);
    const KivStatus status =
        inject([&] { return viaCopyTo ? source.copyTo(&target) : target.copyFrom(&source); });
    EXPECT_EQ(textOf(source), setup.text) << "the source keeps its meaning";
    EXPECT_EQ(target.kind, viaCopyTo ? 1 : 0);
    EXPECT_EQ(target.precision, 3);
    if (status == KIV_OK) {
        EXPECT_EQ(target.type(), source.type());
        EXPECT_EQ(textOf(target), setup.text);
    } else {
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(textOf(target), "");
    }
    expectUsable(target);
}

void valueCreate(const Injection &inject)
{
    KivValue_c prototype;
    prototype.setText("not copied", -1);
    KivValue_c *made = inject([&] { return prototype.create(); });
    if (made == nullptr) {
        EXPECT_TRUE(inject.failed());
        return;
    }
    EXPECT_EQ(made->type(), KivValue_c::TYPE_NONE);
    expectUsable(*made);
    delete made;
}

void valueStorage(const Injection &inject, bool text)
{
    KivValue_c v;
    KivObject_c *storage = inject([&]() -> KivObject_c * {
        if (text) {
            return v.textStorage();
        }
        return v.binaryStorage();
    });
    if (storage == nullptr) {
        EXPECT_TRUE(inject.failed());
    } else if (text) {
        EXPECT_EQ(storage, v.textStorage());
        EXPECT_NE(v.textStorage()->buffer(), nullptr);
    } else {
        EXPECT_EQ(storage, v.binaryStorage());
    }
    expectUsable(v);
}

// Binary string --------------------------------------------------------------

void binaryConstruct(const Injection &inject)
{
    std::optional<KivBinaryString_c> b;
    inject([&] { b.emplace(); });
    KivString_c out;
    if (b->formatString == nullptr) {
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(b->renderString(&out), KIV_FAIL);
        EXPECT_EQ(b->render(out.buffer()), nullptr);
    } else {
        expectUsable(*b->formatString);
        ASSERT_EQ(b->formatString->assign("%d|%d", -1, KIV_NO), 5);
        b->addUnsigned(7);
        b->addUnsigned(8);
        EXPECT_EQ(b->renderString(&out), KIV_OK);
        EXPECT_EQ(str(out), b->arguments != nullptr ? "7|8" : "|");
        EXPECT_EQ(b->render(nullptr) != nullptr, b->output != nullptr);
    }
    EXPECT_TRUE((b->output != nullptr && b->arguments != nullptr) || inject.failed());
}

void binaryAddUnsigned(const Injection &inject)
{
    KivBinaryString_c b;
    ASSERT_EQ(b.formatString->assign("%d-%d", -1, KIV_NO), 5);
    b.addUnsigned(4);
    inject([&] { b.addUnsigned(70000); });
    KivString_c out;
    EXPECT_EQ(b.renderString(&out), KIV_OK);
    // A number that cannot be added is dropped silently.
    if (b.arguments->count() == 2) {
        EXPECT_EQ(str(out), "4-70000");
    } else {
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(b.arguments->count(), 1);
        EXPECT_EQ(str(out), "4-");
    }
    expectUsable(*b.arguments);
}

// A template that reaches every kind of allocation of the formatter: width and
// precision digits, value caches, work storage, padding and output growth.
void prepare(KivBinaryString_c &b)
{
    b.formatString->assign("<%s|%7.1f|%X|%p|%06d|%s|%u>\\t", -1, KIV_NO);
    auto *text = new KivValue_c;
    text->setText("ab", -1);
    auto *number = new KivValue_c;
    number->setDouble(2.25);
    auto *word = new KivValue_c;
    word->setUInt16(258);
    auto *flag = new KivValue_c;
    flag->setBool(KIV_YES);
    auto *string = new KivString_c;
    string->assign("-42", -1, KIV_NO);
    auto *buffer = new KivBuffer_c;
    fill(*buffer, "raw");
    auto *digits = new KivString_c;
    digits->assign("17", -1, KIV_NO);
    KivObject_c *arguments[] = {text, number, word, flag, string, buffer, digits};
    const std::int8_t kinds[] = {KIV_KIND_VALUE,  KIV_KIND_VALUE,  KIV_KIND_VALUE, KIV_KIND_VALUE,
                                 KIV_KIND_STRING, KIV_KIND_BUFFER, KIV_KIND_STRING};
    for (std::size_t i = 0; i < std::size(arguments); ++i) {
        arguments[i]->kind = kinds[i];
        b.arguments->insert(arguments[i]);
    }
}

const std::string rendered = std::string("<ab|    2.3|0102|true|000-42|raw|17>\t") + '\0';

// The arguments keep their meaning whatever happened to the rendering.
void expectArgumentsKept(KivBinaryString_c &b)
{
    const std::vector<std::string> all = {"v:ab",  "v:2.3", "v:258", "v:true",
                                          "s:-42", "b:raw", "s:17"};
    EXPECT_EQ(describe(*b.arguments), all);
}

void binaryRender(const Injection &inject)
{
    KivBinaryString_c b;
    prepare(b);
    KivBuffer_c *result = inject([&] { return b.render(nullptr); });
    if (result != nullptr) {
        EXPECT_EQ(result, b.output);
        EXPECT_EQ(bytes(*result), rendered);
    } else {
        EXPECT_TRUE(inject.failed());
    }
    expectUsable(*b.output);
    expectArgumentsKept(b);
}

void binaryRenderString(const Injection &inject)
{
    KivBinaryString_c b;
    prepare(b);
    KivString_c out;
    out.assign("old", -1, KIV_NO);
    const KivStatus status = inject([&] { return b.renderString(&out); });
    if (status == KIV_OK) {
        EXPECT_EQ(str(out), rendered.substr(0, rendered.size() - 1));
    } else {
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(str(out), "");
    }
    expectUsable(out);
    expectArgumentsKept(b);
}

// Time -----------------------------------------------------------------------

void timeParse(const Injection &inject)
{
    KivString_c text;
    text.assign("12:34:56.789", -1, KIV_NO);
    KivTime_c time;
    time.setSeconds(1, 1);
    const KivStatus status = inject([&] { return time.parse(&text); });
    EXPECT_EQ(str(text), "12:34:56.789");
    if (status == KIV_OK) {
        EXPECT_EQ(time.seconds(), 45296u);
        EXPECT_EQ(time.milliseconds(), 789);
    } else {
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(time.seconds(), 0u);
        EXPECT_EQ(time.milliseconds(), 0);
    }
    EXPECT_EQ(time.parse(&text), KIV_OK);
    EXPECT_EQ(time.seconds(), 45296u);
}

void timeFormat(const Injection &inject, bool duration)
{
    KivTime_c time;
    time.setSeconds(131072, 0);
    KivString_c out;
    out.assign("old", -1, KIV_NO);
    const KivStatus status = inject(
        [&] { return duration ? time.formatDuration(&out) : time.format(&out, "Y-m-d H:i:s"); });
    if (status == KIV_OK) {
        EXPECT_EQ(str(out), duration ? "36:24:32" : "1970-01-02 12:24:32");
    } else {
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_TRUE(inject.failed());
        EXPECT_EQ(str(out), "");
    }
    expectUsable(out);
}

void objectCreate(const Injection &inject)
{
    KivObject_c prototype;
    KivObject_c *made = inject([&] { return prototype.create(); });
    EXPECT_TRUE(made != nullptr || inject.failed());
    delete made;
}

// The table ------------------------------------------------------------------

struct Case
{
    std::string name;
    std::function<void(const Injection &)> run;
    // False for an operation that may well work without allocating (reading
    // a time can be done in place); its allocations, if any, are tested all
    // the same.
    bool allocates = true;
};

std::vector<Case> cases()
{
    std::vector<Case> all = {
        {"StringConstruct", stringConstruct},
        {"StringCreate", stringCreate},
        {"StringAssign",
         [](const Injection &in) {
             stringAssign(in, "old text", "hello, world", -1, KIV_NO, "hello, world");
         }},
        {"StringAssignOwnText",
         [](const Injection &in) {
             stringAssign(in, "hello, world", nullptr, 7, KIV_NO, "world");
         }},
        {"StringAssignQuoted",
         [](const Injection &in) {
             stringAssign(in, "old", "a\tb\x01", -1, KIV_YES, "\"a\\tb\"h01");
         }},
        {"StringAssignQuotedOwnText",
         [](const Injection &in) { stringAssign(in, "xab", nullptr, 1, KIV_YES, "\"ab\""); }},
        {"StringCopyTo", stringCopyTo},
        {"StringClear", stringClear},
        {"BufferResize", bufferResize},
        {"BufferResizeAttached", bufferResizeAttached},
        {"BufferPadFront", bufferPadFront},
        {"BufferCopyTo", bufferCopyTo},
        {"BufferCreate", bufferCreate},
        {"QuoteBytes", [](const Injection &in) { quote(in, false); }},
        {"QuoteBytesOwnText", [](const Injection &in) { quote(in, true); }},
        {"UnquoteBytes", [](const Injection &in) { unquote(in, false); }},
        {"UnquoteBytesOwnStorage", [](const Injection &in) { unquote(in, true); }},
        {"Split", split},
        {"BoolToText", boolText},
        {"ListInsert", listInsert},
        {"ListCopyTo", listCopyTo},
        {"ListCreate", listCreate},
        {"ValueSetText", [](const Injection &in) { valueSetText(in, false); }},
        {"ValueSetTextString", [](const Injection &in) { valueSetText(in, true); }},
        {"ValueSetBinary", [](const Injection &in) { valueSetBinary(in, false); }},
        {"ValueSetBinaryOwnStorage", [](const Injection &in) { valueSetBinary(in, true); }},
        {"ValueCreate", valueCreate},
        {"ValueTextStorage", [](const Injection &in) { valueStorage(in, true); }},
        {"ValueBinaryStorage", [](const Injection &in) { valueStorage(in, false); }},
        {"BinaryStringConstruct", binaryConstruct},
        {"BinaryStringAddUnsigned", binaryAddUnsigned},
        {"BinaryStringRender", binaryRender},
        {"BinaryStringRenderString", binaryRenderString},
        {"TimeParse", timeParse, false},
        {"TimeFormat", [](const Injection &in) { timeFormat(in, false); }},
        {"TimeFormatDuration", [](const Injection &in) { timeFormat(in, true); }},
        {"ObjectCreate", objectCreate},
    };
    // Only what a value must produce allocates: a stale text or byte cache, and
    // copies of the types whose contents live in storage.
    for (const Setup &setup : setups) {
        const std::string name = setup.name;
        const Setup *s = &setup;
        const bool hasBytes = setup.bytes != "-";
        const bool stored = name == "Text" || name == "Bool" || name == "Binary";
        const auto add = [&all, &name](const char *what,
                                       std::function<void(const Injection &)> run) {
            all.push_back({"Value" + name + what, std::move(run)});
        };
        if (name != "Text") {
            add("ToText", [s](const Injection &in) { valueRead(in, *s, false); });
            add("ConvertToText",
                [s](const Injection &in) { valueConvert(in, *s, KivValue_c::TYPE_TEXT); });
        }
        if (hasBytes && name != "Binary") {
            add("ToBinary", [s](const Injection &in) { valueRead(in, *s, true); });
            add("ConvertToBinary",
                [s](const Injection &in) { valueConvert(in, *s, KivValue_c::TYPE_BINARY); });
        }
        if (stored) {
            add("CopyFrom", [s](const Injection &in) { valueCopy(in, *s, false); });
            add("CopyTo", [s](const Injection &in) { valueCopy(in, *s, true); });
        }
    }
    return all;
}

// Runs `c` for N = 1, 2, ... in both modes; returns the number of runs in
// which an allocation was failed.
long runWithFailures(const Case &c)
{
    long failedRuns = 0;
    for (const bool sticky : {false, true}) {
        for (long n = 1;; ++n) {
            SCOPED_TRACE(c.name + (sticky ? ": from allocation " : ": allocation ") +
                         std::to_string(n));
            const long before = KivAllocHook::liveBlocks();
            c.run(Injection(n, sticky));
            const bool reached = KivAllocHook::allocations() >= n;
            EXPECT_EQ(KivAllocHook::liveBlocks(), before) << "blocks leaked";
            if (!reached) {
                break;
            }
            ++failedRuns;
            if (n > 1000) {
                ADD_FAILURE() << "no end of allocations";
                break;
            }
        }
    }
    return failedRuns;
}

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.name;
}

class AllocFailure : public ::testing::TestWithParam<Case>
{
};

TEST_P(AllocFailure, FailsCleanly)
{
    const long failedRuns = runWithFailures(GetParam());
    if (GetParam().allocates) {
        EXPECT_GT(failedRuns, 0) << "the operation allocates nothing";
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, AllocFailure, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             return info.param.name;
                         });

// The whole table fails allocations at many distinct places in the library
// (each nothrow new of its sources is one at least); too few means the
// failures no longer reach it.
TEST(AllocFailureSites, ManyDistinctSitesAreFailed)
{
    for (const Case &c : cases()) {
        runWithFailures(c);
    }
    const int sites = KivAllocHook::failedSites();
    std::printf("allocation sites failed: %d\n", sites);
    RecordProperty("failedSites", sites);
    EXPECT_GE(sites, 15);
}

} // namespace
