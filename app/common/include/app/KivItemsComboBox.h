// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A combo box as wide as its items, whatever items it is given later. Qt's
// AdjustToContents box keeps the minimum size hint of the first items it was
// measured with, so that after new items its layout and its own resize (on a
// timer, outside the layout) disagree about its width; here the minimum
// follows the items as the size hint does. In a layout that keeps fields at
// their size hint, the box's width is then the same before and after Qt's
// resize.
#pragma once

#include <QComboBox>

class KivItemsComboBox : public QComboBox
{
public:
    explicit KivItemsComboBox(QWidget *parent = nullptr) : QComboBox(parent)
    {
        setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }

    QSize minimumSizeHint() const override { return sizeHint(); }
};
