// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivBuffer.h"
#include "core/KivString.h"
#include "values/KivList.h"
#include "values/KivValue.h"

#include "KivAllocHook.h"

#include <gtest/gtest.h>

#include <new>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A payload that counts its destructions and can be told to fail cloning.
class Probe : public KivObject_c
{
public:
    explicit Probe(int v = 0) : value(v) {}
    ~Probe() override { ++destroyed; }
    KivStatus copyTo(KivObject_c *target) override
    {
        auto *probe = dynamic_cast<Probe *>(target);
        if (probe == nullptr || failCopy) {
            return KIV_FAIL;
        }
        KivObject_c::copyTo(target);
        probe->value = value;
        return KIV_OK;
    }
    Probe *create() const override { return failCreate ? nullptr : new (std::nothrow) Probe; }

    int value;
    bool failCopy = false;
    bool failCreate = false;
    static inline int destroyed = 0;
};

// Checks every list invariant and returns the payloads from first to last.
std::vector<KivObject_c *> payloadsOf(const KivList_c &list)
{
    std::vector<KivObject_c *> forward;
    bool currentFound = false;
    const KivNode_c *previous = nullptr;
    for (const KivNode_c *node = list.first(); node != nullptr; node = node->next) {
        EXPECT_EQ(node->prev, previous);
        currentFound = currentFound || node == list.current();
        forward.push_back(node->payload);
        previous = node;
    }
    EXPECT_EQ(list.last(), previous);
    EXPECT_EQ(static_cast<std::size_t>(list.count()), forward.size());
    EXPECT_EQ(list.current() == nullptr, forward.empty());
    EXPECT_TRUE(forward.empty() || currentFound) << "current is not one of the nodes";
    std::vector<KivObject_c *> backward;
    for (const KivNode_c *node = list.last(); node != nullptr; node = node->prev) {
        backward.insert(backward.begin(), node->payload);
    }
    EXPECT_EQ(backward, forward);
    return forward;
}

int valueOf(const KivObject_c *payload)
{
    return payload == nullptr ? 0 : dynamic_cast<const Probe &>(*payload).value;
}

// Payload values in order, 0 standing for a null payload.
std::vector<int> valuesOf(const KivList_c &list)
{
    std::vector<int> values;
    for (KivObject_c *payload : payloadsOf(list)) {
        values.push_back(valueOf(payload));
    }
    return values;
}

void fillList(KivList_c &list, const std::vector<int> &values)
{
    for (int v : values) {
        ASSERT_EQ(list.insert(v == 0 ? nullptr : new Probe(v)), KIV_OK);
    }
}

} // namespace

TEST(List, NewAndCreatedListsAreEmptyAndOwning)
{
    KivList_c list;
    list.kind = 7;
    list.ownsPayloads = KIV_NO;
    KivList_c fresh;
    KivList_c *made = list.create();
    ASSERT_NE(made, nullptr);
    for (KivList_c *l : {&fresh, made}) {
        EXPECT_EQ(l->kind, 0);
        EXPECT_EQ(l->ownsPayloads, KIV_YES);
        EXPECT_TRUE(valuesOf(*l).empty());
        EXPECT_EQ(l->toFirst(), nullptr);
        EXPECT_EQ(l->toLast(), nullptr);
        EXPECT_EQ(l->currentPayload(), nullptr);
        EXPECT_EQ(l->clear(), KIV_OK);
        EXPECT_TRUE(valuesOf(*l).empty());
    }
    delete made;
    KivAllocHook::failAt(1);
    EXPECT_EQ(list.create(), nullptr);
    KivAllocHook::disarm();
}

