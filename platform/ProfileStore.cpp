// SPDX-License-Identifier: MIT
// The application's profile: 32-bit values and texts by section and entry in QSettings.

#include "platform/PlatformHooks.h"
#include "platform/ShellPrivate.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

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

// The files the store reads: the one file of a folder the hooks name, else
// the user's and the system's files of the application and of the
// organisation (none on Windows, where the store is the registry).
QStringList ProfileFiles(const QString& strFolder, const QString& strOrganisation, const QString& strApplication)
{
    if (!strFolder.isEmpty())
        return {QDir(strFolder).filePath(strOrganisation + u'/' + strApplication + QStringLiteral(".ini"))};
    QStringList files;
#ifndef Q_OS_WIN
    for (const QString& strDir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        files << QDir(strDir).filePath(strOrganisation + u'/' + strApplication + QStringLiteral(".conf"))
              << QDir(strDir).filePath(strOrganisation + QStringLiteral(".conf"));
    }
#endif
    return files;
}

// A pipe or a device in the place of one of those files would hold the
// program at its first read, with the window black and deaf to the user.
bool IsRegularOrAbsent(const QString& strFile)
{
    std::error_code ec;
    const std::filesystem::file_status status =
        std::filesystem::status(std::filesystem::path(strFile.toStdU16String()), ec);
    return !std::filesystem::exists(status) || std::filesystem::is_regular_file(status);
}

}  // namespace

namespace shell {

std::unique_ptr<QSettings> OpenProfile()
{
    QString strOrganisation, strApplication;
    ProfileNames(strOrganisation, strApplication);
    PlatformHooks* pHooks = PlatformHooks::Installed();
    const QString strFolder = pHooks ? ToQString(pHooks->SettingsFolder()) : QString();
    for (const QString& strFile : ProfileFiles(strFolder, strOrganisation, strApplication))
        if (!IsRegularOrAbsent(strFile))
            return nullptr;
    if (!strFolder.isEmpty())
        return std::make_unique<QSettings>(
            QDir(strFolder).filePath(strOrganisation + u'/' + strApplication + QStringLiteral(".ini")),
            QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, strOrganisation, strApplication);
}

UINT ReadProfileInt(const QString& strSection, const QString& strEntry, UINT nDefault)
{
    const std::unique_ptr<QSettings> pSettings = OpenProfile();
    return pSettings ? ParseValue(pSettings->value(Key(strSection, strEntry))).value_or(nDefault) : nDefault;
}

namespace {

// Written at once: FALSE when the store could not take it.
BOOL WriteValue(const QString& strSection, const QString& strEntry, const QVariant& value)
{
    std::unique_ptr<QSettings> pSettings = OpenProfile();
    if (!pSettings || !pSettings->isWritable())
        return FALSE;
    pSettings->setValue(Key(strSection, strEntry), value);
    pSettings->sync();
    return pSettings->status() == QSettings::NoError ? TRUE : FALSE;
}

}  // namespace

BOOL WriteProfileInt(const QString& strSection, const QString& strEntry, int nValue)
{
    return WriteValue(strSection, strEntry, nValue);
}

QString ReadProfileString(const QString& strSection, const QString& strEntry, const QString& strDefault)
{
    // A number is text too, as the registry's text values hold digits; a
    // list or binary data is not.
    const std::unique_ptr<QSettings> pSettings = OpenProfile();
    if (!pSettings)
        return strDefault;
    const QVariant value = pSettings->value(Key(strSection, strEntry));
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toString();
    default:
        return strDefault;
    }
}

BOOL WriteProfileString(const QString& strSection, const QString& strEntry, const QString& strValue)
{
    return WriteValue(strSection, strEntry, strValue);
}

}  // namespace shell
