// Operation sequences on two KivBuffer_c objects checked against a model of
// bytes, a cursor and a limit. Bytes that a resize leaves uninitialised are
// unknown to the model and not compared; a buffer may view foreign bytes,
// which must never be released and change only through the buffer.
#include "FuzzSupport.h"

#include "core/KivBuffer.h"
#include "values/KivList.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kUnknown = -1;
constexpr std::int32_t kForeignSize = 64;

struct ModelBuffer
{
    bool hasData = false;
    bool owns = true;
    bool viewsForeign = false;
    std::vector<int> bytes; // kUnknown where the content is not defined
    std::int32_t position = 0;
    std::int32_t remaining = 0;
    std::int8_t kind = 0;

    std::int32_t size() const { return static_cast<std::int32_t>(bytes.size()); }
    std::int32_t limit() const { return position + remaining; }

    void rewind(std::int32_t newLimit)
    {
        if (newLimit == -1) {
            newLimit = limit();
        }
        if (newLimit > size()) {
            newLimit = size();
        }
        if (newLimit < 0) {
            newLimit = 0;
        }
        position = 0;
        remaining = hasData ? newLimit : 0;
    }
    void clear()
    {
        hasData = false;
        viewsForeign = false;
        bytes.clear();
        position = 0;
        remaining = 0;
    }
    void resize(std::int32_t n)
    {
        if (n != size()) {
            if (n <= 0) {
                clear();
            } else {
                bytes.resize(static_cast<std::size_t>(n), kUnknown);
                hasData = true;
                owns = true;
                viewsForeign = false;
            }
        }
        rewind(size());
    }
    std::int8_t seek(std::int32_t p)
    {
        if (!hasData) {
            position = remaining = 0;
            return KIV_FAIL;
        }
        const std::int32_t end = limit();
        std::int8_t status = KIV_OK;
        if (p < 0) {
            p = 0;
            status = KIV_FAIL;
        } else if (p > end) {
            p = end;
            status = KIV_FAIL;
        }
        remaining = end - p;
        position = p;
        return status;
    }
};

struct Foreign
{
    std::uint8_t bytes[kForeignSize + 1];
};

void checkBuffer(const KivBuffer_c &buffer, const ModelBuffer &m, const Foreign &foreign)
{
    FUZZ_CHECK(buffer.size() == m.size());
    FUZZ_CHECK((buffer.data() != nullptr) == m.hasData);
    FUZZ_CHECK((buffer.ownsData() == KIV_YES) == m.owns);
    FUZZ_CHECK(buffer.position() == m.position);
    FUZZ_CHECK(buffer.remaining() == m.remaining);
    FUZZ_CHECK(buffer.kind == m.kind);
    FUZZ_CHECK(buffer.cursor() == (m.hasData ? buffer.data() + m.position : nullptr));
    if (!m.hasData) {
        return;
    }
    FUZZ_CHECK((buffer.data() == foreign.bytes) == m.viewsForeign);
    for (std::int32_t i = 0; i < m.size(); ++i) {
        FUZZ_CHECK(m.bytes[i] == kUnknown || buffer.data()[i] == m.bytes[i]);
    }
    if (m.owns) {
        FUZZ_CHECK(buffer.data()[m.size()] == 0);
    }
}

// The pieces that cutting `bytes` at every ':' gives.
std::vector<std::vector<int>> modelSplit(const std::vector<int> &bytes)
{
    std::vector<std::vector<int>> pieces;
    std::vector<int> piece;
    for (int b : bytes) {
        if (b == ':') {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece.push_back(b);
        }
    }
    if (!piece.empty()) {
        pieces.push_back(piece);
    }
    return pieces;
}

// A length byte and up to 64 bytes of input, then a fixed pattern.
void fillScratch(FuzzInput &input, std::uint8_t (&scratch)[256])
{
    const std::size_t have = input.byte() % 65;
    for (std::size_t i = 0; i < sizeof scratch; ++i) {
        scratch[i] = i < have ? input.byte() : static_cast<std::uint8_t>(i);
    }
}

// The source of a copyIn or write: the scratch area or, when `from` asks for
// it, the buffer's own storage, with `count` cut to what that storage holds.
const std::uint8_t *pickSource(std::uint8_t from, const std::uint8_t *scratch, const KivBuffer_c &b,
                               const ModelBuffer &m, std::int32_t &count)
{
    if (from < 128 || !m.hasData || m.size() <= 0) {
        return scratch;
    }
    const std::int32_t offset = from % m.size();
    if (count > m.size() - offset) {
        count = m.size() - offset;
    }
    return b.data() + offset;
}

// The `n` source bytes as the model sees them before the call changes them.
std::vector<int> sourceBytes(const std::uint8_t *source, const std::uint8_t *scratch,
                             const KivBuffer_c &b, const ModelBuffer &m, std::int32_t n)
{
    std::vector<int> bytes;
    for (std::int32_t i = 0; i < n; ++i) {
        bytes.push_back(source == scratch
                            ? scratch[i]
                            : m.bytes[static_cast<std::size_t>(source - b.data() + i)]);
    }
    return bytes;
}

} // namespace

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