// Scripts: "+N" inserts Probe N ("+0" a null payload), "f"/"l" go to the first/last
// node, "n" must move to the next node, "N" must find none, "-" must remove, "x" must
// fail to remove.
TEST(List, EditingAndNavigation)
{
    struct Case
    {
        const char *script;
        std::vector<int> order;
        int current; // -1: no current node
    };
    const Case cases[] = {
        {"+1", {1}, 1},
        {"+1 +2 +3", {1, 2, 3}, 3},
        {"+1 +2 +3 f +4", {1, 4, 2, 3}, 4},
        {"+1 +2 +3 f n +4", {1, 2, 4, 3}, 4},
        {"+1 +2 +3 f l +4", {1, 2, 3, 4}, 4},
        {"+1 +0 +3", {1, 0, 3}, 3},
        {"+1 +2 +3 f -", {2, 3}, 2},
        {"+1 +2 +3 -", {1, 2}, 2},
        {"+1 +2 +3 f n -", {1, 3}, 1},
        {"+1 -", {}, -1},
        {"x", {}, -1},
        {"+1 +2 +3 f - - - x", {}, -1},
        {"+1 +2 +3 f n - - +5", {3, 5}, 5},
        {"+1 - +2 +3", {2, 3}, 3},
        {"N", {}, -1},
        {"+1 +2 N", {1, 2}, 2},
        {"+1 +2 f n N", {1, 2}, 2},
        {"+1 +2 +3 f n n N l", {1, 2, 3}, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.script);
        const int destroyedBefore = Probe::destroyed;
        int removedProbes = 0;
        {
            KivList_c list;
            std::istringstream script(c.script);
            std::string op;
            while (script >> op) {
                SCOPED_TRACE(op);
                KivNode_c *before = list.current();
                if (op[0] == '+') {
                    const int v = std::stoi(op.substr(1));
                    ASSERT_EQ(list.insert(v == 0 ? nullptr : new Probe(v)), KIV_OK);
                    ASSERT_NE(list.current(), before);
                    EXPECT_EQ(valueOf(list.currentPayload()), v);
                } else if (op == "f") {
                    EXPECT_EQ(list.toFirst(), list.first());
                    EXPECT_EQ(list.current(), list.first());
                } else if (op == "l") {
                    EXPECT_EQ(list.toLast(), list.last());
                    EXPECT_EQ(list.current(), list.last());
                } else if (op == "n") {
                    ASSERT_NE(before, nullptr);
                    EXPECT_EQ(list.toNext(), before->next);
                    EXPECT_NE(list.current(), before);
                } else if (op == "N") {
                    EXPECT_EQ(list.toNext(), nullptr);
                    EXPECT_EQ(list.current(), before);
                } else if (op == "-") {
                    removedProbes += list.currentPayload() != nullptr ? 1 : 0;
                    EXPECT_EQ(list.remove(), KIV_OK);
                } else {
                    EXPECT_EQ(list.remove(), KIV_FAIL);
                    EXPECT_EQ(list.current(), before);
                }
                payloadsOf(list);
            }
            EXPECT_EQ(valuesOf(list), c.order);
            EXPECT_EQ(Probe::destroyed - destroyedBefore, removedProbes);
            if (c.current < 0) {
                EXPECT_EQ(list.current(), nullptr);
            } else {
                EXPECT_EQ(valueOf(list.currentPayload()), c.current);
            }
        }
    }
}

