// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Dialog.h"
#include "platform/Platform.h"

// Owner-drawn button that shows one colour and nothing else.
class CColorSwatch : public CButton {
public:
    CColorSwatch();
    ~CColorSwatch() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // Shows the colour at once (the swatch is invalidated with erasing).
    void SetColor(COLORREF color);

private:
    COLORREF m_color = 0;
};
