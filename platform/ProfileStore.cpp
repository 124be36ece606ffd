// SPDX-License-Identifier: MIT
// The application's profile: 32-bit values by section and entry in QSettings.

#include "platform/PlatformHooks.h"
#include "platform/ShellPrivate.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <cstdint>
#include <optional>

namespace {

constexpr qlonglong kMinValue = INT32_MIN;  // stored signed ...
constexpr qlonglong kMaxValue = UINT32_MAX;  // ... or unsigned

std::optional<UINT> InRange(qlonglong n)
{
    if (n < kMinValue || n > kMaxValue)
        return std::nullopt;
    return static_cast<UINT>(static_cast<std::uint32_t>(n));
}

// Decimal, or hexadecimal after "0x"; nothing else (no octal, no fractions).
std::optional<UINT> ParseText(QString text)
{
    text = text.trimmed();
    bool bOk = false;
    qlonglong n = 0;
    if (text.startsWith(u"0x", Qt::CaseInsensitive))
        n = text.mid(2).toLongLong(&bOk, 16);
    else
        n = text.toLongLong(&bOk, 10);
    return bOk ? InRange(n) : std::nullopt;
}

std::optional<UINT> ParseValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return InRange(value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return value.toULongLong() <= static_cast<qulonglong>(kMaxValue)
                   ? InRange(static_cast<qlonglong>(value.toULongLong()))
                   : std::nullopt;
    case QMetaType::QString:
        return ParseText(value.toString());
    default:
        return std::nullopt;  // lists, binary data, absent values
    }
}

QString Key(const QString& strSection, const QString& strEntry)
{
    return strSection + u'/' + strEntry;
}

}  // namespace

namespace shell {

std::unique_ptr<QSettings> OpenProfile()
{
    QString strOrganisation, strApplication;
    ProfileNames(strOrganisation, strApplication);
    PlatformHooks* pHooks = PlatformHooks::Installed();
    const QString strFolder = pHooks ? ToQString(pHooks->SettingsFolder()) : QString();
    if (!strFolder.isEmpty())
        return std::make_unique<QSettings>(
            QDir(strFolder).filePath(strOrganisation + u'/' + strApplication + QStringLiteral(".ini")),
            QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, strOrganisation, strApplication);
}

QString DataFolder()
{
    QString strFolder;
    if (PlatformHooks* pHooks = PlatformHooks::Installed()) {
        // A test's data goes beside its settings, never into the user's folder.
        const QString strSettings = ToQString(pHooks->SettingsFolder());
        if (strSettings.isEmpty())
            return QString();
        QString strOrganisation, strApplication;
        ProfileNames(strOrganisation, strApplication);
        strFolder = QDir(strSettings).filePath(strOrganisation + u'/' + strApplication);
    } else {
        strFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    if (strFolder.isEmpty() || !QDir().mkpath(strFolder))
        return QString();
    return strFolder;
}

UINT ReadProfileInt(const QString& strSection, const QString& strEntry, UINT nDefault)
{
    return ParseValue(OpenProfile()->value(Key(strSection, strEntry))).value_or(nDefault);
}

BOOL WriteProfileInt(const QString& strSection, const QString& strEntry, int nValue)
{
    std::unique_ptr<QSettings> pSettings = OpenProfile();
    if (!pSettings->isWritable())
        return FALSE;
    pSettings->setValue(Key(strSection, strEntry), nValue);
    pSettings->sync();
    return pSettings->status() == QSettings::NoError ? TRUE : FALSE;
}

}  // namespace shell
