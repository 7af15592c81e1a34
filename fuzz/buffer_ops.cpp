// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Operation sequences on two KivBuffer_c objects checked against a model of
// bytes, a cursor and a limit (oracles/BufferModel.h), one step at a time.
#include "FuzzSupport.h"
#include "oracles/BufferModel.h"

#include "core/KivBuffer.h"
#include "values/KivList.h"

#include <algorithm>
#include <vector>

using namespace buffer_model;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    Foreign foreign;
    for (std::int32_t i = 0; i <= kForeignSize; ++i) {
        foreign.bytes[i] = static_cast<std::uint8_t>(i % 3 == 0 ? '.' : (i % 3 == 1 ? ':' : 'a'));
    }
    std::vector<int> foreignModel(foreign.bytes, foreign.bytes + kForeignSize + 1);

    KivBuffer_c buffers[2];
    ModelBuffer models[2];
    std::uint8_t scratch[256];

    int steps = 0;
    while (!input.empty() && steps++ < 200) {
        const std::uint8_t op = input.byte();
        const int which = op >> 7;
        KivBuffer_c &b = buffers[which];
        ModelBuffer &m = models[which];
        switch (op % 16) {
        case 0: {
            const std::int32_t n = input.signedByte() % 80;
            FUZZ_CHECK(b.resize(n) == KIV_OK);
            m.resize(n);
            break;
        }
        case 1:
            b.clear();
            m.clear();
            break;
        case 2: {
            const std::uint8_t arg = input.byte();
            const std::int32_t length = arg % (kForeignSize + 1);
            const bool null = arg == 255;
            b.attach(null ? nullptr : foreign.bytes, length);
            if (!m.hasData) {
                if (null) {
                    m.position = m.remaining = 0;
                } else {
                    m.hasData = true;
                    m.owns = false;
                    m.viewsForeign = true;
                    m.bytes.assign(foreignModel.begin(), foreignModel.begin() + length);
                    m.position = 0;
                    m.remaining = length;
                }
            }
            break;
        }
        case 3: {
            const std::int32_t count = input.signedByte();
            const std::uint8_t from = input.byte();
            fillScratch(input, scratch);
            std::int32_t limitCount = count;
            const std::uint8_t *source = pickSource(from, scratch, b, m, limitCount);
            const std::int32_t n = m.hasData && limitCount > 0 ? std::min(limitCount, m.size()) : 0;
            const std::vector<int> copied = sourceBytes(source, scratch, b, m, n);
            FUZZ_CHECK(b.copyIn(source, limitCount) == n);
            for (std::int32_t i = 0; i < n; ++i) {
                m.bytes[i] = copied[i];
            }
            m.rewind(n);
            break;
        }
        case 4: {
            const std::int32_t count = input.signedByte() % 40;
            const std::uint8_t fill = input.byte();
            const bool ok = count > 0;
            FUZZ_CHECK(b.padFront(count, fill) == (ok ? KIV_OK : KIV_FAIL));
            if (ok) {
                m.bytes.insert(m.bytes.begin(), static_cast<std::size_t>(count), fill);
                m.hasData = true;
                m.owns = true;
                m.viewsForeign = false;
                m.rewind(m.size());
            }
            break;
        }
        case 5: {
            const std::int32_t limit = input.signedByte() % 90;
            m.rewind(limit);
            FUZZ_CHECK(b.rewind(limit) == m.remaining);
            break;
        }
        case 6: {
            const std::int32_t p = input.signedByte() % 90;
            FUZZ_CHECK(b.seek(p) == m.seek(p));
            break;
        }
        case 7: {
            const bool ok = m.hasData && m.remaining > 0;
            FUZZ_CHECK(b.stepForward() == (ok ? KIV_OK : KIV_FAIL));
            if (ok) {
                ++m.position;
                --m.remaining;
            }
            break;
        }
        case 8: {
            const bool ok = m.hasData && m.position > 0;
            FUZZ_CHECK(b.stepBack() == (ok ? KIV_OK : KIV_FAIL));
            if (ok) {
                --m.position;
                ++m.remaining;
            }
            break;
        }
        case 9: {
            const std::int32_t found = b.seekDot();
            // Unknown bytes may be anything: the model takes the result when
            // one of them comes before a known '.'.
            std::int32_t expected = KIV_BAD_COUNT;
            bool certain = true;
            if (m.hasData) {
                for (std::int32_t i = m.position; i < m.limit(); ++i) {
                    if (m.bytes[i] == kUnknown) {
                        certain = false;
                        break;
                    }
                    if (m.bytes[i] == '.') {
                        expected = i;
                        break;
                    }
                }
            }
            if (certain) {
                FUZZ_CHECK(found == expected);
            } else {
                FUZZ_CHECK(found == KIV_BAD_COUNT || (found >= m.position && found < m.limit()));
                if (found >= 0) {
                    m.bytes[found] = '.';
                }
            }
            if (found >= 0) {
                m.seek(found);
            }
            break;
        }
        case 10: {
            const std::int32_t count = input.signedByte();
            const std::int32_t n = m.hasData && count > 0 ? std::min(count, m.remaining) : 0;
            FUZZ_CHECK(b.read(scratch, count) == n);
            for (std::int32_t i = 0; i < n; ++i) {
                const int expected = m.bytes[m.position + i];
                FUZZ_CHECK(expected == kUnknown || scratch[i] == expected);
            }
            if (n > 0) {
                m.seek(m.position + n);
            }
            break;
        }
        case 11: {
            const std::int32_t count = input.signedByte();
            const std::uint8_t from = input.byte();
            fillScratch(input, scratch);
            std::int32_t limitCount = count;
            const std::uint8_t *source = pickSource(from, scratch, b, m, limitCount);
            const std::int32_t n =
                m.hasData && limitCount > 0 ? std::min(limitCount, m.remaining) : 0;
            const std::vector<int> written = sourceBytes(source, scratch, b, m, n);
            FUZZ_CHECK(b.write(source, limitCount) == n);
            for (std::int32_t i = 0; i < n; ++i) {
                m.bytes[m.position + i] = written[i];
            }
            if (n > 0) {
                m.seek(m.position + n);
            }
            break;
        }
        case 12: {
            KivBuffer_c &other = buffers[1 - which];
            ModelBuffer &o = models[1 - which];
            FUZZ_CHECK(b.copyTo(&other) == KIV_OK);
            o.kind = m.kind;
            o.clear();
            if (m.limit() > 0) {
                o.bytes.assign(m.bytes.begin(), m.bytes.begin() + m.limit());
                o.hasData = true;
                o.owns = true;
                o.rewind(o.size());
            }
            break;
        }
        case 13: {
            FUZZ_CHECK(b.copyTo(&b) == KIV_OK);
            KivList_c notABuffer;
            FUZZ_CHECK(b.copyTo(&notABuffer) == KIV_FAIL);
            FUZZ_CHECK(b.copyTo(nullptr) == KIV_FAIL);
            break;
        }
        case 14: {
            const std::int32_t maxCount = input.signedByte() % 90;
            KivList_c pieces;
            if (input.byte() % 4 == 0) {
                pieces.ownsPayloads = KIV_NO;
                FUZZ_CHECK(b.split(&pieces, maxCount) == KIV_BAD_COUNT);
                FUZZ_CHECK(pieces.count() == 0);
                break;
            }
            std::int32_t n = m.remaining;
            if (maxCount > 0 && maxCount <= m.remaining) {
                n = maxCount;
            }
            std::vector<std::vector<int>> expected;
            if (m.hasData && n > 0) {
                expected = modelSplit(std::vector<int>(m.bytes.begin() + m.position,
                                                       m.bytes.begin() + m.position + n));
            }
            // Unknown bytes might be ':', so only fully known ranges are compared.
            bool certain = true;
            for (std::int32_t i = 0; m.hasData && i < n; ++i) {
                certain = certain && m.bytes[m.position + i] != kUnknown;
            }
            const std::int32_t added = b.split(&pieces, maxCount);
            FUZZ_CHECK(added == pieces.count());
            if (!certain) {
                break;
            }
            FUZZ_CHECK(added == static_cast<std::int32_t>(expected.size()));
            KivNode_c *node = pieces.first();
            for (const std::vector<int> &piece : expected) {
                auto *got = static_cast<KivBuffer_c *>(node->payload);
                FUZZ_CHECK(got->size() == static_cast<std::int32_t>(piece.size()));
                FUZZ_CHECK(got->limit() == got->size());
                for (std::size_t i = 0; i < piece.size(); ++i) {
                    FUZZ_CHECK(got->data()[i] == piece[i]);
                }
                node = node->next;
            }
            FUZZ_CHECK(pieces.current() == pieces.last());
            break;
        }
        default:
            b.kind = m.kind = input.signedByte();
            break;
        }
        // Both buffers may view the foreign bytes: what one wrote, the other sees.
        if (m.viewsForeign) {
            for (std::int32_t k = 0; k < m.size(); ++k) {
                foreignModel[k] = m.bytes[k];
            }
        }
        for (int i = 0; i < 2; ++i) {
            if (models[i].viewsForeign) {
                for (std::int32_t k = 0; k < models[i].size(); ++k) {
                    models[i].bytes[k] = foreignModel[k];
                }
            }
            checkBuffer(buffers[i], models[i], foreign);
        }
    }
    for (KivBuffer_c &b : buffers) {
        b.clear();
        b.rewind(-1);
    }
    for (std::int32_t i = 0; i <= kForeignSize; ++i) {
        FUZZ_CHECK(foreign.bytes[i] == foreignModel[i]);
    }
    return 0;
}
