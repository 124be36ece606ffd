// SPDX-License-Identifier: MIT
#include "platform/String.h"

#include "platform/Resource.h"

#include <QString>

CString CString::Left(int nCount) const
{
    if (nCount <= 0)
        return CString();
    return CString(substr(0, static_cast<size_t>(nCount)));
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0)
        return CString();
    if (nCount >= GetLength())
        return *this;
    return CString(substr(size() - static_cast<size_t>(nCount)));
}

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    const size_t pos = find(ch, static_cast<size_t>(nStart));
    return pos == npos ? -1 : static_cast<int>(pos);
}

void CString::MakeLower()
{
    *this = QString::fromStdU16String(*this).toLower().toStdU16String();
}

BOOL IsCharAlphaW(WCHAR ch)
{
    return QChar(ch).isLetter() ? TRUE : FALSE;
}

WCHAR CharUpperW(WCHAR ch)
{
    return QChar(ch).toUpper().unicode();
}

BOOL IsCharGraphW(WCHAR ch)
{
    const QChar c(ch);
    return c.isPrint() && !c.isSpace() && !c.isMark() ? TRUE : FALSE;
}

CString CString::FromUtf8(const std::string& s)
{
    return CString(QString::fromStdString(s).toStdU16String());
}

BOOL CString::LoadString(UINT nID)
{
    clear();
    const ResourceSet* pResources = AfxGetResources();
    if (pResources == nullptr)
        return FALSE;
    const auto found = pResources->strings.find(nID);
    if (found == pResources->strings.end() || found->second == nullptr)
        return FALSE;
    assign(found->second);
    return TRUE;
}