TEST(List, OwnershipDecidesWhetherPayloadsDie)
{
    enum Op
    {
        Remove,
        Clear,
        Destroy
    };
    struct Case
    {
        std::int8_t owns;
        bool payloadsDie;
    };
    // Only "no" detaches; any other flag byte owns.
    for (const Case c : {Case{KIV_YES, true}, Case{KIV_NO, false}, Case{0, true}}) {
        for (Op op : {Remove, Clear, Destroy}) {
            SCOPED_TRACE(testing::Message() << int(c.owns) << " op " << op);
            std::vector<Probe *> probes = {new Probe(1), new Probe(2), new Probe(3)};
            const int destroyedBefore = Probe::destroyed;
            auto *list = new KivList_c;
            list->ownsPayloads = c.owns;
            for (Probe *p : probes) {
                ASSERT_EQ(list->insert(p), KIV_OK);
            }
            if (op == Remove) {
                list->toFirst();
                for (int i = 0; i < 3; ++i) {
                    ASSERT_EQ(list->remove(), KIV_OK);
                }
            } else if (op == Clear) {
                EXPECT_EQ(list->clear(), KIV_OK);
            }
            if (op != Destroy) {
                EXPECT_TRUE(payloadsOf(*list).empty());
            }
            delete list;
            EXPECT_EQ(Probe::destroyed - destroyedBefore, c.payloadsDie ? 3 : 0);
            if (!c.payloadsDie) {
                for (std::size_t i = 0; i < probes.size(); ++i) {
                    EXPECT_EQ(probes[i]->value, int(i) + 1);
                }
                for (Probe *p : probes) {
                    delete p;
                }
            }
        }
    }
}

TEST(List, FailedInsertLeavesListAndPayloadAlone)
{
    for (const std::vector<int> &start : {std::vector<int>{}, std::vector<int>{1, 2}}) {
        KivList_c list;
        fillList(list, start);
        list.toFirst();
        KivNode_c *current = list.current();
        Probe extra(9);
        const int destroyedBefore = Probe::destroyed;
        KivAllocHook::failAt(1);
        EXPECT_EQ(list.insert(&extra), KIV_FAIL);
        KivAllocHook::disarm();
        EXPECT_EQ(valuesOf(list), start);
        EXPECT_EQ(list.current(), current);
        EXPECT_EQ(Probe::destroyed, destroyedBefore);
    }
}

TEST(List, CopyToMakesADeepCopy)
{
    KivList_c source;
    source.kind = 5;
    fillList(source, {1, 0, 3});
    source.toFirst();
    KivList_c target;
    fillList(target, {9});
    const int destroyedBefore = Probe::destroyed;

    EXPECT_EQ(source.copyTo(&target), KIV_OK);
    EXPECT_EQ(Probe::destroyed - destroyedBefore, 1) << "the target's old item";
    EXPECT_EQ(target.kind, 5);
    EXPECT_EQ(valuesOf(target), (std::vector<int>{1, 0, 3}));
    EXPECT_EQ(target.current(), target.last());
    const std::vector<KivObject_c *> from = payloadsOf(source), to = payloadsOf(target);
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (from[i] != nullptr) {
            EXPECT_NE(from[i], to[i]) << i;
        }
    }
    EXPECT_EQ(valuesOf(source), (std::vector<int>{1, 0, 3}));
    EXPECT_EQ(source.current(), source.first()) << "the source is only read";
}

TEST(List, CopyToCarriesOwnership)
{
    struct Case
    {
        std::int8_t source, expected;
    };
    for (const Case c : {Case{KIV_YES, KIV_YES}, Case{KIV_NO, KIV_NO}, Case{0, KIV_YES}}) {
        std::vector<Probe *> probes = {new Probe(1), new Probe(2)};
        KivList_c source;
        source.ownsPayloads = c.source;
        for (Probe *p : probes) {
            ASSERT_EQ(source.insert(p), KIV_OK);
        }
        KivList_c target;
        target.ownsPayloads = KIV_NO;
        EXPECT_EQ(source.copyTo(&target), KIV_OK);
        EXPECT_EQ(target.ownsPayloads, c.expected);
        EXPECT_EQ(valuesOf(target), (std::vector<int>{1, 2}));
        if (c.expected == KIV_NO) {
            for (KivObject_c *copy : payloadsOf(target)) {
                delete copy;
            }
        }
        if (c.source == KIV_NO) {
            for (Probe *p : probes) {
                delete p;
            }
        }
    }
}

