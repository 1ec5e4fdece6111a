#pragma once
// Builders shared by the byte-stream tests: byte vectors, blobs with a chosen header, memory
// streams holding given data, and files in a per-process temporary folder.

#include "DString.h"
#include "KmfData.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <unistd.h>
#include <vector>

namespace streamtest {

using Bytes = std::vector<Byte>;

// The bytes of a string as the library keeps it (Windows-1251), as a std::string.
inline std::string Text(const TString& s)
{
    return std::string(s.PChar(), static_cast<std::size_t>(s.Length()));
}

// The data of a stream, without its header.
inline Bytes DataOf(const TKmfData& s)
{
    Bytes all;
    s.to(all);
    return Bytes(all.begin() + TKmfData::SizeHeader, all.end());
}

// Little-endian bytes of 32-bit values.
inline Bytes Ints(std::initializer_list<Integer> values)
{
    Bytes out;
    for (Integer v : values)
        for (int k = 0; k < 4; ++k)
            out.push_back(static_cast<Byte>(static_cast<UInteger>(v) >> (8 * k)));
    return out;
}

inline Bytes Cat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A 256-byte header with the given magic and version, then the data.
inline Bytes Blob(Integer version, const Bytes& data, Integer head = TKmfData::HeadKmf)
{
    Bytes blob(TKmfData::SizeHeader, 0);
    std::memcpy(blob.data(), &head, 4);
    std::memcpy(blob.data() + 4, &version, 4);
    return Cat(blob, data);
}

// A memory stream whose data are the given bytes.
inline void Load(TKmfData& s, const Bytes& data)
{
    s.from(Blob(TKmfData::CurrentVersion, data));
}

inline std::string TempPath(const std::string& name)
{
    const auto dir = std::filesystem::temp_directory_path() / ("dcstream_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

inline Bytes FileBytes(const std::string& path)
{
    Bytes out;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;)
            out.push_back(static_cast<Byte>(c));
        std::fclose(f);
    }
    return out;
}

inline void PutFile(const std::string& path, const Bytes& bytes)
{
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

} // namespace streamtest
