// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "values/KivList.h"

#include <new>

KivNode_c::~KivNode_c()
{
    prev = nullptr;
    next = nullptr;
    delete payload;
    payload = nullptr;
}

KivList_c::~KivList_c()
{
    clear();
}

void KivList_c::destroyNode(KivNode_c *node) const
{
    if (ownsPayloads == KIV_NO) {
        node->payload = nullptr;
    }
    delete node;
}

KivStatus KivList_c::insert(KivObject_c *payload)
{
    if (count_ == INT32_MAX) {
        return KIV_FAIL;
    }
    KivNode_c *previous = current_;
    KivNode_c *following = previous != nullptr ? previous->next : nullptr;
    auto *node = new (std::nothrow) KivNode_c;
    if (node == nullptr) {
        return KIV_FAIL;
    }
    node->payload = payload;
    node->prev = previous;
    node->next = following;
    current_ = node;
    if (previous != nullptr) {
        previous->next = node;
    } else {
        first_ = node;
    }
    if (following != nullptr) {
        following->prev = node;
    } else {
        last_ = node;
    }
    ++count_;
    return KIV_OK;
}

KivStatus KivList_c::remove()
{
    if (current_ == nullptr) {
        return KIV_FAIL;
    }
    KivNode_c *node = current_;
    KivNode_c *previous = node->prev;
    KivNode_c *following = node->next;
    if (node == first_) {
        first_ = following;
    }
    if (node == last_) {
        last_ = previous;
    }
    if (following != nullptr) {
        following->prev = previous;
    }
    if (previous != nullptr) {
        previous->next = following;
        current_ = previous;
    } else {
        current_ = following;
    }
    destroyNode(node);
    --count_;
    return KIV_OK;
}

KivStatus KivList_c::clear()
{
    while (first_ != nullptr) {
        KivNode_c *node = first_;
        first_ = node->next;
        current_ = first_;
        destroyNode(node);
    }
    current_ = nullptr;
    last_ = nullptr;
    count_ = 0;
    return KIV_OK;
}

KivStatus KivList_c::copyTo(KivObject_c *other)
{
    auto *target = dynamic_cast<KivList_c *>(other);
    if (target == nullptr) {
        return KIV_FAIL;
    }
    if (target == this) {
        return KIV_OK;
    }

    // Copy into a private list first: clearing the target may destroy this
    // list when the target owns it.
    KivList_c copies;
    KivStatus status = KIV_OK;
    for (KivNode_c *node = first_; node != nullptr; node = node->next) {
        KivObject_c *copy = nullptr;
        if (node->payload != nullptr) {
            copy = node->payload->create();
            if (copy != nullptr && node->payload->copyTo(copy) != KIV_OK) {
                delete copy;
                copy = nullptr;
            }
            if (copy == nullptr) {
                status = KIV_FAIL;
                break;
            }
        }
        if (copies.insert(copy) != KIV_OK) {
            delete copy;
            status = KIV_FAIL;
            break;
        }
    }

    const std::int8_t sourceKind = kind;
    const std::int8_t owning = ownsPayloads == KIV_NO ? KIV_NO : KIV_YES;
    target->kind = sourceKind;
    target->clear();
    target->ownsPayloads = owning;
    target->first_ = copies.first_;
    target->last_ = copies.last_;
    target->current_ = copies.last_;
    target->count_ = copies.count_;
    copies.first_ = nullptr;
    copies.last_ = nullptr;
    copies.current_ = nullptr;
    copies.count_ = 0;
    return status;
}

KivList_c *KivList_c::create() const
{
    return new (std::nothrow) KivList_c;
}