TEST(List, CopyToRefusesBadTargetsAndSkipsItself)
{
    KivList_c list;
    list.kind = 4;
    fillList(list, {1, 2});
    const std::vector<KivObject_c *> before = payloadsOf(list);
    const int destroyedBefore = Probe::destroyed;

    EXPECT_EQ(list.copyTo(nullptr), KIV_FAIL);
    Probe probe(7);
    KivBuffer_c buffer;
    EXPECT_EQ(list.copyTo(&probe), KIV_FAIL);
    EXPECT_EQ(list.copyTo(&buffer), KIV_FAIL);
    EXPECT_EQ(probe.kind, 0);
    EXPECT_EQ(buffer.kind, 0);

    EXPECT_EQ(list.copyTo(&list), KIV_OK);
    EXPECT_EQ(payloadsOf(list), before);
    EXPECT_EQ(Probe::destroyed, destroyedBefore);
}

TEST(List, CopyToStopsAtAPayloadThatCannotBeCopied)
{
    for (const bool failCreate : {true, false}) {
        SCOPED_TRACE(failCreate ? "create fails" : "copyTo fails");
        const long blocksBefore = KivAllocHook::liveBlocks();
        {
            KivList_c source;
            fillList(source, {1, 2, 3});
            source.toFirst();
            auto *second = dynamic_cast<Probe *>(source.toNext()->payload);
            second->failCreate = failCreate;
            second->failCopy = !failCreate;
            KivList_c target;
            EXPECT_EQ(source.copyTo(&target), KIV_FAIL);
            EXPECT_EQ(valuesOf(target), std::vector<int>{1});
            EXPECT_EQ(target.current(), target.last());
        }
        EXPECT_EQ(KivAllocHook::liveBlocks(), blocksBefore) << "a discarded copy leaked";
    }
}

TEST(List, CopyToSurvivesEveryAllocationFailure)
{
    const std::vector<int> values = {1, 0, 2, 3};
    int failures = 0;
    bool succeeded = false;
    for (int k = 0; k < 64 && !succeeded; ++k) {
        SCOPED_TRACE(k);
        const long blocksBefore = KivAllocHook::liveBlocks();
        KivStatus status;
        {
            KivList_c source;
            fillList(source, values);
            KivList_c target;
            KivAllocHook::failAt(k + 1);
            status = source.copyTo(&target);
            KivAllocHook::disarm();
            std::vector<int> got = valuesOf(target);
            ASSERT_LE(got.size(), values.size());
            EXPECT_TRUE(std::equal(got.begin(), got.end(), values.begin()));
            if (status == KIV_OK) {
                EXPECT_EQ(got, values);
            } else {
                ++failures;
            }
        }
        EXPECT_EQ(KivAllocHook::liveBlocks(), blocksBefore);
        succeeded = status == KIV_OK;
    }
    EXPECT_TRUE(succeeded);
    EXPECT_EQ(failures, 7) << "three payload copies and four nodes";
}

TEST(List, CopyToATargetThatOwnsTheSource)
{
    auto *outer = new KivList_c;
    fillList(*outer, {7});
    auto *inner = new KivList_c;
    ASSERT_EQ(outer->insert(inner), KIV_OK);
    fillList(*inner, {1, 2});
    const int destroyedBefore = Probe::destroyed;
    EXPECT_EQ(inner->copyTo(outer), KIV_OK); // destroys `inner` with the old items
    EXPECT_EQ(valuesOf(*outer), (std::vector<int>{1, 2}));
    EXPECT_EQ(Probe::destroyed - destroyedBefore, 3);
    delete outer;
}

