// Comparison of a library value's declared state with its model.
#pragma once

#include "FuzzSupport.h"
#include "Models.h"

#include "values/KivValue.h"

// The type, the four valid flags and the precision agree with the model.
inline void checkValueState(const KivValue_c &value, const model::Value &m)
{
    FUZZ_CHECK(value.type() == m.type);
    FUZZ_CHECK((value.intValid() == KIV_YES) == m.intValid);
    FUZZ_CHECK((value.doubleValid() == KIV_YES) == m.doubleValid);
    FUZZ_CHECK((value.textValid() == KIV_YES) == m.textValid);
    FUZZ_CHECK((value.binaryValid() == KIV_YES) == m.binaryValid);
    FUZZ_CHECK(value.precision == m.precision);
}
