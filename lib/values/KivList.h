// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Doubly linked list of KivObject_c payloads with a current node.
#pragma once

#include "core/KivObject.h"

#include <cstdint>

// One link of a KivList_c. Destroying a node destroys its payload (if any) but
// never its neighbours.
class KivNode_c
{
public:
    KivNode_c() = default;
    virtual ~KivNode_c();

    KivNode_c(const KivNode_c &) = delete;
    KivNode_c &operator=(const KivNode_c &) = delete;

    KivObject_c *payload = nullptr;
    KivNode_c *prev = nullptr;
    KivNode_c *next = nullptr;
};

// Invariants: the nodes are linked both ways from first to last, first->prev
// and last->next are null, count() is the number of nodes, and current is one
// of the nodes, null exactly when the list is empty.
//
// With ownsPayloads other than KIV_NO the list owns its payloads: remove,
// clear and the destructor destroy them. With KIV_NO the payloads are detached
// first and survive. Change the flag only while the list is empty.
class KivList_c : public KivObject_c
{
public:
    KivList_c() = default;
    ~KivList_c() override;

    // Makes `other`, which must be a KivList_c (KIV_FAIL otherwise, or when null),
    // a deep copy of this list: its old nodes are cleared, then it receives a
    // new object of each payload's own class (create, then copyTo) in the same
    // order, its current node being its last. A payload that cannot be copied
    // ends the copy with KIV_FAIL; the copies made before it stay in `other`, and a
    // copy that cannot be inserted is destroyed. Copying a list onto itself
    // changes nothing and returns KIV_OK. The payloads are all copied before
    // `other` is cleared, so this list may be one of the objects that clearing
    // `other` destroys; it must then not be used after the call.
    KivStatus copyTo(KivObject_c *other) override;
    KivList_c *create() const override;

    // Links a new node for `payload` (null allowed) after the current node and
    // makes it current. KIV_FAIL when the node cannot be allocated (or the count
    // would overflow): the list is unchanged and the payload stays with the
    // caller.
    KivStatus insert(KivObject_c *payload);
    // Unlinks and destroys the current node; its previous node (or else its
    // next) becomes current. KIV_FAIL on an empty list.
    KivStatus remove();
    // Destroys every node; always KIV_OK.
    KivStatus clear();

    KivNode_c *toFirst()
    {
        current_ = first_;
        return current_;
    }
    KivNode_c *toLast()
    {
        current_ = last_;
        return current_;
    }
    // Moves to the next node and returns it; null (current unchanged) at the
    // end or on an empty list.
    KivNode_c *toNext()
    {
        if (current_ == nullptr || current_->next == nullptr) {
            return nullptr;
        }
        current_ = current_->next;
        return current_;
    }
    KivObject_c *currentPayload() const
    {
        return current_ != nullptr ? current_->payload : nullptr;
    }
    std::int32_t count() const { return count_; }

    KivNode_c *first() const { return first_; }
    KivNode_c *last() const { return last_; }
    KivNode_c *current() const { return current_; }

private:
    // Destroys `node`, detaching its payload first when the list does not own it.
    void destroyNode(KivNode_c *node) const;

    KivNode_c *current_ = nullptr;
    KivNode_c *first_ = nullptr;
    KivNode_c *last_ = nullptr;
    std::int32_t count_ = 0;

public:
    std::int8_t ownsPayloads = KIV_YES;
};
