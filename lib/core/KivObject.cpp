// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivObject.h"

#include <new>

KivStatus KivObject_c::copyTo(KivObject_c *target)
{
    if (target == nullptr) {
        return KIV_FAIL;
    }
    target->kind = kind;
    return KIV_OK;
}

KivObject_c *KivObject_c::create() const
{
    return new (std::nothrow) KivObject_c;
}
