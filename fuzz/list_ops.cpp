// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Operation sequences on two KivList_c objects checked against a model of a
// sequence with a current position, including which payloads are alive:
// owning lists destroy what they remove, other lists leave it to the caller.
// Owning lists also hold the library's values, strings and buffers, whose
// copies must be new objects of the same class that read as their source.
#include "FuzzSupport.h"
#include "oracles/LibraryText.h"
#include "oracles/ValueReads.h"

#include "core/KivBuffer.h"
#include "core/KivString.h"
#include "values/KivList.h"
#include "values/KivValue.h"

#include <map>
#include <new>
#include <set>
#include <typeinfo>
#include <vector>

namespace {

// A payload that registers itself while alive; its copy can be made to fail.
class Tracked : public KivObject_c
{
public:
    explicit Tracked(int v) : serial(++lastSerial), value(v) { live[serial] = this; }
    ~Tracked() override { live.erase(serial); }

    KivStatus copyTo(KivObject_c *target) override
    {
        auto *other = dynamic_cast<Tracked *>(target);
        if (other == nullptr || failCopy) {
            return KIV_FAIL;
        }
        other->kind = kind;
        other->value = value;
        return KIV_OK;
    }
    KivObject_c *create() const override { return new (std::nothrow) Tracked(0); }

