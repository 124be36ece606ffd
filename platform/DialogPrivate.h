// SPDX-License-Identifier: MIT
#pragma once

// Inside the dialog code only: the pieces of dialog and control behaviour that
// do not need a window, shared between the control classes, the dialog and
// the data exchange. Not for callers outside platform/.

#include "model/Types.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <optional>
#include <string>

struct DialogResource;
struct ImageResource;

namespace dlg {

// Width and height of the dialog font's average character, the scale of
// dialog units: four units across and eight down make one such character.
struct BaseUnits {
    int cx;
    int cy;
};

// The dialog font: the face at the point size, at 96 dots per inch.
QFont DialogFont(LPCTSTR pszFace, int nPoints);
BaseUnits BaseUnitsOf(const QFont& font);

// Dialog units to pixels, rounded as the original platform rounds them.
int MulDiv(int nNumber, int nNumerator, int nDenominator);
int UnitsToPixelsX(int nUnits, const BaseUnits& units);
int UnitsToPixelsY(int nUnits, const BaseUnits& units);

// A signed decimal integer with optional blanks around it, nothing else; no
// value when the text holds anything more or the number does not fit an int.
std::optional<int> ParseInteger(const std::u16string& text);

// Static text as shown: a single ampersand only marks a mnemonic and is
// dropped, "&&" stands for one ampersand.
QString StaticText(const std::u16string& text, bool bNoPrefix);

// Order of a sorted combo box list: case-insensitive first, then exact.
bool ListTextLess(const QString& a, const QString& b);

}  // namespace dlg

class CWnd;
class QWidget;

namespace dlg {

// A control tells its parent: WM_COMMAND with its id and the code.
void NotifyParent(CWnd* pControl, UINT nCode);

// Keeps the window layer's focus bookkeeping (CWnd::GetFocus, WM_SETFOCUS,
// WM_KILLFOCUS) in step with a native control's Qt focus.
void TrackFocus(QWidget* pWidget);

// The Qt widget a control uses for its keyboard focus and text.
QWidget* FocusWidget(const CWnd* pWnd);

}  // namespace dlg
