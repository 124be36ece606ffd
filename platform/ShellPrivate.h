// SPDX-License-Identifier: MIT
#pragma once

// Pieces shared by the application shell's implementation files and its test
// seams. Internal to platform/: includes Qt.

#include "model/Types.h"
#include "platform/QtConvert.h"
#include "platform/Resource.h"

#include <QImage>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <memory>
#include <string>

class CWnd;
class QSettings;
class QWidget;

namespace shell {

// The title of message boxes: the application's name.
QString AppTitle();

// The idle work of the event loop: the application's OnIdle, or with no
// application object the frames' toolbar updates.
void RunIdle();

// The main window is gone: the event loop ends, if it runs.
void MainWindowGone();

// The widget a modal box opens over: pWnd's, or the main window's for null
// (null when there is none either).
QWidget* ModalParent(CWnd* pWnd);

// String nID of the resource set, or null when there is none.
LPCTSTR FindString(UINT nID);

// An indexed resource image as 32-bit ARGB; null when its rows do not match
// its size or use a key missing from its palette.
QImage ImageFromResource(const ImageResource& image);

// The profile store of the application: the folder the installed hooks name,
// else the user's (the registry on Windows, an INI file elsewhere).
// Organisation and application name the store is keyed by come from the
// application object (SetRegistryKey, m_pszAppName). Null when one of the
// store's files is not a regular file (a pipe, a device): nothing is read
// from or written to it then.
std::unique_ptr<QSettings> OpenProfile();

// A stored 32-bit value, or nDefault when it is absent or not a 32-bit number.
UINT ReadProfileInt(const QString& strSection, const QString& strEntry, UINT nDefault);
// FALSE when the store could not be written.
BOOL WriteProfileInt(const QString& strSection, const QString& strEntry, int nValue);

// A stored text, or strDefault when it is absent or no text.
QString ReadProfileString(const QString& strSection, const QString& strEntry, const QString& strDefault);
// FALSE when the store could not be written.
BOOL WriteProfileString(const QString& strSection, const QString& strEntry, const QString& strValue);

// The organisation (the registry key, or the application's name before one is
// set) and the application name of the profile, from the application object.
void ProfileNames(QString& strOrganisation, QString& strApplication);

// Issues command nID to pTarget later, from the event loop, as a menu item or
// an accelerator does: the command may close the window whose menu or key
// issued it. Only if pTarget is still there then, and only while its update
// handler leaves the command enabled.
void PostCommand(CWnd* pTarget, UINT nID);

// The key sequences that press an accelerator; none for a key the platform
// does not know.
QList<QKeySequence> KeySequencesOf(const AcceleratorResource& accel);

// A menu text ("Save &As ...\tCtrl+Shift+S") as the item reads: without its
// mnemonic marks ("&&" is one "&") and without the keys after the tab.
QString MenuLabelOf(const QString& strText);
// The keys a menu text shows after its tab, or an empty text.
QString MenuKeysOf(const QString& strText);

}  // namespace shell
