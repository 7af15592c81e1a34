#include "KivBinaryString.h"

#include "KivBuffer.h"
#include "KivString.h"
#include "values/KivList.h"
#include "values/KivValue.h"

#include <new>

KivBinaryString_c::KivBinaryString_c()
{
    output = new (std::nothrow) KivBuffer_c;
    formatString = new (std::nothrow) KivString_c;
    // A string that could not get its own buffer can never hold a template.
    if (formatString != nullptr && formatString->buffer() == nullptr) {
        delete formatString;
        formatString = nullptr;
    }
    arguments = new (std::nothrow) KivList_c;
}

KivBinaryString_c::~KivBinaryString_c()
{
    delete arguments;
    delete formatString;
    delete output;
}

void KivBinaryString_c::addUnsigned(std::uint32_t n)
{
    if (arguments == nullptr)
        return;
    auto *value = new (std::nothrow) KivValue_c;
    if (value == nullptr)
        return;
    value->kind = KIV_KIND_VALUE;
    value->setUInt32(n);
    if (n < 256)
        value->convertTo(KivValue_c::TYPE_UINT8);
    else if (n < 65536)
        value->convertTo(KivValue_c::TYPE_UINT16);
    if (arguments->insert(value) != KIV_OK)
        delete value;
}