TEST(List, CopyKeepsValuesWithNothingReadable)
{
    // A value whose reading fails is still copied, and the items after it too.
    KivList_c source;
    auto *first = new KivValue_c;
    first->setUInt8(7);
    auto *empty = new KivValue_c;
    empty->setDouble(1.5);
    empty->convertTo(KivValue_c::TYPE_BINARY);
    auto *last = new KivValue_c;
    last->setText("after", -1);
    for (KivObject_c *payload : std::vector<KivObject_c *>{first, empty, last}) {
        ASSERT_EQ(source.insert(payload), KIV_OK);
    }

    KivList_c copy;
    ASSERT_EQ(source.copyTo(&copy), KIV_OK);
    const std::vector<KivObject_c *> items = payloadsOf(copy);
    ASSERT_EQ(items.size(), 3u);
    auto *middle = dynamic_cast<KivValue_c *>(items[1]);
    ASSERT_NE(middle, nullptr);
    EXPECT_EQ(middle->type(), KivValue_c::TYPE_BINARY);
    KivStatus status = 0;
    ASSERT_NE(middle->toBinary(&status), nullptr);
    EXPECT_EQ(middle->toBinary()->limit(), 0);
    EXPECT_EQ(status, KIV_FAIL);
    EXPECT_STREQ(static_cast<KivValue_c *>(items[2])->toText()->text(), "after");
}

TEST(List, ClonesLibraryPayloadsOfEveryClass)
{
    KivList_c source;
    auto *text = new KivString_c;
    ASSERT_EQ(text->assign("a:b", -1, KIV_NO), 3);
    text->kind = KIV_KIND_STRING;
    auto *bytes = new KivBuffer_c;
    ASSERT_EQ(bytes->resize(3), KIV_OK);
    ASSERT_EQ(bytes->copyIn("x\0y", 3), 3);
    auto *nested = new KivList_c;
    fillList(*nested, {4, 5});
    auto *value = new KivValue_c;
    ASSERT_EQ(value->setText("12.5", -1), KIV_OK);
    value->kind = KIV_KIND_VALUE;
    value->precision = 4;
    for (KivObject_c *payload : std::vector<KivObject_c *>{text, bytes, nested, value}) {
        ASSERT_EQ(source.insert(payload), KIV_OK);
    }

    KivList_c copy;
    ASSERT_EQ(source.copyTo(&copy), KIV_OK);
    const std::vector<KivObject_c *> items = payloadsOf(copy);
    ASSERT_EQ(items.size(), 4u);

    auto *textCopy = dynamic_cast<KivString_c *>(items[0]);
    ASSERT_NE(textCopy, nullptr);
    EXPECT_NE(textCopy, text);
    EXPECT_EQ(textCopy->kind, KIV_KIND_STRING);
    EXPECT_STREQ(textCopy->text(), "a:b");

    auto *bytesCopy = dynamic_cast<KivBuffer_c *>(items[1]);
    ASSERT_NE(bytesCopy, nullptr);
    ASSERT_EQ(bytesCopy->size(), 3);
    EXPECT_NE(bytesCopy->data(), bytes->data());
    EXPECT_EQ(std::string(reinterpret_cast<char *>(bytesCopy->data()), 3), std::string("x\0y", 3));

    auto *nestedCopy = dynamic_cast<KivList_c *>(items[2]);
    ASSERT_NE(nestedCopy, nullptr);
    EXPECT_EQ(valuesOf(*nestedCopy), (std::vector<int>{4, 5}));
    EXPECT_NE(payloadsOf(*nestedCopy)[0], payloadsOf(*nested)[0]);

    auto *valueCopy = dynamic_cast<KivValue_c *>(items[3]);
    ASSERT_NE(valueCopy, nullptr);
    EXPECT_EQ(valueCopy->kind, KIV_KIND_VALUE);
    EXPECT_EQ(valueCopy->type(), KivValue_c::TYPE_TEXT);
    EXPECT_EQ(valueCopy->precision, 4);
    ASSERT_NE(valueCopy->toText(), nullptr);
    EXPECT_NE(valueCopy->toText(), value->toText());
    EXPECT_STREQ(valueCopy->toText()->text(), "12.5");
    EXPECT_EQ(valueCopy->toDouble(), 12.5);
}
