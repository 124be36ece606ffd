// SPDX-License-Identifier: MIT
#include "model/ZippedFile.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include <unzip.h>

namespace {

// Archives with more entries than this are not puzzle files.
constexpr unsigned kMaxEntries = 1000;

// The archive as the library's file: reads and seeks within the bytes only.
struct CMemoryStream {
    const char* pData;
    std::size_t nSize;
    std::size_t nPos;
};

voidpf ZCALLBACK OpenMemory(voidpf opaque, const void* /*filename*/, int mode)
{
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    auto* pStream = static_cast<CMemoryStream*>(opaque);
    pStream->nPos = 0;
    return pStream;
}

uLong ZCALLBACK ReadMemory(voidpf /*opaque*/, voidpf stream, void* buf, uLong size)
{
    auto* pStream = static_cast<CMemoryStream*>(stream);
    const std::size_t nCount = std::min<std::size_t>(size, pStream->nSize - pStream->nPos);
    std::memcpy(buf, pStream->pData + pStream->nPos, nCount);
    pStream->nPos += nCount;
    return static_cast<uLong>(nCount);
}

uLong ZCALLBACK WriteMemory(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK TellMemory(voidpf /*opaque*/, voidpf stream)
{
    return static_cast<CMemoryStream*>(stream)->nPos;
}

long ZCALLBACK SeekMemory(voidpf /*opaque*/, voidpf stream, ZPOS64_T offset, int origin)
{
    auto* pStream = static_cast<CMemoryStream*>(stream);
    ZPOS64_T nBase = 0;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET:
        nBase = 0;
        break;
    case ZLIB_FILEFUNC_SEEK_CUR:
        nBase = pStream->nPos;
        break;
    case ZLIB_FILEFUNC_SEEK_END:
        nBase = pStream->nSize;
        break;
    default:
        return -1;
    }
    if (offset > pStream->nSize || nBase + offset > pStream->nSize)
        return -1;
    pStream->nPos = static_cast<std::size_t>(nBase + offset);
    return 0;
}

int ZCALLBACK CloseMemory(voidpf, voidpf)
{
    return 0;
}

int ZCALLBACK ErrorMemory(voidpf, voidpf)
{
    return 0;
}

bool EndsWithNoCase(const std::string& strName, const char* pszSuffix)
{
    const std::size_t n = std::strlen(pszSuffix);
    if (strName.size() < n)
        return false;
    return std::equal(strName.end() - static_cast<std::ptrdiff_t>(n), strName.end(), pszSuffix,
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// Folders and the resource forks of one archiver hold no document.
bool IsDocumentEntry(const std::string& strName)
{
    if (strName.empty() || strName.back() == '/' || strName.rfind("__MACOSX/", 0) == 0)
        return false;
    const std::size_t nSlash = strName.rfind('/');
    return strName.compare(nSlash == std::string::npos ? 0 : nSlash + 1, 2, "._") != 0;
}

struct CEntry {
    unz64_file_pos pos;
    std::string strName;
};

// Closes the archive however the unpacking ends.
class CArchiveHandle {
public:
    explicit CArchiveHandle(unzFile file) : m_file(file) { }
    CArchiveHandle(const CArchiveHandle&) = delete;
    CArchiveHandle& operator=(const CArchiveHandle&) = delete;
    ~CArchiveHandle()
    {
        if (m_file != nullptr)
            unzClose(m_file);
    }
    unzFile Get() const { return m_file; }

private:
    unzFile m_file;
};

}  // namespace

bool IsZipArchive(std::string_view bytes)
{
    return bytes.size() >= 4 && bytes[0] == 'P' && bytes[1] == 'K' &&
           ((bytes[2] == '\x03' && bytes[3] == '\x04') || (bytes[2] == '\x05' && bytes[3] == '\x06'));
}

bool UnzipDocument(std::string_view archive, std::size_t nMaxBytes, std::string& document, std::u16string& strWhy)
{
    document.clear();
    CMemoryStream stream {archive.data(), archive.size(), 0};
    zlib_filefunc64_def functions {};
    functions.zopen64_file = OpenMemory;
    functions.zread_file = ReadMemory;
    functions.zwrite_file = WriteMemory;
    functions.ztell64_file = TellMemory;
    functions.zseek64_file = SeekMemory;
    functions.zclose_file = CloseMemory;
    functions.zerror_file = ErrorMemory;
    functions.opaque = &stream;
    CArchiveHandle zip(unzOpen2_64("", &functions));
    if (zip.Get() == nullptr) {
        strWhy = u"a damaged zip archive";
        return false;
    }

    std::vector<CEntry> aEntries;
    unsigned nEntries = 0;
    for (int nResult = unzGoToFirstFile(zip.Get()); nResult == UNZ_OK; nResult = unzGoToNextFile(zip.Get())) {
        if (++nEntries > kMaxEntries) {
            strWhy = u"a zip archive of too many entries";
            return false;
        }
        char szName[1024];
        unz_file_info64 info;
        if (unzGetCurrentFileInfo64(zip.Get(), &info, szName, sizeof szName, nullptr, 0, nullptr, 0) != UNZ_OK)
            break;
        const std::string strName(szName, std::min<std::size_t>(info.size_filename, sizeof szName - 1));
        CEntry entry {{}, strName};
        if (IsDocumentEntry(strName) && unzGetFilePos64(zip.Get(), &entry.pos) == UNZ_OK)
            aEntries.push_back(entry);
    }
    const auto find = [&aEntries](const char* pszSuffix) {
        return std::find_if(aEntries.begin(), aEntries.end(),
                            [pszSuffix](const CEntry& e) { return EndsWithNoCase(e.strName, pszSuffix); });
    };
    auto it = find(".jpz");
    if (it == aEntries.end())
        it = find(".xml");
    if (it == aEntries.end() && aEntries.size() == 1)
        it = aEntries.begin();
    if (it == aEntries.end()) {
        strWhy =
            aEntries.empty() ? u"a zip archive with no puzzle inside" : u"a zip archive of several files, none a .jpz";
        return false;
    }

    unz_file_info64 info;
    if (unzGoToFilePos64(zip.Get(), &it->pos) != UNZ_OK ||
        unzGetCurrentFileInfo64(zip.Get(), &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        strWhy = u"a damaged zip archive";
        return false;
    }
    if (info.uncompressed_size > nMaxBytes) {
        strWhy = u"the zipped puzzle is larger than 16 MiB";
        return false;
    }
    if ((info.flag & 1) != 0) {
        strWhy = u"the zipped puzzle is encrypted";
        return false;
    }
    if (info.compression_method != 0 && info.compression_method != Z_DEFLATED) {
        strWhy = u"the zipped puzzle uses a compression method other than deflate";
        return false;
    }
    if (unzOpenCurrentFile(zip.Get()) != UNZ_OK) {
        strWhy = u"a damaged zip archive";
        return false;
    }
    // The declared size bounds what is inflated; one byte more tells a lie.
    const std::size_t nDeclared = static_cast<std::size_t>(info.uncompressed_size);
    document.resize(nDeclared + 1);
    std::size_t nRead = 0;
    bool bFailed = false;
    while (nRead < document.size()) {
        const unsigned nChunk = static_cast<unsigned>(std::min<std::size_t>(document.size() - nRead, 1u << 20));
        const int n = unzReadCurrentFile(zip.Get(), &document[nRead], nChunk);
        if (n < 0) {
            bFailed = true;
            break;
        }
        if (n == 0)
            break;
        nRead += static_cast<std::size_t>(n);
    }
    const int nClose = unzCloseCurrentFile(zip.Get());
    if (bFailed || nRead != nDeclared || nClose != UNZ_OK) {
        document.clear();
        strWhy = nClose == UNZ_CRCERROR ? u"the zipped puzzle fails its checksum" : u"the zipped puzzle is damaged";
        return false;
    }
    document.resize(nDeclared);
    return true;
}