    static inline std::map<int, Tracked *> live;
    static inline int lastSerial = 0;
    const int serial;
    int value;
    bool failCopy = false;
};

struct ModelNode
{
    int serial = 0; // 0: no payload, or a library object
    int value = 0;  // a library object: its kind
    bool failCopy = false;
    int library = 0; // 1 value, 2 string, 3 buffer
    oracle::Reads reads;
};

// A value's four readings; a string's text or a buffer's bytes below its
// limit as the text.
oracle::Reads readsOf(KivObject_c *payload)
{
    oracle::Reads r;
    if (auto *value = dynamic_cast<KivValue_c *>(payload)) {
        r.text = oracle::stringText(value->toText(&r.textStatus));
        r.number = value->toInt(&r.numberStatus);
        r.real = value->toDouble(&r.realStatus);
        r.bytes = oracle::bufferBytes(value->toBinary(&r.bytesStatus));
    } else if (auto *string = dynamic_cast<KivString_c *>(payload)) {
        r.text = oracle::stringText(string);
    } else if (auto *buffer = dynamic_cast<KivBuffer_c *>(payload)) {
        r.text = oracle::bufferBytes(buffer);
    }
    return r;
}

void checkLibraryObject(KivObject_c *payload, const ModelNode &m)
{
    static const std::type_info *const classes[] = {&typeid(KivValue_c), &typeid(KivString_c),
                                                    &typeid(KivBuffer_c)};
    FUZZ_CHECK(payload != nullptr && typeid(*payload) == *classes[m.library - 1]);
    FUZZ_CHECK(payload->kind == m.value);
    const oracle::Reads r = readsOf(payload);
    FUZZ_CHECK(r.text == m.reads.text && r.textStatus == m.reads.textStatus);
    FUZZ_CHECK(r.number == m.reads.number && r.numberStatus == m.reads.numberStatus);
    FUZZ_CHECK(oracle::sameDouble(r.real, m.reads.real) && r.realStatus == m.reads.realStatus);
    FUZZ_CHECK(r.bytes == m.reads.bytes && r.bytesStatus == m.reads.bytesStatus);
}

// A library object made from the input.
KivObject_c *libraryObject(FuzzInput &input, ModelNode &node)
{
    const int what = input.byte() % 3;
    const std::string bytes = input.shortBytes();
    const auto count = static_cast<std::int32_t>(bytes.size());
    KivObject_c *object = nullptr;
    if (what == 0) {
        auto *value = new KivValue_c;
        FuzzInput numbers(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
        switch (count % 4) {
        case 0:
            value->setText(bytes.data(), count);
            break;
        case 1:
            value->setInt32(numbers.i32());
            break;
        case 2:
            value->setDouble(numbers.f64());
            break;
        default: {
            KivBuffer_c source;
            source.resize(count);
            source.copyIn(bytes.data(), count);
            value->setBinary(&source);
            break;
        }
        }
        value->precision = static_cast<std::uint16_t>(count % 11);
        object = value;
    } else if (what == 1) {
        auto *string = new KivString_c;
        string->assign(bytes.data(), count, KIV_NO);
        object = string;
    } else {
        auto *buffer = new KivBuffer_c;
        buffer->resize(count);
        buffer->copyIn(bytes.data(), count);
        buffer->rewind(count / 2);
        object = buffer;
    }
    object->kind = input.signedByte();
    node.library = what + 1;
    node.value = object->kind;
    node.reads = readsOf(object);
    return object;
}

struct ModelList
{
    std::vector<ModelNode> nodes;
    int current = -1;
    std::int8_t flag = KIV_YES;
    std::int8_t kind = 0;
    bool owns() const { return flag != KIV_NO; }
};

// Releases the payloads of `nodes` from the model's set of live objects when
// the list owns them.
void drop(const ModelList &list, const std::vector<ModelNode> &nodes, std::set<int> &alive)
{
    if (!list.owns()) {
        return;
    }
    for (const ModelNode &node : nodes) {
        alive.erase(node.serial);
    }
}

void checkList(KivList_c &list, const ModelList &m)
{
    FUZZ_CHECK(list.count() == static_cast<std::int32_t>(m.nodes.size()));
    FUZZ_CHECK(list.ownsPayloads == m.flag);
    FUZZ_CHECK(list.kind == m.kind);
    KivNode_c *node = list.first();
    KivNode_c *previous = nullptr;
    for (std::size_t i = 0; i < m.nodes.size(); ++i) {
        FUZZ_CHECK(node != nullptr && node->prev == previous);
        if (m.nodes[i].library != 0) {
            checkLibraryObject(node->payload, m.nodes[i]);
        } else if (m.nodes[i].serial == 0) {
            FUZZ_CHECK(node->payload == nullptr);
        } else {
            auto *payload = dynamic_cast<Tracked *>(node->payload);
            FUZZ_CHECK(payload != nullptr && payload->serial == m.nodes[i].serial);
            FUZZ_CHECK(payload->value == m.nodes[i].value);
        }
        FUZZ_CHECK((list.current() == node) == (m.current == static_cast<int>(i)));
        previous = node;
        node = node->next;
    }
    FUZZ_CHECK(node == nullptr && list.last() == previous);
    FUZZ_CHECK((list.current() == nullptr) == (m.current == -1));
    FUZZ_CHECK(list.currentPayload() == (m.current < 0 ? nullptr : list.current()->payload));
}

void checkAlive(const std::set<int> &alive)
{
    FUZZ_CHECK(Tracked::live.size() == alive.size());
    for (int serial : alive) {
        FUZZ_CHECK(Tracked::live.count(serial) == 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FUZZ_CHECK(Tracked::live.empty());
    FuzzInput input(data, size);
    std::set<int> alive;
    {
        KivList_c lists[2];
        ModelList models[2];
        int steps = 0;
        while (!input.empty() && steps++ < 300) {
            const std::uint8_t op = input.byte();
            const int which = op >> 7;
            KivList_c &list = lists[which];
            ModelList &m = models[which];
            switch (op % 13) {
            case 0:
            case 1: {
                ModelNode node;
                KivObject_c *payload = nullptr;
                if (op % 13 == 0) {
                    auto *tracked = new Tracked(input.byte());
                    tracked->failCopy = input.byte() % 8 == 0;
                    node.serial = tracked->serial;
                    node.value = tracked->value;
                    node.failCopy = tracked->failCopy;
                    alive.insert(tracked->serial);
                    payload = tracked;
                }
                FUZZ_CHECK(list.insert(payload) == KIV_OK);
                m.nodes.insert(m.nodes.begin() + (m.current + 1), node);
                ++m.current;
                break;
            }
            case 2: {
                FUZZ_CHECK(list.remove() == (m.current < 0 ? KIV_FAIL : KIV_OK));
                if (m.current < 0) {
                    break;
                }
                drop(m, {m.nodes[m.current]}, alive);
                m.nodes.erase(m.nodes.begin() + m.current);
                if (m.current > 0) {
                    --m.current;
                } else if (m.nodes.empty()) {
                    m.current = -1;
                }
                break;
            }
            case 3:
                FUZZ_CHECK(list.clear() == KIV_OK);
                drop(m, m.nodes, alive);
                m.nodes.clear();
                m.current = -1;
                break;
            case 4:
                FUZZ_CHECK(list.toFirst() == list.first());
                m.current = m.nodes.empty() ? -1 : 0;
                break;
            case 5:
                FUZZ_CHECK(list.toLast() == list.last());
                m.current = static_cast<int>(m.nodes.size()) - 1;
                break;
            case 6: {
                const bool moves =
                    m.current >= 0 && m.current + 1 < static_cast<int>(m.nodes.size());
                KivNode_c *next = list.toNext();
                FUZZ_CHECK((next != nullptr) == moves);
                if (moves) {
                    ++m.current;
                    FUZZ_CHECK(next == list.current());
                }
                break;
            }
            case 7: {
                // The ownership flag changes only while the list is empty.
                static const std::int8_t flags[] = {KIV_YES, KIV_NO, 0, 7};
                const std::int8_t flag = flags[input.byte() % 4];
                if (m.nodes.empty()) {
                    list.ownsPayloads = m.flag = flag;
                }
                break;
            }
            case 8: {
                KivList_c &other = lists[1 - which];
                ModelList &o = models[1 - which];
                ModelList copy;
                copy.flag = m.owns() ? KIV_YES : KIV_NO;
                copy.kind = m.kind;
                std::int8_t expected = KIV_OK;
                for (const ModelNode &node : m.nodes) {
                    if (node.serial != 0 && node.failCopy) {
                        expected = KIV_FAIL;
                        break;
                    }
                    copy.nodes.push_back(node);
                }
                copy.current = static_cast<int>(copy.nodes.size()) - 1;
                FUZZ_CHECK(list.copyTo(&other) == expected);
                drop(o, o.nodes, alive);
                // The copies are new objects of the same values.
                KivNode_c *node = other.first();
                KivNode_c *source = list.first();
                for (ModelNode &c : copy.nodes) {
                    FUZZ_CHECK(node != nullptr && source != nullptr);
                    FUZZ_CHECK(c.library == 0 || node->payload != source->payload);
                    source = source->next;
                    if (c.serial != 0) {
                        auto *payload = dynamic_cast<Tracked *>(node->payload);
                        FUZZ_CHECK(payload != nullptr && payload->serial != c.serial);
                        c.serial = payload->serial;
                        alive.insert(c.serial);
                    }
                    node = node->next;
                }
                o = copy;
                break;
            }
            case 9: {
                FUZZ_CHECK(list.copyTo(&list) == KIV_OK);
                KivString_c notAList;
                FUZZ_CHECK(list.copyTo(&notAList) == KIV_FAIL);
                FUZZ_CHECK(list.copyTo(nullptr) == KIV_FAIL);
                break;
            }
            case 10: {
                KivList_c *fresh = list.create();
                FUZZ_CHECK(fresh != nullptr && fresh->count() == 0);
                FUZZ_CHECK(fresh->ownsPayloads == KIV_YES && fresh->current() == nullptr);
                delete fresh;
                break;
            }
            case 11: {
                if (!m.owns()) {
                    break;
                }
                ModelNode node;
                FUZZ_CHECK(list.insert(libraryObject(input, node)) == KIV_OK);
                m.nodes.insert(m.nodes.begin() + (m.current + 1), node);
                ++m.current;
                break;
            }
            default:
                list.kind = m.kind = input.signedByte();
                break;
            }
            for (int i = 0; i < 2; ++i) {
                checkList(lists[i], models[i]);
            }
            checkAlive(alive);
        }
        for (ModelList &m : models) {
            drop(m, m.nodes, alive);
        }
    }
    // What no owning list held is the caller's.
    checkAlive(alive);
    while (!Tracked::live.empty()) {
        delete Tracked::live.begin()->second;
    }
    return 0;
}
